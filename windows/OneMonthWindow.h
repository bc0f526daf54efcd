// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Один месяц": a single month calendar in place of the main window.
#include "platform/Widgets.h"

#include <QDialog>

class CalendarModel;
class WindowServices;

class OneMonthWindow : public QDialog {
    Q_OBJECT
public:
    OneMonthWindow(CalendarModel &model, WindowServices &services, QWidget *parent = nullptr);

protected:
    // The main window is hidden meanwhile: closing asks what next.
    void closeEvent(QCloseEvent *event) override;
    // Escape closes the window the same way as its close box.
    void reject() override;

private:
    WindowServices &m_services;
    AlphaBlending m_blending{this};
};
