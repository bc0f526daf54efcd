// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program: owns the model and the windows. It reads the files at start,
// creates the main window, the splash and the tips when they are shown at
// start, and every other window the first time it is needed; it keeps them
// and deletes them in reverse order at exit.
#include "base/SingleInstance.h"
#include "base/TimeChange.h"
#include "core/CalendarModel.h"
#include "output/Printing.h"
#include "platform/Dialogs.h"
#include "sync/AccountSync.h"
#include "sync/ProfileSyncStore.h"
#include "windows/WindowServices.h"

#include <QDateTime>
#include <QObject>
#include <functional>
#include <memory>
#include <vector>

class MainWindow;
class Subscriptions;
class QTranslator;
class QWidget;

class Application : public QObject, public WindowServices {
    Q_OBJECT
public:
    // The toolkit-wide settings: name, font, Russian texts. Needs the
    // QApplication object; qtRussian, the toolkit's own Russian texts, must
    // outlive every window.
    static void setUpToolkit(QTranslator &qtRussian);

    // Where the program reads the date and time: the system's clock unless
    // a test sets its own. Nothing else in the program reads a clock for the date.
    using Clock = std::function<QDateTime()>;

    // Messages, questions and file dialogs go to dialogs when given (the
    // caller keeps it), else to the toolkit's own.
    explicit Application(const QString &folder, Clock clock = {}, DialogSeam *dialogs = nullptr);
    ~Application() override;

    // Reads every file, builds the main window (not shown yet), then shows
    // the start-up messages: a signal during one of them saves what was read.
    void start();
    // The folder was made by this start: it has no files to miss.
    void setNewFolder(bool made) { m_newFolder = made; }
    // A message shown first among the start-up messages.
    void noteAtStart(const QString &text) { m_messages.push_back({text, false}); }
    // True once a signal asked the program to end: the start stops showing
    // messages and the event loop must not be entered.
    bool ending() const { return m_ending; }
    CalendarModel &model() { return m_model; }
    Subscriptions &subscriptions() { return *m_subscriptions; }
    MainWindow *mainWindow() const { return m_main.get(); }
    // The window of a role, created when first asked for.
    QWidget *window(WindowRole role);
    // The window of a role if it exists, else nullptr.
    QWidget *existingWindow(WindowRole role) const;

    void showWindow(WindowRole role) override;
    void hideWindow(WindowRole role) override;
    bool isWindowVisible(WindowRole role) const override;
    void showSettings(SettingsPage page) override;
    void showMainWindow() override;
    // A reminder's «Открыть»: the main window in front on date's year, with
    // date chosen in its month.
    void showDate(const QDate &date);
    void keepReachable(WindowRole leaving) override;
    QPrinter &printer() override { return m_printer.get(); }
    void endProgram() override;
    // Once the program is ending, later calls (a logout, then its signal)
    // neither save again nor ask.
    bool saveAndQuit(bool interactive) override;
    QDateTime now() const override { return m_clock(); }
    SystemTimeWatcher &timeWatcher() override { return m_timeWatcher; }
    DialogSeam &dialogs() override { return m_dialogs; }
    AccountSync &accountSync() override { return m_accountSync; }

private:
    struct StartMessage {
        QString text;
        bool error = false;
    };

    std::unique_ptr<QWidget> create(WindowRole role);
    void loadSettingsAndProfile();
    void loadOptions();
    // Shows the queued messages until a signal ends the start.
    void showMessages();
    // Locks the active profile at start; one held by another copy is kept
    // from this copy's saves.
    void lockProfile();
    // While reminders are on, the agent starts at login.
    void followReminders();
    // The active profile is the one kept in step with the server.
    void followAccount();
    // The grids show the subscribed calendars' days of the shown year.
    void followSubscriptions();

    Clock m_clock;
    // Before the windows, so that they outlive them.
    ToolkitDialogs m_toolkitDialogs;
    DialogSeam &m_dialogs;
    SystemTimeWatcher m_timeWatcher;
    // Starts on the clock's day: declared after the clock.
    CalendarModel m_model;
    // Before the windows, so that it outlives them.
    ProgramPrinter m_printer;
    // Before the windows, which show what it does.
    AccountSync m_accountSync;
    ProfileSyncStore m_syncStore{m_model};
    std::unique_ptr<Subscriptions> m_subscriptions;
    bool m_ending = false;
    bool m_newFolder = false;
    bool m_remindersOn = false;
    std::vector<StartMessage> m_messages;
    ProfileLock m_profileLock;
    // Where the active profile is, when the user should know.
    QString m_profileNotice;
    std::unique_ptr<MainWindow> m_main;
    // Created windows, in creation order.
    std::vector<std::pair<WindowRole, std::unique_ptr<QWidget>>> m_windows;
};
