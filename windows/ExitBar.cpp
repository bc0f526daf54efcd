// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/ExitBar.h"

#include "controls/ImageButton.h"
#include "platform/AccessibleWindow.h"
#include "platform/Handler.h"
#include "platform/Widgets.h"
#include "windows/WindowServices.h"

#include <QCloseEvent>
#include <QFont>
#include <QKeyEvent>

namespace {

ImageButton *makeButton(QWidget *parent, const char *name, const QString &caption,
                        const char *bitmap, int left, int width)
{
    auto *button = place(new ImageButton(parent), left, 40, width, 25);
    button->setObjectName(QString::fromLatin1(name));
    button->setCaption(caption);
    button->setAccessibleName(caption);
    button->setBitmap(shippedPicture(QString::fromLatin1(bitmap), button->devicePixelRatioF()));
    // Enter clicks the button that has the focus, as on any button bar.
    button->setAutoDefault(true);
    return button;
}

ImageView *makePicture(QWidget *parent, const char *name, const char *picture,
                       const QRect &geometry)
{
    auto *view = new ImageView(parent);
    view->setGeometry(geometry);
    view->setObjectName(QString::fromLatin1(name));
    view->setStretch(false);
    view->setPicture(shippedPicture(QString::fromLatin1(picture), view->devicePixelRatioF()));
    return view;
}

} // namespace

ExitBar::ExitBar(WindowServices &services, QWidget *parent) : QWidget(parent), m_services(services)
{
    keepLayoutFont(this);
    setObjectName(QStringLiteral("exitBar"));
    readAsWindow(this, QAccessible::Dialog);
    // No frame, so this caption is never drawn; it still names the window.
    setWindowTitle(QStringLiteral("Действительно хотите выйти?"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFixedSize(628, 67);
    // A narrower face keeps "Показать главное окно" on one line beside its bitmap.
    QFont narrow = font();
    narrow.setStretch(QFont::SemiCondensed);
    setFont(narrow);

    makePicture(this, "icon", ":/icons/calendar32.png", {0, 0, 41, 33});
    // The banner is wider than the room left for it; its right edge is cut.
    makePicture(this, "banner", ":/exit/banner.gif", {496, 0, 137, 41});

    m_closeButton =
        makeButton(this, "closeButton", QStringLiteral("Закрыть окно"), ":/exit/close.png", 8, 145);
    m_closeButton->setDefault(true);
    ImageButton *mainButton =
        makeButton(this, "mainWindowButton", QStringLiteral("Показать главное окно"),
                   ":/exit/main.png", 160, 153);
    ImageButton *exitButton =
        makeButton(this, "exitButton", QStringLiteral("Выход"), ":/exit/exit.png", 320, 161);
    m_cancelButton =
        makeButton(this, "cancelButton", QStringLiteral("Отмена"), ":/exit/cancel.png", 496, 129);

    bindHandler(m_services.dialogs(), exitButton, &ImageButton::clicked, this,
                &ExitBar::exitProgram);
    bindHandler(m_services.dialogs(), mainButton, &ImageButton::clicked, this,
                &ExitBar::showMainWindow);
    bindHandler(m_services.dialogs(), m_closeButton, &ImageButton::clicked, this,
                &ExitBar::closeOneMonthView);
    bindHandler(m_services.dialogs(), m_cancelButton, &ImageButton::clicked, this,
                &ExitBar::returnToOneMonthView);
}

void ExitBar::showEvent(QShowEvent *event)
{
    centreOnScreen(this);
    m_closeButton->setFocus();
    QWidget::showEvent(event);
}

void ExitBar::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    // Also when the window manager closes the bar: the program stays reachable.
    runHandler(m_services.dialogs(), [this] { m_services.keepReachable(WindowRole::ExitBar); });
}

void ExitBar::keyPressEvent(QKeyEvent *event)
{
    // Enter with no button focused reaches the default button, Escape "Отмена".
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        m_closeButton->click();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        m_cancelButton->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ExitBar::exitProgram()
{
    m_services.endProgram();
}

void ExitBar::showMainWindow()
{
    m_services.showMainWindow();
    close();
}

void ExitBar::closeOneMonthView()
{
    m_services.hideWindow(WindowRole::OneMonth);
    close();
}

void ExitBar::returnToOneMonthView()
{
    m_services.showWindow(WindowRole::OneMonth);
    close();
}
