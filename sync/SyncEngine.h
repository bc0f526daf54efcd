// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One two-way synchronisation run of a local store with one calendar
// collection. Server changes come from sync-collection (an ETag listing when
// the token is refused or the server has none), local ones from the state of
// the last run; writes carry If-Match / If-None-Match, and a conflict keeps
// both versions: the newer under its UID, the other as a copy. The state file
// is replaced after every step, so a run stopped anywhere leaves both sides
// whole and the next one carries on.
#include "sync/CalDavClient.h"
#include "sync/SyncState.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <deque>

class SyncStore;
struct DavMultiStatus;

class SyncEngine : public QObject {
    Q_OBJECT
public:
    // The client, the store and the state file (its path) belong to the
    // caller; the client and store must outlive the run.
    SyncEngine(CalDavClient *client, SyncStore *store, QUrl calendar, QString statePath,
               QObject *parent = nullptr);

    // Starts a run; finished() follows once. Ignored while a run goes on.
    void start();
    bool isRunning() const { return m_running; }

    struct Counts {
        int received = 0;         // events taken from the server
        int sent = 0;             // events written to the server
        int removedHere = 0;      // removed here, as on the server
        int removedThere = 0;     // removed from the server, as here
        int conflicts = 0;        // each kept both versions
        bool listedEtags = false; // the sync-token was refused or unsupported
    };
    const Counts &counts() const { return m_counts; }

signals:
    void progress(int done, int total);
    // message says what was done, or names what failed.
    void finished(bool ok, const QString &message);

private:
    enum class Phase { Listing, Fetching, Writing };
    enum class WriteKind { Create, Change, Remove };
    struct Write {
        WriteKind kind;
        QByteArray uid;
        QString href;
    };

    void request(const CalDavRequest &request, std::function<void(const CalDavResponse &)> handle);
    void fail(const QString &message);
    void finishFailed();
    void complete();
    void saveState();

    void requestChanges(const QString &token, int round);
    void takeChanges(const CalDavResponse &response, const QString &token, int round);
    void listEtags();
    void planFetches();
    void fetchAll();
    // Takes the events (and removals) an answer carries, only those wanted
    // when that is given; returns the paths of the events taken.
    QSet<QString> takeFetched(const DavMultiStatus &status, const QSet<QString> *wanted = nullptr);
    void fetchNext();
    void planWrites();
    void pumpWrites();
    void startWrite(const Write &write);
    void takeWritten(const Write &write, const CalDavResponse &response);
    void fetchAndResolve(const QByteArray &uid, const QString &href);

    void takeServerItem(const QString &href, const QByteArray &etag, const QByteArray &ics);
    void takeServerRemoval(const QString &href);
    void resolveConflict(const QByteArray &uid, const QString &href, const QByteArray &etag,
                         const QByteArray &server);
    void record(const QByteArray &uid, const QString &href, const QByteArray &etag,
                const QByteArray &hash);
    QByteArray putLocal(const QByteArray &uid, const QByteArray &ics);
    void queueWrite(WriteKind kind, const QByteArray &uid, const QString &href);

    QString pathOf(const QString &href) const;
    QUrl urlOf(const QString &path) const;
    QString hrefFor(const QByteArray &uid, bool hashed = false) const;
    void step(int count);

    CalDavClient *m_client;
    SyncStore *m_store;
    QUrl m_calendar;
    QString m_collectionPath;
    QString m_statePath;

    bool m_running = false;
    Phase m_phase = Phase::Listing;
    QString m_failure;
    int m_inFlight = 0;
    int m_unsaved = 0;
    int m_done = 0;
    int m_total = 0;
    Counts m_counts;

    SyncState m_state;
    QHash<QByteArray, QByteArray> m_local; // UID -> text, as the store holds it now
    QHash<QString, QByteArray> m_byHref;   // server path -> UID, from the state

    // The server's answer to "what changed".
    bool m_fullListing = false;
    QString m_newToken;
    QHash<QString, QByteArray> m_present; // path -> ETag
    QSet<QString> m_removed;

    QStringList m_toFetch;
    std::deque<Write> m_writes;
    QHash<QByteArray, int> m_tries; // conflicts met per UID during this run
};
