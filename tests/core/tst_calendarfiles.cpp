// The settings and profile files, read and written without any window.
#include "CalendarFiles.h"
#include "Convert.h"
#include "Errors.h"
#include "TextFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QStringList settingsWith(const QString &profilePath, int lineCount = 21)
{
    QStringList lines;
    for (int i = 1; i <= 12; ++i)
        lines << QString::number(i);
    lines << "2005" << "0" << "1" << "" << "15780518" << "True" << "TRUE" << "128" << profilePath;
    while (lines.size() < lineCount)
        lines << QStringLiteral("extra %1").arg(lines.size() + 1);
    return lines.mid(0, lineCount);
}

} // namespace

class CalendarFilesTest : public QObject {
    Q_OBJECT
private slots:
    void profileRoundTripIsByteExact();
    void settingsLinesFollowTheBackgroundMode();
    void startupWithoutSettingsFile();
    void startupReadsProfileOverSettings();
    void startupToleratesDamage_data();
    void startupToleratesDamage();
    void strictProfileReader();

private:
    QTemporaryDir m_dir;
};

void CalendarFilesTest::profileRoundTripIsByteExact()
{
    const QString path = m_dir.filePath(QStringLiteral("Работа.cpr"));
    const QByteArray original("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n31\r\n"
                              "3\r\n7 \xFF\xED\xE2\xE0\xF0\xFF 2005\xE3. X\r\n\r\n23 b  c\r\n");
    writeBytes(path, original);
    const ProfileContent profile = readProfile(path);
    QCOMPARE(profile.days[11], 31);
    QCOMPARE(profile.entries.size(), 3);
    QCOMPARE(profile.entries.at(0), QStringLiteral("7 января 2005г. X"));
    QCOMPARE(profile.entries.at(1), QString());
    writeProfile(path, profile);
    QCOMPARE(fileBytes(path), original);

    // An empty list is the single line "0" after the days.
    writeProfile(path, {profile.days, {}});
    QVERIFY(fileBytes(path).endsWith("11\r\n31\r\n0\r\n"));
    QCOMPARE(readTextFile(path).size(), 13);
}

void CalendarFilesTest::settingsLinesFollowTheBackgroundMode()
{
    SettingsContent s;
    s.days.fill(7);
    s.year = QStringLiteral("2026");
    s.showTips = false;
    s.picturePath = QStringLiteral("/home/u/фон.jpg");
    s.background = -16777201; // written as it is, in decimal
    s.colourBackground = false;
    s.captionColour = clRed;
    s.profilePath = QStringLiteral("/home/u/Работа.cpr");
    QStringList lines = settingsFileLines(s);
    QCOMPARE(lines.size(), kSettingsLineCount);
    QCOMPARE(lines.mid(12), (QStringList{"2026", "0", "1", "/home/u/фон.jpg", "-16777201", "",
                                         "FALSE", "255", "/home/u/Работа.cpr"}));
    s.colourBackground = true;
    lines = settingsFileLines(s);
    QCOMPARE(lines.at(17), QStringLiteral("True"));
    QCOMPARE(lines.at(18), QStringLiteral("TRUE"));
}

void CalendarFilesTest::startupWithoutSettingsFile()
{
    QTemporaryDir dir;
    const StartupFiles files = readStartupFiles(dir.path() + QLatin1Char('/'), 2026);
    QVERIFY(!files.settingsFound);
    QVERIFY(files.problem.isEmpty());
    QCOMPARE(files.settingsLines.size(), kSettingsPositions);
    for (int day : files.days)
        QCOMPARE(day, 1);
    QCOMPARE(files.position(19), QStringLiteral("TRUE"));
    QCOMPARE(files.background.value_or(-1), clSkyBlue);
    QCOMPARE(files.captionColour.value_or(-1), clBlack);
    QCOMPARE(files.position(21), dir.path() + QStringLiteral("/default.cpr"));
    QCOMPARE(files.position(13), QStringLiteral("0"));

    // A settings file that names no profile falls back to the same one.
    writeTextFile(dir.filePath(QStringLiteral("cnfg.cal")), settingsWith(QString()));
    QCOMPARE(readStartupFiles(dir.path() + QLatin1Char('/'), 2026).position(21),
             dir.path() + QStringLiteral("/default.cpr"));
}

void CalendarFilesTest::startupReadsProfileOverSettings()
{
    QTemporaryDir dir;
    const QString profile = dir.filePath(QStringLiteral("Дом.cpr"));
    writeTextFile(profile, {"31", "29", "31", "31", "5", "6", "7", "8", "9", "10", "11", "12",
                            "3", "a", "b", "c", "not an entry"});
    writeTextFile(dir.filePath(QStringLiteral("cnfg.cal")), settingsWith(profile, 45));
    const StartupFiles files = readStartupFiles(dir.path() + QLatin1Char('/'), 2026);
    QVERIFY2(files.problem.isEmpty(), qPrintable(files.problem));
    QCOMPARE(files.settingsLines.size(), 40); // lines 41-45 are ignored
    QCOMPARE(files.position(40), QStringLiteral("extra 40"));
    QCOMPARE(files.position(1), QStringLiteral("31"));
    QCOMPARE(files.position(13), QStringLiteral("3"));
    QCOMPARE(files.holidayLines, (QStringList{"a", "b", "c"}));
    // Days are fitted to their own month of the given year, never lost to another month.
    QCOMPARE(files.days[0], 31);
    QCOMPARE(files.days[1], 28);
    QCOMPARE(files.days[3], 30);
    QCOMPARE(files.showTips, 0);
    QCOMPARE(files.showSplash, 1);
    QCOMPARE(files.background.value_or(-1), clSkyBlue);
    QCOMPARE(files.captionColour.value_or(-1), clMaroon);
}

void CalendarFilesTest::startupToleratesDamage_data()
{
    QTest::addColumn<int>("line");         // 1-based line of the settings file to change (0: none)
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("profileTail"); // profile lines from line 13 on
    QTest::addColumn<QString>("problemPart");     // text the message must contain ("" = no message)
    QTest::addColumn<int>("entries");

    QTest::newRow("count not a number keeps following lines")
        << 0 << "" << QStringList{"два", "x", "y"} << "строка 13" << 2;
    QTest::newRow("count above 999")
        << 0 << "" << (QStringList{"1500"} + QStringList(1200, "e")) << "999" << 999;
    QTest::newRow("count larger than the file") << 0 << "" << QStringList{"5", "a", "b"}
                                                << "обрывается" << 2;
    QTest::newRow("negative count") << 0 << "" << QStringList{"-3", "a"} << "" << 0;
    QTest::newRow("flag not a number") << 14 << "yes" << QStringList{"0"} << "строка 14" << 0;
    QTest::newRow("colour not a number") << 17 << "blue" << QStringList{"0"} << "строка 17" << 0;
    QTest::newRow("colour not offered is ignored silently")
        << 17 << "15780519" << QStringList{"0"} << "" << 0;
    QTest::newRow("system colour is ignored silently")
        << 20 << "-16777201" << QStringList{"0"} << "" << 0;
}

void CalendarFilesTest::startupToleratesDamage()
{
    QFETCH(int, line);
    QFETCH(QString, value);
    QFETCH(QStringList, profileTail);
    QFETCH(QString, problemPart);
    QFETCH(int, entries);
    QTemporaryDir dir;
    const QString profile = dir.filePath(QStringLiteral("p.cpr"));
    writeTextFile(profile, QStringList(12, "1") + profileTail);
    QStringList settings = settingsWith(profile);
    if (line > 0)
        settings[line - 1] = value;
    writeTextFile(dir.filePath(QStringLiteral("cnfg.cal")), settings);
    const StartupFiles files = readStartupFiles(dir.path() + QLatin1Char('/'), 2026);
    if (problemPart.isEmpty())
        QVERIFY2(files.problem.isEmpty(), qPrintable(files.problem));
    else
        QVERIFY2(files.problem.contains(problemPart), qPrintable(files.problem));
    QCOMPARE(files.holidayLines.size(), entries);
    // The settings window fills its list from position 13: it must agree.
    QCOMPARE(qMax(0, TryStrToInt(files.position(13)).value_or(-1)), entries);
    if (line == 17)
        QVERIFY(!files.background.has_value());
    if (line == 20)
        QVERIFY(!files.captionColour.has_value());
}

void CalendarFilesTest::strictProfileReader()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.cpr"));
    writeTextFile(path, QStringList(12, "5"));
    QVERIFY(readProfile(path).entries.isEmpty()); // ends after line 12
    writeTextFile(path, QStringList(11, "5") + QStringList{"дюжина", "0"});
    try {
        readProfile(path);
        QFAIL("no error");
    } catch (const ConvertError &e) {
        QVERIFY2(e.text().contains(QStringLiteral("строка 12")), qPrintable(e.text()));
        QVERIFY(e.text().contains(path));
    }
    QVERIFY_THROWS_EXCEPTION(FileError, readProfile(dir.filePath(QStringLiteral("none.cpr"))));
}

QTEST_GUILESS_MAIN(CalendarFilesTest)
#include "tst_calendarfiles.moc"
