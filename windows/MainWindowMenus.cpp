// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menus, its tray icon, the views and the ways out.
#include "controls/TrayIcon.h"
#include "output/YearOutput.h"
#include "platform/Handler.h"
#include "platform/TrayDayIcon.h"
#include "windows/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QProxyStyle>
#include <QShortcut>
#include <QStyleFactory>
#include <functional>

namespace {

// The menu letters are underlined only while Alt is held, as desktops
// commonly show them; a style that hides them itself keeps the last word.
class AltUnderlineStyle : public QProxyStyle {
public:
    explicit AltUnderlineStyle(QMenuBar *bar)
        : QProxyStyle(QStyleFactory::create(QApplication::style()->name())), m_bar(bar)
    {
        setParent(bar);
        QCoreApplication::instance()->installEventFilter(this);
    }
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *data) const override
    {
        const int shown = QProxyStyle::styleHint(hint, option, widget, data);
        return hint == SH_UnderlineShortcut ? shown && m_altHeld : shown;
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        // The key's own event tells; the modifier state lags behind it.
        const QEvent::Type type = event->type();
        if ((type == QEvent::KeyPress || type == QEvent::KeyRelease) &&
            static_cast<QKeyEvent *>(event)->key() == Qt::Key_Alt)
            showLetters(type == QEvent::KeyPress);
        else if (type == QEvent::ApplicationDeactivate)
            showLetters(false);
        return false;
    }

private:
    void showLetters(bool held)
    {
        if (held == m_altHeld)
            return;
        m_altHeld = held;
        m_bar->update();
    }

    QMenuBar *m_bar;
    bool m_altHeld = false;
};

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

void MainWindow::createMenus()
{
    m_framedFlags = windowFlags();
    createMainMenu();
    createTrayMenu();
    createTrayIcon();

    m_yearMenu = new QMenu(this);
    m_yearMenu->setObjectName(QStringLiteral("yearMenu"));
    m_actionYearFont = item(m_yearMenu, "actionYearFont", QStringLiteral("Шрифт...."));
    m_yearLabel->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_yearLabel, &QLabel::customContextMenuRequested, m_yearMenu,
            [this](const QPoint &at) { m_yearMenu->popup(m_yearLabel->mapToGlobal(at)); });
    bindCommands();
    QCoreApplication::instance()->installEventFilter(this);
    // F10 opens the first menu on its first item, as in other desktop programs.
    connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, this, [this] {
        menuBar()->setActiveAction(m_menuProfiles->menuAction());
        m_menuProfiles->setActiveAction(m_menuProfiles->actions().value(0));
    });
}

void MainWindow::bindCommands()
{
    auto show = [this](WindowRole role) { return [this, role] { m_services.showWindow(role); }; };
    auto settings = [this](SettingsPage page) {
        return [this, page] { m_services.showSettings(page); };
    };
    const std::pair<QAction *, std::function<void()>> commands[] = {
        {m_actionChooseProfile, settings(SettingsPage::Profiles)},
        {m_actionNewProfile, settings(SettingsPage::Profiles)},
        {m_actionSaveProfile, [this] { saveProfile(); }},
        {m_actionCompareMonths, show(WindowRole::MonthCompare)},
        {m_actionCountDays, show(WindowRole::DateSpan)},
        {m_actionWorkYear, show(WindowRole::WorkYear)},
        {m_actionMinimiseToTray, [this] { minimiseToTray(); }},
        {m_actionMinimise, [this] { switchTo(WindowRole::MiniView); }},
        {m_actionExit, [this] { m_services.endProgram(); }},
        {m_actionGoToDate, show(WindowRole::GoToDate)},
        {m_actionPrintYear, [this] { printYear(); }},
        {m_actionPrintCube, [this] { printCube(); }},
        {m_actionSaveToFile, [this] { savePicture(); }},
        {m_actionPreviewYear,
         [this] {
             previewYearSheet(m_model, m_model.printScaling(), m_services.printer(),
                              m_services.dialogs(), this);
         }},
        {m_actionPreviewCube,
         [this] { previewCube(m_model, m_services.printer(), m_services.dialogs(), this); }},
        {m_actionViewNormal, [this] { setFramed(true); }},
        {m_actionViewDesktop, [this] { setFramed(false); }},
        {m_actionViewOneMonth, [this] { switchTo(WindowRole::OneMonth); }},
        {m_actionViewClockOnly, [this] { switchTo(WindowRole::FloatingClock); }},
        {m_actionHideMainWindow, [this] { hideMainWindow(); }},
        {m_actionFloatingClock, [this] { m_services.showWindow(WindowRole::FloatingClock); }},
        {m_actionSettings, show(WindowRole::Settings)},
        {m_actionBackground, show(WindowRole::Background)},
        {m_actionSaveMetafile, [this] { saveMetafile(); }},
        {m_actionSavePicture, [this] { m_actionSaveToFile->trigger(); }},
        {m_actionSaveVector, [this] { saveYearAsVector(); }},
        {m_actionAbout, show(WindowRole::About)},
        {m_actionShowTips, [this] { m_model.setShowTips(m_actionShowTips->isChecked()); }},
        {m_actionShowSplash, [this] { m_model.setShowSplash(m_actionShowSplash->isChecked()); }},
        {m_actionTip, show(WindowRole::Tips)},
        {m_trayActionMinimiseToTray, [this] { m_actionMinimiseToTray->trigger(); }},
        {m_trayActionShowMain, [this] { showFromTrayMenu(); }},
        {m_trayActionShowMiniView, [this] { switchTo(WindowRole::MiniView); }},
        {m_trayActionSettings, settings(SettingsPage::Opacity)},
        {m_trayActionViewDesktop, [this] { m_actionViewDesktop->trigger(); }},
        {m_trayActionViewOneMonth, [this] { m_actionViewOneMonth->trigger(); }},
        {m_trayActionViewNormal, [this] { m_actionViewNormal->trigger(); }},
        {m_trayActionPrintYear, [this] { m_actionPrintYear->trigger(); }},
        {m_trayActionPrintCube, [this] { m_actionPrintCube->trigger(); }},
        {m_trayActionExit, [this] { m_services.endProgram(); }},
    };
    for (const auto &[action, command] : commands)
        bindHandler(m_services.dialogs(), action, &QAction::triggered, this, command);
    connect(&m_model, &CalendarModel::showTipsChanged, m_actionShowTips, &QAction::setChecked);
    connect(&m_model, &CalendarModel::showSplashChanged, m_actionShowSplash, &QAction::setChecked);
    m_actionShowTips->setChecked(m_model.showTips());
    m_actionShowSplash->setChecked(m_model.showSplash());
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
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
    bar->setObjectName(QStringLiteral("mainMenu"));
    bar->setStyle(new AltUnderlineStyle(bar));
    // Each menu opens with Alt and its underlined letter, all letters distinct.

    m_menuProfiles = barMenu(bar, "menuProfiles", QStringLiteral("&Профили"));
    m_actionChooseProfile =
        item(m_menuProfiles, "actionChooseProfile", QStringLiteral("Выбрать профиль..."));
    m_actionNewProfile =
        item(m_menuProfiles, "actionNewProfile", QStringLiteral("Новый профиль..."));
    m_actionSaveProfile =
        item(m_menuProfiles, "actionSaveProfile", QStringLiteral("Сохранить изменения"));

    m_menuCalendar = barMenu(bar, "menuCalendar", QStringLiteral("&Календарь"));
    m_actionCompareMonths =
        item(m_menuCalendar, "actionCompareMonths", QStringLiteral("Сравнить месяцы..."),
             QKeySequence(QStringLiteral("Ctrl+C")));
    m_actionCountDays = hiddenItem(m_menuCalendar, "actionCountDays",
                                   QStringLiteral("Вычислить количество дней..."));
    m_actionWorkYear =
        item(m_menuCalendar, "actionWorkYear", QStringLiteral("Производственный календарь"));
    m_menuCalendar->addSeparator();
    m_actionMinimiseToTray =
        item(m_menuCalendar, "actionMinimiseToTray", QStringLiteral("Минимизировать в трей"),
             QKeySequence(QStringLiteral("Ctrl+T")));
    m_actionMinimise = item(m_menuCalendar, "actionMinimise", QStringLiteral("Минимизировать"),
                            QKeySequence(QStringLiteral("Ctrl+M")));
    m_menuCalendar->addSeparator();
    m_actionExit = item(m_menuCalendar, "actionExit", QStringLiteral("Выход"),
                        QKeySequence(QStringLiteral("Ctrl+F4")));

    m_menuGoTo = barMenu(bar, "menuGoTo", QStringLiteral("П&ереход"));
    m_actionGoToDate = item(m_menuGoTo, "actionGoToDate", QStringLiteral("Перейти к..."));

    m_menuPrint = barMenu(bar, "menuPrint", QStringLiteral("Пе&чать"));
    m_menuPrintKinds = submenu(m_menuPrint, "menuPrintKinds", QStringLiteral("Печать"));
    m_actionPrintYear =
        item(m_menuPrintKinds, "actionPrintYear", QStringLiteral("Обычный календарь"));
    m_actionPrintCube =
        item(m_menuPrintKinds, "actionPrintCube", QStringLiteral("Кубический календарь"));
    m_actionSaveToFile =
        hiddenItem(m_menuPrint, "actionSaveToFile", QStringLiteral("Сохранить в файл"));
    m_actionPrintOneMonth =
        hiddenItem(m_menuPrint, "actionPrintOneMonth", QStringLiteral("Напечатать один месяц"));
    m_menuPreview =
        submenu(m_menuPrint, "menuPreview", QStringLiteral("Предварительный просмотр..."));
    m_actionPreviewYear =
        item(m_menuPreview, "actionPreviewYear", QStringLiteral("Обычный календарь"));
    m_actionPreviewCube =
        item(m_menuPreview, "actionPreviewCube", QStringLiteral("Кубический календарь"));

    m_menuView = barMenu(bar, "menuView", QStringLiteral("&Вид"));
    m_actionViewNormal = item(m_menuView, "actionViewNormal", QStringLiteral("Обычный"));
    m_actionViewDesktop =
        item(m_menuView, "actionViewDesktop", QStringLiteral("Режим \"Рабочий стол\" "));
    m_actionViewOneMonth = item(m_menuView, "actionViewOneMonth", QStringLiteral("Один месяц"));
    m_actionViewClockOnly = item(m_menuView, "actionViewClockOnly", QStringLiteral("Только Часы"),
                                 QKeySequence(QStringLiteral("Shift+Ins")));
    m_actionHideMainWindow =
        item(m_menuView, "actionHideMainWindow", QStringLiteral("Скрыть главное окно"),
             QKeySequence(QStringLiteral("Ctrl+H")));

    m_menuWindows = barMenu(bar, "menuWindows", QStringLiteral("&Окна"));
    m_actionFloatingClock =
        item(m_menuWindows, "actionFloatingClock", QStringLiteral("Плавающие часы"));

    m_menuSettings = barMenu(bar, "menuSettings", QStringLiteral("&Настройки"));
    m_actionSettings = item(m_menuSettings, "actionSettings", QStringLiteral("Настройки..."));
    m_actionBackground = item(m_menuSettings, "actionBackground", QStringLiteral("Фон..."));

    m_menuSave = barMenu(bar, "menuSave", QStringLiteral("&Сохранить"));
    m_actionSaveMetafile =
        item(m_menuSave, "actionSaveMetafile", QStringLiteral("Сохранить в emf/wmf"));
    m_actionSavePicture =
        item(m_menuSave, "actionSavePicture", QStringLiteral("Сохранить в bmp/jpg"));
    m_actionSaveVector =
        item(m_menuSave, "actionSaveVector", QStringLiteral("Сохранить в pdf/svg"));

    m_menuHelp = barMenu(bar, "menuHelp", QStringLiteral("По&мощь"));
    m_actionAbout = item(m_menuHelp, "actionAbout", QStringLiteral("О программе"));
    m_actionShowTips =
        checkItem(m_menuHelp, "actionShowTips", QStringLiteral("Показывать полезные советы"));
    m_actionShowSplash =
        checkItem(m_menuHelp, "actionShowSplash", QStringLiteral("Показывать Splash Screen"));
    m_actionTip = item(m_menuHelp, "actionTip", QStringLiteral("Полезный совет"));
}

void MainWindow::createTrayMenu()
{
    m_trayMenu = new QMenu(this);
    m_trayMenu->setObjectName(QStringLiteral("trayMenu"));
    m_trayActionMinimiseToTray =
        item(m_trayMenu, "trayActionMinimiseToTray", QStringLiteral("Минимизировать в трей"),
             QKeySequence(QStringLiteral("Ctrl+T")));
    m_trayActionShowMain =
        item(m_trayMenu, "trayActionShowMain", QStringLiteral("Показать главное окно"),
             QKeySequence(QStringLiteral("Ctrl+A")));
    m_trayActionShowMiniView = item(m_trayMenu, "trayActionShowMiniView",
                                    QStringLiteral("Показать в минимизированном виде"),
                                    QKeySequence(QStringLiteral("Ctrl+M")));
    m_trayActionSettings =
        item(m_trayMenu, "trayActionSettings", QStringLiteral("Показать окно настроек"),
             QKeySequence(QStringLiteral("Ctrl+P")));
    m_trayMenuView = submenu(m_trayMenu, "trayMenuView", QStringLiteral("Вид"));
    m_trayActionViewDesktop =
        item(m_trayMenuView, "trayActionViewDesktop", QStringLiteral("Рабочий стол"));
    m_trayActionViewOneMonth =
        item(m_trayMenuView, "trayActionViewOneMonth", QStringLiteral("Один месяц"));
    m_trayActionViewNormal =
        item(m_trayMenuView, "trayActionViewNormal", QStringLiteral("Обычный"));
    m_trayMenuPrint = submenu(m_trayMenu, "trayMenuPrint", QStringLiteral("Печать"));
    m_trayActionPrintYear =
        item(m_trayMenuPrint, "trayActionPrintYear", QStringLiteral("Обычный календарь"));
    m_trayActionPrintCube =
        item(m_trayMenuPrint, "trayActionPrintCube", QStringLiteral("Кубический календарь"));
    m_trayActionExit = item(m_trayMenu, "trayActionExit", QStringLiteral("Выход"),
                            QKeySequence(QStringLiteral("Ctrl+F4")));
}

void MainWindow::createTrayIcon()
{
    m_trayIcon = new TrayIcon(this);
    m_trayIcon->setObjectName(QStringLiteral("trayIcon"));
    m_trayIcon->setIcon(windowIcon());
    m_trayIcon->setHint(QStringLiteral("Dayrail"));
    m_trayIcon->setContextMenu(m_trayMenu);
    bindHandler(m_services.dialogs(), m_trayIcon, &TrayIcon::restoreRequested, this,
                &MainWindow::showMainWindow);
    m_trayIcon->completeSetup();
}

void MainWindow::showTrayDay()
{
    // Holiday and week-number changes leave the icon alone: it is drawn anew
    // only when the day it shows changes.
    const QDate today = m_model.markedToday();
    if (today == m_trayDay)
        return;
    m_trayDay = today;
    if (today.isValid()) {
        m_trayIcon->setIcon(trayDayIcon(today.day()));
        m_trayIcon->setHint(trayDayToolTip(today));
    } else {
        m_trayIcon->setIcon(windowIcon());
        m_trayIcon->setHint(QStringLiteral("Dayrail"));
    }
}

bool MainWindow::inTray() const
{
    return m_trayIcon->inTray();
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
    if (m_trayIcon->inTray())
        hide();
    else
        showMinimized();
}

void MainWindow::switchTo(WindowRole role)
{
    m_services.showWindow(role);
    hide();
}

void MainWindow::setFramed(bool framed)
{
    const QPoint place = pos();
    const bool shown = isVisible();
    setWindowFlags(framed ? m_framedFlags : Qt::Window | Qt::FramelessWindowHint);
    move(place);
    if (shown)
        show();
}

void MainWindow::minimiseToTray()
{
    m_services.hideWindow(WindowRole::Settings);
    hideMainWindow();
    m_services.hideWindow(WindowRole::FloatingClock);
    m_services.hideWindow(WindowRole::MonthCompare);
    m_services.hideWindow(WindowRole::MiniView);
}

void MainWindow::showFromTrayMenu()
{
    showMainWindow();
    m_services.hideWindow(WindowRole::MiniView);
}
