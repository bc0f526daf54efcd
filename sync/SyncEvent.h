// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What synchronisation needs to know of one event's text, read with libical.
#include <QByteArray>
#include <QDateTime>

// The UID of the first VEVENT, empty when the text holds no event.
QByteArray eventUid(const QByteArray &ics);

// When the event was last changed: LAST-MODIFIED, else DTSTAMP (UTC); an
// invalid time when it has neither.
QDateTime eventChangeTime(const QByteArray &ics);

// True when both texts hold the same event, whatever their line folding,
// property order or producer line.
bool sameEvent(const QByteArray &a, const QByteArray &b);

// The event kept beside the one that won a conflict: a UID of its own (the
// same for the same text, so a repeated run makes no second copy) and every
// SUMMARY marked «(копия)».
QByteArray eventCopy(const QByteArray &ics);

// The text with CR LF after every line: calendar data read out of XML comes
// with bare LF, and a server may answer either.
QByteArray withCrLf(QByteArray ics);

// A short, stable digest of an item's text, to see whether it changed.
QByteArray itemHash(const QByteArray &ics);
