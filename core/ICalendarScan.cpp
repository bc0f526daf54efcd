// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ICalendarScan.h"

#include "base/Errors.h"
#include "core/ICalendar.h"

#include <QStringDecoder>
#include <memory>

namespace {

using Component = std::unique_ptr<icalcomponent, void (*)(icalcomponent *)>;

bool isLine(const QByteArray &line, const char *text)
{
    return line.trimmed().compare(text, Qt::CaseInsensitive) == 0;
}

// Walks the content lines (folded lines joined) and hands every event inside
// a calendar, alone, to libical; an event with an overlong line never gets there.
class EventScanner {
public:
    EventScanner(const QByteArray &text, ICalendarEventSink &sink, ICalendarProgress *progress)
        : m_text(text), m_sink(sink), m_progress(progress)
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
            const qsizetype room = kLongestICalendarLine - m_line.size();
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
        if (m_inEvent && !m_sink.full())
            m_sink.addRefused(m_event, QStringLiteral("файл кончается посреди события"));
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
            m_eventTooLong = m_eventTooLong || tooLong || m_event.size() > kLargestICalendarEvent;
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
        } else if (m_calendars > 0 && isLine(line, "BEGIN:VEVENT") && m_sink.full()) {
            m_sink.skipEvent();
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
            m_sink.addRefused(m_event, QStringLiteral("строка события длиннее %1 байт или всё "
                                                      "событие длиннее %2 байт: такой текст "
                                                      "профиль не прочитает")
                                           .arg(kLongestICalendarLine)
                                           .arg(kLargestICalendarEvent));
        } else {
            Component event(icalparser_parse_string(m_event.constData()), icalcomponent_free);
            if (event && icalcomponent_isa(event.get()) == ICAL_VEVENT_COMPONENT)
                m_sink.addEvent(event.get());
            else
                m_sink.addRefused(m_event, QStringLiteral("событие не читается"));
        }
        m_event.clear();
        m_eventTooLong = false;
    }

    const QByteArray &m_text;
    ICalendarEventSink &m_sink;
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

QString rawEventValue(const QByteArray &event, const QByteArray &name)
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

ICalendarScan scanICalendar(const QByteArray &text, ICalendarEventSink &sink,
                            ICalendarProgress *progress)
{
    EventScanner scanner(text, sink, progress);
    ICalendarScan scan;
    scan.cancelled = !scanner.scan();
    scan.sawCalendar = scanner.sawCalendar();
    return scan;
}

QByteArray iCalendarUtf8(const QByteArray &text, const QString &name, bool *read1251)
{
    // The byte-order mark is left out without copying the text.
    const bool marked = text.startsWith("\xEF\xBB\xBF");
    QByteArray data =
        marked ? QByteArray::fromRawData(text.constData() + 3, text.size() - 3) : text;
    if (read1251)
        *read1251 = false;
    if (isUtf8(data))
        return data;
    // Windows-1251 has a character for every byte but one.
    if (data.contains('\x98'))
        throw DayrailError(
            QStringLiteral("Файл \"%1\" не в кодировке UTF-8 (и не в Windows-1251).").arg(name));
    if (read1251)
        *read1251 = true;
    return utf8From1251(data);
}
