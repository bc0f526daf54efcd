// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "agent/AgentFiles.h"

#include "base/DataLocation.h"
#include "base/Errors.h"
#include "core/CalendarFiles.h"
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

// As the program looks for them: the user's own copy first, then the
// shipped one, then the built-in data.
QStringList workCalendarFiles(const QString &folder)
{
    const QString name = QString::fromLatin1(kWorkCalendarFile);
    const QString exe = QCoreApplication::applicationDirPath();
    QStringList files{folder + name, userDataFolder() + name};
    files << dataFileCandidates(name, exe, exe, configuredInstallFolders());
    files.removeDuplicates();
    return files;
}

} // namespace

AgentFiles readAgentFiles(const QString &folder, int year)
{
    AgentFiles files;
    const StartupState startup = readStartupFiles(folder, year);
    files.entries = startup.profile.entries;
    const QString reminders = remindersPathFor(startup.profilePath);
    files.watched << folder << folder + QLatin1String(programfile::kSettings) << startup.profilePath
                  << QFileInfo(startup.profilePath).absolutePath() << reminders;
    try {
        files.settings = readReminders(reminders, files.entries).settings;
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
