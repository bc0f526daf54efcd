// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Действительно хотите выйти?": the frameless bar that asks what to do when
// the one-month window is closed.
#include <QWidget>

class ImageButton;
class WindowServices;

class ExitBar : public QWidget {
    Q_OBJECT
public:
    explicit ExitBar(WindowServices &services, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void exitProgram();
    void showMainWindow();
    void closeOneMonthView();
    void returnToOneMonthView();

    WindowServices &m_services;
    ImageButton *m_closeButton = nullptr;  // "Закрыть окно", the default button
    ImageButton *m_cancelButton = nullptr; // "Отмена", also Escape
};
