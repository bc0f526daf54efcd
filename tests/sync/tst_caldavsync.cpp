// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// Two portable copies in two folders synced through one real server,
// radicale and xandikos alike.
#include "core/CalendarModel.h"
#include "core/ProfileFile.h"
#include "core/ProgramFiles.h"
#include "sync/CalDavClient.h"
#include "sync/ProfileSyncStore.h"
#include "sync/SyncEngine.h"
#include "sync/SyncEvent.h"
#include "sync/SyncStore.h"
#include "tests/sync/SyncServers.h"

#include <QDir>
#include <QSignalSpy>
#include <QSslSocket>
#include <QTest>
#include <memory>

namespace {

CalendarItem item(const QByteArray &uid, const QString &summary, int minute = 0)
{
    const QByteArray stamp = QByteArrayLiteral("20260301T10") +
                             QByteArray::number(minute).rightJustified(2, '0') + "00Z";
    return {uid, "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Dayrail//test//RU\r\nBEGIN:VEVENT\r\n"
                 "UID:" +
                     uid + "\r\nDTSTAMP:" + stamp + "\r\nLAST-MODIFIED:" + stamp +
                     "\r\nDTSTART;VALUE=DATE:20260308\r\nSUMMARY:" + summary.toUtf8() +
                     "\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n"};
}

// The copy's events as "uid summary-line" pairs, to compare two copies.
QStringList contents(const FolderStore &store)
{
    QStringList list;
    for (const CalendarItem &item : store.items()) {
        const QByteArray ics = item.ics;
        const qsizetype at = ics.indexOf("SUMMARY:");
        list << QString::fromUtf8(item.uid + ' ' + ics.mid(at + 8, ics.indexOf('\r', at) - at - 8));
    }
    list.sort();
    return list;
}

} // namespace

class CalDavSyncTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CalendarServer> m_server;
    QTemporaryDir m_dir;
    std::unique_ptr<FolderStore> m_a, m_b;
    SyncEngine::Counts m_counts;
    QString m_message;

    CalDavAccount account(const QUrl &url) const
    {
        return {url, QStringLiteral("alice"), QStringLiteral("secret"), true, {}};
    }
    // One run of a copy ("a" or "b") against url; true when it ended well.
    bool sync(FolderStore &store, const QUrl &url = {}, int timeoutMs = 120000)
    {
        return sync(store, store.folder() + QStringLiteral(".state"), url, timeoutMs);
    }
    bool sync(SyncStore &store, const QString &statePath, const QUrl &url = {},
              int timeoutMs = 120000)
    {
        CalDavClient client(account(url.isEmpty() ? m_server->calendar() : url));
        client.setRetries(3, 100);
        // A seeded server builds its caches on the first listing: slow, not stuck.
        client.setTransferTimeout(60000);
        SyncEngine engine(&client, &store, client.account().url, statePath);
        QSignalSpy finished(&engine, &SyncEngine::finished);
        engine.start();
        if (!finished.wait(timeoutMs))
            return false;
        m_counts = engine.counts();
        m_message = finished.first().at(1).toString();
        return finished.first().at(0).toBool();
    }
    void startServer(bool tls = false)
    {
        QFETCH_GLOBAL(QString, kind);
        m_server = std::make_unique<CalendarServer>();
        if (const QString why = m_server->start(kind, tls); !why.isEmpty())
            QSKIP(qPrintable(why));
    }

private slots:
    void initTestCase_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("radicale") << QStringLiteral("radicale");
        QTest::newRow("xandikos") << QStringLiteral("xandikos");
    }
    void init()
    {
        static int round = 0;
        const QString base = m_dir.path() + QStringLiteral("/%1").arg(++round);
        m_a = std::make_unique<FolderStore>(base + QStringLiteral("/a"));
        m_b = std::make_unique<FolderStore>(base + QStringLiteral("/b"));
    }
    void cleanup() { m_server.reset(); }

    void editsAndDeletionsOnBothSides()
    {
        startServer();
        for (int i = 1; i <= 4; ++i)
            m_a->put(item("ev" + QByteArray::number(i), QStringLiteral("Событие %1").arg(i)));
        QVERIFY2(sync(*m_a), qPrintable(m_message));
        QCOMPARE(m_counts.sent, 4);
        QVERIFY2(sync(*m_b), qPrintable(m_message));
        QCOMPARE(m_counts.received, 4);
        QCOMPARE(contents(*m_b), contents(*m_a));

        m_a->put(item("ev1", QStringLiteral("Правка в первой"), 5));
        m_a->put(item("ev5", QStringLiteral("Новое в первой")));
        m_a->remove("ev2");
        m_b->put(item("ev3", QStringLiteral("Правка во второй"), 6));
        m_b->remove("ev4");
        QVERIFY2(sync(*m_a), qPrintable(m_message));
        QVERIFY2(sync(*m_b), qPrintable(m_message));
        QVERIFY2(sync(*m_a), qPrintable(m_message));
        const QStringList expected{QStringLiteral("ev1 Правка в первой"),
                                   QStringLiteral("ev3 Правка во второй"),
                                   QStringLiteral("ev5 Новое в первой")};
        QCOMPARE(contents(*m_a), expected);
        QCOMPARE(contents(*m_b), expected);
        // Nothing left to do: a run after an agreement changes nothing.
        QVERIFY2(sync(*m_b), qPrintable(m_message));
        QCOMPARE(m_counts.sent + m_counts.received + m_counts.conflicts, 0);
    }

    void conflictKeepsBoth()
    {
        startServer();
        m_a->put(item("c1", QStringLiteral("Встреча")));
        QVERIFY(sync(*m_a));
        QVERIFY(sync(*m_b));
        m_a->put(item("c1", QStringLiteral("Встреча в 10"), 10));
        m_b->put(item("c1", QStringLiteral("Встреча в 11"), 20));
        QVERIFY2(sync(*m_a), qPrintable(m_message));
        // B's change is newer: it wins, A's stays as a copy.
        QVERIFY2(sync(*m_b), qPrintable(m_message));
        QCOMPARE(m_counts.conflicts, 1);
        QVERIFY2(sync(*m_a), qPrintable(m_message));
        const QStringList both = contents(*m_a);
        QCOMPARE(both.size(), 2);
        QCOMPARE(contents(*m_b), both);
        QVERIFY(both.contains(QStringLiteral("c1 Встреча в 11")));
        QVERIFY2(both.filter(QStringLiteral("Встреча в 10 (копия)")).size() == 1,
                 qPrintable(both.join(QLatin1Char('|'))));
    }

    void serverFailuresLoseNothing_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("ends");
        using F = FaultProxy::Fault;
        QTest::newRow("500, retried") << int(F::Answer500) << 2 << true;
        QTest::newRow("dropped, retried") << int(F::Drop) << 2 << true;
        QTest::newRow("answer lost after the write") << int(F::DropAfterForward) << 1 << true;
        QTest::newRow("500 for good") << int(F::Answer500) << 1000 << false;
    }
    void serverFailuresLoseNothing()
    {
        QFETCH(int, fault);
        QFETCH(int, count);
        QFETCH(bool, ends);
        startServer();
        for (int i = 0; i < 12; ++i)
            m_a->put(item("f" + QByteArray::number(i), QStringLiteral("Дело %1").arg(i)));
        FaultProxy proxy(m_server->port());
        // Past the listing, into the writes.
        proxy.failNext(FaultProxy::Fault(fault), count, 3);
        QCOMPARE(sync(*m_a, proxy.rebase(m_server->calendar())), ends);
        if (!ends)
            QVERIFY2(m_message.contains(QStringLiteral("127.0.0.1")), qPrintable(m_message));
        QCOMPARE(m_a->items().size(), 12);
        // The next run, without faults, finishes what is left, twice nothing.
        QVERIFY2(sync(*m_a), qPrintable(m_message));
        QCOMPARE(m_counts.conflicts, 0);
        QVERIFY(sync(*m_b));
        QCOMPARE(contents(*m_b), contents(*m_a));
        QCOMPARE(m_b->items().size(), 12);
    }

    void refusedQueryGetsMultigets()
    {
        startServer();
        for (int i = 0; i < 210; ++i)
            m_a->put(item("q" + QByteArray::number(i), QStringLiteral("Запрос %1").arg(i)));
        QVERIFY2(sync(*m_a), qPrintable(m_message));
        // The whole-calendar query of a first run fails on every try (after
        // the listing); the events come by multiget instead.
        FaultProxy proxy(m_server->port());
        proxy.failNext(FaultProxy::Fault::Answer500, 4, 1);
        QVERIFY2(sync(*m_b, proxy.rebase(m_server->calendar())), qPrintable(m_message));
        QCOMPARE(m_counts.received, 210);
        QCOMPARE(contents(*m_b), contents(*m_a));
    }

    void stoppedRunResumes()
    {
        startServer();
        for (int i = 0; i < 300; ++i)
            m_a->put(item("k" + QByteArray::number(i), QStringLiteral("Запись %1").arg(i)));
        {
            CalDavClient client(account(m_server->calendar()));
            auto engine = std::make_unique<SyncEngine>(&client, m_a.get(), m_server->calendar(),
                                                       m_a->folder() + QStringLiteral(".state"));
            QSignalSpy progress(engine.get(), &SyncEngine::progress);
            engine->start();
            QTRY_VERIFY_WITH_TIMEOUT(progress.size() >= 20, 60000);
            engine.reset(); // killed in the middle of the writes
        }
        QVERIFY2(sync(*m_a), qPrintable(m_message));
        QVERIFY(m_counts.sent < 300);
        QCOMPARE(m_counts.conflicts, 0);
        QVERIFY(sync(*m_b));
        QCOMPARE(m_b->items().size(), 300);
        QCOMPARE(contents(*m_b), contents(*m_a));
    }

    void refusedTokenFallsBack()
    {
        startServer();
        m_a->put(item("t1", QStringLiteral("Первое")));
        QVERIFY(sync(*m_a));
        const QString statePath = m_a->folder() + QStringLiteral(".state");
        SyncState state = SyncState::load(statePath);
        QVERIFY(!state.token.isEmpty());
        state.token = QStringLiteral("http://127.0.0.1/sync/0123456789abcdef0123456789abcdef");
        state.save(statePath);
        m_b->put(item("t2", QStringLiteral("Второе")));
        QVERIFY(sync(*m_b));
        QVERIFY2(sync(*m_a), qPrintable(m_message));
        QVERIFY(m_counts.listedEtags);
        QCOMPARE(m_counts.received, 1);
        QCOMPARE(contents(*m_a), contents(*m_b));
    }

    void twoThousandEvents()
    {
        startServer();
        // Both servers take uploads one by one ever slower as the calendar
        // grows; the 2,000 are put in place on the server's side.
        QList<QPair<QString, QByteArray>> files;
        for (int i = 0; i < 2000; ++i) {
            const QByteArray uid = "m" + QByteArray::number(i);
            files.append({QString::fromLatin1(uid) + QStringLiteral(".ics"),
                          item(uid, QStringLiteral("Событие %1").arg(i)).ics});
        }
        if (const QString why = m_server->seed(files); !why.isEmpty())
            QSKIP(qPrintable(why));
        QVERIFY2(sync(*m_a, {}, 400000), qPrintable(m_message));
        QCOMPARE(m_counts.received, 2000);
        m_a->put(item("m7", QStringLiteral("Одна правка"), 30));
        QVERIFY2(sync(*m_a, {}, 400000), qPrintable(m_message));
        QCOMPARE(m_counts.sent, 1);
        QCOMPARE(m_counts.received, 0);
        QVERIFY2(sync(*m_b, {}, 400000), qPrintable(m_message));
        QCOMPARE(m_b->items().size(), 2000);
        QCOMPARE(contents(*m_b), contents(*m_a));
    }

    // Two portable copies' profiles through one server: entries, an edit
    // here, an addition there and a removal reach both, and the profile files
    // hold what the server sent.
    void profilesInStep()
    {
        startServer();
        const QString masha = QStringLiteral("7 января 1985г. День рождения Маши");
        const QString women = QStringLiteral("8 марта  Женский день");
        const QString spring = QStringLiteral("1 мая  Праздник весны");
        const QString moved = QStringLiteral("9 марта  Женский день (перенос)");
        CalendarModel a, b;
        for (CalendarModel *model : {&a, &b}) {
            const QString folder = m_dir.filePath(model == &a ? "pa" : "pb");
            QVERIFY(QDir().mkpath(folder));
            model->setProfilePath(folder + QStringLiteral("/Дом.cpr"));
        }
        a.setHolidays({masha, women});
        ProfileSyncStore here(a), there(b);
        const auto both = [&] {
            return sync(here, syncStatePathFor(a.profilePath())) &&
                   sync(there, syncStatePathFor(b.profilePath())) &&
                   sync(here, syncStatePathFor(a.profilePath()));
        };
        // Each server lists in its own order: the entries, not their order, agree.
        const auto sorted = [](QStringList list) {
            list.sort();
            return list;
        };
        QVERIFY2(both(), qPrintable(m_message));
        QCOMPARE(sorted(b.holidays()), sorted(a.holidays()));

        b.replaceHoliday(int(b.holidays().indexOf(women)), moved);
        a.setHolidays(a.holidays() + QStringList{spring});
        QVERIFY2(both(), qPrintable(m_message));
        // What a copy took from the server is not sent back as its own change.
        QVERIFY2(sync(there, syncStatePathFor(b.profilePath())), qPrintable(m_message));
        QCOMPARE(m_counts.sent, 0);
        const QStringList expected = sorted({masha, moved, spring});
        QCOMPARE(sorted(a.holidays()), expected);
        QCOMPARE(sorted(b.holidays()), expected);
        QCOMPARE(a.entryIds().size(), 3);

        a.removeHoliday(int(a.holidays().indexOf(masha)));
        QVERIFY2(both(), qPrintable(m_message));
        QVERIFY(!b.holidays().contains(masha));
        QCOMPARE(readProfile(b.profilePath()).entries.size(), 2);
    }

    void discoveryAndTrust()
    {
        QFETCH_GLOBAL(QString, kind);
        const bool tls = kind == QLatin1String("radicale");
        if (tls && !QSslSocket::supportsSsl())
            QSKIP("Qt has no TLS backend here");
        startServer(tls);
        CalDavAccount plain = account(m_server->root());
        plain.allowPlainHttp = false;
        CalDavClient client(plain);
        QSignalSpy found(&client, &CalDavClient::calendarsFound);
        QSignalSpy failed(&client, &CalDavClient::discoveryFailed);
        client.discover();
        QVERIFY(found.wait(20000) || !failed.isEmpty());
        if (!tls) {
            // Plain http is refused unless the account allows it.
            QVERIFY(failed.first().at(0).toString().contains(QStringLiteral("http")));
            CalDavClient allowed(account(m_server->root()));
            QSignalSpy calendars(&allowed, &CalDavClient::calendarsFound);
            allowed.discover();
            QVERIFY(calendars.wait(20000));
            const auto list = calendars.first().at(0).value<QList<CalDavCalendar>>();
            QCOMPARE(list.size(), 1);
            QCOMPARE(list.first().url, m_server->calendar());
            QVERIFY(list.first().components.contains(QStringLiteral("VEVENT")));
            return;
        }
        // A self-signed certificate: refused, its fingerprint shown...
        QCOMPARE(failed.size(), 1);
        const QByteArray fingerprint = failed.first().at(1).toByteArray();
        QCOMPARE(fingerprint.size(), 32 * 3 - 1);
        QVERIFY(failed.first().at(0).toString().contains(QString::fromLatin1(fingerprint)));
        // ...and taken once the user trusts it.
        plain.trustedFingerprint = fingerprint;
        CalDavClient trusting(plain);
        QSignalSpy calendars(&trusting, &CalDavClient::calendarsFound);
        QSignalSpy refused(&trusting, &CalDavClient::discoveryFailed);
        trusting.discover();
        QVERIFY2(calendars.wait(20000),
                 refused.isEmpty() ? "" : qPrintable(refused.first().at(0).toString()));
        QCOMPARE(calendars.first().at(0).value<QList<CalDavCalendar>>().first().displayName,
                 QStringLiteral("Дела"));
        m_a->put(item("s1", QStringLiteral("Защищённое")));
        QVERIFY2(sync(*m_a, m_server->calendar()) == false, "sync over TLS without trust");
    }
};

QTEST_GUILESS_MAIN(CalDavSyncTest)
#include "tst_caldavsync.moc"
