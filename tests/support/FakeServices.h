// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Window services for tests of one window: records what the window asked
// for instead of opening anything. Its messages go to recorded, or to the
// seam it was given.
#include "base/TimeChange.h"
#include "output/Printing.h"
#include "sync/AccountSync.h"
#include "tests/support/TestSupport.h"
#include "windows/WindowServices.h"

#include <QDateTime>
#include <QStringList>
#include <QTemporaryDir>

class FakeServices : public WindowServices {
public:
    FakeServices() = default;
    explicit FakeServices(DialogSeam &dialogs) : seam(&dialogs) {}
    void showWindow(WindowRole role) override { calls << QStringLiteral("show %1").arg(int(role)); }
    void hideWindow(WindowRole role) override { calls << QStringLiteral("hide %1").arg(int(role)); }
    bool isWindowVisible(WindowRole role) const override { return visible.contains(role); }
    void showSettings(SettingsPage page) override
    {
        calls << QStringLiteral("settings %1").arg(int(page));
    }
    void showMainWindow() override { calls << QStringLiteral("main"); }
    void keepReachable(WindowRole role) override
    {
        calls << QStringLiteral("reachable %1").arg(int(role));
    }
    QPrinter &printer() override { return m_printer.get(); }
    void endProgram() override { calls << QStringLiteral("end"); }
    bool saveAndQuit(bool) override
    {
        calls << QStringLiteral("save and quit");
        return true;
    }
    QDateTime now() const override { return time; }
    SystemTimeWatcher &timeWatcher() override { return watcher; }
    DialogSeam &dialogs() override { return *seam; }
    AccountSync &accountSync() override { return m_sync; }

    QStringList calls;
    // What isWindowVisible answers: none by default.
    QList<WindowRole> visible;
    // The program's clock: what the time lines show.
    QDateTime time{QDate(2026, 3, 15), QTime(10, 0)};
    SystemTimeWatcher watcher;
    RecordingDialogs recorded;
    // Where dialogs() goes; windows take it when they are made.
    DialogSeam *seam = &recorded;

private:
    ProgramPrinter m_printer;
    QTemporaryDir m_folder;
    AccountSync m_sync{m_folder.filePath(QStringLiteral("account.cal"))};
};
