// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The files the program keeps in its folder: their names, the start-up read
// of the option files, the close-time save in its order, the backups of
// originals that did not read cleanly, and where the working years come
// from. Plain values in and out: the model maps them onto its state.
#include "base/TextFile.h"
#include "core/CalendarFiles.h"
#include "core/CalendarItem.h"
#include "core/EntryIds.h"
#include "core/OptionFiles.h"
#include "core/ProgramFileNames.h"
#include "core/Reminder.h"
#include "core/ViewOptions.h"
#include "core/WorkCalendarFile.h"

#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <vector>

// A start-up message for the user; an error is shown as one.
struct FileMessage {
    QString text;
    bool error = false;
};

// What the start-up read of transp.cal, regional.cal and view.cal gave.
struct OptionsRead {
    std::optional<TransparencyOptions> transparency; // none when unreadable
    std::optional<RegionalOptions> regional;         // none when missing or unreadable
    ViewOptions view;
    std::vector<FileMessage> messages;
};

// What a profile keeps beside it: the reminders, its entries' identities
// (parallel to its entries) and the events kept whole.
struct ProfileSides {
    ReminderSettings reminders;
    EntryIds ids;
    CalendarItems events;
};

// The files beside the profile at path, which go wherever it goes.
QStringList profileSidePaths(const QString &path);
// What the profile and the calendar server last agreed on ("Дом.cpr.sync").
QString syncStatePathFor(const QString &profilePath);

// Everything the close-time save writes, taken from the model.
struct SavedState {
    QString profilePath;
    ProfileContent profile;
    ProfileSides sides;
    SettingsContent settings;
    std::array<bool, 4> switches{};
    std::array<int, 4> levels{};
    RegionalOptions regional;
    ViewOptions view;
};

class ProgramFiles {
public:
    // The folder, with a trailing '/'.
    QString folder() const { return m_folder; }
    void setFolder(const QString &folder) { m_folder = folder; }
    QString path(const char *name) const { return m_folder + QLatin1String(name); }
    // True when the folder holds none of the files the program writes (its
    // four option files, any profile): the first start of a fresh copy.
    bool isFirstStart() const;

    // The start-up read of cnfg.cal and its profile (readStartupFiles), its
    // damaged files noted for a backup and its unreadable ones kept from the
    // close-time save.
    StartupState readSettingsAndProfile(int year);

    // Never throws: unreadable files give messages and the start goes on. A
    // missing regional.cal is reported unless the folder is new or holds
    // none of the program's files. Damaged lines are noted for a backup, the
    // user told once.
    OptionsRead readOptions(bool newFolder);

    // In this order: the profile, cnfg.cal, transp.cal, regional.cal,
    // view.cal. Throws FileError at the first failure; the files not yet
    // written stay as they were. A file that did not read cleanly is kept as
    // "<name>.bak" before it is first written over.
    void save(const SavedState &state);
    // Writes a profile file, keeping a damaged original first, then what it
    // keeps beside it. A profile without reminders, entries or kept events
    // gets no such side file (an old one goes), so the folder of a user who
    // never set any stays as it was.
    void writeProfileFile(const QString &path, const ProfileContent &content,
                          const ProfileSides &sides);
    // Only the reminders beside the profile at path, as writeProfileFile does.
    void writeReminderFile(const QString &profilePath, const ReminderSettings &reminders);
    // The reminders kept beside the profile at path for its entries. What
    // did not read is kept as a backup before the next save; the note for
    // the user is empty when all read cleanly.
    ReminderSettings readProfileReminders(const QString &path, const QStringList &entries,
                                          QString *note);
    // The identities and the kept events beside the profile at path: what
    // did not read cleanly is kept as a backup before the next save. An
    // identity whose entry the profile no longer has (changed elsewhere) is
    // dropped with its kept event and listed in dropped; an entry without
    // one gets makeId().
    ProfileSides readProfileIds(const QString &path, const QStringList &entries,
                                const std::function<EntryId()> &makeId,
                                QList<EntryIdLine> *dropped);

    BackupKeeper &backups() { return m_backups; }
    WorkCalendarSource &workSource() { return m_workSource; }
    const WorkCalendarSource &workSource() const { return m_workSource; }

private:
    QString m_folder;
    BackupKeeper m_backups;
    WorkCalendarSource m_workSource;
};
