// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/WorkCalendarFile.h"

#include "base/DataLocation.h"
#include "base/Errors.h"
#include "base/TextFile.h"

#include <QCoreApplication>
#include <QFile>

// The data lives in a static library: its registration must be pulled in.
static void registerBuiltInData()
{
    Q_INIT_RESOURCE(data);
}

namespace {

const QString kSignature = QStringLiteral("dayrail-workcal 1");

class LineReader {
public:
    LineReader(const QString &path, int number) : m_path(path), m_number(number) {}
    [[noreturn]] void fail(const QString &what) const
    {
        throw FileError(QStringLiteral("Файл производственного календаря \"%1\" повреждён "
                                       "(строка %2: %3) и не будет использован")
                            .arg(m_path)
                            .arg(m_number)
                            .arg(what));
    }

private:
    QString m_path;
    int m_number;
};

void readYearLine(const QStringList &words, const LineReader &line, WorkYears &years,
                  WorkYear *&current)
{
    bool ok = false;
    const int year = words.size() == 3 ? words.at(1).toInt(&ok) : 0;
    if (!ok || year < 1 || year > 9999 ||
        (words.at(2) != QLatin1String("decree") && words.at(2) != QLatin1String("rules")))
        line.fail(QStringLiteral("ожидалось «year ГГГГ decree|rules»"));
    if (years.contains(year))
        line.fail(QStringLiteral("год %1 уже был").arg(year));
    current = &years[year];
    current->year = year;
    current->decreed = words.at(2) == QLatin1String("decree");
}

void readDayLine(const QString &text, const LineReader &line, WorkYear *year)
{
    const QString dateWord = text.section(QLatin1Char(' '), 0, 0);
    const QString kind = text.section(QLatin1Char(' '), 1, 1);
    const QString caption = text.section(QLatin1Char(' '), 2).trimmed();
    const QDate date = QDate::fromString(dateWord, Qt::ISODate);
    if (!year)
        line.fail(QStringLiteral("день до строки года"));
    if (!date.isValid() || date.year() != year->year)
        line.fail(QStringLiteral("«%1» не день %2 года").arg(dateWord).arg(year->year));
    if (kind == QLatin1String("holiday") && !caption.isEmpty())
        year->holidays.insert(date, caption);
    else if (kind == QLatin1String("off"))
        year->movedDaysOff.insert(date, caption);
    else if (kind == QLatin1String("work") && date.dayOfWeek() >= Qt::Saturday)
        year->workingWeekends.insert(date);
    else if (kind == QLatin1String("short"))
        year->shortDays.insert(date);
    else
        line.fail(QStringLiteral("непонятная запись «%1»").arg(text));
}

} // namespace

WorkYears parseWorkCalendar(const QByteArray &text, const QString &path)
{
    const QStringList lines = QString::fromUtf8(text).split(QLatin1Char('\n'));
    WorkYears years;
    WorkYear *current = nullptr;
    bool seenSignature = false;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        const LineReader reader(path, i + 1);
        if (!seenSignature) {
            if (line != kSignature)
                reader.fail(QStringLiteral("ожидалось «%1»").arg(kSignature));
            seenSignature = true;
        } else if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) {
            continue;
        } else if (line.startsWith(QLatin1String("year "))) {
            readYearLine(line.split(QLatin1Char(' '), Qt::SkipEmptyParts), reader, years, current);
        } else {
            readDayLine(line, reader, current);
        }
    }
    if (!seenSignature)
        LineReader(path, 1).fail(QStringLiteral("файл пуст"));
    return years;
}

void WorkCalendarSource::setCandidates(const QStringList &paths)
{
    m_candidates = paths;
    m_loaded = false;
    m_years.clear();
    m_path.clear();
}

int lastDecreedYear(const WorkYears &years)
{
    int last = 0;
    for (const WorkYear &year : years)
        if (year.decreed)
            last = qMax(last, year.year);
    return last;
}

const WorkYears &WorkCalendarSource::years(QStringList *problems)
{
    if (m_loaded)
        return m_years;
    m_loaded = true;
    registerBuiltInData();
    QStringList paths = m_candidates;
    paths << QString::fromLatin1(kBuiltInWorkCalendar);
    int newest = -1;
    for (const QString &path : std::as_const(paths)) {
        if (!fileExists(path))
            continue;
        try {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                throw FileError(
                    QStringLiteral("Не удалось прочитать файл производственного календаря \"%1\"")
                        .arg(path));
            WorkYears years = parseWorkCalendar(file.readAll(), path);
            if (lastDecreedYear(years) > newest) {
                newest = lastDecreedYear(years);
                m_years = std::move(years);
                m_path = path;
            }
        } catch (const FileError &error) {
            if (problems)
                *problems << error.text();
        }
    }
    return m_years;
}

QStringList workCalendarFiles(const QString &programFolder)
{
    const QString name = QString::fromLatin1(kWorkCalendarFile);
    const QString exe = QCoreApplication::applicationDirPath();
    QStringList files{programFolder + name, userDataFolder() + name};
    files << dataFileCandidates(name, exe, exe, configuredInstallFolders());
    files.removeDuplicates();
    return files;
}
