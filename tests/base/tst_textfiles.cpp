// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// Conversions and text files every other file of the program relies on.
#include "base/Colours.h"
#include "base/Convert.h"
#include "base/Errors.h"
#include "base/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

class TextFilesTest : public QObject {
    Q_OBJECT
private slots:
    void strToInt_data();
    void strToInt();
    void lines1251WithCrLf();
    void readingStopsAtLimitAndAcceptsBareLf();
    void failedWriteKeepsPreviousFile();
    void fullDiskKeepsPreviousFile();
    void missingFileNamesItInError();
    void hostileTextFiles_data();
    void hostileTextFiles();
    void noRegularFileIsOpened();
    void quotedValues_data();
    void quotedValues();
    void backupKeptOncePerRun();
    void linksAreReplacedNotFollowed();
    void fitsIn1251();
    void colours();
};

void TextFilesTest::strToInt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << "2008" << true << 2008;
    QTest::newRow("leading zeros") << "0205" << true << 205;
    QTest::newRow("negative") << "-16777201" << true << -16777201;
    QTest::newRow("plus") << "+7" << true << 7;
    QTest::newRow("max") << "2147483647" << true << 2147483647;
    QTest::newRow("min") << "-2147483648" << true << int(-2147483648LL);
    QTest::newRow("overflow") << "2147483648" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("sign only") << "-" << false << 0;
    QTest::newRow("space") << " 12" << false << 0;
    QTest::newRow("trailing") << "12a" << false << 0;
    QTest::newRow("hex") << "0x10" << false << 0;
    QTest::newRow("cyrillic letter") << "З" << false << 0;
}

void TextFilesTest::strToInt()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(int, value);
    if (ok) {
        QCOMPARE(wholeNumber(text), value);
        QCOMPARE(tryWholeNumber(text).value_or(-1), value);
        return;
    }
    QVERIFY(!tryWholeNumber(text).has_value());
    try {
        wholeNumber(text);
        QFAIL("no error");
    } catch (const ConvertError &e) {
        QVERIFY2(e.text().contains(QLatin1Char('"') + text + QLatin1Char('"')),
                 qPrintable(e.text()));
    }
}

void TextFilesTest::lines1251WithCrLf()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.cal"));
    const QStringList lines = {QStringLiteral("7 января 2005г. Рождество"), QString(),
                               QStringLiteral("Ёж ё №")};
    writeTextFile(path, lines);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    // "7 " then "января" in Windows-1251, every line closed by CR LF.
    QVERIFY(bytes.startsWith(QByteArray("7 \xFF\xED\xE2\xE0\xF0\xFF", 8)));
    QVERIFY(bytes.contains(QByteArray("\r\n\r\n\xA8\xE6 \xB8 \xB9\r\n")));
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count('\n'), 3);
    QCOMPARE(bytes.count('\r'), 3);
    QCOMPARE(readTextFile(path), lines);
}

void TextFilesTest::readingStopsAtLimitAndAcceptsBareLf()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("b.cal"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("1\r\n2\n3\r\n4");
    f.close();
    QCOMPARE(readTextFile(path), (QStringList{"1", "2", "3", "4"}));
    QCOMPARE(readTextFile(path, 2), (QStringList{"1", "2"}));
    // What follows the lines asked for is noticed: a save would drop it.
    QVERIFY(readTextFileContent(path, 3).linesAfter);
    QVERIFY(!readTextFileContent(path, 4).linesAfter);
}

void TextFilesTest::failedWriteKeepsPreviousFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("keep.cal"));
    writeTextFile(path, {QStringLiteral("old")});
    // A folder that does not exist cannot take the file.
    QVERIFY_THROWS_EXCEPTION(FileError,
                             writeTextFile(dir.filePath(QStringLiteral("no/such.cal")), {"x"}));
    // A target that is a folder cannot be replaced; the old file stays whole.
    QDir(dir.path()).mkdir(QStringLiteral("taken.cal"));
    QVERIFY_THROWS_EXCEPTION(FileError,
                             writeTextFile(dir.filePath(QStringLiteral("taken.cal")), {"x"}));
    QCOMPARE(readTextFile(path), QStringList{QStringLiteral("old")});
    // No temporary file is left behind by the failures.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("keep.cal")});
}

void TextFilesTest::fullDiskKeepsPreviousFile()
{
    // A real full file system: a tiny tmpfs, which only root may mount.
    QTemporaryDir dir;
    if (QProcess::execute(QStringLiteral("mount"),
                          {"-t", "tmpfs", "-o", "size=64k", "tmpfs", dir.path()}) != 0)
        QSKIP("cannot mount a small tmpfs here");
    const auto unmount =
        qScopeGuard([&] { QProcess::execute(QStringLiteral("umount"), {dir.path()}); });
    const QString path = dir.filePath(QStringLiteral("Работа.cpr"));
    const QStringList old = {QStringLiteral("15"), QStringLiteral("Рождество")};
    writeTextFile(path, old);
    {
        QFile filler(dir.filePath(QStringLiteral("filler")));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) {
        }
    }
    QVERIFY_THROWS_EXCEPTION(FileError,
                             writeTextFile(path, QStringList(200, QStringLiteral("праздник"))));
    QVERIFY_THROWS_EXCEPTION(FileError, writeTextFile(path, {QStringLiteral("1")}));
    QCOMPARE(readTextFile(path), old);
}

void TextFilesTest::missingFileNamesItInError()
{
    try {
        readTextFile(QStringLiteral("/nonexistent/Работа.cpr"));
        QFAIL("no error");
    } catch (const FileError &e) {
        QVERIFY(e.text().contains(QStringLiteral("Работа.cpr")));
    }
}

void TextFilesTest::hostileTextFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("flaw"); // part of the reason; "" = read cleanly

    QTest::newRow("bare CR, CR LF and LF alike")
        << QByteArray("1\r2\r\n3\n\r5\r") << QStringList{"1", "2", "3", "", "5"} << "";
    QTest::newRow("UTF-8 with byte-order mark")
        << QByteArray("\xEF\xBB\xBF\xD0\xAF\xD0\xBD\r\n7") << QStringList{"Ян", "7"} << "UTF-8";
    QTest::newRow("byte with no Windows-1251 character")
        << QByteArray("b\r\na\x98z") << QStringList{"b", "a?z"} << "Строка 2";
    const QByteArray huge(10 * 1024 * 1024, '7');
    QTest::newRow("10 MB first line keeps its beginning")
        << huge + "\r\n2" << QStringList{QString(kMaxLineBytes, QLatin1Char('7')), "2"}
        << "Строка 1";
}

void TextFilesTest::hostileTextFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QFETCH(QString, flaw);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("h.cal"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    f.close();
    const TextFileContent content = readTextFileContent(path);
    QCOMPARE(content.lines, lines);
    QVERIFY2(flaw.isEmpty() ? content.clean() : content.flaw.contains(flaw),
             qPrintable(content.flaw));
    QVERIFY(content.flaw.size() < 300);
    QCOMPARE(readTextFileContent(path, 1).lines, lines.mid(0, 1));
}

void TextFilesTest::noRegularFileIsOpened()
{
    // A pipe would wait for a writer for ever; a folder is no text.
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("cnfg.cal"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString &path : {fifo, dir.path()}) {
        try {
            readTextFile(path);
            QFAIL("opened");
        } catch (const FileError &e) {
            QVERIFY2(e.text().contains(path), qPrintable(e.text()));
        }
    }
}

void TextFilesTest::quotedValues_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("quoted");
    const QString sixty(60, QLatin1Char('x'));
    QTest::newRow("short") << "abc"
                           << "abc";
    QTest::newRow("exactly 60") << sixty << sixty;
    QTest::newRow("61") << sixty + "y" << sixty + "…";
    // Never half of a character outside the basic plane.
    QTest::newRow("pair at the cut")
        << QString(59, QLatin1Char('x')) + "🎄z" << QString(59, QLatin1Char('x')) + "…";
}

void TextFilesTest::quotedValues()
{
    QFETCH(QString, text);
    QFETCH(QString, quoted);
    QCOMPARE(quoteForMessage(text), quoted);
    // Real paths are named whole; a "path" longer than any is a bad value.
    const QString path = QStringLiteral("/home/u/") + QString(200, QLatin1Char('p'));
    QCOMPARE(quotePathForMessage(path), path);
    QCOMPARE(quotePathForMessage(QString(5000, QLatin1Char('p'))).size(), 61);
}

void TextFilesTest::backupKeptOncePerRun()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Работа.cpr"));
    const QString bak = BackupKeeper::backupPath(path);
    QCOMPARE(bak, path + ".bak");
    writeTextFile(path, {QStringLiteral("original")});
    BackupKeeper keeper;
    QVERIFY(!keeper.beforeOverwrite(path)); // read cleanly: nothing to keep
    QVERIFY(!QFile::exists(bak));
    keeper.markUnclean(dir.path() + QStringLiteral("/./Работа.cpr"));
    QVERIFY(keeper.beforeOverwrite(path));
    writeTextFile(path, {QStringLiteral("first save")});
    QVERIFY(!keeper.beforeOverwrite(path));
    writeTextFile(path, {QStringLiteral("second save")});
    QCOMPARE(readTextFile(bak), QStringList{QStringLiteral("original")});
    // The next run keeps the file then, replacing the old copy whole.
    BackupKeeper nextRun;
    QVERIFY(nextRun.keepOnce(path));
    QCOMPARE(readTextFile(bak), QStringList{QStringLiteral("second save")});
    QVERIFY(!nextRun.keepOnce(dir.filePath(QStringLiteral("none.cpr"))));
}

void TextFilesTest::linksAreReplacedNotFollowed()
{
    QTemporaryDir dir;
    const QString victim = dir.filePath(QStringLiteral("victim"));
    const QString path = dir.filePath(QStringLiteral("Работа.cpr"));
    writeTextFile(victim, {QStringLiteral("victim")});
    writeTextFile(path, {QStringLiteral("original")});
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
    // A ".bak" that is a link, and a file that is one.
    QVERIFY(QFile::link(victim, BackupKeeper::backupPath(path)));
    QVERIFY(QFile::link(victim, dir.filePath(QStringLiteral("view.cal"))));
    BackupKeeper keeper;
    keeper.markUnclean(path);
    QVERIFY(keeper.beforeOverwrite(path));
    writeTextFile(path, {QStringLiteral("saved")});
    writeTextFile(dir.filePath(QStringLiteral("view.cal")), {QStringLiteral("TRUE")});
    QCOMPARE(readTextFile(victim), QStringList{QStringLiteral("victim")});
    QCOMPARE(readTextFile(BackupKeeper::backupPath(path)), QStringList{QStringLiteral("original")});
    QVERIFY(!QFileInfo(BackupKeeper::backupPath(path)).isSymLink());
    QVERIFY(!QFileInfo(dir.filePath(QStringLiteral("view.cal"))).isSymLink());
    // The replaced file keeps its mode.
    QVERIFY(!(QFile::permissions(path) & (QFile::ReadGroup | QFile::ReadOther)));
    // A file that must not be written over is refused before anything is written.
    keeper.refuseOverwrite(path, QStringLiteral("refused"));
    QVERIFY_THROWS_EXCEPTION(FileError, keeper.beforeOverwrite(path));
}

void TextFilesTest::fitsIn1251()
{
    QVERIFY(::fitsIn1251(QStringLiteral("Праздник «Новый год» — 2006 №1")));
    QVERIFY(!::fitsIn1251(QStringLiteral("Праздник 🎄")));
    QVERIFY(!::fitsIn1251(QStringLiteral("日本")));
    // What cannot be stored becomes '?', one per character.
    QCOMPARE(decode1251(encode1251(QStringLiteral("a🎄b"))), QStringLiteral("a?b"));
}

void TextFilesTest::colours()
{
    QCOMPARE(int(colours::accepted.size()), 20);
    QVERIFY(isAcceptedColour(QColor(0xA6, 0xCA, 0xF0)));
    QVERIFY(!isAcceptedColour(QColor(0xA7, 0xCA, 0xF0)));
    QCOMPARE(colourName(QColor(0xA6, 0xCA, 0xF0)), QStringLiteral("Небесно-голубой"));
    QVERIFY(colourName(QColor(0xA7, 0xCA, 0xF0)).isEmpty());
    for (const QColor &c : colours::accepted)
        QVERIFY2(!colourName(c).isEmpty(), qPrintable(c.name()));
}

QTEST_GUILESS_MAIN(TextFilesTest)
#include "tst_textfiles.moc"
