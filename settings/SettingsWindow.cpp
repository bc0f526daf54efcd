// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsWindow.h"

#include "platform/Handler.h"
#include "platform/ReadableText.h"
#include "platform/Widgets.h"
#include "settings/AccountPage.h"
#include "settings/HolidaysPage.h"
#include "settings/OpacityPage.h"
#include "settings/OptionPages.h"
#include "settings/ProfilesPage.h"
#include "settings/RemindersPage.h"
#include "settings/SubscriptionsPage.h"

#include <QEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QTabBar>
#include <QTabWidget>

namespace {

void addPage(QTabWidget *pages, QWidget *page, const QString &caption)
{
    page->setAccessibleName(caption);
    pages->addTab(page, caption);
}

} // namespace

SettingsWindow::SettingsWindow(CalendarModel &model, WindowServices &services,
                               Subscriptions *subscriptions, QWidget *parent)
    : QDialog(parent), m_dialogs(services.dialogs())
{
    keepLayoutFont(this);
    setObjectName(QStringLiteral("settingsWindow"));
    setWindowTitle(QStringLiteral("Настройки"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint);
    setFixedSize(676, 407);
    m_pages = place(new QTabWidget(this), 0, 0, 676, 407);
    m_pages->setObjectName(QStringLiteral("pages"));
    // Eight captions are wider than the window: the bar scrolls to the last.
    m_pages->setUsesScrollButtons(true);
    m_pages->setElideMode(Qt::ElideNone);
    // Only the tab bar takes the style sheet, so the pages follow the desktop
    // palette as plain widgets do. A style sheet cuts the bar off from the
    // window's font, so it is given that font itself.
    m_pages->tabBar()->setStyleSheet(
        QStringLiteral("QTabBar::tab { padding: 3px 3px; margin: 0; }"));
    keepLayoutFont(m_pages->tabBar());

    m_opacityPage = new OpacityPage(model, services.dialogs(), this);
    m_backgroundCaptionsPage = new BackgroundCaptionsPage(services, this);
    m_profilesPage = new ProfilesPage(model, services.dialogs(), this);
    m_holidaysPage = new HolidaysPage(model, services, this);
    m_calendarViewPage = new CalendarViewPage(model, services.dialogs(), this);
    m_printBackgroundPage = new PrintBackgroundPage(model, services.dialogs(), this);
    addPage(m_pages, m_opacityPage, QStringLiteral("Прозрачность"));
    addPage(m_pages, m_backgroundCaptionsPage, QStringLiteral("Фон и подписи"));
    addPage(m_pages, m_profilesPage, QStringLiteral("Профили"));
    addPage(m_pages, m_holidaysPage, QStringLiteral("Праздники"));
    addPage(m_pages, m_calendarViewPage, QStringLiteral("Настройки вида календаря"));
    addPage(m_pages, m_printBackgroundPage, QStringLiteral("Настройки фона при распечатке"));
    addPage(m_pages, new RemindersPage(model, services, this), QStringLiteral("Напоминания"));
    if (subscriptions)
        addPage(m_pages, new SubscriptionsPage(*subscriptions, services.dialogs(), this),
                QStringLiteral("Подписки"));
    addPage(m_pages, new AccountPage(services, this), QStringLiteral("Синхронизация"));

    m_pages->setCurrentWidget(m_printBackgroundPage);
    connect(m_pages, &QTabWidget::currentChanged, this, &SettingsWindow::markDefaultButton);
    markDefaultButton();
    // The pages' coloured warnings stay readable on a dark desktop palette.
    keepColouredTextReadable(this);
    centreOnScreen(this);
}

QWidget *SettingsWindow::page(SettingsPage page) const
{
    switch (page) {
    case SettingsPage::Opacity: return m_opacityPage;
    case SettingsPage::BackgroundCaptions: return m_backgroundCaptionsPage;
    case SettingsPage::Profiles: return m_profilesPage;
    case SettingsPage::Holidays: return m_holidaysPage;
    case SettingsPage::CalendarView: return m_calendarViewPage;
    case SettingsPage::PrintBackground: return m_printBackgroundPage;
    }
    return m_pages->currentWidget();
}

void SettingsWindow::showPage(SettingsPage page)
{
    m_pages->setCurrentWidget(this->page(page));
    show();
    raise();
    activateWindow();
    focusFirstField();
}

void SettingsWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        focusFirstField();
}

void SettingsWindow::focusFirstField()
{
    // The keyboard starts on the page's first field, never where it was left
    // (on "Удалить профиль", say).
    QWidget *shown = m_pages->currentWidget();
    for (QWidget *field = shown->nextInFocusChain(); field != shown;
         field = field->nextInFocusChain()) {
        if (shown->isAncestorOf(field) && field->isVisibleTo(shown) && field->isEnabled() &&
            (field->focusPolicy() & Qt::TabFocus)) {
            field->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

bool SettingsWindow::event(QEvent *e)
{
    // A style sheet in the page control stops the desktop's palette there:
    // a new one is passed on by hand, so the pages follow a dark desktop too.
    if (e->type() == QEvent::PaletteChange) {
        m_pages->setPalette(QPalette());
        m_pages->tabBar()->setPalette(QPalette());
    }
    // The profile list follows files added or removed while away.
    if (e->type() == QEvent::WindowActivate)
        runHandler(m_dialogs, [this] { m_profilesPage->refresh(); });
    return QDialog::event(e);
}

void SettingsWindow::markDefaultButton()
{
    // A dialog has one default button: the one of the page shown.
    QWidget *shown = m_pages->currentWidget();
    m_backgroundCaptionsPage->defaultButton()->setDefault(shown == m_backgroundCaptionsPage);
    m_holidaysPage->defaultButton()->setDefault(shown == m_holidaysPage);
}
