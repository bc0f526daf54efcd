// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// The official working year: the shipped file against the published tables
// and against the Labour Code's rules, and a damaged file passed over.
#include "base/Errors.h"
#include "core/WorkCalendarFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class WorkCalendarTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void publishedTables_data();
    void publishedTables();
    void rulesAgainstFile();
    void damagedFiles_data();
    void damagedFiles();
    void newestDataWins();

private:
    WorkYears m_shipped;
};

void WorkCalendarTest::initTestCase()
{
    QFile file(QStringLiteral(DAYRAIL_WORKCAL_FILE));
    QVERIFY(file.open(QIODevice::ReadOnly));
    m_shipped = parseWorkCalendar(file.readAll(), file.fileName());
}

void WorkCalendarTest::publishedTables_data()
{
    // Working days and the 40-hour norm of each month, as published.
    QTest::addColumn<int>("year");
    QTest::addColumn<QList<int>>("days");
    QTest::addColumn<QList<int>>("hours");
    QTest::addColumn<QString>("yearNorms"); // 40-, 36-, 24-hour week
    QTest::newRow("2024") << 2024 << QList<int>{17, 20, 20, 21, 20, 19, 23, 22, 21, 23, 21, 21}
                          << QList<int>{136, 159, 159, 168, 159, 151, 184, 176, 168, 184, 167, 168}
                          << QStringLiteral("1979 1780,6 1185,4");
    QTest::newRow("2025") << 2025 << QList<int>{17, 20, 21, 22, 18, 19, 23, 21, 22, 23, 19, 22}
                          << QList<int>{136, 160, 167, 175, 144, 151, 184, 168, 176, 184, 151, 176}
                          << QStringLiteral("1972 1774,4 1181,6");
    QTest::newRow("2026") << 2026 << QList<int>{15, 19, 21, 22, 19, 21, 23, 21, 22, 22, 20, 22}
                          << QList<int>{120, 152, 168, 175, 151, 167, 184, 168, 176, 176, 159, 176}
                          << QStringLiteral("1972 1774,4 1181,6");
}

void WorkCalendarTest::publishedTables()
{
    QFETCH(int, year);
    QFETCH(QList<int>, days);
    QFETCH(QList<int>, hours);
    QFETCH(QString, yearNorms);
    QVERIFY(m_shipped.value(year).decreed);
    for (int month = 1; month <= 12; ++month) {
        const QDate first(year, month, 1);
        const WorkTotals totals = countWorkDays(m_shipped, first, first.addMonths(1).addDays(-1));
        QCOMPARE(totals.workingDays, days.at(month - 1));
        QCOMPARE(totals.normTenths(40), hours.at(month - 1) * 10);
    }
    const WorkTotals whole = countWorkDays(m_shipped, QDate(year, 1, 1), QDate(year, 12, 31));
    QCOMPARE(whole.offDays(), whole.calendarDays - whole.workingDays);
    QCOMPARE(QStringList({normText(whole.normTenths(40)), normText(whole.normTenths(36)),
                          normText(whole.normTenths(24))})
                 .join(QLatin1Char(' ')),
             yearNorms);
}

void WorkCalendarTest::rulesAgainstFile()
{
    QVERIFY(m_shipped.size() >= 3);
    for (const WorkYear &fixed : m_shipped) {
        const WorkYear rules = labourCodeYear(fixed.year);
        if (!fixed.decreed) {
            QCOMPARE(fixed, rules);
            continue;
        }
        QCOMPARE(fixed.holidays, rules.holidays);
        // A decree moves days off about but adds none, except two of the
        // New-Year holidays that fell on a weekend.
        int newYearOnWeekend = 0;
        for (int day = 1; day <= 8; ++day)
            newYearOnWeekend += QDate(fixed.year, 1, day).dayOfWeek() >= Qt::Saturday;
        const QDate first(fixed.year, 1, 1), last(fixed.year, 12, 31);
        QCOMPARE(countWorkDays({{fixed.year, rules}}, first, last).workingDays -
                     countWorkDays(m_shipped, first, last).workingDays,
                 qMin(newYearOnWeekend, 2));
    }
    // Past the file, the rules.
    const WorkYear later = workYearOf(m_shipped, m_shipped.lastKey() + 1);
    QVERIFY(!later.decreed && later.holidays.size() == 14);
}

void WorkCalendarTest::damagedFiles_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("line");
    QTest::newRow("no signature") << QByteArray("year 2025 decree\n") << 1;
    QTest::newRow("day before year")
        << QByteArray("dayrail-workcal 1\n2025-01-01 holiday X\n") << 2;
    QTest::newRow("day of another year")
        << QByteArray("dayrail-workcal 1\n# c\nyear 2025 decree\n2026-01-01 holiday X\n") << 4;
    QTest::newRow("working weekday")
        << QByteArray("dayrail-workcal 1\nyear 2025 rules\n2025-01-09 work\n") << 3;
    QTest::newRow("year twice") << QByteArray(
                                       "dayrail-workcal 1\nyear 2025 rules\nyear 2025 decree\n")
                                << 3;
}

void WorkCalendarTest::damagedFiles()
{
    QFETCH(QByteArray, text);
    QFETCH(int, line);
    QTemporaryDir dir;
    const QString user = dir.filePath(QStringLiteral("user.txt"));
    QFile file(user);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
    file.close();
    // The user's damaged copy is reported and the shipped one used instead.
    WorkCalendarSource source;
    source.setCandidates(
        {dir.filePath(QStringLiteral("missing.txt")), user, QStringLiteral(DAYRAIL_WORKCAL_FILE)});
    QStringList problems;
    QCOMPARE(source.years(&problems), m_shipped);
    QCOMPARE(problems.size(), 1);
    QVERIFY2(problems.first().contains(QStringLiteral("строка %1:").arg(line)),
             qPrintable(problems.first()));
    QCOMPARE(source.path(), QStringLiteral(DAYRAIL_WORKCAL_FILE));
}

void WorkCalendarTest::newestDataWins()
{
    // Nothing beside the program: the built-in copy of the shipped file.
    WorkCalendarSource source;
    QCOMPARE(source.years(), m_shipped);
    QVERIFY(source.isBuiltIn());

    QTemporaryDir dir;
    const QString old = dir.filePath(QStringLiteral("old.txt"));
    QFile file(old);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("dayrail-workcal 1\nyear 2024 decree\n");
    file.close();
    const QString copy = dir.filePath(QStringLiteral("copy.txt"));
    QVERIFY(QFile::copy(QStringLiteral(DAYRAIL_WORKCAL_FILE), copy));
    // A file fixing fewer years is older than the built-in data; one as new is the user's choice.
    source.setCandidates({old});
    QCOMPARE(source.years(), m_shipped);
    QVERIFY(source.isBuiltIn());
    source.setCandidates({old, copy});
    QCOMPARE(source.years(), m_shipped);
    QCOMPARE(source.path(), copy);
}

QTEST_GUILESS_MAIN(WorkCalendarTest)
#include "tst_workcalendar.moc"
