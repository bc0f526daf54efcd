// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: the year as twelve month grids, the time line, the year
// selection, the menus and the tray icon. It shows the model and changes it;
// other windows it reaches only through the window services.
#include "core/CalendarModel.h"
#include "platform/Widgets.h"
#include "windows/WindowServices.h"

#include <QDate>
#include <QMainWindow>
#include <array>

class MonthGrid;
class QAction;
class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;
class TrayIcon;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(CalendarModel &model, WindowServices &services);

    // The year's grids, January first.
    const std::array<MonthGrid *, 12> &grids() const { return m_grids; }
    TrayIcon *trayIcon() const { return m_trayIcon; }
    // True when the tray icon can bring a hidden main window back.
    bool inTray() const;
    // Shows the main window again, from hidden or minimised, in front.
    void showMainWindow();
    // Starts the time line; called once the start-up files are loaded.
    void startClock();
    // «Календарь < Работа.cpr >»: the caption names the active profile's file.
    void showProfileCaption();
    // «Выбор года» takes the shown year, for a year the user did not type there.
    void showYearInChoice();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createYearView();
    void createYearChoice();
    void createMonths();
    void createMenus();
    void createMainMenu();
    void createTrayMenu();
    void createTrayIcon();
    void bindModel();
    void bindCommands();

    // The model drawn on the window.
    void showYear();
    void showDay(int month, int day);
    void showWeekStart(Qt::DayOfWeek day);
    void showBackground();
    // Today, the holidays and the week numbers on the grids, as switched on.
    void showMarks();
    // The tray icon carries today's day number while today is marked.
    void showTrayDay();

    // The year choice.
    void goToEnteredYear();
    void stepYear(int delta);
    void announceYear();
    void showTime();
    // PageUp/PageDown on a month's grid: the keyboard goes to the grid of the
    // month before or after, on the day chosen there; no chosen day changes.
    void turnMonth(int month, int delta) const;

    // Views and the ways out.
    void hideMainWindow();
    void switchTo(WindowRole role);
    void setFramed(bool framed);
    void minimiseToTray();
    void showFromTrayMenu();

    // Output (MainWindowOutput.cpp).
    void printYear();
    void printCube();
    void saveMetafile();
    void savePicture();
    void saveYearAsVector();
    // The file a save command wrote, told to a screen reader.
    void announceSaved(const QString &path);
    void saveProfile();

    CalendarModel &m_model;
    WindowServices &m_services;

    QWidget *m_client = nullptr;
    ImageView *m_backgroundImage = nullptr;
    QLabel *m_timeHeading = nullptr;
    QLabel *m_timeLine = nullptr;
    QLabel *m_todayHeading = nullptr;
    QDateEdit *m_todayPicker = nullptr;
    QFrame *m_yearChoiceFrame = nullptr;
    QLabel *m_yearChoiceHeading = nullptr;
    QLineEdit *m_yearEdit = nullptr;
    QPushButton *m_goButton = nullptr;
    QPushButton *m_nextYearButton = nullptr;
    QPushButton *m_previousYearButton = nullptr;
    QFrame *m_yearFrame = nullptr;
    QLabel *m_yearLabel = nullptr;
    std::array<MonthGrid *, 12> m_grids{};
    std::array<QLabel *, 12> m_monthLabels{};
    std::array<ImageView *, 14> m_monthIcons{}; // one per month and two more
    QTimer *m_clockTimer = nullptr;
    AlphaBlending m_blending{this};
    Qt::WindowFlags m_framedFlags;

    QMenu *m_menuProfiles = nullptr;
    QAction *m_actionChooseProfile = nullptr;
    QAction *m_actionNewProfile = nullptr;
    QAction *m_actionSaveProfile = nullptr;
    QMenu *m_menuCalendar = nullptr;
    QAction *m_actionCompareMonths = nullptr;
    QAction *m_actionCountDays = nullptr;
    QAction *m_actionWorkYear = nullptr;
    QAction *m_actionMinimiseToTray = nullptr;
    QAction *m_actionMinimise = nullptr;
    QAction *m_actionExit = nullptr;
    QMenu *m_menuGoTo = nullptr;
    QAction *m_actionGoToDate = nullptr;
    QMenu *m_menuPrint = nullptr;
    QMenu *m_menuPrintKinds = nullptr;
    QAction *m_actionPrintYear = nullptr;
    QAction *m_actionPrintCube = nullptr;
    QAction *m_actionSaveToFile = nullptr;
    QAction *m_actionPrintOneMonth = nullptr;
    QMenu *m_menuPreview = nullptr;
    QAction *m_actionPreviewYear = nullptr;
    QAction *m_actionPreviewCube = nullptr;
    QMenu *m_menuView = nullptr;
    QAction *m_actionViewNormal = nullptr;
    QAction *m_actionViewDesktop = nullptr;
    QAction *m_actionViewOneMonth = nullptr;
    QAction *m_actionViewClockOnly = nullptr;
    QAction *m_actionHideMainWindow = nullptr;
    QMenu *m_menuWindows = nullptr;
    QAction *m_actionFloatingClock = nullptr;
    QMenu *m_menuSettings = nullptr;
    QAction *m_actionSettings = nullptr;
    QAction *m_actionBackground = nullptr;
    QMenu *m_menuSave = nullptr;
    QAction *m_actionSaveMetafile = nullptr;
    QAction *m_actionSavePicture = nullptr;
    QAction *m_actionSaveVector = nullptr;
    QMenu *m_menuHelp = nullptr;
    QAction *m_actionAbout = nullptr;
    QAction *m_actionShowTips = nullptr;
    QAction *m_actionShowSplash = nullptr;
    QAction *m_actionTip = nullptr;

    QMenu *m_trayMenu = nullptr;
    QAction *m_trayActionMinimiseToTray = nullptr;
    QAction *m_trayActionShowMain = nullptr;
    QAction *m_trayActionShowMiniView = nullptr;
    QAction *m_trayActionSettings = nullptr;
    QMenu *m_trayMenuView = nullptr;
    QAction *m_trayActionViewDesktop = nullptr;
    QAction *m_trayActionViewOneMonth = nullptr;
    QAction *m_trayActionViewNormal = nullptr;
    QMenu *m_trayMenuPrint = nullptr;
    QAction *m_trayActionPrintYear = nullptr;
    QAction *m_trayActionPrintCube = nullptr;
    QAction *m_trayActionExit = nullptr;

    QMenu *m_yearMenu = nullptr;
    QAction *m_actionYearFont = nullptr;
    TrayIcon *m_trayIcon = nullptr;
    QDate m_trayDay; // the day on the tray icon; none while it shows the plain icon
};
