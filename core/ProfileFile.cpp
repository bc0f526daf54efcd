// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ProfileFile.h"

#include "base/Convert.h"
#include "base/Errors.h"

#include <algorithm>

namespace {

constexpr int kDayLines = 12;
constexpr int kCountLine = 13;

void readDays(ProfileRead &read, const QStringList &lines, const QString &path)
{
    for (int k = 0; k < kDayLines; ++k) {
        const QString text = k < lines.size() ? lines.at(k) : QString();
        const std::optional<int> day = tryWholeNumber(text);
        if (day && *day >= 1 && *day <= 31) {
            read.days[k] = *day;
            continue;
        }
        read.problems.append(
            {ProfileFault::Day, QStringLiteral("Неверный день %1: \"%2\"")
                                    .arg(fileLineText(k + 1, path), quoteForMessage(text))});
    }
}

// The count's fault, if any, and the entries it takes.
void readEntries(ProfileRead &read, const TextFileContent &content, const QString &path)
{
    const QStringList &lines = content.lines;
    const QString countText = lines.size() >= kCountLine ? lines.at(kCountLine - 1) : QString();
    const int available = qMax(0, int(lines.size()) - kCountLine);
    const std::optional<int> declared = tryWholeNumber(countText);
    const QString file = quotePathForMessage(path);
    int count = 0;
    if (!declared) {
        const QString text = QStringLiteral("Неверное число праздников %1: \"%2\".")
                                 .arg(fileLineText(kCountLine, path), quoteForMessage(countText));
        read.problems.append(
            {lines.size() < kCountLine ? ProfileFault::NoCount : ProfileFault::Count, text});
        count = available;
    } else if (*declared > 0) {
        count = qMin(*declared, available);
        if (*declared > kHolidayPositions)
            read.problems.append(
                {ProfileFault::TooMany, QStringLiteral("В профиле \"%1\" больше %2 праздников")
                                            .arg(file)
                                            .arg(kHolidayPositions)});
        else if (count < *declared)
            read.problems.append(
                {ProfileFault::CutShort,
                 QStringLiteral("Профиль \"%1\" обрывается: прочитано %2 праздников из %3.")
                     .arg(file)
                     .arg(count)
                     .arg(*declared)});
    }
    read.entries = lines.mid(kCountLine, count);
    if (declared && (lines.size() > kCountLine + count || content.linesAfter))
        read.problems.append(
            {ProfileFault::LinesAfter, QStringLiteral("Профиль \"%1\" содержит строки после %2-го "
                                                      "праздника, которые программа не читает.")
                                           .arg(file)
                                           .arg(count)});
}

} // namespace

QString fileLineText(int number, const QString &path)
{
    return QStringLiteral("в строке %1 файла \"%2\"").arg(number).arg(quotePathForMessage(path));
}

QStringList profileLines(const ProfileContent &profile)
{
    QStringList lines;
    for (int day : profile.days)
        lines << QString::number(day);
    lines << QString::number(profile.entries.size());
    lines << profile.entries;
    return lines;
}

void writeProfile(const QString &path, const ProfileContent &profile)
{
    writeTextFile(path, profileLines(profile));
}

ProfileRead readProfileFile(const QString &path)
{
    const TextFileContent content = readTextFileContent(path, kCountLine + kHolidayPositions);
    ProfileRead read;
    if (!content.clean())
        read.problems.append({ProfileFault::Unclean, content.flaw});
    readDays(read, content.lines, path);
    readEntries(read, content, path);
    return read;
}

ProfileContent readProfile(const QString &path, BackupKeeper &backups)
{
    const ProfileRead read = readProfileFile(path);
    bool keep = false;
    for (const ProfileProblem &problem : read.problems) {
        switch (problem.fault) {
        case ProfileFault::Day:
        case ProfileFault::Count:
        case ProfileFault::TooMany: throw ConvertError(problem.text);
        case ProfileFault::Unclean:
        case ProfileFault::LinesAfter: keep = true; break;
        case ProfileFault::NoCount:
        case ProfileFault::CutShort: break;
        }
    }
    if (keep)
        backups.markUnclean(path);
    ProfileContent profile;
    for (int k = 0; k < kDayLines; ++k)
        profile.days[k] = *read.days[k];
    profile.entries = read.entries;
    return profile;
}

ProfileContent readProfile(const QString &path)
{
    BackupKeeper unused;
    return readProfile(path, unused);
}
