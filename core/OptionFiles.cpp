// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/OptionFiles.h"

#include "base/Convert.h"
#include "base/TextFile.h"

#include <QStringList>
#include <QtGlobal>

#include <algorithm>

namespace {
const QString kTrue = QStringLiteral("TRUE");
const QString kFalse = QStringLiteral("FALSE");

bool isWord(const QString &line)
{
    return line == kTrue || line == kFalse;
}

bool isLevel(const QString &line)
{
    const std::optional<int> level = tryWholeNumber(line);
    return level && *level >= 0 && *level <= 255;
}
} // namespace

RegionalOptions readRegional(const QString &path)
{
    BackupKeeper unused;
    return readRegional(path, unused);
}

RegionalOptions readRegional(const QString &path, BackupKeeper &backups)
{
    const TextFileContent content = readTextFileContent(path, 4);
    const QStringList &lines = content.lines;
    const auto selected = [&lines](int i) { return i < lines.size() && lines.at(i) == kTrue; };
    RegionalOptions options;
    if (selected(1))
        options.firstDay = Qt::Sunday;
    else if (selected(0))
        options.firstDay = Qt::Monday;
    if (selected(3))
        options.printsBackground = false;
    else if (selected(2))
        options.printsBackground = true;
    if (!content.clean() || content.linesAfter ||
        !std::all_of(lines.cbegin(), lines.cend(), isWord))
        backups.markUnclean(path);
    return options;
}

void writeRegional(const QString &path, const RegionalOptions &options)
{
    const auto word = [](bool on) { return on ? kTrue : kFalse; };
    writeTextFile(path, {word(options.firstDay == Qt::Monday), word(options.firstDay == Qt::Sunday),
                         word(options.printsBackground == true),
                         word(options.printsBackground == false)});
}

TransparencyOptions readTransparency(const QString &path)
{
    BackupKeeper unused;
    return readTransparency(path, unused);
}

TransparencyOptions readTransparency(const QString &path, BackupKeeper &backups)
{
    TransparencyOptions options;
    if (!fileExists(path))
        return options;
    const TextFileContent content = readTextFileContent(path, 8);
    const QStringList &lines = content.lines;
    bool clean = content.clean() && !content.linesAfter;
    for (int i = 0; i < lines.size(); ++i)
        clean = clean && (i < 4 ? isWord(lines.at(i)) : isLevel(lines.at(i)));
    if (!clean)
        backups.markUnclean(path);
    for (int n = 0; n < 4; ++n) {
        // Only lines that are there count: a short file keeps the rest off.
        options.switches[n] = n < lines.size() && lines.at(n) != kFalse;
        if (n + 4 < lines.size())
            if (const std::optional<int> level = tryWholeNumber(lines.at(n + 4)))
                options.levels[n] = qBound(0, *level, 255);
    }
    return options;
}

void writeTransparency(const QString &path, const std::array<bool, 4> &switches,
                       const std::array<int, 4> &levels)
{
    QStringList lines;
    for (bool on : switches)
        lines << (on ? kTrue : kFalse);
    for (int level : levels)
        lines << QString::number(level);
    writeTextFile(path, lines);
}

int transparencyPercent(int level)
{
    // Integer rounding of level * 100 / 255; with 255 as divisor there is
    // never an exact half.
    return 100 - (level * 100 * 2 + 255) / (2 * 255);
}
