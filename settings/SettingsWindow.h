// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings window "Настройки": pages of options, each a view of the
// model that changes it at once. The window only holds the pages; each page
// has a source file of its own.
#include "windows/WindowServices.h"

#include <QDialog>

class BackgroundCaptionsPage;
class CalendarModel;
class CalendarViewPage;
class HolidaysPage;
class OpacityPage;
class PrintBackgroundPage;
class ProfilesPage;
class QTabWidget;
class Subscriptions;

class SettingsWindow : public QDialog {
    Q_OBJECT
public:
    // The page «Подписки» is there when subscriptions are given.
    SettingsWindow(CalendarModel &model, WindowServices &services,
                   Subscriptions *subscriptions = nullptr, QWidget *parent = nullptr);

    // Shows, raises and activates the window on the given page. Shown any
    // other way, it keeps the page last shown.
    void showPage(SettingsPage page);

protected:
    bool event(QEvent *e) override;
    void showEvent(QShowEvent *event) override;

private:
    DialogSeam &m_dialogs;
    void focusFirstField();
    QWidget *page(SettingsPage page) const;
    void markDefaultButton();

    QTabWidget *m_pages = nullptr;
    OpacityPage *m_opacityPage = nullptr;
    BackgroundCaptionsPage *m_backgroundCaptionsPage = nullptr;
    ProfilesPage *m_profilesPage = nullptr;
    HolidaysPage *m_holidaysPage = nullptr;
    CalendarViewPage *m_calendarViewPage = nullptr;
    PrintBackgroundPage *m_printBackgroundPage = nullptr;
};
