// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/MiniView.h"

#include "base/RussianText.h"
#include "core/CalendarModel.h"
#include "platform/AccessibleWindow.h"
#include "platform/Handler.h"
#include "platform/ReadableText.h"
#include "platform/SpokenValue.h"
#include "windows/MiniViewOpacityWindow.h"
#include "windows/WindowOpacity.h"
#include "windows/WindowServices.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QToolButton>

namespace {

QToolButton *toolButton(QWidget *bar, const char *name, const char *picture, const QString &hint,
                        int x)
{
    auto *button = place(new QToolButton(bar), x, 0, 25, 25);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(QIcon(QString::fromLatin1(picture)));
    button->setIconSize(QSize(16, 16));
    button->setAutoRaise(true);
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    return button;
}

} // namespace

MiniView::MiniView(CalendarModel &model, WindowServices &services, QWidget *parent)
    : QWidget(parent), m_services(services),
      m_opacityWindow(std::make_unique<MiniViewOpacityWindow>(m_blending, services.dialogs()))
{
    keepLayoutFont(this);
    setObjectName(QStringLiteral("miniView"));
    readAsWindow(this);
    setWindowTitle(QStringLiteral("Календарь(мин)"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/calendar32.png")));
    // A caption bar whose only box is the minimise box.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint |
                   Qt::CustomizeWindowHint);
    setFixedSize(200, 90);
    setWindowColour(this, colours::skyBlue);
    createControls(model.startDay());
    createToolBar();
    createMenu();

    // The time line ticks only while the view is on screen.
    m_clockTimer = new QTimer(this);
    m_clockTimer->setObjectName(QStringLiteral("clockTimer"));
    m_clockTimer->setInterval(1000);
    bindHandler(m_services.dialogs(), m_clockTimer, &QTimer::timeout, this, &MiniView::showTime);

    followOpacity(model, OpacityWindow::MiniView, this, m_blending,
                  [this](const OpacitySetting &now, const OpacityChange &change) {
                      followOpacitySetting(now, change);
                  });
    centreOnScreen(this);
}

MiniView::~MiniView() = default;

void MiniView::createControls(const QDate &startDay)
{
    m_todayHeading = place(new QLabel(QStringLiteral("Сегодня"), this), 8, 2, 100, 16);
    m_todayHeading->setObjectName(QStringLiteral("todayHeading"));
    // The day the program started, whenever the view is made; nothing moves it.
    m_todayPicker = placeTodayPicker(this, m_todayHeading, 8, 18, startDay);

    m_timeHeading = place(new QLabel(QStringLiteral("Время:"), this), 8, 43, 100, 16);
    m_timeHeading->setObjectName(QStringLiteral("timeHeading"));
    m_timeLine = place(new QLineEdit(this), 0, 60, 121, 21);
    m_timeLine->setObjectName(QStringLiteral("timeLine"));
    // Out of the Tab order: a focused line would be read out every second.
    m_timeLine->setFocusPolicy(Qt::NoFocus);
    // Named by the time it shows (showTime), described by its heading.
    m_timeLine->setAccessibleDescription(m_timeHeading->text());
    m_timeHeading->setBuddy(m_timeLine);
    // The view's sky blue stays whatever the desktop palette: so does dark text.
    setReadableColour(m_todayHeading, colours::black);
    setReadableColour(m_timeHeading, colours::black);
    QPalette pal = m_timeLine->palette();
    pal.setColor(QPalette::Base, Qt::black); // the menu-text colour
    pal.setColor(QPalette::Text, colours::lime);
    m_timeLine->setPalette(pal);
}

void MiniView::createToolBar()
{
    // The eight-pixel separator comes first; the row is a little wider than
    // the space right of the edit, so it tucks its gap under the edit.
    m_toolBar = place(new QWidget(this), 117, 58, 83, 25);
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    m_exitButton = toolButton(m_toolBar, "exitButton", ":/icons/exit16.png",
                              QStringLiteral("Выход из программы"), 8);
    m_restoreButton = toolButton(m_toolBar, "restoreButton", ":/icons/restore16.png",
                                 QStringLiteral("Восстановить главное окно"), 33);
    m_minimiseButton = toolButton(m_toolBar, "minimiseButton", ":/icons/minimise16.png",
                                  QStringLiteral("Свернуть в панель задач"), 58);
    m_toolBar->stackUnder(m_timeLine);
    bindHandler(m_services.dialogs(), m_exitButton, &QToolButton::clicked, this,
                &MiniView::exitProgram);
    bindHandler(m_services.dialogs(), m_restoreButton, &QToolButton::clicked, this,
                &MiniView::returnToMainWindow);
    bindHandler(m_services.dialogs(), m_minimiseButton, &QToolButton::clicked, this,
                &MiniView::minimiseApplication);
}

void MiniView::createMenu()
{
    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("menu"));
    m_actionOpacity = m_menu->addAction(QStringLiteral("Уровень прозрачности"));
    m_actionOpacity->setObjectName(QStringLiteral("actionOpacity"));
    bindHandler(m_services.dialogs(), m_actionOpacity, &QAction::triggered, this,
                &MiniView::showOpacityWindow);
    // The window's own menu, on its free area and on the passive controls.
    for (QWidget *area : {static_cast<QWidget *>(this), static_cast<QWidget *>(m_todayHeading),
                          static_cast<QWidget *>(m_timeHeading), m_toolBar}) {
        area->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(area, &QWidget::customContextMenuRequested, this,
                [this, area](const QPoint &at) { m_menu->popup(area->mapToGlobal(at)); });
    }
}

void MiniView::followOpacitySetting(const OpacitySetting &now, const OpacityChange &change)
{
    // The settings' switch and level carry over to the view's own slider.
    if (change.switched)
        m_opacityWindow->setLevelEnabled(now.enabled);
    if (change.levelApplied)
        m_opacityWindow->setLevel(now.level);
}

void MiniView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    showTime();
    m_clockTimer->start();
}

void MiniView::hideEvent(QHideEvent *event)
{
    // Also when minimised: nothing on screen to keep in step.
    m_clockTimer->stop();
    QWidget::hideEvent(event);
}

void MiniView::closeEvent(QCloseEvent *event)
{
    // The view has no close box, but a window manager may offer one anyway.
    QWidget::closeEvent(event);
    runHandler(m_services.dialogs(), [this] { m_services.keepReachable(WindowRole::MiniView); });
}

void MiniView::showTime()
{
    const QString time = longTimeText(m_services.now().time());
    m_timeLine->setText(QString(11, QLatin1Char(' ')) + time);
    speakValue(m_timeLine, time);
}

void MiniView::exitProgram()
{
    m_services.endProgram();
}

void MiniView::returnToMainWindow()
{
    hide();
    m_services.showMainWindow();
}

void MiniView::minimiseApplication()
{
    // The main window may be hidden, so the application is whatever is on screen.
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible() && !window->isMinimized())
            window->showMinimized();
}

void MiniView::showOpacityWindow()
{
    m_opacityWindow->show();
}
