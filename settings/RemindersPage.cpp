// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/RemindersPage.h"

#include "core/CalendarModel.h"
#include "core/HolidayDates.h"
#include "core/ReminderDue.h"
#include "platform/Announcement.h"
#include "platform/Handler.h"
#include "platform/Widgets.h"
#include "settings/SettingsControls.h"
#include "windows/WindowServices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimeEdit>

namespace {

// The entry's choice, in the order of its list.
enum EntryChoice { AsForAll = 0, Never = 1, Own = 2 };

QSpinBox *daysBox(QWidget *parent, const char *name, const QString &accessibleName, int x, int y)
{
    auto *box = place(new QSpinBox(parent), x, y, 60, 22);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(accessibleName);
    box->setRange(0, kMaxReminderDays);
    return box;
}

QListWidget *listBox(QWidget *parent, const char *name, const QString &caption, int x, int y, int w,
                     int h)
{
    QLabel *label = placeLabel(parent, QByteArray(name).append("Label").constData(), caption, x, y);
    auto *list = place(new QListWidget(parent), x, y + 20, w, h);
    list->setObjectName(QString::fromLatin1(name));
    list->setAccessibleName(caption);
    label->setBuddy(list);
    return list;
}

} // namespace

RemindersPage::RemindersPage(CalendarModel &model, WindowServices &services, QWidget *parent)
    : QWidget(parent), m_model(model), m_services(services), m_dialogs(services.dialogs())
{
    setObjectName(QStringLiteral("remindersPage"));
    heading(this, "remindersHeading", QStringLiteral("Напоминания о датах из списка праздников"),
            16, 16);
    createCommonRule();
    createEntryRule();
    m_coming = listBox(this, "comingList", QStringLiteral("Ближайшие напоминания (30 дней):"), 350,
                       112, 310, 232);
    m_coming->setSelectionMode(QAbstractItemView::NoSelection);
    // A reminder's text is read whole, in as many lines as it takes.
    m_coming->setWordWrap(true);
    m_coming->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    showSettings();
    connect(&m_model, &CalendarModel::remindersChanged, this, &RemindersPage::showSettings);
    connect(&m_model, &CalendarModel::holidaysChanged, this, &RemindersPage::showSettings);
}

void RemindersPage::createCommonRule()
{
    m_enabled = new QCheckBox(QStringLiteral("Напоминать"), this);
    m_enabled->setObjectName(QStringLiteral("remindersEnabled"));
    m_enabled->setAccessibleName(m_enabled->text());
    m_enabled->move(16, 48);
    m_enabled->adjustSize();
    placeLabel(this, "leadLabel", QStringLiteral("За"), 16, 82);
    m_days = daysBox(this, "leadDays", QStringLiteral("Напоминать за, дней"), 40, 78);
    m_workingDays = new QRadioButton(QStringLiteral("рабочих дней"), this);
    m_workingDays->setObjectName(QStringLiteral("workingDaysButton"));
    m_calendarDays = new QRadioButton(QStringLiteral("календарных дней"), this);
    m_calendarDays->setObjectName(QStringLiteral("calendarDaysButton"));
    int x = 112;
    for (QRadioButton *button : {m_workingDays, m_calendarDays}) {
        button->setAccessibleName(button->text());
        button->move(x, 80);
        button->adjustSize();
        x += button->width() + 12;
    }
    placeLabel(this, "timeLabel", QStringLiteral("в"), x + 4, 82);
    m_time = place(new QTimeEdit(this), x + 20, 78, 70, 22);
    m_time->setObjectName(QStringLiteral("timeField"));
    m_time->setAccessibleName(QStringLiteral("Время напоминания"));
    m_time->setDisplayFormat(QStringLiteral("HH:mm"));

    const auto store = [this] { runHandler(m_dialogs, [this] { storeCommon(); }); };
    connect(m_enabled, &QCheckBox::toggled, this, store);
    connect(m_days, &QSpinBox::valueChanged, this, store);
    connect(m_workingDays, &QRadioButton::toggled, this, store);
    connect(m_time, &QTimeEdit::timeChanged, this, store);
}

void RemindersPage::createEntryRule()
{
    m_entries = listBox(this, "entryList", QStringLiteral("Даты из списка:"), 16, 112, 318, 180);
    m_entryChoice = place(new QComboBox(this), 16, 320, 200, 22);
    m_entryChoice->setObjectName(QStringLiteral("entryChoice"));
    m_entryChoice->setAccessibleName(QStringLiteral("Напоминание о выбранной дате"));
    m_entryChoice->addItems({QStringLiteral("как для всех"), QStringLiteral("не напоминать"),
                             QStringLiteral("своё: за столько дней")});
    announceChoices(m_entryChoice);
    m_entryDays = daysBox(this, "entryDays", QStringLiteral("Напоминать о выбранной дате за, дней"),
                          224, 320);

    connect(m_entries, &QListWidget::currentRowChanged, this, &RemindersPage::showEntryRule);
    const auto store = [this] { runHandler(m_dialogs, [this] { storeEntry(); }); };
    connect(m_entryChoice, &QComboBox::currentIndexChanged, this, store);
    connect(m_entryDays, &QSpinBox::valueChanged, this, store);
}

void RemindersPage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Time has passed since the list was last made.
    showComing();
}

QString RemindersPage::selectedEntry() const
{
    const QListWidgetItem *item = m_entries->currentItem();
    return item ? item->text() : QString();
}

void RemindersPage::showSettings()
{
    const ReminderSettings &settings = m_model.reminders();
    if (settings.common)
        m_lastCommon = *settings.common;
    {
        const QSignalBlocker b1(m_enabled), b2(m_days), b3(m_workingDays), b4(m_time);
        m_enabled->setChecked(settings.common.has_value());
        m_days->setValue(m_lastCommon.daysBefore);
        m_workingDays->setChecked(m_lastCommon.workingDays);
        m_calendarDays->setChecked(!m_lastCommon.workingDays);
        m_time->setTime(m_lastCommon.time);
    }
    for (QWidget *field :
         std::initializer_list<QWidget *>{m_days, m_workingDays, m_calendarDays, m_time})
        field->setEnabled(settings.common.has_value());

    // Only an entry with a day can be reminded of.
    QStringList dated;
    for (const QString &entry : m_model.holidays())
        if (parseHolidayEntry(entry) && !dated.contains(entry))
            dated << entry;
    QStringList listed;
    for (int i = 0; i < m_entries->count(); ++i)
        listed << m_entries->item(i)->text();
    if (listed != dated) {
        const QString selected = selectedEntry();
        const QSignalBlocker quiet(m_entries);
        m_entries->clear();
        m_entries->addItems(dated);
        m_entries->setCurrentRow(int(dated.indexOf(selected)));
    }
    showEntryRule();
    showComing();
}

void RemindersPage::showEntryRule()
{
    const QString entry = selectedEntry();
    const ReminderSettings &settings = m_model.reminders();
    const auto own = settings.entries.constFind(entry);
    const int choice = own == settings.entries.cend() ? AsForAll : *own ? Own : Never;
    const QSignalBlocker b1(m_entryChoice), b2(m_entryDays);
    m_entryChoice->setCurrentIndex(choice);
    m_entryDays->setValue(choice == Own ? (*own)->daysBefore : m_lastCommon.daysBefore);
    m_entryChoice->setEnabled(!entry.isEmpty());
    m_entryDays->setEnabled(choice == Own);
}

void RemindersPage::showComing()
{
    const QDateTime now = m_services.now();
    const QList<DueReminder> due = dueReminders(m_model.holidays(), m_model.reminders(),
                                                m_model.workYears(), now, now.addDays(kComingDays));
    QStringList lines;
    for (const DueReminder &reminder : due)
        lines << reminder.due.toString(QStringLiteral("dd.MM HH:mm  ")) + reminder.text;
    if (lines.isEmpty())
        lines << QStringLiteral("Напоминаний нет");
    m_coming->clear();
    m_coming->addItems(lines);
}

void RemindersPage::storeCommon()
{
    m_lastCommon.daysBefore = m_days->value();
    m_lastCommon.workingDays = m_workingDays->isChecked();
    m_lastCommon.time = m_time->time();
    ReminderSettings settings = m_model.reminders();
    settings.common.reset();
    if (m_enabled->isChecked())
        settings.common = m_lastCommon;
    m_model.setReminders(settings);
}

void RemindersPage::storeEntry()
{
    const QString entry = selectedEntry();
    if (entry.isEmpty())
        return;
    ReminderSettings settings = m_model.reminders();
    switch (m_entryChoice->currentIndex()) {
    case AsForAll: settings.entries.remove(entry); break;
    case Never: settings.entries.insert(entry, std::nullopt); break;
    default: {
        // Its own lead; the kind of days and the time are those for all.
        ReminderRule rule = m_lastCommon;
        rule.daysBefore = m_entryDays->value();
        settings.entries.insert(entry, rule);
    }
    }
    m_model.setReminders(settings);
    // The model may not have changed (the same choice again): show it anyway.
    showEntryRule();
}
