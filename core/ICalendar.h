// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Holiday entries as iCalendar (.ics) all-day events, read and written with
// libical. Only entries in the composed form with a date become events; an
// entry without a year is a yearly event.
#include <QByteArray>
#include <QString>
#include <QStringList>

// The calendar text (UTF-8, CR LF) of the dated entries, in list order.
// count, when given, receives the number of events written.
QByteArray holidaysToICalendar(const QStringList &entries, int *count = nullptr);

// Writes the dated entries into path, replacing the file atomically, and
// returns the number of events written. Throws FileError.
int exportICalendar(const QString &path, const QStringList &entries);

// The all-day events of a calendar as entries in the composed form, in file
// order: a plain yearly event gives an entry without a year, any other event
// the entry of its first day. Timed and cancelled events are left out.
// Throws DayrailError, naming name, when the text is no calendar or holds
// no all-day event.
QStringList holidaysFromICalendar(const QByteArray &text, const QString &name);

// The same for a file. Throws FileError when it cannot be read.
QStringList importICalendar(const QString &path);
