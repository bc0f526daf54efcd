// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "regional.cal": four Boolean words, the states of the week-start and
// print-background option buttons.
#include <QString>
#include <array>
#include <optional>

class BackupKeeper;

// Two choices, each kept in the file as a pair of lines (Monday, Sunday;
// with background, without). The file may leave a choice unmade: neither
// of its lines is "TRUE".
struct RegionalOptions {
    std::optional<Qt::DayOfWeek> firstDay; // Qt::Monday or Qt::Sunday
    std::optional<bool> printsBackground;
    bool operator==(const RegionalOptions &o) const
    {
        return firstDay == o.firstDay && printsBackground == o.printsBackground;
    }
    bool operator!=(const RegionalOptions &o) const { return !(*this == o); }
};

// A line selects its button only when it is exactly "TRUE"; missing lines
// are empty. When both lines of a pair are "TRUE", the second wins.
RegionalOptions readRegional(const QString &path);
// The same, marking the file in backups when it did not read cleanly or a
// line is no Boolean word: writing it back would lose what was there.
RegionalOptions readRegional(const QString &path, BackupKeeper &backups);
void writeRegional(const QString &path, const RegionalOptions &options);

// "transp.cal": four switches (main window, minimised view, floating clock,
// one-month view) and their four levels 0..255.
struct TransparencyOptions {
    std::array<bool, 4> switches{};
    // A level line that is missing or not a whole number gives nothing;
    // others are clamped to 0..255.
    std::array<std::optional<int>, 4> levels{};
};

// A missing or short file reads as switches off and no levels; a switch is on
// unless its line is exactly "FALSE".
TransparencyOptions readTransparency(const QString &path);
// The same, marking the file in backups when it did not read cleanly, a
// switch is no Boolean word or a level no whole number from 0 to 255.
TransparencyOptions readTransparency(const QString &path, BackupKeeper &backups);
void writeTransparency(const QString &path, const std::array<bool, 4> &switches,
                       const std::array<int, 4> &levels);
// The percentage shown for a level: 100 - round(level * 100 / 255).
int transparencyPercent(int level);
