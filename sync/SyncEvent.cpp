// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/SyncEvent.h"

#include "core/ICalendarEvents.h"

#include <QCryptographicHash>
#include <QList>
#include <algorithm>
#include <libical/ical.h>
#include <memory>

namespace {

using Component = std::unique_ptr<icalcomponent, decltype(&icalcomponent_free)>;

Component parse(const QByteArray &ics)
{
    return Component(ics.isEmpty() ? nullptr : icalparser_parse_string(ics.constData()),
                     icalcomponent_free);
}

QByteArray textOf(icalcomponent *component)
{
    char *text = icalcomponent_as_ical_string_r(component);
    QByteArray result(text);
    icalmemory_free_buffer(text);
    return result;
}

QDateTime utcOf(icalproperty *property)
{
    if (!property)
        return {};
    icaltimetype t = icalvalue_get_datetime(icalproperty_get_value(property));
    if (icaltime_is_null_time(t))
        return {};
    t = icaltime_convert_to_zone(t, icaltimezone_get_utc_timezone());
    return QDateTime(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second), Qt::UTC);
}

} // namespace

QByteArray eventUid(const QByteArray &ics)
{
    Component root = parse(ics);
    for (icalcomponent *event : eventsOf(root.get())) {
        if (const char *uid = icalcomponent_get_uid(event))
            return QByteArray(uid);
    }
    return {};
}

QDateTime eventChangeTime(const QByteArray &ics)
{
    Component root = parse(ics);
    QDateTime latest;
    for (icalcomponent *event : eventsOf(root.get())) {
        QDateTime t = utcOf(icalcomponent_get_first_property(event, ICAL_LASTMODIFIED_PROPERTY));
        if (!t.isValid())
            t = utcOf(icalcomponent_get_first_property(event, ICAL_DTSTAMP_PROPERTY));
        if (t.isValid() && (!latest.isValid() || t > latest))
            latest = t;
    }
    return latest;
}

bool sameEvent(const QByteArray &a, const QByteArray &b)
{
    if (a == b)
        return true;
    // Written back by libical, folding and escapes come out alike; the
    // order of lines and the producer are the writer's business.
    const auto lines = [](const QByteArray &ics) {
        Component root = parse(ics);
        QList<QByteArray> result;
        if (!root)
            return result;
        QByteArray text = textOf(root.get());
        text.replace("\r\n ", "").replace("\n ", "");
        for (const QByteArray &line : text.split('\n')) {
            const QByteArray trimmed = line.trimmed();
            if (!trimmed.isEmpty() && !trimmed.startsWith("PRODID"))
                result << trimmed;
        }
        std::sort(result.begin(), result.end());
        return result;
    };
    const QList<QByteArray> left = lines(a);
    return !left.isEmpty() && left == lines(b);
}

QByteArray eventCopy(const QByteArray &ics)
{
    Component root = parse(ics);
    const QList<icalcomponent *> events = eventsOf(root.get());
    if (events.isEmpty())
        return ics;
    const QByteArray uid = eventUid(ics) + "-copy-" + itemHash(ics).left(12);
    const QByteArray mark = QStringLiteral(" (копия)").toUtf8();
    for (icalcomponent *event : events) {
        icalcomponent_set_uid(event, uid.constData());
        const QByteArray summary(icalcomponent_get_summary(event));
        if (!summary.endsWith(mark))
            icalcomponent_set_summary(event, (summary + mark).constData());
    }
    return textOf(root.get());
}

QByteArray itemHash(const QByteArray &ics)
{
    return QCryptographicHash::hash(ics, QCryptographicHash::Sha256).toHex().left(32);
}

QByteArray withCrLf(QByteArray ics)
{
    return ics.replace("\r\n", "\n").replace('\r', '\n').replace("\n", "\r\n");
}
