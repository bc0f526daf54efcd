// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The profile files: the "*.cpr" files of the program's folder, one of them
// the active profile whose days and holiday entries the model holds. Every
// operation keeps the active path naming a file that has just been written,
// so the close-time save always has a place to go.
//
// A name the user has to change is refused with the returned message (empty
// when the operation was done). A file operation that fails throws
// FileError, a damaged profile ConvertError; the active state is left as it
// was then.
#include "core/CalendarFiles.h"

#include <QString>
#include <QStringList>
#include <functional>

class CalendarModel;

// Alphabetical order of whole texts (holiday entries, file names), ignoring
// case, under Russian collation; texts that compare equal keep their order.
void sortAlphabetically(QStringList &texts);

// Names of the profile files in folder ("*.cpr", any case), in list order.
QStringList profileFileNames(const QString &folder);

// Empty when name can be a profile's file name in the program's folder;
// otherwise the message for the user. Blank names, names that start with a
// dot (".", "..", hidden files) and paths are refused.
QString profileNameProblem(const QString &name);
// The file name for a name the user typed: ".cpr" added when it is missing.
QString profileFileName(const QString &name);

// "Создать новый профиль": the current days and entries go into the folder
// as name + ".cpr", which becomes the active profile. An existing file is
// never replaced.
QString createProfile(CalendarModel &model, const QString &name);

// "Сохранить изменения": the active profile written under its own file name
// into the program's folder, where it stays the active profile.
QString saveProfileInFolder(CalendarModel &model);
// The file in the folder that saveProfileInFolder would replace although it
// is not the active profile (the active one lies elsewhere), else empty: the
// caller asks first.
QString profileReplacedBySave(const CalendarModel &model);

// "Изменить": the profile at path takes the file name newName in the folder
// (".cpr" added when missing).
// The active profile is written there with the current state and its old
// file goes; another profile's file is only renamed, keeping its contents.
// Another existing profile is never replaced.
QString renameProfile(CalendarModel &model, const QString &path, const QString &newName);

// "Удалить профиль"; the active profile is refused. The file goes to the
// desktop's trash, where it can be restored; a desktop without one deletes
// it for good only when deleteForGood() agrees.
QString deleteProfile(const CalendarModel &model, const QString &path,
                      const std::function<bool()> &deleteForGood);

// A double click in the list: the active profile is written, then the one at
// path is read whole and becomes the active state.
void switchProfile(CalendarModel &model, const QString &path);
