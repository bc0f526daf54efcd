// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ProfileStore.h"

#include "base/Errors.h"
#include "base/Paths.h"
#include "base/SingleInstance.h"
#include "base/TextFile.h"
#include "core/CalendarModel.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>

namespace {

bool sameFile(const QString &a, const QString &b)
{
    return QFileInfo(a) == QFileInfo(b);
}

// Written first: a name the file system refuses leaves the previous profile
// active, so the close-time save always has a file to write.
QString writeProfileAs(CalendarModel &model, const QString &fileName)
{
    const QString problem = profileNameProblem(fileName);
    if (!problem.isEmpty())
        return problem;
    const QString path = model.folder() + fileName;
    model.writeProfileFile(path, model.profile());
    model.setProfilePath(path);
    return {};
}

bool removeIfThere(const QString &path)
{
    return !QFileInfo::exists(path) || QFile::remove(path);
}

// The profile's file and those beside it.
bool removeProfileFiles(const QString &path)
{
    if (!QFile::remove(path))
        return false;
    bool removed = true;
    for (const QString &side : profileSidePaths(path))
        removed = removeIfThere(side) && removed;
    return removed;
}

} // namespace

void sortAlphabetically(QStringList &texts)
{
    QCollator collator{QLocale(QLocale::Russian, QLocale::Russia)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(false);
    collator.setIgnorePunctuation(false);
    std::stable_sort(texts.begin(), texts.end(), [&](const QString &a, const QString &b) {
        return collator.compare(a, b) < 0;
    });
}

QStringList profileFileNames(const QString &folder)
{
    QDir dir(folder);
    dir.setNameFilters({QStringLiteral("*.cpr")});
    // ".cpr" (a profile created with an empty name) is a hidden file here.
    // The mask matches in any case, as profiles copied from elsewhere may be
    // named "*.CPR".
    dir.setFilter(QDir::Files | QDir::Hidden);
    QStringList names = dir.entryList();
    sortAlphabetically(names);
    return names;
}

QString profileFileName(const QString &name)
{
    return name.endsWith(QStringLiteral(".cpr"), Qt::CaseInsensitive)
               ? name
               : name + QStringLiteral(".cpr");
}

QString profileNameProblem(const QString &name)
{
    // The folder itself is no profile file; a blank name makes a file the
    // list cannot show apart from others, a leading dot a hidden one.
    const QString base =
        name.endsWith(QStringLiteral(".cpr"), Qt::CaseInsensitive) ? name.chopped(4) : name;
    if (base.trimmed().isEmpty())
        return QStringLiteral("Введите имя профиля.");
    // The path is one line of "cnfg.cal": a line break would split it.
    if (name.contains(QLatin1Char('\n')) || name.contains(QLatin1Char('\r')))
        return QStringLiteral("Имя профиля должно умещаться в одну строку: уберите из него "
                              "переводы строк.");
    // Invisible in the list and the caption, and unsafe in a file name.
    if (hasControlCharacters(name))
        return QStringLiteral("Имя профиля содержит управляющие знаки (например, табуляцию). "
                              "Введите имя из букв, цифр и обычных знаков.");
    if (name.contains(QLatin1Char('/')))
        return QStringLiteral("Имя профиля «%1» содержит знак \"/\". Профиль — это файл в папке "
                              "программы, а не путь: введите имя без \"/\".")
            .arg(name);
    if (base.startsWith(QLatin1Char('.')))
        return QStringLiteral("Имя профиля не может начинаться с точки: такой файл будет скрыт. "
                              "Введите другое имя.");
    if (name.toUtf8().size() > kMaxNameBytes)
        return QStringLiteral("Имя профиля слишком длинное для имени файла. Введите имя короче.");
    if (!fitsIn1251(name))
        return QStringLiteral("Имя профиля «%1» содержит знаки, которые нельзя сохранить в "
                              "настройках. Используйте русские и латинские буквы и цифры.")
            .arg(name);
    return {};
}

QString createProfile(CalendarModel &model, const QString &name)
{
    const QString fileName = name + QStringLiteral(".cpr");
    const QString problem = profileNameProblem(fileName);
    if (!problem.isEmpty())
        return problem;
    // A new profile never takes the place of one the user keeps.
    const QString path = model.folder() + fileName;
    if (QFileInfo::exists(path))
        throw FileError(
            QStringLiteral("Не удаётся создать профиль: файл \"%1\" уже существует").arg(path));
    return writeProfileAs(model, fileName);
}

QString saveProfileInFolder(CalendarModel &model)
{
    return writeProfileAs(model, fileNameOf(model.profilePath()));
}

QString profileReplacedBySave(const CalendarModel &model)
{
    const QString target = model.folder() + fileNameOf(model.profilePath());
    return QFileInfo::exists(target) && !sameFile(target, model.profilePath()) ? target : QString();
}

QString renameProfile(CalendarModel &model, const QString &path, const QString &name)
{
    // Without its ending the file would drop out of the list.
    const QString newName = profileFileName(name);
    const QString problem = profileNameProblem(newName);
    if (!problem.isEmpty())
        return problem;
    const QString target = model.folder() + newName;
    // A rename never replaces another profile's days and holidays.
    if (QFileInfo::exists(target) && !sameFile(target, path))
        throw FileError(
            QStringLiteral("Не удаётся переименовать профиль: файл \"%1\" уже существует")
                .arg(target));
    if (sameFile(path, model.profilePath())) {
        // The active profile: written under the new name with the current
        // state, then the old file goes.
        writeProfileAs(model, newName);
        if (!sameFile(path, model.profilePath()) && !removeProfileFiles(path))
            throw FileError(QStringLiteral("Не удаётся удалить файл \"%1\"").arg(path));
    } else if (target != path) {
        // Another profile keeps its own days and holidays: only its files are renamed.
        bool renamed = QFile::rename(path, target);
        const QStringList sides = profileSidePaths(path), targets = profileSidePaths(target);
        for (qsizetype i = 0; renamed && i < sides.size(); ++i)
            renamed = !QFileInfo::exists(sides.at(i)) || QFile::rename(sides.at(i), targets.at(i));
        if (!renamed)
            throw FileError(QStringLiteral("Не удаётся переименовать файл \"%1\"").arg(path));
    }
    return {};
}

QString deleteProfile(const CalendarModel &model, const QString &path,
                      const std::function<bool()> &deleteForGood)
{
    const QString active = model.profilePath();
    if (fileNameOf(path) == fileNameOf(active) || sameFile(path, active))
        return QStringLiteral("Нельзя удалять активные профили");
    // What is kept beside it goes with the profile, to the trash or for good.
    if (QFile::moveToTrash(path)) {
        for (const QString &side : profileSidePaths(path))
            if (QFileInfo::exists(side))
                QFile::moveToTrash(side);
        return {};
    }
    if (!deleteForGood())
        return {};
    if (!removeProfileFiles(path))
        throw FileError(QStringLiteral("Не удаётся удалить файл \"%1\"").arg(path));
    return {};
}

void switchProfile(CalendarModel &model, const QString &path)
{
    if (!sameFile(path, model.profilePath()) && ProfileLock::isHeld(path))
        throw FileError(QStringLiteral("Профиль \"%1\" открыт другой копией программы: две копии "
                                       "не должны записывать один профиль.")
                            .arg(path));
    // Read before anything changes: a damaged profile leaves all as it was.
    ProfileContent next = readProfile(path, model.backups());
    const ProfileContent current = model.profile();
    model.writeProfileFile(model.profilePath(), current);
    if (sameFile(path, model.profilePath()))
        next = current;
    model.setProfilePath(path);
    model.applyProfile(next);
    model.loadReminders();
    model.loadEntryIds();
}
