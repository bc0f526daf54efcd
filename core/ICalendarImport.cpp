// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ICalendar.h"

#include "base/Errors.h"
#include "base/TextFile.h"
#include "core/ICalendarEvents.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>
#include <algorithm>
#include <memory>

#include <libical/ical.h>

namespace {

// The longest content line handed to libical (its own line joining is
// quadratic): room for the longest entry a profile reads back, in UTF-8 with
// every character escaped.
constexpr int kLongestLine = 4 * kMaxLineBytes;
// The most days all events of a file may give (repeats and long events).
constexpr int kMostDays = 100000;
// The largest event handed to libical: room for a few such lines.
constexpr int kLargestEvent = 16 * kLongestLine;

using Component = std::unique_ptr<icalcomponent, void (*)(icalcomponent *)>;

DayrailError unreadable(const QString &name)
{
    return DayrailError(
        QStringLiteral("Не удаётся прочитать календарь iCalendar из файла \"%1\".").arg(name));
}

bool isLine(const QByteArray &line, const char *text)
{
    return line.trimmed().compare(text, Qt::CaseInsensitive) == 0;
}

// The value of the first line of an event that starts with name, as far as
// a message quotes it.
QString rawValue(const QByteArray &event, const QByteArray &name)
{
    for (const QByteArray &line : event.split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && line.startsWith(name) &&
            (line.size() == name.size() || line.at(name.size()) == ':' ||
             line.at(name.size()) == ';'))
            return quoteForMessage(QString::fromUtf8(line.mid(colon + 1, 240)).trimmed());
    }
    return {};
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
class Merge {
public:
    Merge(const ICalendarImportRules &rules, ICalendarImport &result, ICalendarProgress *progress)
        : m_rules(rules), m_result(result), m_progress(progress),
          m_listed(rules.listed.cbegin(), rules.listed.cend())
    {
        m_result.entries = rules.listed;
    }

    // The list is full, or the import has read as many events as it reads.
    bool full() const { return m_full; }
    bool sawEvents() const { return m_events > 0; }
    // An event the scanner passes over once the import is full.
    void skipEvent() { ++m_result.notRead; }

    void addEvent(icalcomponent *event)
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
    void addRefused(const QByteArray &event, const QString &reason)
    {
        if (countEvent())
            return;
        note(dateOfRaw(rawValue(event, "DTSTART")), rawValue(event, "SUMMARY"), reason);
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

// Walks the content lines (folded lines joined) and hands every event inside
// a calendar, alone, to libical; an event with an overlong line never gets there.
class EventScanner {
public:
    EventScanner(const QByteArray &text, Merge &merge, ICalendarProgress *progress)
        : m_text(text), m_merge(merge), m_progress(progress)
    {}

    // False when stopped by the user.
    bool scan()
    {
        qsizetype at = 0;
        const qsizetype size = m_text.size();
        // Once full, the rest is only counted: the summary says how much was not read.
        while (at < size) {
            qsizetype end = m_text.indexOf('\n', at);
            if (end < 0)
                end = size;
            const char first = m_text.at(at);
            const bool continued = (first == ' ' || first == '\t') && m_started;
            if (!continued) {
                finishLine();
                m_started = true;
            }
            qsizetype from = continued ? at + 1 : at;
            qsizetype to = end;
            if (to > from && m_text.at(to - 1) == '\r')
                --to;
            // An overlong line keeps its beginning, to name its event.
            const qsizetype room = kLongestLine - m_line.size();
            if (to - from > room) {
                m_lineTooLong = true;
                to = from + room;
            }
            m_line.append(m_text.constData() + from, to - from);
            at = end + 1;
            if (m_progress) {
                if (m_progress->cancelled.load())
                    return false;
                m_progress->permille.store(int(at * 1000 / qMax<qsizetype>(1, size)));
            }
        }
        finishLine();
        // A file cut short in the middle of an event.
        if (m_inEvent && !m_merge.full())
            m_merge.addRefused(m_event, QStringLiteral("файл кончается посреди события"));
        return true;
    }

    bool sawCalendar() const { return m_sawCalendar; }

private:
    void finishLine()
    {
        if (!m_started)
            return;
        const QByteArray line = m_line;
        const bool tooLong = m_lineTooLong;
        m_line.clear();
        m_lineTooLong = false;
        if (m_inEvent) {
            m_eventTooLong = m_eventTooLong || tooLong || m_event.size() > kLargestEvent;
            // What is kept of an event too long serves to name it.
            if (!m_eventTooLong || line.startsWith("DTSTART") || line.startsWith("SUMMARY"))
                m_event += line + "\r\n";
            if (line.startsWith("BEGIN:") || line.startsWith("begin:"))
                ++m_depth;
            else if (line.startsWith("END:") || line.startsWith("end:"))
                --m_depth;
            if (m_depth == 0)
                finishEvent();
        } else if (isLine(line, "BEGIN:VCALENDAR")) {
            m_sawCalendar = true;
            ++m_calendars;
        } else if (isLine(line, "END:VCALENDAR")) {
            m_calendars = qMax(0, m_calendars - 1);
        } else if (m_calendars > 0 && isLine(line, "BEGIN:VEVENT") && m_merge.full()) {
            m_merge.skipEvent();
        } else if (m_calendars > 0 && isLine(line, "BEGIN:VEVENT")) {
            m_inEvent = true;
            m_depth = 1;
            m_event = line + "\r\n";
        }
    }

    void finishEvent()
    {
        m_inEvent = false;
        if (m_eventTooLong) {
            m_merge.addRefused(m_event, QStringLiteral("строка события длиннее %1 байт или всё "
                                                       "событие длиннее %2 байт: такой текст "
                                                       "профиль не прочитает")
                                            .arg(kLongestLine)
                                            .arg(kLargestEvent));
        } else {
            Component event(icalparser_parse_string(m_event.constData()), icalcomponent_free);
            if (event && icalcomponent_isa(event.get()) == ICAL_VEVENT_COMPONENT)
                m_merge.addEvent(event.get());
            else
                m_merge.addRefused(m_event, QStringLiteral("событие не читается"));
        }
        m_event.clear();
        m_eventTooLong = false;
    }

    const QByteArray &m_text;
    Merge &m_merge;
    ICalendarProgress *m_progress;
    QByteArray m_line;
    QByteArray m_event;
    bool m_started = false;
    bool m_lineTooLong = false;
    bool m_eventTooLong = false;
    bool m_inEvent = false;
    bool m_sawCalendar = false;
    int m_depth = 0;
    int m_calendars = 0;
};

bool isUtf8(const QByteArray &text)
{
    // In pieces, so that a large file is never held twice.
    constexpr qsizetype kPiece = 64 * 1024;
    QStringDecoder decoder(QStringDecoder::Utf8);
    for (qsizetype at = 0; at < text.size() && !decoder.hasError(); at += kPiece) {
        const QString piece =
            decoder.decode(QByteArrayView(text).sliced(at, qMin(kPiece, text.size() - at)));
        Q_UNUSED(piece);
    }
    return !decoder.hasError();
}

} // namespace

ICalendarImport holidaysFromICalendar(const QByteArray &text, const QString &name,
                                      const ICalendarImportRules &rules,
                                      ICalendarProgress *progress)
{
    ICalendarImport result;
    // The byte-order mark is left out without copying the text.
    const bool marked = text.startsWith("\xEF\xBB\xBF");
    QByteArray data =
        marked ? QByteArray::fromRawData(text.constData() + 3, text.size() - 3) : text;
    if (!isUtf8(data)) {
        // Windows-1251 has a character for every byte but one.
        if (data.contains('\x98'))
            throw DayrailError(
                QStringLiteral("Файл \"%1\" не в кодировке UTF-8 (и не в Windows-1251).")
                    .arg(name));
        data = utf8From1251(data);
        result.read1251 = true;
    }
    Merge merge(rules, result, progress);
    EventScanner scanner(data, merge, progress);
    if (!scanner.scan()) {
        result = ICalendarImport();
        result.entries = rules.listed;
        result.cancelled = true;
        return result;
    }
    if (!scanner.sawCalendar())
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
