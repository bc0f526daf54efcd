// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ICalendar.h"

#include "base/Errors.h"
#include "base/TextFile.h"
#include "core/ICalendarEvents.h"
#include "core/ICalendarScan.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <algorithm>

#include <libical/ical.h>

namespace {

// The most days all events of a file may give (repeats and long events).
constexpr int kMostDays = 100000;

DayrailError unreadable(const QString &name)
{
    return DayrailError(
        QStringLiteral("Не удаётся прочитать календарь iCalendar из файла \"%1\".").arg(name));
}

// "20260301" or "20260301T100000Z" as the summary writes dates.
QString dateOfRaw(const QString &value)
{
    if (value.size() < 8 ||
        !std::all_of(value.cbegin(), value.cbegin() + 8, [](QChar c) { return c.isDigit(); }))
        return value;
    return value.mid(6, 2) + QLatin1Char('.') + value.mid(4, 2) + QLatin1Char('.') + value.left(4);
}

// Merges the days of the events into the list, one event at a time, and
// notes everything left out or changed.
class Merge : public ICalendarEventSink {
public:
    Merge(const ICalendarImportRules &rules, ICalendarImport &result, ICalendarProgress *progress)
        : m_rules(rules), m_result(result), m_progress(progress),
          m_listed(rules.listed.cbegin(), rules.listed.cend())
    {
        m_result.entries = rules.listed;
    }

    // The list is full, or the import has read as many events as it reads.
    bool full() const override { return m_full; }
    bool sawEvents() const { return m_events > 0; }
    // An event the scanner passes over once the import is full.
    void skipEvent() override { ++m_result.notRead; }

    void addEvent(icalcomponent *event) override
    {
        if (countEvent())
            return;
        const int addedBefore = m_result.added;
        const EventDays days(event);
        if (!days.refusal().isEmpty())
            return note(days.date(), days.caption(), days.refusal());
        if (const QString problem = m_rules.captionProblem(days.caption()); !problem.isEmpty())
            return note(days.date(), days.caption(), problem);
        if (!days.change().isEmpty())
            note(days.date(), days.caption(), days.change());
        bool checked = false;
        int repeated = 0;
        QString firstRepeated;
        days.forEachDay([&](const HolidayDate &date, const QString &entry) {
            // A long repeat stops as soon as the user does, or at the day limit.
            if ((m_progress && m_progress->cancelled.load()) || countDay())
                return false;
            // Every day has the same caption: one check serves the event.
            if (!checked) {
                checked = true;
                if (const QString problem = m_rules.entryProblem(entry); !problem.isEmpty()) {
                    note(days.date(), days.caption(), problem);
                    return false;
                }
            }
            if (m_listed.contains(entry)) {
                if (repeated++ == 0)
                    firstRepeated = dateOf(date);
                return true;
            }
            if (m_result.entries.size() >= m_rules.capacity) {
                stop(QStringLiteral("в профиле не больше %1 записей").arg(m_rules.capacity));
                note(dateOf(date), days.caption(),
                     QStringLiteral("список заполнен (%1 записей): этот и следующие дни и "
                                    "события файла не добавлены")
                         .arg(m_rules.capacity));
                return false;
            }
            m_listed.insert(entry);
            m_result.entries << entry;
            ++m_result.added;
            return true;
        });
        // An event that filled the list before any of its days went in.
        if (m_full && m_result.added == addedBefore && repeated == 0)
            skipEvent();
        // One note for the days of an event already listed.
        if (repeated == 1)
            note(firstRepeated, days.caption(), QStringLiteral("уже есть в списке"));
        else if (repeated > 1)
            note(firstRepeated, days.caption(),
                 QStringLiteral("дни события (%1, с этого) уже есть в списке").arg(repeated));
    }

    // An event libical never sees or cannot read, named from its raw lines.
    void addRefused(const QByteArray &event, const QString &reason) override
    {
        if (countEvent())
            return;
        note(dateOfRaw(rawEventValue(event, "DTSTART")), rawEventValue(event, "SUMMARY"), reason);
    }

private:
    static QString dateOf(const HolidayDate &date)
    {
        return dateText(date.day, date.month, date.year.value_or(0));
    }

    // True when this day is one too many: the days of all events together
    // are bounded as the events are.
    bool countDay()
    {
        return countPast(m_days, kMostDays,
                         QStringLiteral("события файла дают больше %1 дней: остальные не "
                                        "прочитаны"),
                         QStringLiteral("импорт добавляет не больше %1 дней"));
    }

    // True when this event is one too many: it and the rest are not read.
    bool countEvent()
    {
        if (!countPast(m_events, kMostICalendarEvents,
                       QStringLiteral("в файле больше %1 событий: остальные не прочитаны"),
                       QStringLiteral("импорт читает не больше %1 событий")))
            return false;
        skipEvent();
        return true;
    }

    // Counts one more; past the limit the import is full, and the summary says why.
    bool countPast(int &count, int limit, const QString &reason, const QString &why)
    {
        if (++count <= limit)
            return false;
        stop(why.arg(limit));
        m_result.notes << ICalendarNote{{}, {}, reason.arg(limit)};
        return true;
    }

    // The import is full: nothing more is read, for the reason why.
    void stop(const QString &why)
    {
        m_full = true;
        m_result.notReadWhy = why;
    }

    void note(const QString &date, const QString &caption, const QString &reason)
    {
        m_result.notes << ICalendarNote{date, quoteForMessage(caption), reason};
    }

    const ICalendarImportRules &m_rules;
    ICalendarImport &m_result;
    ICalendarProgress *m_progress;
    QSet<QString> m_listed;
    int m_events = 0;
    int m_days = 0;
    bool m_full = false;
};

} // namespace

ICalendarImport holidaysFromICalendar(const QByteArray &text, const QString &name,
                                      const ICalendarImportRules &rules,
                                      ICalendarProgress *progress)
{
    ICalendarImport result;
    const QByteArray data = iCalendarUtf8(text, name, &result.read1251);
    Merge merge(rules, result, progress);
    const ICalendarScan scan = scanICalendar(data, merge, progress);
    if (scan.cancelled) {
        result = ICalendarImport();
        result.entries = rules.listed;
        result.cancelled = true;
        return result;
    }
    if (!scan.sawCalendar)
        throw unreadable(name);
    if (!merge.sawEvents())
        throw DayrailError(QStringLiteral("В файле \"%1\" нет событий.").arg(name));
    return result;
}

ICalendarImport importICalendar(const QString &path, const ICalendarImportRules &rules,
                                ICalendarProgress *progress)
{
    // A pipe or a device would block or never end.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        throw FileError(
            QStringLiteral("\"%1\" — не обычный файл: календарь из него не читается.").arg(path));
    const FileError tooLarge(
        QStringLiteral("Файл \"%1\" больше %2 МБ: такой календарь программа не читает.")
            .arg(path)
            .arg(kLargestICalendarFile / (1024 * 1024)));
    if (info.size() > kLargestICalendarFile)
        throw tooLarge;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(
            QStringLiteral("Не удаётся открыть файл \"%1\": %2").arg(path, file.errorString()));
    // Read no further than the limit, should the file grow meanwhile.
    const QByteArray data = file.read(kLargestICalendarFile + 1);
    if (file.error() != QFileDevice::NoError)
        throw FileError(
            QStringLiteral("Ошибка чтения файла \"%1\": %2").arg(path, file.errorString()));
    if (data.size() > kLargestICalendarFile)
        throw tooLarge;
    return holidaysFromICalendar(data, path, rules, progress);
}
