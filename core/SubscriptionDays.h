// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The days a subscribed calendar marks in a year, read with the import's
// event code: all-day events, events with a time, repeats with or without
// an end. Nothing of it ever becomes an entry of a profile.
#include <QByteArray>
#include <QDate>
#include <QMap>
#include <QString>

struct SubscriptionDays {
    // Each marked day with the captions of its events (trimmed, repeats left
    // out, at most kMostCaptionsPerDay and a count of the rest) joined by
    // line breaks.
    QMap<QDate, QString> days;
    int events = 0;  // events read, whether they mark the year or not
    int notRead = 0; // events past kMostICalendarEvents, only counted
};

constexpr int kMostCaptionsPerDay = 8;

// Throws DayrailError naming name when the text is no calendar. A calendar
// without events marks nothing and is no error: a subscription may be empty.
SubscriptionDays subscriptionDays(const QByteArray &text, int year, const QString &name);

// What a status line says of the days read: «событий: 12», and the limit
// when the calendar holds more than the program reads.
QString subscriptionSummary(const SubscriptionDays &read);
