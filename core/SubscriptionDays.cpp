// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/SubscriptionDays.h"

#include "base/Errors.h"
#include "core/ICalendar.h"
#include "core/ICalendarEvents.h"
#include "core/ICalendarScan.h"

#include <QStringList>

namespace {

class YearMarks : public ICalendarEventSink {
public:
    explicit YearMarks(int year) : m_span{QDate(year, 1, 1), QDate(year, 12, 31)} {}

    bool full() const override { return m_read.events >= kMostICalendarEvents; }
    void skipEvent() override { ++m_read.notRead; }
    void addRefused(const QByteArray &, const QString &) override { ++m_read.events; }

    void addEvent(icalcomponent *event) override
    {
        ++m_read.events;
        const EventDays days(event, m_span);
        const QString caption = days.caption().trimmed();
        if (!days.refusal().isEmpty())
            return;
        days.forEachDay([&](const HolidayDate &date, const QString &) {
            if (date.year)
                add(QDate(*date.year, date.month, date.day), caption);
            return true;
        });
    }

    SubscriptionDays take()
    {
        for (auto it = m_captions.cbegin(); it != m_captions.cend(); ++it) {
            QStringList shown = it->mid(0, kMostCaptionsPerDay);
            if (it->size() > kMostCaptionsPerDay)
                shown << QStringLiteral("…и ещё %1").arg(it->size() - kMostCaptionsPerDay);
            m_read.days.insert(it.key(), shown.join(QLatin1Char('\n')));
        }
        return m_read;
    }

private:
    void add(const QDate &day, const QString &caption)
    {
        if (day < m_span.first || day > m_span.last)
            return;
        QStringList &captions = m_captions[day];
        if (!captions.contains(caption))
            captions << caption;
    }

    EventSpan m_span;
    QMap<QDate, QStringList> m_captions;
    SubscriptionDays m_read;
};

} // namespace

SubscriptionDays subscriptionDays(const QByteArray &text, int year, const QString &name)
{
    YearMarks marks(year);
    const ICalendarScan scan = scanICalendar(iCalendarUtf8(text, name), marks);
    if (!scan.sawCalendar)
        throw DayrailError(QStringLiteral("По адресу \"%1\" нет календаря iCalendar.").arg(name));
    return marks.take();
}

QString subscriptionSummary(const SubscriptionDays &read)
{
    QString text = QStringLiteral("событий: %1").arg(read.events);
    if (read.notRead > 0)
        text += QStringLiteral(" (ещё %1 не прочитано: программа читает не больше %2 событий)")
                    .arg(read.notRead)
                    .arg(kMostICalendarEvents);
    return text;
}
