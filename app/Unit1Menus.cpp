// The main window's menus, its tray icon and the views they switch between.
#include "Handler.h"
#include "RXShell.h"
#include "Unit1.h"
#include "Unit10.h"
#include "Unit14.h"
#include "Unit16.h"
#include "Unit19.h"
#include "Unit2.h"
#include "Unit3.h"

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

void TForm1::createMenus()
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

    const std::pair<QAction *, void (TForm1::*)()> handlers[] = {
        {N29, &TForm1::N29Click},
        {N28, &TForm1::N28Click},
        {N31, &TForm1::N31Click},
        {MtrayMain, &TForm1::MtrayMainClick},
        {N3, &TForm1::N3Click},
        {N5, &TForm1::N5Click},
        {N26, &TForm1::N26Click},
        {N24, &TForm1::N24Click},
        {N25, &TForm1::N25Click},
        {N46, &TForm1::N46Click},
        {N20, &TForm1::N20Click},
        {N45, &TForm1::N45Click},
        {N22, &TForm1::N22Click},
        {N15, &TForm1::N15Click},
        {SplashScreen1, &TForm1::SplashScreen1Click},
        {Mtray, &TForm1::MtrayClick},
        {N32, &TForm1::N32Click},
        {N33, &TForm1::N33Click},
        {N35, &TForm1::N35Click},
        {N37, &TForm1::N37Click},
        {N38, &TForm1::N38Click},
        {N39, &TForm1::N39Click},
        {N43, &TForm1::N43Click},
    };
    for (const auto &[action, handler] : handlers)
        bindHandler(action, &QAction::triggered, this, handler);
    bindOutputCommands();
    QCoreApplication::instance()->installEventFilter(this);
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
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

void TForm1::createMainMenu()
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

void TForm1::createTrayMenu()
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

void TForm1::createTrayIcon()
{
    RxTrayIcon1 = new TRxTrayIcon(this);
    RxTrayIcon1->setObjectName(QStringLiteral("RxTrayIcon1"));
    RxTrayIcon1->setIcon(windowIcon());
    RxTrayIcon1->setHint(QStringLiteral("Dayrail"));
    RxTrayIcon1->setPopupMenu(PopupMenu3);
    bindHandler(RxTrayIcon1, &TRxTrayIcon::OnClick, this, &TForm1::RxTrayIcon1Click);
    RxTrayIcon1->Loaded();
}

void TForm1::showMainWindow()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void TForm1::hideMainWindow()
{
    if (RxTrayIcon1->inTray())
        hide();
    else
        showMinimized();
}

void TForm1::keepReachable(const QWidget *leaving)
{
    // The minimised view, the one-month window and the exit bar lead back.
    for (const QWidget *wayBack : {static_cast<QWidget *>(Form3), static_cast<QWidget *>(Form16),
                                   static_cast<QWidget *>(Form19)})
        if (wayBack && wayBack != leaving && wayBack->isVisible())
            return;
    if (isHidden() && !RxTrayIcon1->inTray())
        showMinimized();
}

void TForm1::switchTo(QWidget *window)
{
    window->show();
    window->raise();
    hide();
}

void TForm1::setFramed(bool framed)
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

void TForm1::N26Click() { setFramed(true); }

void TForm1::N24Click() { setFramed(false); }

void TForm1::N25Click() { switchTo(Form16); }

void TForm1::N46Click() { switchTo(Form10); }

void TForm1::N20Click() { Form10->show(); }

void TForm1::N3Click() { switchTo(Form3); }

void TForm1::N33Click() { switchTo(Form3); }

void TForm1::N45Click() { hideMainWindow(); }

void TForm1::MtrayMainClick()
{
    Form14->hide();
    hideMainWindow();
    Form10->hide();
    Form2->hide();
    Form3->hide();
}

void TForm1::MtrayClick() { MtrayMain->trigger(); }

void TForm1::N32Click()
{
    showMainWindow();
    Form3->hide();
}

void TForm1::RxTrayIcon1Click() { showMainWindow(); }

void TForm1::N37Click() { N24->trigger(); }

void TForm1::N38Click() { N25->trigger(); }

void TForm1::N39Click() { N26->trigger(); }

void TForm1::N29Click() { Form14->showPage(Form14->TabSheet7); }

void TForm1::N28Click() { Form14->showPage(Form14->TabSheet7); }

void TForm1::N22Click() { Form14->showPage(nullptr); }

void TForm1::N35Click() { Form14->showPage(Form14->TabSheet2); }

void TForm1::N5Click() { endProgramNow(); }

void TForm1::N43Click() { endProgramNow(); }

void TForm1::N15Click()
{
    // The toolkit has already flipped the check mark.
    ShowTipsFlag = N15->isChecked() ? 1 : 0;
}

void TForm1::SplashScreen1Click()
{
    ShowSplashFlag = SplashScreen1->isChecked() ? 1 : 0;
}
