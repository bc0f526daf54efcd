// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a window may ask of the program besides the model: bring up another
// window, lead back to the main window, the program's printer, clock and
// dialogs, end the program. The application implements it; a window never
// reaches another window directly.

class AccountSync;
class DialogSeam;
class QDateTime;
class QPrinter;
class SystemTimeWatcher;

// The windows the application creates when first needed and keeps.
enum class WindowRole {
    Main,
    MonthCompare,
    MiniView,
    About,
    GoToDate,
    PrintScale,
    FloatingClock,
    Splash,
    Tips,
    OneMonth,
    Settings,
    DateSpan,
    Background,
    ExitBar,
    WorkYear,
};

// Pages of the settings window, as the menus open them.
enum class SettingsPage {
    Opacity,
    BackgroundCaptions,
    Profiles,
    Holidays,
    CalendarView,
    PrintBackground
};

class WindowServices {
public:
    virtual ~WindowServices() = default;
    // Creates the window if needed, shows it, raises and activates it.
    virtual void showWindow(WindowRole role) = 0;
    // Hides the window if it exists.
    virtual void hideWindow(WindowRole role) = 0;
    virtual bool isWindowVisible(WindowRole role) const = 0;
    // Shows the settings window on a page.
    virtual void showSettings(SettingsPage page) = 0;
    // The main window again, from hidden or minimised, in front.
    virtual void showMainWindow() = 0;
    // A window that hides itself calls this: a hidden main window that
    // nothing else leads back to is minimised to the taskbar instead.
    virtual void keepReachable(WindowRole leaving) = 0;
    // The printer the print and set-up dialogs chose: one for the whole run.
    virtual QPrinter &printer() = 0;
    // Ends the program at once: nothing is saved ("Выход").
    virtual void endProgram() = 0;
    // The one way out that saves: the close box and the session's end.
    // Saves what the close writes, then ends the program. Interactive, a
    // failed save asks whether to close anyway, and false comes back when
    // the user stays; otherwise the failure goes to stderr.
    virtual bool saveAndQuit(bool interactive) = 0;
    // The program's one clock: what the time lines and the floating clock
    // show, and the stamp an exported calendar carries.
    virtual QDateTime now() const = 0;
    // Tells when the system clock is set, for what follows the time.
    virtual SystemTimeWatcher &timeWatcher() = 0;
    // Where the window's messages, questions and file dialogs go.
    virtual DialogSeam &dialogs() = 0;
    // Keeps the active profile in step with the calendar server.
    virtual AccountSync &accountSync() = 0;
};
