// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// The settings, profile and tips files, read and written without any window.
#include "base/Convert.h"
#include "base/Errors.h"
#include "base/TextFile.h"
#include "core/CalendarFiles.h"
#include "core/OptionFiles.h"
#include "core/ProgramFiles.h"
#include "core/Tips.h"

#include <QFile>
#include <QFileInfo>
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
    lines << "2005"
          << "0"
          << "1"
          << ""
          << "15780518"
          << "True"
          << "TRUE"
          << "128" << profilePath;
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
    void missingRegionalOnlyBesideOtherFiles();
    void startupReadsProfileOverSettings();
    void startupToleratesDamage_data();
    void startupToleratesDamage();
    void strictProfileReader();
    void damagedFilesAreKept_data();
    void damagedFilesAreKept();
    void movedFolderFindsItsFiles_data();
    void movedFolderFindsItsFiles();
    void copiedFolderUsesItsOwnProfile_data();
    void copiedFolderUsesItsOwnProfile();
    void folderPathMustFitTheSettingsFile_data();
    void folderPathMustFitTheSettingsFile();
    void laterReadsMarkWhatMustBeKept_data();
    void laterReadsMarkWhatMustBeKept();
    void tipsFile();

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
    s.background = colours::skyBlue; // 0x00BBGGRR, in decimal
    s.colourBackground = false;
    s.captionColour = colours::red;
    s.profilePath = QStringLiteral("/home/u/Работа.cpr");
    QStringList lines = settingsFileLines(s);
    QCOMPARE(lines.size(), kSettingsLineCount);
    QCOMPARE(lines.mid(12), (QStringList{"2026", "0", "1", "/home/u/фон.jpg", "15780518", "",
                                         "FALSE", "255", "/home/u/Работа.cpr"}));
    s.colourBackground = true;
    lines = settingsFileLines(s);
    QCOMPARE(lines.at(17), QStringLiteral("True"));
    QCOMPARE(lines.at(18), QStringLiteral("TRUE"));
}

void CalendarFilesTest::startupWithoutSettingsFile()
{
    QTemporaryDir dir;
    const StartupState files = readStartupFiles(dir.path() + QLatin1Char('/'), 2026);
    QVERIFY(!files.settingsFound);
    QVERIFY(files.problem.isEmpty());
    for (int day : files.profile.days)
        QCOMPARE(day, 1);
    QVERIFY(files.colourBackground);
    QVERIFY(files.showTips && files.showSplash);
    QCOMPARE(files.background, colours::skyBlue);
    QCOMPARE(files.captionColour, colours::black);
    QCOMPARE(files.profilePath, dir.path() + QStringLiteral("/default.cpr"));
    QVERIFY(files.profile.entries.isEmpty());

    // A settings file that names no profile, or nothing that can be a path,
    // falls back to the same one.
    for (const QString &line : {QString(), QString(5000, QLatin1Char('p')), QString("a\tb")}) {
        writeTextFile(dir.filePath(QStringLiteral("cnfg.cal")), settingsWith(line));
        QCOMPARE(readStartupFiles(dir.path() + QLatin1Char('/'), 2026).profilePath,
                 dir.path() + QStringLiteral("/default.cpr"));
    }
}

void CalendarFilesTest::missingRegionalOnlyBesideOtherFiles()
{
    QTemporaryDir dir;
    ProgramFiles files;
    files.setFolder(dir.path() + QLatin1Char('/'));
    writeTextFile(dir.filePath(QStringLiteral("tips.cal")), {"shipped, not the user's"});
    // A fresh copy: nothing of the user's to miss.
    QVERIFY(files.readOptions(false).messages.empty());
    writeTextFile(dir.filePath(QStringLiteral("Дом.cpr")), QStringList(12, "1") << "0");
    const OptionsRead read = files.readOptions(false);
    QCOMPARE(read.messages.size(), std::size_t(1));
    QVERIFY(read.messages.front().text.contains(QStringLiteral("\"regional.cal\" не найден")));
    QVERIFY(files.readOptions(true).messages.empty()); // a folder made by this start
}

void CalendarFilesTest::startupReadsProfileOverSettings()
{
    QTemporaryDir dir;
    const QString profile = dir.filePath(QStringLiteral("Дом.cpr"));
    writeTextFile(profile, {"31", "29", "31", "31", "5", "6", "7", "8", "9", "10", "11", "12", "3",
                            "a", "b", "c", "not an entry"});
    writeTextFile(dir.filePath(QStringLiteral("cnfg.cal")), settingsWith(profile, 45));
    const StartupState files = readStartupFiles(dir.path() + QLatin1Char('/'), 2026);
    // Lines 22-45 and the line after the entries would be dropped by the save.
    QVERIFY2(files.problem.contains(QStringLiteral("после 21-й")), qPrintable(files.problem));
    QCOMPARE(files.uncleanFiles, (QStringList{dir.filePath("cnfg.cal"), profile}));
    QCOMPARE(files.profile.entries, (QStringList{"a", "b", "c"}));
    // Days are fitted to their own month of the given year, never lost to another month.
    QCOMPARE(files.profile.days[0], 31);
    QCOMPARE(files.profile.days[1], 28);
    QCOMPARE(files.profile.days[3], 30);
    QVERIFY(!files.showTips);
    QVERIFY(files.showSplash);
    QCOMPARE(files.background, colours::skyBlue);
    QCOMPARE(files.captionColour, colours::maroon);
}

void CalendarFilesTest::startupToleratesDamage_data()
{
    QTest::addColumn<int>("line"); // 1-based line of the settings file to change (0: none)
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("profileTail"); // profile lines from line 13 on
    QTest::addColumn<QString>("problemPart");     // text the message must contain ("" = no message)
    QTest::addColumn<int>("entries");

    QTest::newRow("count not a number keeps following lines")
        << 0 << "" << QStringList{"два", "x", "y"} << "в строке 13" << 2;
    QTest::newRow("count above 999")
        << 0 << "" << (QStringList{"1500"} + QStringList(1200, "e")) << "999" << 999;
    QTest::newRow("count larger than the file")
        << 0 << "" << QStringList{"5", "a", "b"} << "обрывается" << 2;
    // The save would drop entries the count leaves out: they are kept as ".bak".
    QTest::newRow("negative count") << 0 << "" << QStringList{"-3", "a"} << "после 0-го" << 0;
    QTest::newRow("flag not a number") << 14 << "yes" << QStringList{"0"} << "в строке 14" << 0;
    QTest::newRow("colour not a number") << 17 << "blue" << QStringList{"0"} << "в строке 17" << 0;
    // The colour mode's lines hold the save's words only, checked as the others.
    QTest::newRow("background switch damaged")
        << 19 << "x" << QStringList{"0"} << "в строке 19" << 0;
    QTest::newRow("mode word in another case")
        << 19 << "true" << QStringList{"0"} << "в строке 19" << 0;
    QTest::newRow("first mode word damaged") << 18 << "x" << QStringList{"0"} << "в строке 18" << 0;
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
    const StartupState files = readStartupFiles(dir.path() + QLatin1Char('/'), 2026);
    if (problemPart.isEmpty())
        QVERIFY2(files.problem.isEmpty(), qPrintable(files.problem));
    else
        QVERIFY2(files.problem.contains(problemPart), qPrintable(files.problem));
    QCOMPARE(files.profile.entries.size(), entries);
    // Whatever is reported is kept as ".bak" before the close writes over it.
    QCOMPARE(files.uncleanFiles.isEmpty(), problemPart.isEmpty());
    // A damaged or unoffered colour reads as black.
    if (line == 17)
        QCOMPARE(files.background, colours::black);
    if (line == 20)
        QCOMPARE(files.captionColour, colours::black);
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
        QVERIFY2(e.text().contains(QStringLiteral("в строке 12")), qPrintable(e.text()));
        QVERIFY(e.text().contains(path));
    }
    QVERIFY_THROWS_EXCEPTION(FileError, readProfile(dir.filePath(QStringLiteral("none.cpr"))));

    // A profile switched to is refused with the words the start-up read uses for the same fault.
    writeTextFile(path, QStringList(4, "5") + QStringList{"45"} + QStringList(7, "5") << "0");
    writeTextFile(dir.filePath(QStringLiteral("cnfg.cal")), settingsWith(path));
    const QString atStart = readStartupFiles(dir.path() + QLatin1Char('/'), 2026).problem;
    try {
        readProfile(path);
        QFAIL("no error");
    } catch (const ConvertError &e) {
        QVERIFY2(e.text().contains(QStringLiteral("в строке 5")), qPrintable(e.text()));
        QVERIFY2(atStart.startsWith(e.text()), qPrintable(atStart));
    }
}

void CalendarFilesTest::damagedFilesAreKept_data()
{
    QTest::addColumn<QByteArray>("settingsEnd"); // bytes replacing line ends of cnfg.cal
    QTest::addColumn<QByteArray>("profile");
    QTest::addColumn<QString>("problemPart");
    QTest::addColumn<QStringList>("unclean"); // "cnfg.cal", "p.cpr"
    QTest::addColumn<QStringList>("entries");

    const QByteArray days("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n12\r\n");
    QTest::newRow("CR-only files read whole")
        << QByteArray("\r") << QByteArray(days).replace("\r\n", "\r") + "1\r\xC0\r"
        << "" << QStringList() << QStringList{"А"};
    QTest::newRow("UTF-8 profile with byte-order mark")
        << QByteArray("\r\n") << "\xEF\xBB\xBF" + days + "1\r\n\xD0\x90\r\n"
        << "UTF-8" << QStringList{"p.cpr"} << QStringList{"А"};
    QTest::newRow("10 MB first line")
        << QByteArray("\n") << QByteArray(10 << 20, '9') + "\r\n" + days.mid(3) + "0\r\n"
        << "Строка 1" << QStringList{"p.cpr"} << QStringList();
    QTest::newRow("first lines do not parse")
        << QByteArray("\r\n") << "x\r\n" + days.mid(3) + "2\r\na\r\n"
        << "в строке 1" << QStringList{"p.cpr"} << QStringList{"a"};
}

void CalendarFilesTest::damagedFilesAreKept()
{
    QFETCH(QByteArray, settingsEnd);
    QFETCH(QByteArray, profile);
    QFETCH(QString, problemPart);
    QFETCH(QStringList, unclean);
    QFETCH(QStringList, entries);
    QTemporaryDir dir;
    const QString profilePath = dir.filePath(QStringLiteral("p.cpr"));
    writeBytes(profilePath, profile);
    writeBytes(dir.filePath(QStringLiteral("cnfg.cal")),
               settingsWith(profilePath).join(QString::fromLatin1(settingsEnd)).toUtf8());
    const StartupState files = readStartupFiles(dir.path() + QLatin1Char('/'), 2026);
    QVERIFY2(files.problem.contains(problemPart), qPrintable(files.problem));
    QStringList uncleanNames;
    for (const QString &path : files.uncleanFiles)
        uncleanNames << QFileInfo(path).fileName();
    QCOMPARE(uncleanNames, unclean);
    for (const QString &name : unclean)
        QVERIFY2(files.problem.contains(name + QStringLiteral(".bak")), qPrintable(files.problem));
    // A damaged line is quoted short: the message box stays small.
    QVERIFY2(files.problem.size() < 1000, qPrintable(files.problem.left(1000)));
    QCOMPARE(files.profile.entries, entries);
    QCOMPARE(files.profilePath, profilePath);
    QVERIFY(files.showSplash);
    QCOMPARE(files.captionColour, colours::maroon);
}

void CalendarFilesTest::movedFolderFindsItsFiles_data()
{
    QTest::addColumn<QString>("oldFolder");
    QTest::addColumn<bool>("found"); // the file is in the new folder
    QTest::newRow("moved folder") << "/gone/Календарь/" << true;
    QTest::newRow("from a system writing backslashes") << "C:\\Календарь\\" << true;
    QTest::newRow("nothing of that name here") << "/gone/Календарь/" << false;
}

void CalendarFilesTest::movedFolderFindsItsFiles()
{
    QFETCH(QString, oldFolder);
    QFETCH(bool, found);
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    if (found) {
        writeTextFile(folder + QStringLiteral("Дом.cpr"),
                      QStringList(12, "5") + QStringList{"1", "x"});
        writeBytes(folder + QStringLiteral("фон.bmp"), "BM");
    }
    QStringList settings = settingsWith(oldFolder + QStringLiteral("Дом.cpr"));
    settings[15] = oldFolder + QStringLiteral("фон.bmp");
    writeTextFile(folder + QStringLiteral("cnfg.cal"), settings);
    const StartupState files = readStartupFiles(folder, 2026);
    const QString where = found ? folder : oldFolder;
    QCOMPARE(files.profilePath, where + QStringLiteral("Дом.cpr"));
    QCOMPARE(files.picturePath, where + QStringLiteral("фон.bmp"));
    QCOMPARE(files.profile.entries, found ? QStringList{"x"} : QStringList());
    QCOMPARE(files.problem.contains(QStringLiteral("не найден")), !found);
}

void CalendarFilesTest::copiedFolderUsesItsOwnProfile_data()
{
    QTest::addColumn<bool>("copyHasProfile");
    QTest::newRow("the copy's own profile") << true;
    QTest::newRow("only the original's, named once") << false;
}

void CalendarFilesTest::copiedFolderUsesItsOwnProfile()
{
    QFETCH(bool, copyHasProfile);
    QTemporaryDir original, copy;
    const QString profile = original.filePath(QStringLiteral("Дом.cpr"));
    writeTextFile(profile, QStringList(12, "5") + QStringList{"0"});
    writeTextFile(original.filePath(QStringLiteral("cnfg.cal")), settingsWith(profile));
    writeTextFile(copy.filePath(QStringLiteral("cnfg.cal")), settingsWith(profile));
    if (copyHasProfile)
        writeTextFile(copy.filePath(QStringLiteral("Дом.cpr")), QStringList(12, "6") << "0");
    const StartupState files = readStartupFiles(copy.path() + QLatin1Char('/'), 2026);
    QCOMPARE(files.profilePath,
             copyHasProfile ? copy.filePath(QStringLiteral("Дом.cpr")) : profile);
    QCOMPARE(files.profile.days[0], copyHasProfile ? 6 : 5);
    QCOMPARE(files.notice.contains(profile), !copyHasProfile);
}

void CalendarFilesTest::folderPathMustFitTheSettingsFile_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("Cyrillic and Latin") << "/home/u/Мой календарь (2)/" << true;
    QTest::newRow("outside Windows-1251") << "/home/u/日本/" << false;
    QTest::newRow("line break would split line 21") << "/home/u/a\nb/" << false;
}

void CalendarFilesTest::folderPathMustFitTheSettingsFile()
{
    QFETCH(QString, folder);
    QFETCH(bool, accepted);
    const QString problem = programFolderProblem(folder);
    QCOMPARE(problem.isEmpty(), accepted);
    if (!accepted)
        QVERIFY2(problem.contains(folder), qPrintable(problem));
}

void CalendarFilesTest::laterReadsMarkWhatMustBeKept_data()
{
    QTest::addColumn<QString>("file"); // which reader
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("marked");
    QTest::newRow("regional, clean") << "regional.cal" << QByteArray("TRUE\rFALSE\r") << false;
    QTest::newRow("regional, no Boolean word") << "regional.cal" << QByteArray("True\r\n") << true;
    QTest::newRow("transparency, clean")
        << "transp.cal" << QByteArray("TRUE\nFALSE\nTRUE\nTRUE\n0\n255\n7\n9\n") << false;
    QTest::newRow("transparency, level out of range")
        << "transp.cal" << QByteArray("TRUE\nTRUE\nTRUE\nTRUE\n300\n") << true;
    // Lines after the ones a file defines would be dropped by the save.
    QTest::newRow("regional, a fifth line")
        << "regional.cal" << QByteArray("TRUE\nFALSE\nTRUE\nFALSE\nTRUE\n") << true;
    QTest::newRow("transparency, a ninth line")
        << "transp.cal" << QByteArray("TRUE\nTRUE\nTRUE\nTRUE\n1\n2\n3\n4\nnote\n") << true;
    QTest::newRow("profile, clean")
        << "x.cpr" << QByteArray("1\n2\n3\n4\n5\n6\n7\n8\n9\n1\n2\n3\n0\n") << false;
    QTest::newRow("profile, an entry past the count")
        << "x.cpr" << QByteArray("1\n2\n3\n4\n5\n6\n7\n8\n9\n1\n2\n3\n1\n\xC0\nx\n") << true;
    QTest::newRow("profile in UTF-8")
        << "x.cpr"
        << QByteArray("\xEF\xBB\xBF"
                      "1\n2\n3\n4\n5\n6\n7\n8\n9\n1\n2\n3\n1\n\xD0\x90\n")
        << true;
}

void CalendarFilesTest::laterReadsMarkWhatMustBeKept()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, marked);
    QTemporaryDir dir;
    const QString path = dir.filePath(file);
    writeBytes(path, bytes);
    BackupKeeper keeper;
    if (file == "regional.cal")
        readRegional(path, keeper);
    else if (file == "transp.cal")
        readTransparency(path, keeper);
    else
        QCOMPARE(readProfile(path, keeper).entries, marked ? QStringList{"А"} : QStringList());
    QCOMPARE(keeper.isMarked(path), marked);
}

void CalendarFilesTest::tipsFile()
{
    const QString missing = m_dir.filePath(QStringLiteral("no/tips.cal"));
    const QString present = m_dir.filePath(QStringLiteral("tips.cal"));
    writeTextFile(present, QStringList{"Один", "Два", "", "Четыре"} + QStringList(14, "Ещё"));
    // The first file that is there, fifteen lines of it.
    const Tips tips = Tips::read({missing, present});
    QCOMPARE(tips.tip(4), QStringLiteral("Четыре"));
    QCOMPARE(tips.tip(15), QStringLiteral("Ещё"));
    QCOMPARE(tips.next(1), 2);
    QCOMPARE(tips.next(2), 1); // an empty tip ends the forward cycle
    QCOMPARE(tips.next(15), 1);
    QCOMPARE(Tips::previous(1), 15);
    try {
        Tips::read({missing});
        QFAIL("no error");
    } catch (const FileError &e) {
        QVERIFY(e.text().contains(QStringLiteral("\"tips.cal\"")));
    }
}

QTEST_GUILESS_MAIN(CalendarFilesTest)
#include "tst_calendarfiles.moc"
