// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole program for app-level tests: the application started in a test
// folder, with its windows reachable by role and their controls by name.
#include "app/Application.h"
#include "tests/support/TestSupport.h"
#include "windows/MainWindow.h"

#include <QDateTime>
#include <QTranslator>
#include <QWidget>
#include <memory>

class TestProgram {
public:
    // Sets up the toolkit and starts the program in folder, its clock at
    // 10:00 on startDay(); the clock moves only by setTime. Its messages go
    // to dialogs.
    TestProgram(const ProgramFolder &folder, DialogSeam &dialogs);
    static QDate startDay() { return {2026, 3, 15}; }
    void setTime(const QDateTime &now) { m_now = now; }
    ~TestProgram();

    Application &app() { return *m_app; }
    CalendarModel &model() { return m_app->model(); }
    MainWindow *main() const { return m_app->mainWindow(); }
    template <typename T = QWidget> T *window(WindowRole role)
    {
        return static_cast<T *>(m_app->window(role));
    }
    // A named control of the main window.
    template <typename T> T *control(const char *name) const
    {
        return main()->findChild<T *>(QString::fromLatin1(name));
    }

private:
    QDateTime m_now{startDay(), QTime(10, 0)};
    QTranslator m_qtRussian;
    std::unique_ptr<Application> m_app;
};
