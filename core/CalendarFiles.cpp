// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CalendarFiles.h"

#include "base/Convert.h"
#include "base/Errors.h"
#include "base/TextFile.h"
#include "core/ProgramFileNames.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <optional>

namespace {

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

// The raw lines of a start-up read, positions 1..40: 14-21 are the settings
// file's own, the rest only counted (the days come from the profile).
constexpr int kSettingsPositions = 40;

struct StartupRead {
    StartupState state;
    QStringList lines = QStringList(kSettingsPositions);

    const QString &position(int i) const { return lines.at(i - 1); }
    void setPosition(int i, const QString &text) { lines[i - 1] = text; }
};

void noteUnclean(StartupRead &read, const QString &path)
{
    if (!read.state.uncleanFiles.contains(path))
        read.state.uncleanFiles << path;
}

// Notes the first damaged line only: one message box is enough.
void noteProblem(StartupRead &read, const QString &text)
{
    if (read.state.problem.isEmpty())
        read.state.problem = text;
}

void noteDamage(StartupRead &read, const QString &path, const QString &text)
{
    noteProblem(read, text);
    noteUnclean(read, path);
}

// The file stores a colour as the number 0x00BBGGRR, red in the low byte.
QString storedColour(const QColor &colour)
{
    return QString::number(colour.red() | colour.green() << 8 | colour.blue() << 16);
}

// How a line of "cnfg.cal" is checked and decoded.
enum class LineKind { Flag, Picture, Colour, Word, Profile };

// One line the settings file holds for itself: what it means, what a first
// start puts there, and what a damaged line reads as. Profile lines are paths
// in the program's folder.
struct SettingsLine {
    int number;
    LineKind kind;
    QString firstStart;
    QString damaged;
    QStringList words; // the only texts a Word line may hold
};

// Lines 14-21. The save also writes the days and the year into lines 1-13,
// but the start takes days and count from the profile instead.
const std::array<SettingsLine, 8> &settingsTable()
{
    const QString skyBlue = storedColour(colours::skyBlue);
    const QString black = storedColour(colours::black);
    const QString on = QStringLiteral("1"), off = QStringLiteral("0");
    const QString firstWord = QStringLiteral("True"), yes = QStringLiteral("TRUE");
    const QString no = QStringLiteral("FALSE"), profile = QStringLiteral("default.cpr");
    static const std::array<SettingsLine, 8> table = {{
        {14, LineKind::Flag, on, off, {}},                 // tips at start
        {15, LineKind::Flag, on, off, {}},                 // splash at start
        {16, LineKind::Picture, QString(), QString(), {}}, // background picture
        {17, LineKind::Colour, skyBlue, black, {}},        // background colour
        // the colour mode, twice, in the two spellings the save writes
        {18, LineKind::Word, firstWord, QString(), {firstWord, QString()}},
        {19, LineKind::Word, yes, no, {yes, no}},
        {20, LineKind::Colour, black, black, {}}, // caption colour
        // the active profile: without one nothing could be saved at close
        {21, LineKind::Profile, profile, profile, {}},
    }};
    return table;
}

// What is wrong with a line's text, for the message, or empty when it reads.
QString lineFault(const SettingsLine &line, const QString &text, const QString &where)
{
    switch (line.kind) {
    case LineKind::Flag: {
        // The save writes 0 or 1: anything else would change without a trace.
        const std::optional<int> value = tryWholeNumber(text);
        if (value && (*value == 0 || *value == 1))
            return QString();
        break;
    }
    case LineKind::Picture: return QString();
    case LineKind::Colour:
        if (tryWholeNumber(text))
            return QString();
        return QStringLiteral("Неверный цвет %1: \"%2\"").arg(where, quoteForMessage(text));
    case LineKind::Word:
        if (line.words.contains(text))
            return QString();
        break;
    case LineKind::Profile:
        if (text.isEmpty() || canBePath(text))
            return QString();
        return QStringLiteral("Нет пути к профилю %1: \"%2\". Будет использован профиль "
                              "\"default.cpr\" в папке программы.")
            .arg(where, quoteForMessage(text));
    }
    return QStringLiteral("Неверное значение %1: \"%2\"").arg(where, quoteForMessage(text));
}

QString inProgramFolder(const SettingsLine &line, const QString &text, const QString &programDir)
{
    return line.kind == LineKind::Profile && !text.isEmpty() ? programDir + text : text;
}

// Every line of the table checked alike: a damaged one is named (the first
// only), its file kept, and it reads as the table's value for damage.
void checkSettingsLines(StartupRead &read, const QString &path, const QString &programDir)
{
    for (const SettingsLine &line : settingsTable()) {
        const QString text = read.position(line.number);
        const QString fault = lineFault(line, text, fileLineText(line.number, path));
        if (!fault.isEmpty())
            noteDamage(read, path, fault);
        // An empty profile line is no damage: the first start's profile.
        if (!fault.isEmpty() || (line.kind == LineKind::Profile && text.isEmpty()))
            read.setPosition(line.number, inProgramFolder(line, line.damaged, programDir));
    }
}

// What the start-up read does about a fault, after the reader's words.
QString leniently(const ProfileProblem &problem)
{
    switch (problem.fault) {
    case ProfileFault::NoCount:
    case ProfileFault::Count:
        return problem.text + QStringLiteral(" Все следующие строки прочитаны как праздники.");
    case ProfileFault::TooMany:
        return problem.text + QStringLiteral("; прочитаны первые %1.").arg(kHolidayPositions);
    default: return problem.text;
    }
}

// The profile's days fitted to the year and its entries. A profile that is
// missing or cannot be read gives an empty one; every fault takes a default,
// is named when it is the first, and keeps the file before the close writes
// over it.
void readProfileAtStartup(StartupRead &read, const QString &path, int year)
{
    MonthDays &days = read.state.profile.days;
    days.fill(1);
    ProfileRead profile;
    try {
        if (!QFileInfo::exists(path))
            throw FileError(QStringLiteral("Профиль \"%1\" не найден. Дни и список праздников "
                                           "начнутся с пустого профиля; он будет записан при "
                                           "закрытии программы.")
                                .arg(quotePathForMessage(path)));
        profile = readProfileFile(path);
    } catch (const FileError &e) {
        // There but unreadable: never written over unkept (a pipe or a
        // folder holds nothing to keep).
        noteProblem(read, e.text());
        if (fileExists(path))
            noteUnclean(read, path);
        return;
    }
    for (const ProfileProblem &problem : std::as_const(profile.problems))
        noteDamage(read, path, leniently(problem));
    for (int k = 0; k < 12; ++k)
        if (profile.days[k])
            days[k] = fitDayToMonth(*profile.days[k], year, k + 1);
    read.state.profile.entries = profile.entries;
}

// A colour the program does not offer is ignored without a word.
QColor decodeColour(const QString &text)
{
    const int stored = tryWholeNumber(text).value_or(-1);
    const QColor colour(stored & 0xFF, (stored >> 8) & 0xFF, (stored >> 16) & 0xFF);
    return stored >= 0 && stored <= 0xFFFFFF && isAcceptedColour(colour) ? colour : colours::black;
}

// The checked lines as the program's values.
void decodeSettingsLines(StartupRead &read)
{
    StartupState &state = read.state;
    state.showTips = tryWholeNumber(read.position(14)) == 1;
    state.showSplash = tryWholeNumber(read.position(15)) == 1;
    state.picturePath = read.position(16);
    state.background = decodeColour(read.position(17));
    state.colourBackground = read.position(19) == QLatin1String("TRUE");
    state.captionColour = decodeColour(read.position(20));
    state.profilePath = read.position(21);
}

// Tells the user which files will be kept before they are first written over.
void noteBackups(StartupState &state)
{
    for (const QString &path : std::as_const(state.uncleanFiles))
        state.problem += backupNote(path);
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

QStringList settingsFileLines(const SettingsContent &s)
{
    QStringList lines;
    for (int day : s.days)
        lines << QString::number(day);
    lines << s.year;
    lines << QString::number(s.showTips ? 1 : 0);
    lines << QString::number(s.showSplash ? 1 : 0);
    lines << s.picturePath;
    lines << storedColour(s.background);
    lines << (s.colourBackground ? QStringLiteral("True") : QString());
    lines << (s.colourBackground ? QStringLiteral("TRUE") : QStringLiteral("FALSE"));
    lines << storedColour(s.captionColour);
    lines << s.profilePath;
    return lines;
}

void writeSettings(const QString &path, const SettingsContent &settings)
{
    writeTextFile(path, settingsFileLines(settings));
}

namespace {

// First start: colour background in sky blue, black captions, both switches
// on, an empty profile, and one beside the program for the first close.
void fillFirstStart(StartupRead &read, const QString &programDir)
{
    for (const SettingsLine &line : settingsTable())
        read.setPosition(line.number, inProgramFolder(line, line.firstStart, programDir));
}

// A folder this program keeps its files in.
bool isProgramFolder(const QString &folder)
{
    return fileExists(QDir(folder).filePath(QLatin1String(programfile::kSettings)));
}

// A copied program folder still names the original's profile: its own copy
// of that profile is the one to use, so that two folders never edit one file.
// A profile kept in another program's folder without a copy here stays in
// use, and the user is told which file it is.
QString ownProfile(StartupState &state, const QString &path, const QString &programDir)
{
    const QFileInfo stored(path);
    const QString folder = stored.absolutePath();
    if (!stored.exists() || QFileInfo(folder) == QFileInfo(programDir) || !isProgramFolder(folder))
        return path;
    const QString here = programDir + stored.fileName();
    if (fileExists(here))
        return here;
    state.notice = QStringLiteral("Активный профиль — файл \"%1\" в папке другой копии "
                                  "программы. Чтобы хранить его в своей папке, нажмите "
                                  "\"Сохранить изменения\" на странице профилей.")
                       .arg(quotePathForMessage(path));
    return path;
}

void readSettingsAtStartup(StartupRead &read, const QString &path, const QString &programDir)
{
    const TextFileContent settings = readTextFileContent(path, kSettingsPositions);
    if (!settings.clean())
        noteDamage(read, path, settings.flaw);
    for (int i = 0; i < settings.lines.size(); ++i)
        read.lines[i] = settings.lines.at(i);
    // The save writes its own lines only.
    if (settings.lines.size() > kSettingsLineCount)
        noteDamage(read, path,
                   QStringLiteral("Файл \"%1\" содержит строки после %2-й, которые программа не "
                                  "читает.")
                       .arg(quotePathForMessage(path))
                       .arg(kSettingsLineCount));
    checkSettingsLines(read, path, programDir);
    read.setPosition(21,
                     ownProfile(read.state, relocated(read.position(21), programDir), programDir));
    read.setPosition(16, relocated(read.position(16), programDir));
}

// The defaults a first start takes, as if no file were there.
StartupState firstStartState(const QString &programDir)
{
    StartupRead read;
    fillFirstStart(read, programDir);
    read.state.profile.days.fill(1);
    decodeSettingsLines(read);
    return read.state;
}

} // namespace

StartupState readStartupFiles(const QString &programDir, int year)
{
    const QString path = programDir + QLatin1String(programfile::kSettings);
    if (!QFileInfo::exists(path))
        return firstStartState(programDir);
    StartupRead read;
    read.state.settingsFound = fileExists(path);
    try {
        if (!read.state.settingsFound)
            throw FileError(QStringLiteral("Не удаётся прочитать файл \"%1\": это не обычный "
                                           "файл")
                                .arg(quotePathForMessage(path)));
        readSettingsAtStartup(read, path, programDir);
    } catch (const FileError &e) {
        // There but unreadable (no permission, a folder): the defaults,
        // and the file is not written over without a question.
        StartupState defaults = firstStartState(programDir);
        defaults.problem =
            e.text() + QStringLiteral("\n\nПрограмма запущена со стандартными установками.");
        defaults.unreadableFiles << path;
        return defaults;
    }
    readProfileAtStartup(read, read.position(21), year);
    decodeSettingsLines(read);
    noteBackups(read.state);
    return read.state;
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
