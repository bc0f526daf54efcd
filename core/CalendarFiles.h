// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings file "cnfg.cal" and the profile files "*.cpr": plain data in,
// plain data out, no widgets. Both are Windows-1251 text with CR LF.
#include "base/Colours.h"
#include "base/TextFile.h"
#include "core/ProfileFile.h"

#include <QString>
#include <QStringList>
#include <array>

constexpr int kSettingsLineCount = 21; // lines written at close

// What the close-time save writes into "cnfg.cal".
struct SettingsContent {
    MonthDays days{};
    QString year;
    bool showTips = true;
    bool showSplash = true;
    QString picturePath;
    QColor background = colours::skyBlue;
    bool colourBackground = true;
    QColor captionColour = colours::black;
    QString profilePath;
};

QStringList settingsFileLines(const SettingsContent &settings);
void writeSettings(const QString &path, const SettingsContent &settings);

// What the start-up read of "cnfg.cal" and the profile it names gives the
// program, decoded; the files' layout stays behind readStartupFiles.
struct StartupState {
    bool settingsFound = false;
    QString profilePath;
    // Days fitted to their months of the year read for, and the entries the
    // profile's count takes (at most 999).
    ProfileContent profile;
    bool showTips = true;
    bool showSplash = true;
    QString picturePath;
    bool colourBackground = true;
    // A missing colour, or one the program does not offer, reads as black.
    QColor background = colours::skyBlue;
    QColor captionColour = colours::black;
    // One text for the user when something was missing or damaged, else empty.
    QString problem;
    // Files that did not read cleanly (damaged values, another encoding, cut
    // lines): the close-time save keeps each as "<name>.bak" before it first
    // writes over it (BackupKeeper::markUnclean); problem says so.
    QStringList uncleanFiles;
    // Files that are there but could not be read at all: never written over
    // without a question (BackupKeeper::refuseOverwrite).
    QStringList unreadableFiles;
    // Something the user should know that is no damage, else empty.
    QString notice;
};

// Reads ProgramDir + "cnfg.cal" and its profile for the given year. Never
// throws for damaged content: bad lines take defaults (a bad day the 1st, a
// count that is no number every following line) and the first one is named
// in problem. A settings file that is there but cannot be read gives
// the first start's values, a problem, and is listed in unreadableFiles.
// Line ends CR LF, LF and CR read alike. A profile or background picture
// whose path no longer exists, while a file of the same name is in
// programDir (the folder was moved), is taken from there, so that the close
// saves its new path.
StartupState readStartupFiles(const QString &programDir, int year);

// Why the program cannot keep its files in programDir, else empty: its path
// must fit into line 21 of "cnfg.cal", one line of Windows-1251 text. Checked
// at start, before anything is read or written.
QString programFolderProblem(const QString &programDir);

// The start-up message's note that the file's original will be kept as
// "<name>.bak".
QString backupNote(const QString &path);

// A day fitted to its month: a day the month lacks becomes its last day.
int fitDayToMonth(int day, int year, int month);
