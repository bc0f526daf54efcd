// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ProfileCalendar.h"

#include "base/Errors.h"
#include "base/TextFile.h"
#include "core/CalendarModel.h"
#include "core/EventStore.h"
#include "core/ICalendar.h"
#include "core/ICalendarEvents.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <memory>

#include <libical/ical.h>

namespace {

using Component = std::unique_ptr<icalcomponent, void (*)(icalcomponent *)>;

qsizetype rowOf(const EntryIds &ids, const QByteArray &uid)
{
    for (qsizetype i = 0; i < ids.size(); ++i)
        if (ids.at(i).uid == uid)
            return i;
    return -1;
}

} // namespace

QString entryOfEvent(const QByteArray &ics)
{
    const Component calendar(icalparser_parse_string(ics.constData()), icalcomponent_free);
    if (!calendar || icalcomponent_isa(calendar.get()) != ICAL_VCALENDAR_COMPONENT)
        return {};
    // One event and nothing else of weight: a task or an override would be lost.
    icalcomponent *event = nullptr;
    for (icalcomponent *c = icalcomponent_get_first_component(calendar.get(), ICAL_ANY_COMPONENT);
         c; c = icalcomponent_get_next_component(calendar.get(), ICAL_ANY_COMPONENT)) {
        const icalcomponent_kind kind = icalcomponent_isa(c);
        if (kind == ICAL_VTIMEZONE_COMPONENT)
            continue;
        if (kind != ICAL_VEVENT_COMPONENT || event)
            return {};
        event = c;
    }
    if (!event)
        return {};
    const EventDays days(event);
    if (!days.refusal().isEmpty() || !days.change().isEmpty() ||
        !holidayCaptionProblem(days.caption()).isEmpty())
        return {};
    QString entry;
    int count = 0;
    days.forEachDay([&](const HolidayDate &, const QString &text) {
        entry = text;
        return ++count < 2;
    });
    if (count != 1 || !holidayTextFault(entry).isEmpty())
        return {};
    return entry;
}

ProfileCalendar::ProfileCalendar(CalendarModel &model) : m_model(model) {}

CalendarItems ProfileCalendar::items() const
{
    const QStringList &entries = m_model.holidays();
    const EntryIds &ids = m_model.entryIds();
    const CalendarItems &events = m_model.storedEvents();
    QHash<QByteArray, qsizetype> stored;
    for (qsizetype i = 0; i < events.size(); ++i)
        stored.insert(events.at(i).uid, i);
    QSet<QByteArray> listed;
    CalendarItems items;
    for (qsizetype i = 0; i < entries.size() && i < ids.size(); ++i) {
        const EntryId &id = ids.at(i);
        listed.insert(id.uid);
        if (const auto it = stored.constFind(id.uid); it != stored.cend()) {
            items << events.at(*it);
        } else if (const QByteArray ics = entryToICalendar(entries.at(i), id.uid, id.stamp);
                   !ics.isEmpty()) {
            items << CalendarItem{id.uid, ics};
        }
    }
    for (const CalendarItem &event : events)
        if (!listed.contains(event.uid))
            items << event;
    return items;
}

QByteArray ProfileCalendar::put(const CalendarItem &item)
{
    const QByteArray ics = storedCalendarText(item.ics);
    const QByteArray uid = item.uid.isEmpty() ? calendarEventUid(ics) : item.uid;
    if (uid.isEmpty() || calendarEventUid(ics).isEmpty())
        throw DayrailError(
            QStringLiteral("Событие «%1» с сервера не читается: в нём нет календаря с событием.")
                .arg(quoteForMessage(QString::fromUtf8(item.uid))));
    QStringList entries = m_model.holidays();
    EntryIds ids = m_model.entryIds();
    CalendarItems events = m_model.storedEvents();
    const qsizetype row = rowOf(ids, uid);
    // An identity the ids file cannot keep stays with the event kept whole.
    const QString entry = isLineUid(uid) ? entryOfEvent(ics) : QString();
    if (!entry.isEmpty() && row >= 0) {
        if (entries.at(row) != entry) {
            ReminderSettings reminders = m_model.reminders();
            const QString before = entries.at(row);
            entries[row] = entry;
            carryReminder(reminders, before, entry, entries);
            m_model.setReminders(reminders);
            ids[row].stamp = newEntryId(m_model.now()).stamp;
        }
    } else if (!entry.isEmpty() && entries.size() < kHolidayPositions) {
        entries << entry;
        ids << newEntryId(m_model.now());
        ids.last().uid = uid;
    } else if (row >= 0) {
        // No longer what the list holds, or no room: kept whole instead.
        entries.removeAt(row);
        ids.removeAt(row);
    }
    // Kept as it came: behind its entry, or whole.
    const auto same = [&](const CalendarItem &event) { return event.uid == uid; };
    if (const auto it = std::find_if(events.begin(), events.end(), same); it != events.end())
        it->ics = ics;
    else
        events << CalendarItem{uid, ics};
    m_model.setProfileEntries(entries, ids, events);
    return ics;
}

void ProfileCalendar::remove(const QByteArray &uid)
{
    QStringList entries = m_model.holidays();
    EntryIds ids = m_model.entryIds();
    CalendarItems events = m_model.storedEvents();
    if (const qsizetype row = rowOf(ids, uid); row >= 0) {
        entries.removeAt(row);
        ids.removeAt(row);
    }
    events.removeIf([&](const CalendarItem &event) { return event.uid == uid; });
    m_model.setProfileEntries(entries, ids, events);
}
