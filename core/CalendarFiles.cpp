// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarFiles.h"

#include "Convert.h"
#include "Errors.h"
#include "TextFile.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>

namespace {

// Where a message points: «в строке 3 файла "…"».
QString lineText(int number, const QString &path)
{
    return QStringLiteral("в строке %1 файла \"%2\"").arg(number).arg(quotePathForMessage(path));
}

// A file's name, whichever separator its path was written with: a settings
// file may come from a system that writes "\\".
QStringList candidateNames(const QString &path)
{
    QStringList names;
    for (QChar separator : {QLatin1Char('/'), QLatin1Char('\\')}) {
        const QString name = path.mid(path.lastIndexOf(separator) + 1);
        if (!name.isEmpty() && !name.contains(QLatin1Char('/')) && !names.contains(name))
            names << name;
    }
    return names;
}

// A path that no longer exists, of a file that is in programDir now (the
// program's folder was moved or copied): the file there. Otherwise path.
QString relocated(const QString &path, const QString &programDir)
{
    if (path.isEmpty() || QFileInfo::exists(path))
        return path;
    for (const QString &name : candidateNames(path)) {
        const QString moved = programDir + name;
        if (fileExists(moved))
            return moved;
    }
    return path;
}

void noteUnclean(StartupFiles &files, const QString &path)
{
    if (!files.uncleanFiles.contains(path))
        files.uncleanFiles << path;
}

void appendDaysAndEntries(QStringList &lines, const MonthDays &days, const QStringList &entries)
{
    for (int day : days)
        lines << QString::number(day);
    lines << QString::number(entries.size());
    lines << entries;
}

// Notes the first damaged line only: one message box is enough.
void noteProblem(StartupFiles &files, const QString &text)
{
    if (files.problem.isEmpty())
        files.problem = text;
}

// The profile's lines, or nothing when there is no profile to read: then
// the days and the count are those of an empty profile.
std::optional<TextFileContent> openProfileAtStartup(StartupFiles &files, const QString &path)
{
    TextFileContent content;
    try {
        if (!QFileInfo::exists(path))
            throw FileError(QStringLiteral("Профиль \"%1\" не найден. Дни и список праздников "
                                           "начнутся с пустого профиля; он будет записан при "
                                           "закрытии программы.")
                                .arg(quotePathForMessage(path)));
        content = readTextFileContent(path, 13 + kHolidayPositions);
    } catch (const FileError &e) {
        // There but unreadable: never written over unkept (a pipe or a
        // folder holds nothing to keep).
        noteProblem(files, e.text());
        if (fileExists(path))
            noteUnclean(files, path);
        for (int i = 0; i < 12; ++i)
            files.settingsLines[i] = QStringLiteral("1");
        files.settingsLines[12] = QStringLiteral("0");
        return std::nullopt;
    }
    if (!content.clean()) {
        noteProblem(files, content.flaw);
        noteUnclean(files, path);
    }
    return content;
}

// Returns what is wrong with the holiday count, noted by the caller after
// the days so that the message names the first bad line.
QString readProfileAtStartup(StartupFiles &files, const QString &path)
{
    const std::optional<TextFileContent> opened = openProfileAtStartup(files, path);
    if (!opened)
        return QString();
    const QStringList &lines = opened->lines;
    const bool linesAfter = opened->linesAfter;
    for (int i = 0; i < 13; ++i)
        files.settingsLines[i] = i < lines.size() ? lines.at(i) : QString();

    const QString countText = files.settingsLines[12];
    const int available = qMax(0, int(lines.size()) - 13);
    const std::optional<int> declared = tryWholeNumber(countText);
    int count = 0;
    QString problem;
    if (!declared) {
        // Not a whole number: keep every following line as an entry.
        count = available;
        problem = QStringLiteral("Неверное число праздников %1: \"%2\". "
                                 "Все следующие строки прочитаны как праздники.")
                      .arg(lineText(13, path), quoteForMessage(countText));
    } else if (*declared > 0) {
        count = qMin(*declared, available);
        if (*declared > kHolidayPositions)
            problem = QStringLiteral("В профиле \"%1\" больше %2 праздников; прочитаны первые %2.")
                          .arg(quotePathForMessage(path))
                          .arg(kHolidayPositions);
        else if (count < *declared)
            problem = QStringLiteral("Профиль \"%1\" обрывается: прочитано %2 праздников из %3.")
                          .arg(quotePathForMessage(path))
                          .arg(count)
                          .arg(*declared);
    }
    files.holidayLines = lines.mid(13, count);
    // Entries after the declared count would be dropped by the next save.
    if (problem.isEmpty() && (lines.size() > 13 + count || linesAfter))
        problem = QStringLiteral("Профиль \"%1\" содержит строки после %2-го праздника, которые "
                                 "программа не читает.")
                      .arg(quotePathForMessage(path))
                      .arg(count);
    // The settings window fills its list from this count.
    if (!declared || count != qMax(*declared, 0))
        files.settingsLines[12] = QString::number(count);
    if (!problem.isEmpty())
        noteUnclean(files, path);
    return problem;
}

int decodeFlag(StartupFiles &files, int position, const QString &path)
{
    const QString text = files.position(position);
    const std::optional<int> value = tryWholeNumber(text);
    // The save writes 0 or 1: anything else would change without a trace.
    if (!value || (*value != 0 && *value != 1)) {
        noteProblem(files, QStringLiteral("Неверное значение %1: \"%2\"")
                               .arg(lineText(position, path), quoteForMessage(text)));
        noteUnclean(files, path);
    }
    return value.value_or(0);
}

std::optional<StoredColour> decodeColour(StartupFiles &files, int position, const QString &path)
{
    const QString text = files.position(position);
    const std::optional<int> colour = tryWholeNumber(text);
    if (!colour) {
        noteProblem(files, QStringLiteral("Неверный цвет %1: \"%2\"")
                               .arg(lineText(position, path), quoteForMessage(text)));
        noteUnclean(files, path);
        return std::nullopt;
    }
    if (!isAcceptedColour(*colour))
        return std::nullopt; // a colour the program does not offer is ignored
    return *colour;
}

// The background switches are written as these words only.
void checkWord(StartupFiles &files, int position, const QString &path, const QStringList &words)
{
    const QString text = files.position(position);
    if (words.contains(text))
        return;
    noteProblem(files, QStringLiteral("Неверное значение %1: \"%2\"")
                           .arg(lineText(position, path), quoteForMessage(text)));
    noteUnclean(files, path);
}

// Tells the user which files will be kept before they are first written over.
void noteBackups(StartupFiles &files)
{
    for (const QString &path : std::as_const(files.uncleanFiles))
        files.problem += backupNote(path);
}

} // namespace

QString backupNote(const QString &path)
{
    return QStringLiteral("\n\nПрежнее содержимое файла \"%1\" будет сохранено в \"%2\" перед "
                          "первой записью поверх него.")
        .arg(quotePathForMessage(path), quotePathForMessage(BackupKeeper::backupPath(path)));
}

int fitDayToMonth(int day, int year, int month)
{
    const int last = QDate(year, month, 1).daysInMonth();
    return qBound(1, day, last);
}

QStringList profileLines(const ProfileContent &profile)
{
    QStringList lines;
    appendDaysAndEntries(lines, profile.days, profile.entries);
    return lines;
}

void writeProfile(const QString &path, const ProfileContent &profile)
{
    writeTextFile(path, profileLines(profile));
}

ProfileContent readProfile(const QString &path)
{
    BackupKeeper unused;
    return readProfile(path, unused);
}

ProfileContent readProfile(const QString &path, BackupKeeper &backups)
{
    const TextFileContent content = readTextFileContent(path, 13 + kHolidayPositions);
    const QStringList &lines = content.lines;
    ProfileContent profile;
    auto number = [&](int index) {
        const QString text = index < lines.size() ? lines.at(index) : QString();
        try {
            return wholeNumber(text);
        } catch (const ConvertError &) {
            throw ConvertError(QStringLiteral("\"%1\" %2 не является целым числом")
                                   .arg(quoteForMessage(text), lineText(index + 1, path)));
        }
    };
    for (int k = 0; k < 12; ++k)
        profile.days[k] = number(k);
    bool whole = content.clean() && !content.linesAfter;
    if (lines.size() > 12) {
        const int count = number(12);
        // Entries past the count would be dropped by the next save.
        whole = whole && lines.size() <= 13 + qMax(count, 0);
        if (count > kHolidayPositions)
            throw ConvertError(QStringLiteral("В профиле \"%1\" больше %2 праздников")
                                   .arg(quotePathForMessage(path))
                                   .arg(kHolidayPositions));
        if (count > 0)
            profile.entries = lines.mid(13, count);
    }
    if (!whole)
        backups.markUnclean(path);
    return profile;
}

QStringList settingsFileLines(const SettingsContent &s)
{
    QStringList lines;
    for (int day : s.days)
        lines << QString::number(day);
    lines << s.year;
    lines << QString::number(s.showTips ? 1 : 0);
    lines << QString::number(s.showSplash ? 1 : 0);
    lines << s.picturePath;
    lines << QString::number(s.background);
    lines << (s.colourBackground ? QStringLiteral("True") : QString());
    lines << (s.colourBackground ? QStringLiteral("TRUE") : QStringLiteral("FALSE"));
    lines << QString::number(s.captionColour);
    lines << s.profilePath;
    return lines;
}

void writeSettings(const QString &path, const SettingsContent &settings)
{
    writeTextFile(path, settingsFileLines(settings));
}

namespace {

// First start: colour background in sky blue, black captions, both switches
// on, and a profile beside the program for the first close.
void fillFirstStart(StartupFiles &files, const QString &programDir)
{
    files.days.fill(1);
    files.showTips = 1;
    files.showSplash = 1;
    files.background = colours::skyBlue;
    files.captionColour = colours::black;
    files.settingsLines[12] = QStringLiteral("0");
    files.settingsLines[16] = QString::number(colours::skyBlue);
    files.settingsLines[17] = QStringLiteral("True");
    files.settingsLines[18] = QStringLiteral("TRUE");
    files.settingsLines[19] = QString::number(colours::black);
    files.settingsLines[20] = programDir + QStringLiteral("default.cpr");
}

// A folder this program keeps its files in.
bool isProgramFolder(const QString &folder)
{
    return fileExists(QDir(folder).filePath(QStringLiteral("cnfg.cal")));
}

// A copied program folder still names the original's profile: its own copy
// of that profile is the one to use, so that two folders never edit one file.
// A profile kept in another program's folder without a copy here stays in
// use, and the user is told which file it is.
QString ownProfile(StartupFiles &files, const QString &path, const QString &programDir)
{
    const QFileInfo stored(path);
    const QString folder = stored.absolutePath();
    if (!stored.exists() || QFileInfo(folder) == QFileInfo(programDir) || !isProgramFolder(folder))
        return path;
    const QString here = programDir + stored.fileName();
    if (fileExists(here))
        return here;
    files.notice = QStringLiteral("Активный профиль — файл \"%1\" в папке другой копии "
                                  "программы. Чтобы хранить его в своей папке, нажмите "
                                  "\"Сохранить изменения\" на странице профилей.")
                       .arg(quotePathForMessage(path));
    return path;
}

void readSettingsAtStartup(StartupFiles &files, const QString &path, const QString &programDir)
{
    const TextFileContent settings = readTextFileContent(path, kSettingsPositions);
    if (!settings.clean()) {
        noteProblem(files, settings.flaw);
        noteUnclean(files, path);
    }
    for (int i = 0; i < settings.lines.size(); ++i)
        files.settingsLines[i] = settings.lines.at(i);
    // The save writes its own lines only.
    if (settings.lines.size() > kSettingsLineCount) {
        noteProblem(files, QStringLiteral("Файл \"%1\" содержит строки после %2-й, которые "
                                          "программа не читает.")
                               .arg(quotePathForMessage(path))
                               .arg(kSettingsLineCount));
        noteUnclean(files, path);
    }
    // Without a profile path nothing could be saved at close: take the
    // first start's profile instead.
    if (files.settingsLines[20].isEmpty())
        files.settingsLines[20] = programDir + QStringLiteral("default.cpr");
    else if (!canBePath(files.settingsLines[20])) {
        noteProblem(files, QStringLiteral("Нет пути к профилю %1: \"%2\". Будет использован "
                                          "профиль \"default.cpr\" в папке программы.")
                               .arg(lineText(21, path), quoteForMessage(files.settingsLines[20])));
        noteUnclean(files, path);
        files.settingsLines[20] = programDir + QStringLiteral("default.cpr");
    }
    files.settingsLines[20] =
        ownProfile(files, relocated(files.settingsLines[20], programDir), programDir);
    files.settingsLines[15] = relocated(files.settingsLines[15], programDir);
}

void decodeDays(StartupFiles &files, const QString &profilePath, int year)
{
    for (int k = 1; k <= 12; ++k) {
        const QString text = files.position(k);
        const int day = tryWholeNumber(text).value_or(0);
        if (day < 1 || day > 31) {
            noteProblem(files, QStringLiteral("Неверный день %1: \"%2\"")
                                   .arg(lineText(k, profilePath), quoteForMessage(text)));
            noteUnclean(files, profilePath);
            files.days[k - 1] = 1;
        } else {
            files.days[k - 1] = fitDayToMonth(day, year, k);
        }
    }
}

} // namespace

StartupFiles readStartupFiles(const QString &programDir, int year)
{
    StartupFiles files;
    files.settingsLines = QStringList();
    for (int i = 0; i < kSettingsPositions; ++i)
        files.settingsLines << QString();
    const QString path = programDir + QStringLiteral("cnfg.cal");
    files.settingsFound = fileExists(path);
    if (!QFileInfo::exists(path)) {
        fillFirstStart(files, programDir);
        return files;
    }
    try {
        if (!files.settingsFound)
            throw FileError(QStringLiteral("Не удаётся прочитать файл \"%1\": это не обычный "
                                           "файл")
                                .arg(quotePathForMessage(path)));
        readSettingsAtStartup(files, path, programDir);
    } catch (const FileError &e) {
        // There but unreadable (no permission, a folder): the defaults,
        // and the file is not written over without a question.
        files.settingsFound = false;
        fillFirstStart(files, programDir);
        files.problem = e.text() + QStringLiteral("\n\nПрограмма запущена со стандартными "
                                                  "установками.");
        files.unreadableFiles << path;
        return files;
    }
    const QString profilePath = files.position(21);
    const QString countProblem = readProfileAtStartup(files, profilePath);
    decodeDays(files, profilePath, year);
    if (!countProblem.isEmpty())
        noteProblem(files, countProblem);
    files.showTips = decodeFlag(files, 14, path);
    files.showSplash = decodeFlag(files, 15, path);
    files.background = decodeColour(files, 17, path);
    files.captionColour = decodeColour(files, 20, path);
    checkWord(files, 18, path, {QStringLiteral("True"), QString()});
    checkWord(files, 19, path, {QStringLiteral("TRUE"), QStringLiteral("FALSE")});
    noteBackups(files);
    return files;
}

QString programFolderProblem(const QString &programDir)
{
    if (fitsIn1251(programDir) && !hasControlCharacters(programDir))
        return QString();
    return QStringLiteral("Путь к папке программы \"%1\" содержит знаки, которые нельзя записать в "
                          "файл настроек. Перенесите программу в папку, путь к которой состоит "
                          "из русских и латинских букв, цифр и обычных знаков.")
        .arg(quotePathForMessage(programDir));
}
