// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page "Напоминания": whether the dated entries are reminded of, the
// rule for all of them, an entry's own rule, and the reminders coming in the
// next 30 days. Reminders are on while there is a rule for all; every change
// goes into the model at once.
#include "core/Reminder.h"

#include <QWidget>

class CalendarModel;
class DialogSeam;
class QCheckBox;
class QComboBox;
class QListWidget;
class QRadioButton;
class QSpinBox;
class QTimeEdit;
class WindowServices;

class RemindersPage : public QWidget {
    Q_OBJECT
public:
    RemindersPage(CalendarModel &model, WindowServices &services, QWidget *parent = nullptr);

    // The days ahead the list of coming reminders covers.
    static constexpr int kComingDays = 30;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createCommonRule();
    void createEntryRule();
    // The model's settings in the controls, without writing them back.
    void showSettings();
    void showEntryRule();
    void showComing();
    // The controls' state into the model.
    void storeCommon();
    void storeEntry();
    QString selectedEntry() const;

    CalendarModel &m_model;
    WindowServices &m_services;
    DialogSeam &m_dialogs;
    // The rule for all while reminders are off, so that on brings it back.
    ReminderRule m_lastCommon;
    QCheckBox *m_enabled = nullptr;
    QSpinBox *m_days = nullptr;
    QRadioButton *m_workingDays = nullptr;
    QRadioButton *m_calendarDays = nullptr;
    QTimeEdit *m_time = nullptr;
    QListWidget *m_entries = nullptr;
    QComboBox *m_entryChoice = nullptr;
    QSpinBox *m_entryDays = nullptr;
    QListWidget *m_coming = nullptr;
};
