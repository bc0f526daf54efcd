// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Walks an iCalendar text event by event, handing each one alone to libical:
// a long file never becomes one tree, and an event with an overlong line
// never reaches the parser (its line joining is quadratic).
#include "base/TextFile.h"

#include <QByteArray>
#include <QString>

#include <libical/ical.h>

struct ICalendarProgress;

// The longest content line handed to libical: room for the longest entry a
// profile reads back, in UTF-8 with every character escaped.
constexpr int kLongestICalendarLine = 4 * kMaxLineBytes;
// The largest event handed to libical: room for a few such lines.
constexpr int kLargestICalendarEvent = 16 * kLongestICalendarLine;

// What the scan hands its events to.
class ICalendarEventSink {
public:
    virtual ~ICalendarEventSink() = default;
    // True once the sink takes no more: the rest is only counted.
    virtual bool full() const = 0;
    // An event passed over once full.
    virtual void skipEvent() = 0;
    // An event libical read; it lives until the call returns.
    virtual void addEvent(icalcomponent *event) = 0;
    // An event libical never saw or could not read, as raw lines, with the reason.
    virtual void addRefused(const QByteArray &event, const QString &reason) = 0;
};

struct ICalendarScan {
    bool cancelled = false;   // stopped through progress
    bool sawCalendar = false; // a BEGIN:VCALENDAR was there
};

ICalendarScan scanICalendar(const QByteArray &text, ICalendarEventSink &sink,
                            ICalendarProgress *progress = nullptr);

// The text as UTF-8 without a byte-order mark: a text that is no UTF-8 is
// read as Windows-1251 (read1251 set). Throws DayrailError naming name when
// it is neither.
QByteArray iCalendarUtf8(const QByteArray &text, const QString &name, bool *read1251 = nullptr);

// The value of the first line of a raw event that starts with name, as far
// as a message quotes it.
QString rawEventValue(const QByteArray &event, const QByteArray &name);
