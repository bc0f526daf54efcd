// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// The program as a desktop installs it: the command line, the choice of data
// folder, and the layout `cmake --install` makes, checked by the desktop's own
// validators where they are present.
#include "app/CommandLine.h"
#include "base/DataLocation.h"
#include "base/Errors.h"

#include <QImageReader>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kAppId = QStringLiteral("org.dayrail.DayrailXP");
const char *const kLocaleVariables[] = {"LC_ALL", "LC_MESSAGES", "LANG"};

// The cmake that configured this build, from its cache.
QString buildCMake(const QString &buildDir)
{
    QFile cache(buildDir + QStringLiteral("/CMakeCache.txt"));
    const QByteArray key = "CMAKE_COMMAND:INTERNAL=";
    if (cache.open(QIODevice::ReadOnly))
        for (const QByteArray &line : cache.readAll().split('\n'))
            if (line.startsWith(key))
                return QString::fromUtf8(line.mid(key.size()).trimmed());
    return {};
}

bool touch(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

} // namespace

class InstallTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void commandLine_data();
    void commandLine();
    void dataLocation_data();
    void dataLocation();
    void installedLayoutAndTips();
    void dataFolderIsMadeOrReported();
    void installedFiles();
    void validators_data();
    void validators();
    void installedCommandLine_data();
    void installedCommandLine();

private:
    QTemporaryDir m_prefix;
    QTemporaryDir m_home;
    QString m_installProblem; // why the installed layout cannot be checked
    QByteArray m_savedLocale[3];
};

void InstallTest::initTestCase()
{
    for (int i = 0; i < 3; ++i)
        m_savedLocale[i] = qgetenv(kLocaleVariables[i]);
    const QString buildDir = QCoreApplication::applicationDirPath() + QStringLiteral("/..");
    const QString cmake = buildCMake(buildDir);
    if (!QFileInfo::exists(buildDir + QStringLiteral("/packaging/cmake_install.cmake")))
        m_installProblem = QStringLiteral("this build has no install rules");
    else if (!QFileInfo::exists(buildDir + QStringLiteral("/bin/dayrail")) || cmake.isEmpty())
        m_installProblem = QStringLiteral("the program is not built here");
    if (!m_installProblem.isEmpty())
        return;
    QProcess install;
    install.start(cmake, {"--install", buildDir, "--prefix", m_prefix.path()});
    QVERIFY(install.waitForFinished(120000));
    QVERIFY2(install.exitCode() == 0, install.readAllStandardError().constData());
}

void InstallTest::cleanup()
{
    for (int i = 0; i < 3; ++i)
        qputenv(kLocaleVariables[i], m_savedLocale[i]);
}

void InstallTest::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("locale"); // LC_ALL, LC_MESSAGES, LANG
    QTest::addColumn<int>("code");           // -1: the program starts
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    const QStringList en{"", "", "C.UTF-8"}, ru{"", "", "ru_RU.UTF-8"};
    const QString longArgument(200, QLatin1Char('a')), none;
    QTest::newRow("nothing") << QStringList{} << en << -1 << none << none;
    QTest::newRow("help") << QStringList{"--help"} << en << 0 << "Usage: dayrail" << none;
    QTest::newRow("help, ru") << QStringList{"--help"} << ru << 0 << "Использование: dayrail"
                              << none;
    QTest::newRow("LC_ALL first") << QStringList{"--help"} << QStringList{"C", "", "ru_RU.UTF-8"}
                                  << 0 << "Usage" << none;
    QTest::newRow("version") << QStringList{"--version"} << en << 0
                             << "Dayrail XP 1.0\nData folder: /data/" << none;
    QTest::newRow("unknown after help")
        << QStringList{"--help", "-x"} << en << 2 << none << "unknown argument '-x'";
    QTest::newRow("file name, ru")
        << QStringList{"notes.txt"} << ru << 2 << none << "неизвестный параметр «notes.txt»";
    QTest::newRow("toolkit options")
        << QStringList{"-platform", "--version", "--style=Fusion", "-reverse"} << en << -1 << none
        << none;
    QTest::newRow("show a date") << QStringList{"--show-date", "2026-01-07"} << en << -1 << none
                                 << none;
    QTest::newRow("show no such date")
        << QStringList{"--show-date=2026-02-30"} << en << 2 << none
        << "--show-date takes a date as YYYY-MM-DD (years 1..9999), not '2026-02-30'";
    QTest::newRow("show a date, none given, ru")
        << QStringList{"--show-date"} << ru << 2 << none << "ждёт дату в виде ГГГГ-ММ-ДД";
    QTest::newRow("a reminder's box")
        << QStringList{"--show-reminder=Позвонить маме"} << en << -1 << none << none;
    QTest::newRow("a reminder's box, no text, ru")
        << QStringList{"--show-reminder", " "} << ru << 2 << none << "ждёт текст напоминания";
    QTest::newRow("long argument cut")
        << QStringList{longArgument} << en << 2 << none << "'" + longArgument.left(60) + "...'";
}

void InstallTest::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, locale);
    QFETCH(int, code);
    QFETCH(QString, out);
    QFETCH(QString, err);
    for (int i = 0; i < 3; ++i)
        qputenv(kLocaleVariables[i], locale.at(i).toUtf8());
    QString outText, errText;
    QTextStream outStream(&outText), errStream(&errText);
    StartRequest asked;
    const std::optional<int> result = handleCommandLine(QStringList{"dayrail"} + arguments,
                                                        "/data/", outStream, errStream, &asked);
    QCOMPARE(result.value_or(-1), code);
    QCOMPARE(asked.showDate.isValid(), arguments.contains("--show-date") && code == -1);
    QCOMPARE(asked.reminder, code == -1 && arguments.join(' ').contains("--show-reminder")
                                 ? QString("Позвонить маме")
                                 : QString());
    QVERIFY2(outText.contains(out) && out.isEmpty() == outText.isEmpty(), qPrintable(outText));
    QVERIFY2(errText.contains(err) && err.isEmpty() == errText.isEmpty(), qPrintable(errText));
}

void InstallTest::dataLocation_data()
{
    QTest::addColumn<QString>("exe");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<bool>("installedLayout");
    QTest::addColumn<QString>("installBin");
    QTest::addColumn<bool>("portable");
    const QString bin = m_home.filePath("bin"), other = m_home.filePath("build/bin");
    QDir().mkpath(bin);
    QTest::newRow("portable copy") << other << true << false << bin << true;
    QTest::newRow("read-only folder") << other << false << false << bin << false;
    QTest::newRow("configured bin") << bin << true << false << bin << false;
    QTest::newRow("configured bin, spelt otherwise")
        << bin << true << false << m_home.path() + "/./build/../bin/" << false;
    QTest::newRow("installed into another prefix") << other << true << true << bin << false;
    QTest::newRow("no install folders known") << other << true << false << "" << true;
}

void InstallTest::dataLocation()
{
    QFETCH(QString, exe);
    QFETCH(bool, writable);
    QFETCH(bool, installedLayout);
    QFETCH(QString, installBin);
    QFETCH(bool, portable);
    const DataLocation location =
        chooseDataLocation({exe, writable, installedLayout, true}, {installBin, {}}, "/u/d");
    QCOMPARE(location.portable, portable);
    QCOMPARE(location.folder, portable ? exe + "/" : QStringLiteral("/u/d/"));
    // A portable copy on a read-only medium still has its files read.
    const bool readOnlyPortable = !writable && !installedLayout && !location.portable;
    QCOMPARE(location.readOnlyFolder, readOnlyPortable ? exe + "/" : QString());
}

void InstallTest::installedLayoutAndTips()
{
    const InstallFolders install{"/usr/local/bin", "/usr/local/share/dayrail"};
    const QString exe = m_home.filePath("opt/bin");
    QVERIFY(QDir().mkpath(exe) && QDir().mkpath(m_home.filePath("opt/share/dayrail")));
    QVERIFY(!inspectExecutableFolder(exe, install).installedLayout);
    QVERIFY(touch(m_home.filePath("opt/share/dayrail/tips.cal")));
    QVERIFY(inspectExecutableFolder(exe, install).installedLayout);
    QCOMPARE(tipsFileCandidates("/w", "/usr/bin", install),
             QStringList({"/w/tips.cal", "/usr/bin/tips.cal", "/usr/share/dayrail/tips.cal",
                          "/usr/local/share/dayrail/tips.cal"}));
}

void InstallTest::dataFolderIsMadeOrReported()
{
    const QString folder = m_home.filePath("share/dayrail/");
    const QString readOnly = m_home.filePath("medium/");
    QVERIFY(QDir().mkpath(readOnly));
    for (const char *name : {"cnfg.cal", "Дом.cpr", "tips.cal"})
        QVERIFY(touch(readOnly + QString::fromUtf8(name)));
    const DataLocation location{folder, false, readOnly};
    QVERIFY(makeDataFolder(location));
    QVERIFY(!makeDataFolder(location));
    QVERIFY(QFileInfo(folder).isDir());
    // Copied once, tips.cal left where it is; the data folder's own files win.
    QCOMPARE(adoptReadOnlyFolder(location), QStringList({"cnfg.cal", "Дом.cpr"}));
    QCOMPARE(adoptReadOnlyFolder(location), QStringList());
    QCOMPARE(QFileInfo(folder).permissions() & (QFile::ReadGroup | QFile::ReadOther),
             QFile::Permissions());
    QVERIFY(touch(m_home.filePath("file")));
    const QString impossible = m_home.filePath("file/dayrail/");
    try {
        makeDataFolder({impossible, false, {}});
        QFAIL("a folder under a file was reported as made");
    } catch (const FileError &e) {
        QVERIFY(e.text().contains(impossible));
    }
}

void InstallTest::installedFiles()
{
    if (!m_installProblem.isEmpty())
        QSKIP(qPrintable(m_installProblem));
    const QDir prefix(m_prefix.path());
    QVERIFY(QFileInfo(prefix.filePath("bin/dayrail")).isExecutable());
    for (const QString path : {"share/dayrail/tips.cal", "share/dayrail/workcal.txt",
                               "share/man/man1/dayrail.1.gz", "share/doc/dayrail/copyright",
                               "share/icons/hicolor/scalable/apps/org.dayrail.DayrailXP.svg"})
        QVERIFY2(QFileInfo(prefix.filePath(path)).size() > 0, qPrintable(path));
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString png =
            QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(kAppId);
        QCOMPARE(QImageReader(prefix.filePath(png)).size(), QSize(size, size));
    }
    // The entry starts and shows what was installed.
    QSettings entry(prefix.filePath("share/applications/" + kAppId + ".desktop"),
                    QSettings::IniFormat);
    QCOMPARE(entry.value("Desktop Entry/Exec").toString(), QStringLiteral("dayrail"));
    QCOMPARE(entry.value("Desktop Entry/Icon").toString(), kAppId);
}

void InstallTest::validators_data()
{
    QTest::addColumn<QStringList>("command");
    QTest::addColumn<QString>("file");
    QTest::newRow("desktop entry")
        << QStringList{"desktop-file-validate"} << "share/applications/" + kAppId + ".desktop";
    QTest::newRow("metainfo") << QStringList{"appstreamcli", "validate", "--no-net"}
                              << "share/metainfo/" + kAppId + ".metainfo.xml";
}

void InstallTest::validators()
{
    QFETCH(QStringList, command);
    QFETCH(QString, file);
    if (!m_installProblem.isEmpty())
        QSKIP(qPrintable(m_installProblem));
    const QString program = QStandardPaths::findExecutable(command.takeFirst());
    if (program.isEmpty())
        QSKIP("the validator is not installed");
    QProcess check;
    check.start(program, command << QDir(m_prefix.path()).filePath(file));
    QVERIFY(check.waitForFinished(60000));
    QVERIFY2(check.exitCode() == 0, check.readAll().constData());
}

void InstallTest::installedCommandLine_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("out");
    // Installed elsewhere than configured, it still keeps its files per user.
    QTest::newRow("version") << "--version" << 0 << m_home.filePath("xdg/dayrail/");
    QTest::newRow("help") << "--help" << 0 << "Usage: dayrail";
    QTest::newRow("unknown") << "--frobnicate" << 2 << "";
}

void InstallTest::installedCommandLine()
{
    QFETCH(QString, argument);
    QFETCH(int, code);
    QFETCH(QString, out);
    if (!m_installProblem.isEmpty())
        QSKIP(qPrintable(m_installProblem));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LC_ALL", "C.UTF-8");
    env.insert("XDG_DATA_HOME", m_home.filePath("xdg"));
    env.remove("DISPLAY"); // no window may be needed
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(m_prefix.filePath("bin/dayrail"), {argument});
    // A program that ignores its arguments opens its windows and waits: that
    // is a failure, reported with whatever it printed before it was stopped.
    const bool ended = program.waitForFinished(30000);
    if (!ended) {
        program.kill();
        program.waitForFinished();
    }
    const QString printed = QString::fromUtf8(program.readAllStandardOutput());
    if (!ended)
        QFAIL(qPrintable(QStringLiteral("still running after 30 s; it printed:\n") + printed +
                         QString::fromUtf8(program.readAllStandardError())));
    QCOMPARE(program.exitCode(), code);
    QVERIFY2(printed.contains(out), qPrintable(printed));
}

QTEST_GUILESS_MAIN(InstallTest)
#include "tst_install.moc"
