// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program: owns the model and the windows. It reads the files at start,
// creates the main window, the splash and the tips when they are shown at
// start, and every other window the first time it is needed; it keeps them
// and deletes them in reverse order at exit.
#include "CalendarModel.h"
#include "Printing.h"
#include "WindowServices.h"

#include <QObject>
#include <memory>
#include <vector>

class MainWindow;
class QWidget;

class Application : public QObject, public WindowServices {
    Q_OBJECT
public:
    // The toolkit-wide settings: name, font, Russian texts. Needs the
    // QApplication object.
    static void setUpToolkit();

    explicit Application(const QString &folder);
    ~Application() override;

    // Reads the files in their order, with their messages, and builds the
    // main window (not shown yet).
    void start();
    CalendarModel &model() { return m_model; }
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
    void keepReachable(WindowRole leaving) override;
    QPrinter &printer() override { return m_printer.get(); }
    void endProgram() override;

    // The session ends without the close box (a signal, the logout): the
    // close-time save runs once; with quit the program then ends.
    void saveAtSessionEnd(bool quit);

private:
    std::unique_ptr<QWidget> create(WindowRole role);
    void loadSettingsAndProfile();
    void loadOptions();

    CalendarModel m_model;
    // Before the windows, so that it outlives them.
    ProgramPrinter m_printer;
    bool m_savedAtSessionEnd = false;
    std::unique_ptr<MainWindow> m_main;
    // Created windows, in creation order.
    std::vector<std::pair<WindowRole, std::unique_ptr<QWidget>>> m_windows;
};
