// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Holiday entries as iCalendar (.ics) all-day events, parsed and written with
// libical. Every entry with a date becomes one event (an entry without a year
// a yearly one); an import turns each day an event marks into an entry, and
// lists every event it leaves out or changes, with the reason.
#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>

// The name of the property that keeps an entry's own text in an exported
// event (its outer spaces and "%" percent-encoded), so that an import gives
// back the very same entry.
inline const char *const kEntryProperty = "X-DAYRAIL-ENTRY";

// An entry an export left out, or an event an import left out or changed.
struct ICalendarNote {
    QString date;    // "07.01.2026", "08.03" for every year; empty when unknown
    QString caption; // the entry or the event's caption, as much as a message quotes
    QString reason;
};

struct ICalendarExport {
    QByteArray text; // UTF-8, CR LF
    int events = 0;
    QList<ICalendarNote> leftOut;
};

// The calendar of the entries in list order: one event for every entry with
// a date in the years 1..9999, every other entry listed with its reason.
// An event's UID is its entry's identity in uids (parallel to entries), so
// that an edited entry stays the same event; one without gets a UID made
// from its text. Each event is stamped with stamp, the time the file is made.
ICalendarExport holidaysToICalendar(const QStringList &entries, const QList<QByteArray> &uids,
                                    const QDateTime &stamp);

// Writes the calendar into path, replacing the file atomically. Throws FileError.
ICalendarExport exportICalendar(const QString &path, const QStringList &entries,
                                const QList<QByteArray> &uids, const QDateTime &stamp);

// The calendar of one entry's event alone, made as the export makes it
// (UTF-8, CR LF); empty for an entry without a date.
QByteArray entryToICalendar(const QString &entry, const QByteArray &uid, const QDateTime &stamp);

// What an import may add to: the list as it is, and the list's own rules.
struct ICalendarImportRules {
    QStringList listed;
    int capacity = 0; // most entries the list holds
    // Empty when the list takes the caption (the holiday form's rule), else why not.
    std::function<QString(const QString &caption)> captionProblem;
    // Empty when a profile can keep the entry as it stands, else why not.
    std::function<QString(const QString &entry)> entryProblem;
};

// Lets another thread follow an import and stop it.
struct ICalendarProgress {
    std::atomic<int> permille{0};
    std::atomic<bool> cancelled{false};
};

struct ICalendarImport {
    QStringList entries; // the list after the import
    int added = 0;
    QList<ICalendarNote> notes; // every event left out or changed, in file order
    // Events of the file not read once the list or a limit was reached, and
    // that limit («в профиле не больше 999 записей»).
    int notRead = 0;
    QString notReadWhy;
    bool read1251 = false;  // the file was no UTF-8 and was read as Windows-1251
    bool cancelled = false; // stopped by the user: entries is the list as it was
};

// The largest file an import reads: it keeps the peak of memory within bounds.
constexpr qint64 kLargestICalendarFile = 24 * 1024 * 1024;

// The most events an import reads: the notes on every one it leaves out stay
// within bounds; the rest are only counted.
constexpr int kMostICalendarEvents = 20000;

// Imports the calendar text into the list. Throws DayrailError, naming name,
// when the text is no calendar or holds no event.
ICalendarImport holidaysFromICalendar(const QByteArray &text, const QString &name,
                                      const ICalendarImportRules &rules,
                                      ICalendarProgress *progress = nullptr);

// The same for a file. Throws FileError when it is no regular file, is too
// large or cannot be read.
ICalendarImport importICalendar(const QString &path, const ICalendarImportRules &rules,
                                ICalendarProgress *progress = nullptr);
