// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "agent/AgentFiles.h"

#include "base/Errors.h"
#include "base/TextFile.h"
#include "core/ProfileFile.h"
#include "core/ProgramFileNames.h"
#include "core/ReminderFile.h"
#include "core/WorkCalendarFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

namespace {

void warn(const QString &text)
{
    std::fprintf(stderr, "dayrail-remind: %s\n", text.toLocal8Bit().constData());
}

// Line 21 of cnfg.cal names the active profile. As at the program's start, a
// profile no longer where it was but in the folder (the folder was moved) is
// taken from there. Read here rather than with the program's start-up
// reader, which brings in colours and with them the GUI library.
QString activeProfile(const QString &folder)
{
    const QString settings = folder + QLatin1String(programfile::kSettings);
    if (!QFileInfo::exists(settings))
        return QString(); // the program has not run here yet
    const QStringList lines = readTextFile(settings, 21);
    const QString path = lines.value(20);
    const QString moved = folder + QFileInfo(path).fileName();
    if (!path.isEmpty() && !QFileInfo::exists(path) && QFileInfo::exists(moved))
        return moved;
    return path;
}

} // namespace

AgentFiles readAgentFiles(const QString &folder)
{
    AgentFiles files;
    files.watched << folder << folder + QLatin1String(programfile::kSettings);
    try {
        const QString profile = activeProfile(folder);
        if (!profile.isEmpty()) {
            const QString reminders = remindersPathFor(profile);
            files.watched << profile << QFileInfo(profile).absolutePath() << reminders;
            files.entries = readProfileFile(profile).entries;
            files.settings = readReminders(reminders, files.entries).settings;
        }
    } catch (const FileError &e) {
        warn(e.text());
    }
    WorkCalendarSource source;
    source.setCandidates(workCalendarFiles(folder));
    QStringList problems;
    files.years = source.years(&problems);
    for (const QString &problem : problems)
        warn(problem);
    files.watched.removeDuplicates();
    return files;
}
