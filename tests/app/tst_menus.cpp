// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ImageButton.h"
#include "controls/TrayIcon.h"
#include "platform/Widgets.h"
#include "settings/SettingsWindow.h"
#include "tests/support/FakeTrayShell.h"
#include "tests/support/ProgramSupport.h"
#include "windows/ExitBar.h"

#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace {

const QStringList kWatched = {"main",          "monthCompare", "miniView",
                              "floatingClock", "settings",     "oneMonth"};
const WindowRole kWatchedRoles[] = {WindowRole::Main,     WindowRole::MonthCompare,
                                    WindowRole::MiniView, WindowRole::FloatingClock,
                                    WindowRole::Settings, WindowRole::OneMonth};

// Runs the event loop until something ends it and returns its exit code;
// start runs once the loop is up.
int runLoop(const std::function<void()> &start)
{
    // A safety net, so a path that fails to end the program fails the test.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(5000);
    QTimer::singleShot(0, start);
    return QCoreApplication::exec();
}

} // namespace

class TestMenus : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void items_data();
    void items();
    void views_data();
    void views();
    void withoutTrayHostNothingIsLost();
    void menuShortcutsBeatTheFocusedField();
    void framesAndWayBack();
    void settingsPages();
    void checkItemsSurviveRestart();
    void exitWritesNothing_data();
    void exitWritesNothing();
    void closingSavesAndEnds();
    void exitWindow_data();
    void exitWindow();
    void exitWindowLayout();
    void failedSaveKeepsRunning();

private:
    void start();
    QWidget *window(const QString &name);
    QStringList visibleWindows() const;
    QAction *action(const char *name) const { return m_program->control<QAction>(name); }
    ExitBar *exitBar() { return m_program->window<ExitBar>(WindowRole::ExitBar); }
    SettingsWindow *settingsWindow()
    {
        return m_program->window<SettingsWindow>(WindowRole::Settings);
    }
    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<TestProgram> m_program;
    std::unique_ptr<RecordingDialogs> m_dialogs;
    std::shared_ptr<TrayShellLog> m_tray;
};

QWidget *TestMenus::window(const QString &name)
{
    return m_program->window(kWatchedRoles[kWatched.indexOf(name)]);
}

QStringList TestMenus::visibleWindows() const
{
    QStringList shown;
    for (int k = 0; k < kWatched.size(); ++k)
        if (m_program->app().isWindowVisible(kWatchedRoles[k]))
            shown << kWatched.at(k);
    return shown;
}

void TestMenus::start()
{
    m_program = std::make_unique<TestProgram>(*m_folder, *m_dialogs);
    m_program->main()->show();
    m_tray = std::make_shared<TrayShellLog>();
    m_program->main()->trayIcon()->replaceShell(std::make_unique<FakeTrayShell>(m_tray));
}

void TestMenus::init()
{
    m_folder = std::make_unique<ProgramFolder>();
    m_dialogs = std::make_unique<RecordingDialogs>();
    start();
}

void TestMenus::cleanup()
{
    m_program.reset();
    m_dialogs.reset();
    m_folder.reset();
}

void TestMenus::items_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<bool>("visible");
    const struct {
        const char *name, *in, *caption, *shortcut;
        bool visible;
    } rows[] = {
        {"menuProfiles", "mainMenu", "Профили", "", true},
        {"actionChooseProfile", "menuProfiles", "Выбрать профиль...", "", true},
        {"actionNewProfile", "menuProfiles", "Новый профиль...", "", true},
        {"actionSaveProfile", "menuProfiles", "Сохранить изменения", "", true},
        {"menuCalendar", "mainMenu", "Календарь", "", true},
        {"actionCompareMonths", "menuCalendar", "Сравнить месяцы...", "Ctrl+C", true},
        {"actionCountDays", "menuCalendar", "Вычислить количество дней...", "", false},
        {"actionMinimiseToTray", "menuCalendar", "Минимизировать в трей", "Ctrl+T", true},
        {"actionMinimise", "menuCalendar", "Минимизировать", "Ctrl+M", true},
        {"actionExit", "menuCalendar", "Выход", "Ctrl+F4", true},
        {"menuGoTo", "mainMenu", "Переход", "", true},
        {"actionGoToDate", "menuGoTo", "Перейти к...", "", true},
        {"menuPrint", "mainMenu", "Печать", "", true},
        {"menuPrintKinds", "menuPrint", "Печать", "", true},
        {"actionPrintYear", "menuPrintKinds", "Обычный календарь", "", true},
        {"actionPrintCube", "menuPrintKinds", "Кубический календарь", "", true},
        {"actionSaveToFile", "menuPrint", "Сохранить в файл", "", false},
        {"actionPrintOneMonth", "menuPrint", "Напечатать один месяц", "", false},
        {"menuPreview", "menuPrint", "Предварительный просмотр...", "", true},
        {"actionPreviewYear", "menuPreview", "Обычный календарь", "", true},
        {"actionPreviewCube", "menuPreview", "Кубический календарь", "", true},
        {"menuView", "mainMenu", "Вид", "", true},
        {"actionViewNormal", "menuView", "Обычный", "", true},
        {"actionViewDesktop", "menuView", "Режим \"Рабочий стол\" ", "", true},
        {"actionViewOneMonth", "menuView", "Один месяц", "", true},
        {"actionViewClockOnly", "menuView", "Только Часы", "Shift+Ins", true},
        {"actionHideMainWindow", "menuView", "Скрыть главное окно", "Ctrl+H", true},
        {"menuWindows", "mainMenu", "Окна", "", true},
        {"actionFloatingClock", "menuWindows", "Плавающие часы", "", true},
        {"menuSettings", "mainMenu", "Настройки", "", true},
        {"actionSettings", "menuSettings", "Настройки...", "", true},
        {"actionBackground", "menuSettings", "Фон...", "", true},
        {"menuSave", "mainMenu", "Сохранить", "", true},
        {"actionSaveMetafile", "menuSave", "Сохранить в emf/wmf", "", true},
        {"actionSavePicture", "menuSave", "Сохранить в bmp/jpg", "", true},
        {"actionSaveVector", "menuSave", "Сохранить в pdf/svg", "", true},
        {"menuHelp", "mainMenu", "Помощь", "", true},
        {"actionAbout", "menuHelp", "О программе", "", true},
        {"actionShowTips", "menuHelp", "Показывать полезные советы", "", true},
        {"actionShowSplash", "menuHelp", "Показывать Splash Screen", "", true},
        {"actionTip", "menuHelp", "Полезный совет", "", true},
        {"trayActionMinimiseToTray", "trayMenu", "Минимизировать в трей", "Ctrl+T", true},
        {"trayActionShowMain", "trayMenu", "Показать главное окно", "Ctrl+A", true},
        {"trayActionShowMiniView", "trayMenu", "Показать в минимизированном виде", "Ctrl+M", true},
        {"trayActionSettings", "trayMenu", "Показать окно настроек", "Ctrl+P", true},
        {"trayMenuView", "trayMenu", "Вид", "", true},
        {"trayActionViewDesktop", "trayMenuView", "Рабочий стол", "", true},
        {"trayActionViewOneMonth", "trayMenuView", "Один месяц", "", true},
        {"trayActionViewNormal", "trayMenuView", "Обычный", "", true},
        {"trayMenuPrint", "trayMenu", "Печать", "", true},
        {"trayActionPrintYear", "trayMenuPrint", "Обычный календарь", "", true},
        {"trayActionPrintCube", "trayMenuPrint", "Кубический календарь", "", true},
        {"trayActionExit", "trayMenu", "Выход", "Ctrl+F4", true},
        {"actionYearFont", "yearMenu", "Шрифт....", "", true},
    };
    for (const auto &r : rows)
        QTest::newRow(r.name) << QString::fromUtf8(r.name) << QString::fromUtf8(r.in)
                              << QString::fromUtf8(r.caption) << QString::fromUtf8(r.shortcut)
                              << r.visible;
}

void TestMenus::items()
{
    QFETCH(QString, name);
    QFETCH(QString, in);
    QAction *action = this->action(qPrintable(name));
    QObject *holder = action ? action->parent() : nullptr;
    if (!action) { // a submenu: its own action carries caption and visibility
        auto *menu = m_program->main()->findChild<QMenu *>(name);
        QVERIFY2(menu, qPrintable(name));
        action = menu->menuAction();
        holder = menu->parent();
    }
    QCOMPARE(holder->objectName(), in);
    // Menu-bar titles carry their mnemonic; the text shown has no '&'.
    QTEST(action->text().remove(QLatin1Char('&')), "caption");
    QTEST(action->shortcut().toString(), "shortcut");
    QTEST(action->isVisible(), "visible");
}

void TestMenus::views_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("after");
    const QStringList all = kWatched;
    QTest::newRow("tray only leaves the one-month window")
        << all << "actionMinimiseToTray" << QStringList{"oneMonth"};
    QTest::newRow("tray menu's tray only")
        << all << "trayActionMinimiseToTray" << QStringList{"oneMonth"};
    QTest::newRow("one month") << QStringList{"main"} << "actionViewOneMonth"
                               << QStringList{"oneMonth"};
    QTest::newRow("tray menu's one month")
        << QStringList{"main"} << "trayActionViewOneMonth" << QStringList{"oneMonth"};
    QTest::newRow("clock only") << QStringList{"main", "monthCompare"} << "actionViewClockOnly"
                                << QStringList{"monthCompare", "floatingClock"};
    QTest::newRow("floating clock")
        << QStringList{"main"} << "actionFloatingClock" << QStringList{"main", "floatingClock"};
    QTest::newRow("hidden") << QStringList{"main", "miniView"} << "actionHideMainWindow"
                            << QStringList{"miniView"};
    QTest::newRow("minimised view")
        << QStringList{"main"} << "actionMinimise" << QStringList{"miniView"};
    QTest::newRow("tray menu's minimised view")
        << QStringList{"main"} << "trayActionShowMiniView" << QStringList{"miniView"};
    QTest::newRow("back from the minimised view")
        << QStringList{"miniView", "oneMonth"} << "trayActionShowMain"
        << QStringList{"main", "oneMonth"};
    QTest::newRow("tray click hides nothing")
        << QStringList{"miniView"} << "click" << QStringList{"main", "miniView"};
    QTest::newRow("desktop frame keeps the window shown")
        << QStringList{"main", "monthCompare"} << "actionViewDesktop"
        << QStringList{"main", "monthCompare"};
}

void TestMenus::views()
{
    QFETCH(QStringList, before);
    QFETCH(QString, command);
    for (const QString &name : kWatched)
        window(name)->setVisible(before.contains(name));
    m_dialogs->clear();
    if (command == QLatin1String("click")) {
        m_program->main()->trayIcon()->handleActivation(QSystemTrayIcon::Trigger);
    } else {
        action(qPrintable(command))->trigger();
    }
    QTEST(visibleWindows(), "after");
    QVERIFY(!m_program->main()->isMinimized());
    QCOMPARE(m_dialogs->errors, QStringList());
}

void TestMenus::withoutTrayHostNothingIsLost()
{
    // No notification area: hiding the main window would lose the program.
    m_tray->host = false;
    for (const char *command : {"actionMinimiseToTray", "actionHideMainWindow"}) {
        for (const QString &name : kWatched)
            window(name)->show();
        action(command)->trigger();
        QVERIFY2(m_program->main()->isVisible() && m_program->main()->isMinimized(), command);
        QStringList others = visibleWindows();
        others.removeOne(QStringLiteral("main"));
        QCOMPARE(others, command == QByteArray("actionHideMainWindow") ? kWatched.mid(1)
                                                                       : QStringList{"oneMonth"});
        action("trayActionShowMain")->trigger();
        QVERIFY(!m_program->main()->isMinimized());
    }
    // Closing the one-month window from a one-month view leaves the taskbar
    // entry; so does closing the clock of the clock-only view, or the
    // minimised view where a window manager offers a close box for it.
    action("actionViewOneMonth")->trigger();
    exitBar()->show();
    exitBar()->findChild<ImageButton *>("closeButton")->click();
    QVERIFY(m_program->main()->isVisible() && m_program->main()->isMinimized());
    for (const char *command : {"actionViewClockOnly", "actionMinimise"}) {
        m_program->main()->showMainWindow();
        action(command)->trigger();
        QVERIFY(m_program->main()->isHidden());
        for (QWidget *view : {static_cast<QWidget *>(window("floatingClock")), window("miniView")})
            view->close();
        QVERIFY2(m_program->main()->isVisible() && m_program->main()->isMinimized(), command);
    }
}

void TestMenus::menuShortcutsBeatTheFocusedField()
{
    // Ctrl+C copies in a field elsewhere; in the main window it is the menu's.
    m_program->main()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_program->main()));
    for (QWidget *field : {static_cast<QWidget *>(m_program->control<QWidget>("yearEdit")),
                           static_cast<QWidget *>(m_program->control<QWidget>("todayPicker"))}) {
        window("monthCompare")->hide();
        field->setFocus();
        QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
        QVERIFY2(window("monthCompare")->isVisible(), qPrintable(field->objectName()));
    }
}

void TestMenus::framesAndWayBack()
{
    const Qt::WindowFlags framed = m_program->main()->windowFlags();
    const QPoint place = m_program->main()->pos();
    action("actionViewDesktop")->trigger();
    QVERIFY(m_program->main()->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(m_program->main()->pos(), place);
    QVERIFY(m_program->main()->isVisible());

    // The tray menu's "Обычный" brings the frame back.
    action("trayActionViewNormal")->trigger();
    QCOMPARE(m_program->main()->windowFlags(), framed);
    QVERIFY(m_program->main()->isVisible());

    // A hidden main window stays hidden whatever its frame.
    m_program->main()->hide();
    action("trayActionViewDesktop")->trigger();
    QVERIFY(m_program->main()->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(!m_program->main()->isVisible());
}

void TestMenus::settingsPages()
{
    // "Настройки..." keeps whatever page was shown last.
    const std::pair<QAction *, const char *> steps[] = {
        {action("trayActionSettings"), "opacityPage"},
        {action("actionSettings"), "opacityPage"},
        {action("actionChooseProfile"), "profilesPage"},
        {action("trayActionSettings"), "opacityPage"},
        {action("actionNewProfile"), "profilesPage"},
        {action("actionSettings"), "profilesPage"}};
    for (const auto &[command, page] : steps) {
        settingsWindow()->hide();
        command->trigger();
        QVERIFY(settingsWindow()->isVisible() &&
                settingsWindow()->findChild<QTabWidget *>("pages")->currentWidget()->objectName() ==
                    QLatin1String(page));
    }
}

void TestMenus::checkItemsSurviveRestart()
{
    action("actionShowSplash")->trigger();
    QVERIFY(!action("actionShowSplash")->isChecked());
    QVERIFY(!m_program->model().showSplash());
    action("actionShowTips")->trigger();
    action("actionShowTips")->trigger();
    QVERIFY(action("actionShowTips")->isChecked());
    QVERIFY(m_program->model().showTips());

    QCOMPARE(runLoop([this] { m_program->main()->close(); }), 0);
    const QStringList settings = m_folder->read(QStringLiteral("cnfg.cal"));
    QCOMPARE(settings.mid(13, 2), QStringList({"1", "0"}));

    m_program.reset();
    start();
    QVERIFY(!action("actionShowSplash")->isChecked());
    QVERIFY(action("actionShowTips")->isChecked());
}

void TestMenus::exitWritesNothing_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("main menu") << "actionExit";
    QTest::newRow("tray menu") << "trayActionExit";
    QTest::newRow("exit window") << "exitButton";
}

void TestMenus::exitWritesNothing()
{
    QFETCH(QString, command);
    m_program->model().setDay(3, 17);
    QAction *item = action(qPrintable(command));
    ImageButton *button = exitBar()->findChild<ImageButton *>(command);
    QCOMPARE(runLoop([item, button] { item ? item->trigger() : button->click(); }), 0);
    // Nothing closed, nothing saved.
    QVERIFY(m_program->main()->isVisible());
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files), QStringList());
}

void TestMenus::closingSavesAndEnds()
{
    m_program->model().setDay(3, 17);
    QCOMPARE(runLoop([this] { m_program->main()->close(); }), 0);
    QVERIFY(!m_program->main()->isVisible());
    const QStringList written = QDir(m_folder->path()).entryList(QDir::Files);
    for (const char *name : {"cnfg.cal", "default.cpr", "regional.cal"})
        QVERIFY2(written.contains(QLatin1String(name)), name);
    QCOMPARE(m_folder->read(QStringLiteral("default.cpr")).at(2), QStringLiteral("17"));
}

void TestMenus::exitWindow_data()
{
    QTest::addColumn<QString>("press"); // a button, or "Enter"
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("close the window: only the tray is left")
        << "closeButton" << QStringList{} << QStringList{};
    QTest::newRow("close the window beside the main window")
        << "closeButton" << QStringList{"main", "oneMonth"} << QStringList{"main"};
    QTest::newRow("Enter closes the window") << "Enter" << QStringList{"oneMonth"} << QStringList{};
    QTest::newRow("show the main window")
        << "mainWindowButton" << QStringList{} << QStringList{"main"};
    QTest::newRow("cancel brings the month back")
        << "cancelButton" << QStringList{} << QStringList{"oneMonth"};
}

void TestMenus::exitWindow()
{
    QFETCH(QString, press);
    QFETCH(QStringList, before);
    for (const QString &name : kWatched)
        window(name)->setVisible(before.contains(name));
    exitBar()->show();
    if (press == QLatin1String("Enter"))
        QTest::keyClick(exitBar(), Qt::Key_Return);
    else
        QTest::mouseClick(exitBar()->findChild<ImageButton *>(press), Qt::LeftButton);
    QVERIFY(!exitBar()->isVisible());
    QTEST(visibleWindows(), "after");
}

void TestMenus::exitWindowLayout()
{
    exitBar()->show();
    QCOMPARE(exitBar()->size(), QSize(628, 67));
    QVERIFY(exitBar()->windowFlags() & Qt::FramelessWindowHint);
    const QPoint offCentre =
        exitBar()->frameGeometry().center() - exitBar()->screen()->availableGeometry().center();
    QVERIFY(offCentre.manhattanLength() <= 1);
    QVERIFY(exitBar()->findChild<ImageButton *>("closeButton")->isDefault());
    // The pictures come from the program's resources, the banner as a GIF.
    QVERIFY(exitBar()->findChild<ImageView *>("icon")->hasPicture() &&
            exitBar()->findChild<ImageView *>("banner")->hasPicture());
    for (const char *name : {"exitButton", "mainWindowButton", "closeButton"})
        QVERIFY(!exitBar()->findChild<ImageButton *>(name)->bitmap().isNull() &&
                exitBar()->findChild<ImageButton *>(name)->height() == 25);
}

void TestMenus::failedSaveKeepsRunning()
{
    m_program->model().setProfilePath(m_folder->path(QStringLiteral("missing/default.cpr")));
    m_dialogs->clear();
    const int code = runLoop([this] {
        m_program->main()->close();
        // Still running: end it from outside with a code of our own. Queued
        // behind the close, so an exit the close asked for ends the loop first.
        QTimer::singleShot(0, [] { QCoreApplication::exit(7); });
    });
    QCOMPARE(code, 7);
    QVERIFY(m_program->main()->isVisible());
    QCOMPARE(m_dialogs->questions.size(), 1);
    QVERIFY(m_dialogs->questions.first().contains(QStringLiteral("default.cpr")));
}

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"
