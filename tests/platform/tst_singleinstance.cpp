// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// One running copy per folder, and the ends that do not come through the
// close box: a second start hands over, a killed copy's lock does not count,
// and SIGTERM or SIGHUP becomes a Qt signal.
#include "base/SingleInstance.h"
#include "platform/SessionEnd.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

class SingleInstanceTest : public QObject {
    Q_OBJECT
private slots:
    void secondStartHandsOver();
    void killedCopyDoesNotBlock();
    void locksNoCopyAnswersFor_data();
    void locksNoCopyAnswersFor();
    void signalsBecomeEndRequests_data();
    void signalsBecomeEndRequests();
};

void SingleInstanceTest::secondStartHandsOver()
{
    QTemporaryDir dir;
    {
        SingleInstance first(dir.path());
        QVERIFY(first.tryBecomePrimary());
        QSignalSpy activated(&first, &SingleInstance::activationRequested);
        SingleInstance second(dir.path());
        QVERIFY(!second.tryBecomePrimary());
        QVERIFY(second.handedOver());
        QVERIFY(activated.wait(5000));
        // A reminder's «Открыть» hands its day over.
        QSignalSpy dated(&first, &SingleInstance::dateRequested);
        SingleInstance third(dir.path());
        third.setDateToShow(QDate(2026, 1, 7));
        QVERIFY(!third.tryBecomePrimary());
        QVERIFY(dated.wait(5000));
        QCOMPARE(dated.first().first().toDate(), QDate(2026, 1, 7));
        QCOMPARE(activated.count(), 1);
        // Another folder is another program.
        QTemporaryDir other;
        QVERIFY(SingleInstance(other.path()).tryBecomePrimary());
    }
    // The first copy has ended: the next start runs.
    QVERIFY(SingleInstance(dir.path()).tryBecomePrimary());
}

void SingleInstanceTest::killedCopyDoesNotBlock()
{
    QTemporaryDir dir;
    // A lock written by a process that is gone, as a killed copy leaves it.
    QProcess gone;
    gone.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    QVERIFY(gone.waitForStarted());
    const qint64 pid = gone.processId();
    gone.kill();
    QVERIFY(gone.waitForFinished());
    QFile lock(QDir(dir.path()).filePath(SingleInstance::lockFileName()));
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(pid) + '\n' + QCoreApplication::applicationName().toUtf8() +
               '\n' + QSysInfo::machineHostName().toUtf8() + '\n');
    lock.close();
    // ...and its socket, which must not stand in the way either.
    QFile socket(QDir::tempPath() + QLatin1Char('/') + SingleInstance::serverName(dir.path()));
    QVERIFY(socket.open(QIODevice::WriteOnly));
    socket.close();
    SingleInstance primary(dir.path());
    QVERIFY(primary.tryBecomePrimary());
    QSignalSpy activated(&primary, &SingleInstance::activationRequested);
    SingleInstance second(dir.path());
    QVERIFY(!second.tryBecomePrimary());
    QVERIFY(activated.wait(5000));
}

void SingleInstanceTest::locksNoCopyAnswersFor_data()
{
    // What is where the lock file belongs; whether a start takes it over
    // without asking; what the user is told otherwise.
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("takenOver");
    QTest::addColumn<QString>("said");
    const QByteArray here = QSysInfo::machineHostName().toUtf8();
    const QByteArray live = QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
                            QCoreApplication::applicationName().toUtf8() + '\n';
    // A live process named, but nobody holds the file: copied with its folder.
    QTest::newRow("copied with the folder") << "file" << live + here + '\n' << true << "";
    QTest::newRow("another computer") << "file" << live + "elsewhere\n" << false << "elsewhere";
    QTest::newRow("empty") << "file" << QByteArray() << false << "пуст";
    QTest::newRow("garbage") << "file" << QByteArray("\xff\x00garbage") << false << "повреждён";
    QTest::newRow("a folder") << "folder" << QByteArray() << false << "папка";
    QTest::newRow("a link") << "link" << QByteArray() << false << "ссылка";
}

void SingleInstanceTest::locksNoCopyAnswersFor()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, content);
    QFETCH(bool, takenOver);
    QFETCH(QString, said);
    QTemporaryDir dir;
    const QString lockPath = QDir(dir.path()).filePath(SingleInstance::lockFileName());
    const QString victim = dir.filePath(QStringLiteral("victim"));
    QFile file(kind == QLatin1String("link") ? victim : lockPath);
    if (kind == QLatin1String("folder"))
        QVERIFY(QDir().mkdir(lockPath));
    else
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    file.close();
    if (kind == QLatin1String("link"))
        QVERIFY(QFile::link(victim, lockPath));
    SingleInstance start(dir.path());
    QCOMPARE(start.tryBecomePrimary(), takenOver);
    if (takenOver)
        return;
    QVERIFY(!start.handedOver());
    QVERIFY2(start.lockDescription().contains(dir.path()), qPrintable(start.lockDescription()));
    QVERIFY2(start.lockDescription().contains(said), qPrintable(start.lockDescription()));
    // "Open anyway": a link goes, never followed; a folder stays the user's.
    QCOMPARE(start.takeOverLock(), kind != QLatin1String("folder"));
    if (kind == QLatin1String("link"))
        QCOMPARE(QFileInfo(victim).size(), 0);
}

void SingleInstanceTest::signalsBecomeEndRequests_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGHUP") << int(SIGHUP);
}

void SingleInstanceTest::signalsBecomeEndRequests()
{
    QFETCH(int, signal);
    SessionEnd end;
    QSignalSpy requested(&end, &SessionEnd::endRequested);
    // Two in a row ask for one end.
    ::raise(signal);
    ::raise(signal);
    QVERIFY(requested.wait(5000));
    QCoreApplication::processEvents();
    QCOMPARE(requested.size(), 1);
    QCOMPARE(requested.at(0).at(0).value<SessionEnd::Cause>(), SessionEnd::Cause::Signal);
}

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "tst_singleinstance.moc"
