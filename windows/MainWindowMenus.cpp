// The main window's menus, its tray icon and the views they switch between.
#include "Handler.h"
#include "TrayIcon.h"
#include "MainWindow.h"
#include "FloatingClockWindow.h"
#include "SettingsWindow.h"
#include "OneMonthWindow.h"
#include "ExitBar.h"
#include "MonthCompareWindow.h"
#include "MiniView.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>

namespace {

QAction *item(QMenu *menu, const char *name, const QString &caption,
              const QKeySequence &shortcut = {})
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    return action;
}

QAction *hiddenItem(QMenu *menu, const char *name, const QString &caption)
{
    QAction *action = item(menu, name, caption);
    action->setVisible(false);
    return action;
}

QAction *checkItem(QMenu *menu, const char *name, const QString &caption)
{
    QAction *action = item(menu, name, caption);
    action->setCheckable(true);
    action->setChecked(true);
    return action;
}

QMenu *submenu(QMenu *parent, const char *name, const QString &title)
{
    QMenu *menu = parent->addMenu(title);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QMenu *barMenu(QMenuBar *bar, const char *name, const QString &title)
{
    QMenu *menu = bar->addMenu(title);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

} // namespace

void endProgramNow()
{
    // Not quit(): that one closes every window first, which would run the
    // main window's close-time save.
    QCoreApplication::exit(0);
}

void MainWindow::createMenus()
{
    m_framedFlags = windowFlags();
    createMainMenu();
    createTrayMenu();
    createTrayIcon();

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    // A font command was planned for the year label; it has never done anything.
    N21 = item(PopupMenu1, "N21", QStringLiteral("Шрифт...."));
    Labe->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Labe, &QLabel::customContextMenuRequested, PopupMenu1,
            [this](const QPoint &at) { PopupMenu1->popup(Labe->mapToGlobal(at)); });

    const std::pair<QAction *, void (MainWindow::*)()> handlers[] = {
        {N29, &MainWindow::N29Click},
        {N28, &MainWindow::N28Click},
        {N31, &MainWindow::N31Click},
        {MtrayMain, &MainWindow::MtrayMainClick},
        {N3, &MainWindow::N3Click},
        {N5, &MainWindow::N5Click},
        {N26, &MainWindow::N26Click},
        {N24, &MainWindow::N24Click},
        {N25, &MainWindow::N25Click},
        {N46, &MainWindow::N46Click},
        {N20, &MainWindow::N20Click},
        {N45, &MainWindow::N45Click},
        {N22, &MainWindow::N22Click},
        {N15, &MainWindow::N15Click},
        {SplashScreen1, &MainWindow::SplashScreen1Click},
        {Mtray, &MainWindow::MtrayClick},
        {N32, &MainWindow::N32Click},
        {N33, &MainWindow::N33Click},
        {N35, &MainWindow::N35Click},
        {N37, &MainWindow::N37Click},
        {N38, &MainWindow::N38Click},
        {N39, &MainWindow::N39Click},
        {N43, &MainWindow::N43Click},
    };
    for (const auto &[action, handler] : handlers)
        bindHandler(action, &QAction::triggered, this, handler);
    bindOutputCommands();
    QCoreApplication::instance()->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // The main menu's shortcuts come before the editing keys of the field
    // that has the focus (Ctrl+C in the date picker or the year field).
    if (event->type() == QEvent::ShortcutOverride && watched->isWidgetType() &&
        static_cast<QWidget *>(watched)->window() == this) {
        const QKeySequence pressed(static_cast<QKeyEvent *>(event)->keyCombination());
        for (const QAction *action : menuBar()->findChildren<QAction *>())
            if (action->isVisible() && action->isEnabled() && action->shortcut() == pressed)
                return true; // not taken by the field, so the menu gets it
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::createMainMenu()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    N27 = barMenu(bar, "N27", QStringLiteral("Профили"));
    N29 = item(N27, "N29", QStringLiteral("Выбрать профиль..."));
    N28 = item(N27, "N28", QStringLiteral("Новый профиль..."));
    N31 = item(N27, "N31", QStringLiteral("Сохранить изменения"));

    Calendar13 = barMenu(bar, "Calendar13", QStringLiteral("Календарь"));
    N1 = item(Calendar13, "N1", QStringLiteral("Сравнить месяцы..."), QKeySequence("Ctrl+C"));
    N30 = hiddenItem(Calendar13, "N30", QStringLiteral("Вычислить количество дней..."));
    Calendar13->addSeparator();
    MtrayMain = item(Calendar13, "MtrayMain", QStringLiteral("Минимизировать в трей"),
                     QKeySequence("Ctrl+T"));
    N3 = item(Calendar13, "N3", QStringLiteral("Минимизировать"), QKeySequence("Ctrl+M"));
    Calendar13->addSeparator();
    N5 = item(Calendar13, "N5", QStringLiteral("Выход"), QKeySequence("Ctrl+F4"));

    N6 = barMenu(bar, "N6", QStringLiteral("Переход"));
    N7 = item(N6, "N7", QStringLiteral("Перейти к..."));

    N13 = barMenu(bar, "N13", QStringLiteral("Печать"));
    N10 = submenu(N13, "N10", QStringLiteral("Печать"));
    N8 = item(N10, "N8", QStringLiteral("Обычный календарь"));
    N14 = item(N10, "N14", QStringLiteral("Кубический календарь"));
    N12 = hiddenItem(N13, "N12", QStringLiteral("Сохранить в файл"));
    N44 = hiddenItem(N13, "N44", QStringLiteral("Напечатать один месяц"));

    N23 = barMenu(bar, "N23", QStringLiteral("Вид"));
    N26 = item(N23, "N26", QStringLiteral("Обычный"));
    N24 = item(N23, "N24", QStringLiteral("Режим \"Рабочий стол\" "));
    N25 = item(N23, "N25", QStringLiteral("Один месяц"));
    N46 = item(N23, "N46", QStringLiteral("Только Часы"), QKeySequence("Shift+Ins"));
    N45 = item(N23, "N45", QStringLiteral("Скрыть главное окно"), QKeySequence("Ctrl+H"));

    N19 = barMenu(bar, "N19", QStringLiteral("Окна"));
    N20 = item(N19, "N20", QStringLiteral("Плавающие часы"));

    N17 = barMenu(bar, "N17", QStringLiteral("Настройки"));
    N22 = item(N17, "N22", QStringLiteral("Настройки..."));
    N18 = item(N17, "N18", QStringLiteral("Фон..."));

    N34 = barMenu(bar, "N34", QStringLiteral("Сохранить"));
    wmf1 = item(N34, "wmf1", QStringLiteral("Сохранить в emf/wmf"));
    bmpjpg1 = item(N34, "bmpjpg1", QStringLiteral("Сохранить в bmp/jpg"));

    N9 = barMenu(bar, "N9", QStringLiteral("Помощь"));
    N11 = item(N9, "N11", QStringLiteral("О программе"));
    N15 = checkItem(N9, "N15", QStringLiteral("Показывать полезные советы"));
    SplashScreen1 = checkItem(N9, "SplashScreen1", QStringLiteral("Показывать Splash Screen"));
    N16 = item(N9, "N16", QStringLiteral("Полезный совет"));
}

void MainWindow::createTrayMenu()
{
    // The tray menu hangs in no menu bar, so its shortcuts are only shown and
    // never compete with the main menu's.
    PopupMenu3 = new QMenu(this);
    PopupMenu3->setObjectName(QStringLiteral("PopupMenu3"));
    Mtray = item(PopupMenu3, "Mtray", QStringLiteral("Минимизировать в трей"),
                 QKeySequence("Ctrl+T"));
    N32 = item(PopupMenu3, "N32", QStringLiteral("Показать главное окно"), QKeySequence("Ctrl+A"));
    N33 = item(PopupMenu3, "N33", QStringLiteral("Показать в минимизированном виде"),
               QKeySequence("Ctrl+M"));
    N35 = item(PopupMenu3, "N35", QStringLiteral("Показать окно настроек"), QKeySequence("Ctrl+P"));
    N36 = submenu(PopupMenu3, "N36", QStringLiteral("Вид"));
    N37 = item(N36, "N37", QStringLiteral("Рабочий стол"));
    N38 = item(N36, "N38", QStringLiteral("Один месяц"));
    N39 = item(N36, "N39", QStringLiteral("Обычный"));
    N40 = submenu(PopupMenu3, "N40", QStringLiteral("Печать"));
    N41 = item(N40, "N41", QStringLiteral("Обычный календарь"));
    N42 = item(N40, "N42", QStringLiteral("Кубический календарь"));
    N43 = item(PopupMenu3, "N43", QStringLiteral("Выход"), QKeySequence("Ctrl+F4"));
}

void MainWindow::createTrayIcon()
{
    RxTrayIcon1 = new TrayIcon(this);
    RxTrayIcon1->setObjectName(QStringLiteral("RxTrayIcon1"));
    RxTrayIcon1->setIcon(windowIcon());
    RxTrayIcon1->setHint(QStringLiteral("Dayrail"));
    RxTrayIcon1->setPopupMenu(PopupMenu3);
    bindHandler(RxTrayIcon1, &TrayIcon::OnClick, this, &MainWindow::RxTrayIcon1Click);
    RxTrayIcon1->Loaded();
}

void MainWindow::showMainWindow()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void MainWindow::hideMainWindow()
{
    if (RxTrayIcon1->inTray())
        hide();
    else
        showMinimized();
}

void MainWindow::keepReachable(const QWidget *leaving)
{
    // The minimised view, the one-month window and the exit bar lead back.
    for (const QWidget *wayBack : {static_cast<QWidget *>(Form3), static_cast<QWidget *>(Form16),
                                   static_cast<QWidget *>(Form19)})
        if (wayBack && wayBack != leaving && wayBack->isVisible())
            return;
    if (isHidden() && !RxTrayIcon1->inTray())
        showMinimized();
}

void MainWindow::switchTo(QWidget *window)
{
    window->show();
    window->raise();
    hide();
}

void MainWindow::setFramed(bool framed)
{
    // Changing the frame recreates the native window: keep its place and
    // whether it was shown.
    const QPoint place = pos();
    const bool shown = isVisible();
    setWindowFlags(framed ? m_framedFlags : Qt::Window | Qt::FramelessWindowHint);
    move(place);
    if (shown)
        show();
}

void MainWindow::N26Click() { setFramed(true); }

void MainWindow::N24Click() { setFramed(false); }

void MainWindow::N25Click() { switchTo(Form16); }

void MainWindow::N46Click() { switchTo(Form10); }

void MainWindow::N20Click() { Form10->show(); }

void MainWindow::N3Click() { switchTo(Form3); }

void MainWindow::N33Click() { switchTo(Form3); }

void MainWindow::N45Click() { hideMainWindow(); }

void MainWindow::MtrayMainClick()
{
    Form14->hide();
    hideMainWindow();
    Form10->hide();
    Form2->hide();
    Form3->hide();
}

void MainWindow::MtrayClick() { MtrayMain->trigger(); }

void MainWindow::N32Click()
{
    showMainWindow();
    Form3->hide();
}

void MainWindow::RxTrayIcon1Click() { showMainWindow(); }

void MainWindow::N37Click() { N24->trigger(); }

void MainWindow::N38Click() { N25->trigger(); }

void MainWindow::N39Click() { N26->trigger(); }

void MainWindow::N29Click() { Form14->showPage(Form14->TabSheet7); }

void MainWindow::N28Click() { Form14->showPage(Form14->TabSheet7); }

void MainWindow::N22Click() { Form14->showPage(nullptr); }

void MainWindow::N35Click() { Form14->showPage(Form14->TabSheet2); }

void MainWindow::N5Click() { endProgramNow(); }

void MainWindow::N43Click() { endProgramNow(); }

void MainWindow::N15Click()
{
    // The toolkit has already flipped the check mark.
    ShowTipsFlag = N15->isChecked() ? 1 : 0;
}

void MainWindow::SplashScreen1Click()
{
    ShowSplashFlag = SplashScreen1->isChecked() ? 1 : 0;
}
