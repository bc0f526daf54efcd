#include "FakeTrayShell.h"
#include "TestSupport.h"
#include "MainWindow.h"
#include "FloatingClockWindow.h"
#include "SettingsWindow.h"
#include "ExitBar.h"
#include "ImageButton.h"

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

QWidget *window(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == name)
            return w;
    return nullptr;
}

const QStringList kWatched = {"Form1", "Form2", "Form3", "Form10", "Form14", "Form16"};

QStringList visibleWindows()
{
    QStringList shown;
    for (const QString &name : kWatched)
        if (window(name)->isVisible())
            shown << name;
    return shown;
}

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
    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<RecordingDialogs> m_dialogs;
    std::shared_ptr<TrayShellLog> m_tray;
};

void TestMenus::start()
{
    startProgram(*m_folder);
    Form1->show();
    m_tray = std::make_shared<TrayShellLog>();
    Form1->RxTrayIcon1->replaceShell(std::make_unique<FakeTrayShell>(m_tray));
}

void TestMenus::init()
{
    m_folder = std::make_unique<ProgramFolder>();
    m_dialogs = std::make_unique<RecordingDialogs>();
    start();
}

void TestMenus::cleanup()
{
    stopProgram();
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
        {"N27", "MainMenu1", "Профили", "", true},
        {"N29", "N27", "Выбрать профиль...", "", true},
        {"N28", "N27", "Новый профиль...", "", true},
        {"N31", "N27", "Сохранить изменения", "", true},
        {"Calendar13", "MainMenu1", "Календарь", "", true},
        {"N1", "Calendar13", "Сравнить месяцы...", "Ctrl+C", true},
        {"N30", "Calendar13", "Вычислить количество дней...", "", false},
        {"MtrayMain", "Calendar13", "Минимизировать в трей", "Ctrl+T", true},
        {"N3", "Calendar13", "Минимизировать", "Ctrl+M", true},
        {"N5", "Calendar13", "Выход", "Ctrl+F4", true},
        {"N6", "MainMenu1", "Переход", "", true},
        {"N7", "N6", "Перейти к...", "", true},
        {"N13", "MainMenu1", "Печать", "", true},
        {"N10", "N13", "Печать", "", true},
        {"N8", "N10", "Обычный календарь", "", true},
        {"N14", "N10", "Кубический календарь", "", true},
        {"N12", "N13", "Сохранить в файл", "", false},
        {"N44", "N13", "Напечатать один месяц", "", false},
        {"N23", "MainMenu1", "Вид", "", true},
        {"N26", "N23", "Обычный", "", true},
        {"N24", "N23", "Режим \"Рабочий стол\" ", "", true},
        {"N25", "N23", "Один месяц", "", true},
        {"N46", "N23", "Только Часы", "Shift+Ins", true},
        {"N45", "N23", "Скрыть главное окно", "Ctrl+H", true},
        {"N19", "MainMenu1", "Окна", "", true},
        {"N20", "N19", "Плавающие часы", "", true},
        {"N17", "MainMenu1", "Настройки", "", true},
        {"N22", "N17", "Настройки...", "", true},
        {"N18", "N17", "Фон...", "", true},
        {"N34", "MainMenu1", "Сохранить", "", true},
        {"wmf1", "N34", "Сохранить в emf/wmf", "", true},
        {"bmpjpg1", "N34", "Сохранить в bmp/jpg", "", true},
        {"N9", "MainMenu1", "Помощь", "", true},
        {"N11", "N9", "О программе", "", true},
        {"N15", "N9", "Показывать полезные советы", "", true},
        {"SplashScreen1", "N9", "Показывать Splash Screen", "", true},
        {"N16", "N9", "Полезный совет", "", true},
        {"Mtray", "PopupMenu3", "Минимизировать в трей", "Ctrl+T", true},
        {"N32", "PopupMenu3", "Показать главное окно", "Ctrl+A", true},
        {"N33", "PopupMenu3", "Показать в минимизированном виде", "Ctrl+M", true},
        {"N35", "PopupMenu3", "Показать окно настроек", "Ctrl+P", true},
        {"N36", "PopupMenu3", "Вид", "", true},
        {"N37", "N36", "Рабочий стол", "", true},
        {"N38", "N36", "Один месяц", "", true},
        {"N39", "N36", "Обычный", "", true},
        {"N40", "PopupMenu3", "Печать", "", true},
        {"N41", "N40", "Обычный календарь", "", true},
        {"N42", "N40", "Кубический календарь", "", true},
        {"N43", "PopupMenu3", "Выход", "Ctrl+F4", true},
        {"N21", "PopupMenu1", "Шрифт....", "", true},
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
    QAction *action = Form1->findChild<QAction *>(name);
    QObject *holder = action ? action->parent() : nullptr;
    if (!action) { // a submenu: its own action carries caption and visibility
        auto *menu = Form1->findChild<QMenu *>(name);
        QVERIFY2(menu, qPrintable(name));
        action = menu->menuAction();
        holder = menu->parent();
    }
    QCOMPARE(holder->objectName(), in);
    QTEST(action->text(), "caption");
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
        << all << "MtrayMain" << QStringList{"Form16"};
    QTest::newRow("tray menu's tray only") << all << "Mtray" << QStringList{"Form16"};
    QTest::newRow("one month") << QStringList{"Form1"} << "N25" << QStringList{"Form16"};
    QTest::newRow("tray menu's one month")
        << QStringList{"Form1"} << "N38" << QStringList{"Form16"};
    QTest::newRow("clock only") << QStringList{"Form1", "Form2"} << "N46"
                                << QStringList{"Form2", "Form10"};
    QTest::newRow("floating clock") << QStringList{"Form1"} << "N20"
                                    << QStringList{"Form1", "Form10"};
    QTest::newRow("hidden") << QStringList{"Form1", "Form3"} << "N45" << QStringList{"Form3"};
    QTest::newRow("minimised view") << QStringList{"Form1"} << "N3" << QStringList{"Form3"};
    QTest::newRow("tray menu's minimised view")
        << QStringList{"Form1"} << "N33" << QStringList{"Form3"};
    QTest::newRow("back from the minimised view")
        << QStringList{"Form3", "Form16"} << "N32" << QStringList{"Form1", "Form16"};
    QTest::newRow("tray click hides nothing")
        << QStringList{"Form3"} << "click" << QStringList{"Form1", "Form3"};
    QTest::newRow("desktop frame keeps the window shown")
        << QStringList{"Form1", "Form2"} << "N24" << QStringList{"Form1", "Form2"};
}

void TestMenus::views()
{
    QFETCH(QStringList, before);
    QFETCH(QString, command);
    for (const QString &name : kWatched)
        window(name)->setVisible(before.contains(name));
    m_dialogs->clear();
    if (command == QLatin1String("click")) {
        Form1->RxTrayIcon1->handleMessage(TrayMessage::LButtonDown);
        Form1->RxTrayIcon1->handleMessage(TrayMessage::LButtonUp);
    } else {
        Form1->findChild<QAction *>(command)->trigger();
    }
    QTEST(visibleWindows(), "after");
    QVERIFY(!Form1->isMinimized());
    QCOMPARE(m_dialogs->errors, QStringList());
}

void TestMenus::withoutTrayHostNothingIsLost()
{
    // No notification area: hiding the main window would lose the program.
    m_tray->host = false;
    for (const char *command : {"MtrayMain", "N45"}) {
        for (const QString &name : kWatched)
            window(name)->show();
        Form1->findChild<QAction *>(command)->trigger();
        QVERIFY2(Form1->isVisible() && Form1->isMinimized(), command);
        QStringList others = visibleWindows();
        others.removeOne(QStringLiteral("Form1"));
        QCOMPARE(others, command == QByteArray("N45") ? kWatched.mid(1) : QStringList{"Form16"});
        Form1->N32->trigger();
        QVERIFY(!Form1->isMinimized());
    }
    // Closing the one-month window from a one-month view leaves the taskbar
    // entry; so does closing the clock of the clock-only view, or the
    // minimised view where a window manager offers a close box for it.
    Form1->N25->trigger();
    Form19->show();
    Form19->WinButton3->click();
    QVERIFY(Form1->isVisible() && Form1->isMinimized());
    for (const char *command : {"N46", "N3"}) {
        Form1->showMainWindow();
        Form1->findChild<QAction *>(command)->trigger();
        QVERIFY(Form1->isHidden());
        for (QWidget *view : {static_cast<QWidget *>(Form10), window("Form3")})
            view->close();
        QVERIFY2(Form1->isVisible() && Form1->isMinimized(), command);
    }
}

void TestMenus::menuShortcutsBeatTheFocusedField()
{
    // Ctrl+C copies in a field elsewhere; in the main window it is the menu's.
    Form1->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Form1));
    for (QWidget *field : {static_cast<QWidget *>(Form1->Edit1),
                           static_cast<QWidget *>(Form1->DateTimePicker1)}) {
        window("Form2")->hide();
        field->setFocus();
        QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
        QVERIFY2(window("Form2")->isVisible(), qPrintable(field->objectName()));
    }
}

void TestMenus::framesAndWayBack()
{
    const Qt::WindowFlags framed = Form1->windowFlags();
    const QPoint place = Form1->pos();
    Form1->N24->trigger();
    QVERIFY(Form1->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(Form1->pos(), place);
    QVERIFY(Form1->isVisible());

    // The tray menu's "Обычный" brings the frame back.
    Form1->N39->trigger();
    QCOMPARE(Form1->windowFlags(), framed);
    QVERIFY(Form1->isVisible());

    // A hidden main window stays hidden whatever its frame.
    Form1->hide();
    Form1->N37->trigger();
    QVERIFY(Form1->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(!Form1->isVisible());
}

void TestMenus::settingsPages()
{
    // "Настройки..." keeps whatever page was shown last.
    const std::pair<QAction *, QWidget *> steps[] = {
        {Form1->N35, Form14->TabSheet2}, {Form1->N22, Form14->TabSheet2},
        {Form1->N29, Form14->TabSheet7}, {Form1->N35, Form14->TabSheet2},
        {Form1->N28, Form14->TabSheet7}, {Form1->N22, Form14->TabSheet7}};
    for (const auto &[command, page] : steps) {
        Form14->hide();
        command->trigger();
        QVERIFY(Form14->isVisible() && Form14->PageControl1->currentWidget() == page);
    }
}

void TestMenus::checkItemsSurviveRestart()
{
    Form1->SplashScreen1->trigger();
    QVERIFY(!Form1->SplashScreen1->isChecked());
    QCOMPARE(ShowSplashFlag, 0);
    Form1->N15->trigger();
    Form1->N15->trigger();
    QVERIFY(Form1->N15->isChecked());
    QCOMPARE(ShowTipsFlag, 1);

    QCOMPARE(runLoop([] { Form1->close(); }), 0);
    const QStringList settings = m_folder->read(QStringLiteral("cnfg.cal"));
    QCOMPARE(settings.mid(13, 2), QStringList({"1", "0"}));

    stopProgram();
    start();
    QVERIFY(!Form1->SplashScreen1->isChecked());
    QVERIFY(Form1->N15->isChecked());
}

void TestMenus::exitWritesNothing_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("main menu") << "N5";
    QTest::newRow("tray menu") << "N43";
    QTest::newRow("exit window") << "WinButton1";
}

void TestMenus::exitWritesNothing()
{
    QFETCH(QString, command);
    Form1->Calendar3->setDateElement(MonthGrid::Element::Day, 17);
    QAction *item = Form1->findChild<QAction *>(command);
    ImageButton *button = Form19->findChild<ImageButton *>(command);
    QCOMPARE(runLoop([item, button] { item ? item->trigger() : button->click(); }), 0);
    // Nothing closed, nothing saved.
    QVERIFY(Form1->isVisible());
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files), QStringList());
}

void TestMenus::closingSavesAndEnds()
{
    Form1->Calendar3->setDateElement(MonthGrid::Element::Day, 17);
    QCOMPARE(runLoop([] { Form1->close(); }), 0);
    QVERIFY(!Form1->isVisible());
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
        << "WinButton3" << QStringList{} << QStringList{};
    QTest::newRow("close the window beside the main window")
        << "WinButton3" << QStringList{"Form1", "Form16"} << QStringList{"Form1"};
    QTest::newRow("Enter closes the window") << "Enter" << QStringList{"Form16"} << QStringList{};
    QTest::newRow("show the main window") << "WinButton2" << QStringList{} << QStringList{"Form1"};
    QTest::newRow("cancel brings the month back")
        << "WinButton4" << QStringList{} << QStringList{"Form16"};
}

void TestMenus::exitWindow()
{
    QFETCH(QString, press);
    QFETCH(QStringList, before);
    for (const QString &name : kWatched)
        window(name)->setVisible(before.contains(name));
    Form19->show();
    if (press == QLatin1String("Enter"))
        QTest::keyClick(Form19, Qt::Key_Return);
    else
        QTest::mouseClick(Form19->findChild<ImageButton *>(press), Qt::LeftButton);
    QVERIFY(!Form19->isVisible());
    QTEST(visibleWindows(), "after");
}

void TestMenus::exitWindowLayout()
{
    Form19->show();
    QCOMPARE(Form19->size(), QSize(628, 67));
    QVERIFY(Form19->windowFlags() & Qt::FramelessWindowHint);
    const QPoint offCentre =
        Form19->frameGeometry().center() - Form19->screen()->availableGeometry().center();
    QVERIFY(offCentre.manhattanLength() <= 1);
    QVERIFY(Form19->WinButton3->isDefault());
    // The pictures come from the program's resources, the banner as a GIF.
    QVERIFY(Form19->Image1->hasPicture() && Form19->Image2->hasPicture());
    for (ImageButton *b : {Form19->WinButton1, Form19->WinButton2, Form19->WinButton3})
        QVERIFY(!b->Bitmap().isNull() && b->height() == 25);
}

void TestMenus::failedSaveKeepsRunning()
{
    Form14->Edit3->setText(m_folder->path(QStringLiteral("missing/default.cpr")));
    m_dialogs->clear();
    const int code = runLoop([] {
        Form1->close();
        // Still running: end it from outside with a code of our own.
        QTimer::singleShot(50, [] { QCoreApplication::exit(7); });
    });
    QCOMPARE(code, 7);
    QVERIFY(Form1->isVisible());
    QCOMPARE(m_dialogs->errors.size(), 1);
    QVERIFY(m_dialogs->errors.first().contains(QStringLiteral("default.cpr")));
}

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"
