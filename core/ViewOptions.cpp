// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ViewOptions.h"

#include "base/Errors.h"
#include "base/TextFile.h"

#include <QStringList>
#include <array>
#include <optional>

namespace {

const QString kTrue = QStringLiteral("TRUE");
const QString kFalse = QStringLiteral("FALSE");
constexpr int kLineCount = 4;
// Files written before the working year came have three lines.
constexpr int kOldLineCount = 3;

std::optional<bool> switchValue(const QString &line)
{
    const QString word = line.trimmed();
    if (word.compare(kTrue, Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(kFalse, Qt::CaseInsensitive) == 0)
        return false;
    return std::nullopt;
}

} // namespace

ViewOptions readViewOptions(const QString &path, bool *damaged)
{
    ViewOptions options;
    bool clean = true;
    QStringList lines;
    if (fileExists(path)) {
        try {
            // Four lines at most are its own: more would be dropped by the save.
            const TextFileContent content = readTextFileContent(path, kLineCount);
            lines = content.lines;
            clean = content.clean() && !content.linesAfter;
        } catch (const FileError &) {
            clean = false;
        }
        clean = clean && (lines.size() == kLineCount || lines.size() == kOldLineCount);
    }
    const std::array<bool *, kLineCount> targets = {&options.markToday, &options.markHolidays,
                                                    &options.weekNumbers, &options.workCalendar};
    for (int i = 0; i < lines.size(); ++i) {
        if (const std::optional<bool> on = switchValue(lines.at(i)))
            *targets[i] = *on;
        else
            clean = false;
    }
    if (damaged)
        *damaged = !clean;
    return options;
}

void writeViewOptions(const QString &path, const ViewOptions &options)
{
    QStringList lines;
    for (bool on : {options.markToday, options.markHolidays, options.weekNumbers})
        lines << (on ? kTrue : kFalse);
    if (options.workCalendar)
        lines << kTrue;
    writeTextFile(path, lines);
}
