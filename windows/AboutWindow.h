// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "About": a picture, the product name, authors, version and contacts;
// a click hides it.
#include <QDialog>

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget *parent = nullptr);

protected:
    // The picture and the labels pass their clicks on to the window.
    void mousePressEvent(QMouseEvent *event) override;
};
