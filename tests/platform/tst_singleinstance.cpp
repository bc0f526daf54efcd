// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// One running copy per folder, and the ends that do not come through the
// close box: a second start hands over, a killed copy's lock does not count,
// and SIGTERM or SIGHUP becomes a Qt signal.
#include "SessionEnd.h"
#include "SingleInstance.h"

#include <QCoreApplication>
#include <QFile>
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
