// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// Subscriptions against a calendar server the test starts on 127.0.0.1.
#include "base/TextFile.h"
#include "core/ProgramFileNames.h"
#include "sync/NetworkFailure.h"
#include "sync/SubscriptionFetch.h"
#include "sync/Subscriptions.h"
#include "tests/support/TestSupport.h"

#include <QNetworkAccessManager>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

class SubscriptionsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void addresses_data();
    void addresses();
    void fetch_data();
    void fetch();
    void refreshKeepsTheCopy();

private:
    QUrl at(const QString &path) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path));
    }
    QByteArray get(const QString &path)
    {
        SubscriptionFetch fetch(m_network);
        QSignalSpy done(&fetch, &SubscriptionFetch::finished);
        fetch.start({at(path), {}, {}});
        done.wait(5000);
        return done.value(0).value(0).value<FetchAnswer>().body;
    }

    QProcess m_server;
    int m_port = 0;
    QNetworkAccessManager m_network;
};

void SubscriptionsTest::initTestCase()
{
    qRegisterMetaType<FetchAnswer>();
    m_server.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(DAYRAIL_CALENDAR_SERVER)});
    QVERIFY(m_server.waitForStarted());
    QVERIFY(m_server.waitForReadyRead(10000));
    m_port = m_server.readLine().trimmed().toInt();
    QVERIFY(m_port > 0);
}

void SubscriptionsTest::cleanupTestCase()
{
    m_server.closeWriteChannel();
    if (!m_server.waitForFinished(3000))
        m_server.kill();
}

void SubscriptionsTest::addresses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("allowHttp");
    QTest::addColumn<QString>("url"); // empty: refused
    QTest::newRow("webcal") << "webcal://example.org/a.ics" << false << "https://example.org/a.ics";
    QTest::newRow("https") << "https://example.org/a.ics" << false << "https://example.org/a.ics";
    QTest::newRow("bare") << "example.org/a.ics" << false << "https://example.org/a.ics";
    QTest::newRow("http refused") << "http://example.org/a.ics" << false << "";
    QTest::newRow("http allowed") << "http://example.org/a.ics" << true
                                  << "http://example.org/a.ics";
    QTest::newRow("ftp") << "ftp://example.org/a.ics" << true << "";
    QTest::newRow("no host") << "https://" << true << "";
}

void SubscriptionsTest::addresses()
{
    QFETCH(QString, text);
    QFETCH(bool, allowHttp);
    QFETCH(QString, url);
    try {
        QCOMPARE(subscriptionAddress(text, allowHttp).toString(), url);
    } catch (const NetworkError &e) {
        QVERIFY2(url.isEmpty(), qPrintable(e.text()));
    }
}

void SubscriptionsTest::fetch_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("etag");
    QTest::addColumn<QString>("failure"); // a part of it; empty: success
    QTest::addColumn<bool>("notModified");
    QTest::newRow("calendar") << "/cal.ics" << QByteArray() << "" << false;
    QTest::newRow("unchanged") << "/cal.ics" << QByteArray("\"v1\"") << "" << true;
    QTest::newRow("changed") << "/cal.ics" << QByteArray("\"v0\"") << "" << false;
    QTest::newRow("redirect") << "/moved" << QByteArray() << "" << false;
    QTest::newRow("redirect loop") << "/loop" << QByteArray() << "больше 5 раз" << false;
    QTest::newRow("500") << "/error" << QByteArray() << "ответил: 500" << false;
    QTest::newRow("too large") << "/huge" << QByteArray() << "больше 24 МБ" << false;
    QTest::newRow("silent") << "/silent" << QByteArray() << "не ответил вовремя" << false;
    QTest::newRow("missing") << "/none" << QByteArray() << "ответил: 404" << false;
}

void SubscriptionsTest::fetch()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, etag);
    QFETCH(QString, failure);
    QFETCH(bool, notModified);
    SubscriptionFetch fetch(m_network);
    fetch.setTimeouts(500, 5000);
    QSignalSpy done(&fetch, &SubscriptionFetch::finished);
    fetch.start({at(path), etag, {}});
    QVERIFY(done.wait(10000));
    QCOMPARE(done.count(), 1);
    const auto answer = done.at(0).at(0).value<FetchAnswer>();
    QVERIFY2(answer.failure.contains(failure), qPrintable(answer.failure));
    QCOMPARE(answer.failure.isEmpty(), failure.isEmpty());
    QCOMPARE(answer.notModified, notModified);
    if (failure.isEmpty() && !notModified) {
        QVERIFY(answer.body.contains("BEGIN:VCALENDAR"));
        QCOMPARE(answer.etag, QByteArray("\"v1\""));
    }
    QVERIFY(answer.failure.isEmpty() || answer.body.isEmpty());
}

void SubscriptionsTest::refreshKeepsTheCopy()
{
    ProgramFolder folder;
    BackupKeeper backups;
    QDateTime now(QDate(2026, 3, 1), QTime(12, 0), Qt::UTC);
    const auto clock = [&now] { return now; };
    const int fullBefore = get(QStringLiteral("/full")).toInt();
    {
        Subscriptions subscriptions(folder.path(), backups, clock);
        subscriptions.setTimeouts(2000, 5000);
        QCOMPARE(subscriptions.start(), QString());
        QSignalSpy days(&subscriptions, &Subscriptions::daysChanged);
        Subscription s;
        s.url = at(QStringLiteral("/cal.ics")).toString();
        s.name = QStringLiteral("Спорт");
        s.colour = Qt::darkGreen;
        s.hours = 6;
        // Plain http is the user's choice, never the default.
        QVERIFY_THROWS_EXCEPTION(NetworkError, subscriptions.add(s));
        s.allowHttp = true;
        subscriptions.add(s);
        QVERIFY(days.wait(5000));
        const QString id = subscriptions.list().at(0).id;
        QCOMPARE(subscriptions.list().at(0).status, QStringLiteral("событий: 2"));
        const QMap<QDate, SubscribedDay> marked = subscriptions.daysIn(2026);
        QCOMPARE(marked.keys(), (QList<QDate>{QDate(2026, 3, 10), QDate(2026, 3, 12)}));
        QCOMPARE(marked.value(QDate(2026, 3, 12)).text, QStringLiteral("Спорт: Концерт"));
        QCOMPARE(marked.value(QDate(2026, 3, 12)).colours, QList<QColor>{QColor(Qt::darkGreen)});
        QVERIFY(subscriptions.daysIn(2027).isEmpty());
        // The timer waits for the next refresh due, six hours on.
        QVERIFY(subscriptions.timer().isActive());
        QVERIFY(qAbs(subscriptions.timer().remainingTime() - 6 * 3600 * 1000) < 5000);

        // Unchanged: a 304, the copy stands and nothing was sent again.
        now = now.addSecs(6 * 3600);
        QSignalSpy list(&subscriptions, &Subscriptions::listChanged);
        subscriptions.refresh(id);
        QVERIFY(QTest::qWaitFor([&] { return !subscriptions.isRefreshing(id); }, 5000));
        QCOMPARE(get(QStringLiteral("/full")).toInt(), fullBefore + 1);
        QCOMPARE(subscriptions.list().at(0).succeeded, now);
        QCOMPARE(subscriptions.list().at(0).status, QStringLiteral("событий: 2"));

        // The server fails: named, the copy and its days kept, tried again within the hour.
        get(QStringLiteral("/mode?fail=1"));
        now = now.addSecs(60);
        subscriptions.refresh(id);
        QVERIFY(QTest::qWaitFor([&] { return !subscriptions.isRefreshing(id); }, 5000));
        get(QStringLiteral("/mode?fail=0"));
        QVERIFY(subscriptions.list().at(0).failed);
        QVERIFY2(subscriptions.list().at(0).status.contains(QStringLiteral("ответил: 500")),
                 qPrintable(subscriptions.list().at(0).status));
        QCOMPARE(subscriptions.daysIn(2026).size(), 2);
        QVERIFY(qAbs(subscriptions.timer().remainingTime() - 3600 * 1000) < 5000);
    }
    // The next start shows the copy without the network: nothing is due.
    now = now.addSecs(60);
    Subscriptions again(folder.path(), backups, clock);
    QSignalSpy days(&again, &Subscriptions::daysChanged);
    QCOMPARE(again.start(), QString());
    QCOMPARE(days.count(), 1);
    QVERIFY(!again.isRefreshing(again.list().at(0).id));
    QCOMPARE(again.daysIn(2026).size(), 2);
    QVERIFY(again.list().at(0).failed);
    // Removing it takes its copy along.
    again.remove(again.list().at(0).id);
    QVERIFY(again.daysIn(2026).isEmpty());
    QVERIFY(QDir(folder.path(QLatin1String(programfile::kSubscriptionCopies))).isEmpty());
    Subscriptions empty(folder.path(), backups, clock);
    QCOMPARE(empty.start(), QString());
    QVERIFY(empty.list().isEmpty());
}

QTEST_GUILESS_MAIN(SubscriptionsTest)
#include "tst_subscriptions.moc"
