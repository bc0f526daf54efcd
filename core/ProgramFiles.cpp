// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ProgramFiles.h"

#include "base/Errors.h"
#include "core/EventStore.h"
#include "core/ReminderFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

bool ProgramFiles::isFirstStart() const
{
    using namespace programfile;
    for (const char *name : {kSettings, kTransparency, kRegional, kView})
        if (QFileInfo::exists(path(name)))
            return false;
    QDir dir(m_folder);
    dir.setNameFilters({QStringLiteral("*.cpr")});
    dir.setFilter(QDir::Files | QDir::Hidden);
    return dir.isEmpty();
}

StartupState ProgramFiles::readSettingsAndProfile(int year)
{
    const StartupState files = readStartupFiles(m_folder, year);
    for (const QString &unclean : files.uncleanFiles)
        m_backups.markUnclean(unclean);
    for (const QString &unreadable : files.unreadableFiles)
        m_backups.refuseOverwrite(
            unreadable,
            QStringLiteral("Файл \"%1\" не удалось прочитать при запуске программы. Чтобы "
                           "не потерять его содержимое, программа не записывает поверх него.")
                .arg(unreadable));
    return files;
}

OptionsRead ProgramFiles::readOptions(bool newFolder)
{
    using namespace programfile;
    OptionsRead read;
    // An unreadable "transp.cal" is reported and the start goes on.
    try {
        read.transparency = readTransparency(path(kTransparency), m_backups);
    } catch (const DayrailError &e) {
        read.messages.push_back({e.text(), true});
    }
    const QString regionalPath = path(kRegional);
    try {
        if (fileExists(regionalPath))
            read.regional = readRegional(regionalPath, m_backups);
        else if (!newFolder && !isFirstStart()) // nothing to miss yet
            read.messages.push_back({QStringLiteral("Файл \"regional.cal\" не найден. Будут "
                                                    "загружены стандартные установки"),
                                     false});
    } catch (const DayrailError &e) {
        read.messages.push_back({e.text(), true});
    }
    // A missing or damaged "view.cal" gives the defaults without a word.
    const QString viewPath = path(kView);
    bool damaged = false;
    read.view = readViewOptions(viewPath, &damaged);
    if (damaged)
        m_backups.markUnclean(viewPath);
    // Damage in these files is kept as ".bak", and the user is told once.
    QString kept;
    for (const char *name : {kTransparency, kRegional, kView})
        if (m_backups.isMarked(path(name)))
            kept += backupNote(path(name));
    if (!kept.isEmpty())
        read.messages.push_back({QStringLiteral("Некоторые строки файлов настроек программа не "
                                                "читает или не понимает: при закрытии они были "
                                                "бы потеряны.") +
                                     kept,
                                 false});
    return read;
}

namespace {

// Writes a side file, or removes it when it would say nothing.
void writeSide(BackupKeeper &backups, const QString &side, bool none,
               const std::function<void(const QString &)> &write)
{
    if (none && !QFileInfo::exists(side))
        return;
    backups.beforeOverwrite(side);
    if (!none)
        write(side);
    else if (!QFile::remove(side))
        throw FileError(QStringLiteral("Не удаётся удалить файл \"%1\"").arg(side));
}

} // namespace

QStringList profileSidePaths(const QString &path)
{
    return {remindersPathFor(path), entryIdsPathFor(path), storedEventsPathFor(path),
            syncStatePathFor(path)};
}

QString syncStatePathFor(const QString &profilePath)
{
    return profilePath + QStringLiteral(".sync");
}

void ProgramFiles::writeProfileFile(const QString &path, const ProfileContent &content,
                                    const ProfileSides &sides)
{
    m_backups.beforeOverwrite(path);
    writeProfile(path, content);
    writeReminderFile(path, sides.reminders);
    writeSide(m_backups, entryIdsPathFor(path), content.entries.isEmpty(),
              [&](const QString &side) { writeEntryIds(side, content.entries, sides.ids); });
    writeSide(m_backups, storedEventsPathFor(path), sides.events.isEmpty(),
              [&](const QString &side) { writeStoredEvents(side, sides.events); });
}

void ProgramFiles::writeReminderFile(const QString &profilePath, const ReminderSettings &reminders)
{
    writeSide(m_backups, remindersPathFor(profilePath), reminders == ReminderSettings{},
              [&](const QString &side) { writeReminders(side, reminders); });
}

ProfileSides ProgramFiles::readProfileIds(const QString &path, const QStringList &entries,
                                          const std::function<EntryId()> &makeId,
                                          QList<EntryIdLine> *dropped)
{
    // A side file that cannot be read is not written over: what it holds
    // would be gone for good.
    const auto read = [this](const QString &side, const auto &reader) {
        try {
            auto content = reader(side);
            if (!content.clean)
                m_backups.markUnclean(side);
            return content;
        } catch (const DayrailError &e) {
            m_backups.refuseOverwrite(side, e.text());
            return decltype(reader(side)){};
        }
    };
    const EntryIdsRead ids = read(entryIdsPathFor(path), readEntryIds);
    const StoredEventsRead events = read(storedEventsPathFor(path), readStoredEvents);
    QList<EntryIdLine> unused;
    ProfileSides sides;
    sides.ids = matchEntryIds(ids.lines, entries, makeId, &unused);
    // A kept event under an identity the file gave an entry stood behind
    // that entry: it goes with it.
    QSet<QByteArray> gone;
    for (const EntryIdLine &line : unused)
        gone.insert(line.id.uid);
    for (const CalendarItem &event : events.events)
        if (!gone.contains(event.uid))
            sides.events << event;
    if (dropped)
        *dropped += unused;
    return sides;
}

ReminderSettings ProgramFiles::readProfileReminders(const QString &path, const QStringList &entries,
                                                    QString *note)
{
    const QString side = remindersPathFor(path);
    RemindersRead read;
    try {
        read = readReminders(side, entries);
    } catch (const DayrailError &e) {
        m_backups.refuseOverwrite(side, e.text());
        if (note)
            *note = e.text();
        return {};
    }
    if (read.problems.isEmpty())
        return read.settings;
    m_backups.markUnclean(side);
    if (note) {
        QStringList lines;
        for (const ReminderProblem &problem : read.problems)
            lines << problem.text;
        *note = lines.join(QLatin1Char('\n')) + backupNote(side);
    }
    return read.settings;
}

void ProgramFiles::save(const SavedState &state)
{
    using namespace programfile;
    writeProfileFile(state.profilePath, state.profile, state.sides);
    const auto write = [this](const char *name, const auto &writer) {
        const QString target = path(name);
        m_backups.beforeOverwrite(target);
        writer(target);
    };
    write(kSettings, [&](const QString &p) { writeSettings(p, state.settings); });
    write(kTransparency,
          [&](const QString &p) { writeTransparency(p, state.switches, state.levels); });
    write(kRegional, [&](const QString &p) { writeRegional(p, state.regional); });
    write(kView, [&](const QString &p) { writeViewOptions(p, state.view); });
}
