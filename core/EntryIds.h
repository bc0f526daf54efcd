// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The identity of every holiday entry, so that a calendar elsewhere sees an
// edit as a change and not as one event gone and another come. It lives
// beside the profile, which stays as it always was: "Дом.cpr" keeps it in
// "Дом.cpr.ids". UTF-8 text, LF, one line per entry in list order:
//   dayrail-ids 1
//   4f0c…-…@dayrail<TAB>20260107T093000Z<TAB>7 января 1985г. День рождения Маши
// The identity, when the entry last changed in the program (UTC), and the
// entry's text from the second tab to the end of the line, exactly as the
// profile holds it.
#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

struct EntryId {
    QByteArray uid;
    QDateTime stamp; // UTC, whole seconds

    bool operator==(const EntryId &o) const { return uid == o.uid && stamp == o.stamp; }
    bool operator!=(const EntryId &o) const { return !(*this == o); }
};

// Parallel to a profile's entries.
using EntryIds = QList<EntryId>;

// A new identity, "<uuid>@dayrail", first stamped at stamp.
EntryId newEntryId(const QDateTime &stamp);

// True when uid can stand on a line of the ids file: not empty, no tab, no
// line break, no other control character.
bool isLineUid(const QByteArray &uid);

// An identity with the text of the entry it belongs to.
struct EntryIdLine {
    EntryId id;
    QString entry;
};

QList<EntryIdLine> entryIdLines(const QStringList &entries, const EntryIds &ids);

// The identities of entries, taken from known by exact text: each entry
// takes the first line of its text not yet taken, so that equal entries keep
// theirs in order; an entry without one gets makeId(). An identity is never
// given to an entry of another text. The lines left are added to unused.
EntryIds matchEntryIds(const QList<EntryIdLine> &known, const QStringList &entries,
                       const std::function<EntryId()> &makeId,
                       QList<EntryIdLine> *unused = nullptr);

QString entryIdsPathFor(const QString &profilePath);

QByteArray entryIdsFileText(const QStringList &entries, const EntryIds &ids);
// Throws FileError when the file cannot be written; the previous one stays whole.
void writeEntryIds(const QString &path, const QStringList &entries, const EntryIds &ids);

struct EntryIdsRead {
    QList<EntryIdLine> lines; // in the file's order
    // False when something was left out: the file is no ids file, or a line
    // is none, or repeats an identity.
    bool clean = true;
};

// Never throws.
EntryIdsRead parseEntryIds(const QByteArray &text);
// No file: no lines, clean. Throws FileError when the file is there but
// cannot be read (or is no regular file).
EntryIdsRead readEntryIds(const QString &path);
