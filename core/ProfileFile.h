// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The profile files "*.cpr": twelve days, the count of holiday entries, the
// entries; Windows-1251 text with CR LF. One reader names every fault it
// finds; a caller decides whether a fault refuses the file or takes a default.
#include "base/TextFile.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

constexpr int kHolidayPositions = 999; // most holiday entries a profile carries

using MonthDays = std::array<int, 12>;

// A profile in its full form: twelve days, the count, the entries.
struct ProfileContent {
    MonthDays days{};
    QStringList entries;
};

QStringList profileLines(const ProfileContent &profile);
void writeProfile(const QString &path, const ProfileContent &profile);

// Where a message points: «в строке 3 файла "…"».
QString fileLineText(int number, const QString &path);

enum class ProfileFault {
    Unclean,    // another encoding, a cut line: the reader's own flaw
    Day,        // a day line that is no day 1..31, or missing
    NoCount,    // the file ends after its days
    Count,      // the count is no whole number
    TooMany,    // the count is above kHolidayPositions
    CutShort,   // the file holds fewer entries than the count
    LinesAfter, // lines after the counted entries, which a save would drop
};

struct ProfileProblem {
    ProfileFault fault;
    QString text; // for the user
};

struct ProfileRead {
    // Each month's day as written, none where its line is no day 1..31.
    std::array<std::optional<int>, 12> days;
    // As many as the count takes and the file holds; every line after the
    // count when it is no number, the first kHolidayPositions when above.
    QStringList entries;
    // In the order of the file's lines, the reader's own flaw first.
    QList<ProfileProblem> problems;
};

// Throws FileError naming the file when it cannot be read at all.
ProfileRead readProfileFile(const QString &path);

// A profile to use whole (one switched to): throws ConvertError with the
// first fault that leaves a day or the entries unknown, or FileError when
// the file cannot be read. A file that ends after its days has no entries.
// The file is marked in backups when writing it back would lose something.
ProfileContent readProfile(const QString &path, BackupKeeper &backups);
ProfileContent readProfile(const QString &path);
