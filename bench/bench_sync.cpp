// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// Synchronisation of a portable copy with a local radicale (or xandikos):
// the first run over COUNT events already on the server, then an
// incremental run with one change, then one with none; wall time of each
// and the process's peak memory after each. With "upload" the first run
// sends the COUNT events instead.
//   build/bench/bench_sync [COUNT] [radicale|xandikos] [upload]
#include "sync/CalDavClient.h"
#include "sync/SyncEngine.h"
#include "sync/SyncStore.h"
#include "tests/sync/SyncServers.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <cstdio>
#include <sys/resource.h>

namespace {

QByteArray eventText(const QByteArray &uid, int minute)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Dayrail//bench//RU\r\nBEGIN:VEVENT\r\n"
           "UID:" +
           uid + "\r\nDTSTAMP:20260301T10" + QByteArray::number(minute).rightJustified(2, '0') +
           "00Z\r\nDTSTART;VALUE=DATE:20260308\r\nSUMMARY:Событие " + uid +
           "\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
}

long peakKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void run(const char *what, FolderStore &store, const QUrl &calendar)
{
    CalDavClient client({calendar, QStringLiteral("alice"), QStringLiteral("secret"), true, {}});
    if (qEnvironmentVariableIsSet("BENCH_TIMEOUT_MS"))
        client.setTransferTimeout(qEnvironmentVariableIntValue("BENCH_TIMEOUT_MS"));
    SyncEngine engine(&client, &store, calendar, store.folder() + QStringLiteral(".state"));
    QEventLoop loop;
    QString message;
    QObject::connect(&engine, &SyncEngine::finished, &loop, [&](bool, const QString &text) {
        message = text;
        loop.quit();
    });
    QElapsedTimer timer;
    timer.start();
    engine.start();
    loop.exec();
    std::printf("%-12s %8.2f s  peak RSS %6ld KiB  %s\n", what, timer.elapsed() / 1000.0, peakKb(),
                message.toUtf8().constData());
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 2000;
    const QString kind = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("radicale");
    const bool upload = argc > 3 && QByteArray(argv[3]) == "upload";
    CalendarServer server;
    if (const QString why = server.start(kind); !why.isEmpty()) {
        std::fprintf(stderr, "bench_sync: %s\n", why.toUtf8().constData());
        return 77;
    }
    QTemporaryDir dir;
    FolderStore store(dir.path() + QStringLiteral("/copy"));
    QList<QPair<QString, QByteArray>> files;
    for (int i = 0; i < count; ++i) {
        const QByteArray uid = "b" + QByteArray::number(i);
        if (upload)
            store.put({uid, eventText(uid, 0)});
        else
            files.append({QString::fromLatin1(uid) + QStringLiteral(".ics"), eventText(uid, 0)});
    }
    if (!upload)
        server.seed(files);
    std::printf("%d events, %s, peak RSS before %ld KiB\n", count, qPrintable(kind), peakKb());
    run(upload ? "first (up)" : "first", store, server.calendar());
    store.put({"b7", eventText("b7", 30)});
    run("one change", store, server.calendar());
    run("no change", store, server.calendar());
    return 0;
}
