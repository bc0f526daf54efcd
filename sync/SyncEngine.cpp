// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/SyncEngine.h"

#include "base/Errors.h"
#include "sync/CalDavXml.h"
#include "sync/NetworkFailure.h"
#include "sync/SyncEvent.h"
#include "sync/SyncStore.h"

#include <QCryptographicHash>
#include <QRegularExpression>

namespace {
constexpr int kMultigetBatch = 100;
constexpr int kWholeQueryFrom = 2 * kMultigetBatch;
constexpr int kSaveEvery = 50;
// A sync-collection answer may come in parts; a server that never ends is left.
constexpr int kMostListingRounds = 50;
constexpr int kMostConflictsPerItem = 3;
constexpr int kMostItems = 100000;

const QString kEtag = davKey(kDavNs, QStringLiteral("getetag"));
const QString kData = davKey(kCalDavNs, QStringLiteral("calendar-data"));
const QString kResourceType = davKey(kDavNs, QStringLiteral("resourcetype"));

const QByteArray kXml = "application/xml; charset=utf-8";
} // namespace

SyncEngine::SyncEngine(CalDavClient *client, SyncStore *store, QUrl calendar, QString statePath,
                       QObject *parent)
    : QObject(parent), m_client(client), m_store(store), m_calendar(std::move(calendar)),
      m_statePath(std::move(statePath))
{
    QString path = m_calendar.path(QUrl::FullyDecoded);
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    m_calendar.setPath(path, QUrl::DecodedMode);
    m_collectionPath = path;
}

void SyncEngine::start()
{
    if (m_running)
        return;
    m_running = true;
    m_phase = Phase::Listing;
    m_failure.clear();
    m_unsaved = m_done = m_total = 0;
    m_counts = {};
    m_local.clear();
    m_byHref.clear();
    m_present.clear();
    m_removed.clear();
    m_toFetch.clear();
    m_writes.clear();
    m_tries.clear();
    const auto failure = failureOf([&] {
        m_state = SyncState::load(m_statePath);
        // Another calendar's state says nothing of this one.
        if (m_state.calendar != m_calendar.toString()) {
            m_state = {};
            m_state.calendar = m_calendar.toString();
        }
        for (auto it = m_state.entries.cbegin(); it != m_state.entries.cend(); ++it)
            m_byHref.insert(it->href, it.key());
        for (const CalendarItem &item : m_store->items())
            m_local.insert(item.uid, item.ics);
    });
    if (failure) {
        m_running = false;
        emit finished(false, *failure);
        return;
    }
    requestChanges(m_state.token, 0);
}

void SyncEngine::request(const CalDavRequest &request,
                         std::function<void(const CalDavResponse &)> handle)
{
    ++m_inFlight;
    QPointer<SyncEngine> self(this);
    m_client->send(request, [self, handle](const CalDavResponse &response) {
        if (!self)
            return;
        --self->m_inFlight;
        if (self->m_failure.isEmpty()) {
            if (const auto failure = failureOf([&] { handle(response); }))
                self->fail(*failure);
        }
        if (!self->m_failure.isEmpty())
            self->finishFailed();
    });
}

void SyncEngine::fail(const QString &message)
{
    if (m_failure.isEmpty())
        m_failure = message;
    m_writes.clear();
    m_toFetch.clear();
}

void SyncEngine::finishFailed()
{
    if (m_inFlight > 0 || !m_running)
        return;
    m_running = false;
    QString message = m_failure;
    // What was agreed so far is kept; the next run carries on from there.
    if (const auto failure = failureOf([&] { saveState(); }))
        message += QLatin1Char(' ') + *failure;
    emit finished(false, message);
}

void SyncEngine::saveState()
{
    m_store->commit();
    m_state.save(m_statePath);
    m_unsaved = 0;
}

void SyncEngine::complete()
{
    saveState();
    m_running = false;
    emit finished(true, QStringLiteral("Синхронизация завершена: получено %1, отправлено %2, "
                                       "удалено здесь %3, на сервере %4, конфликтов %5.")
                            .arg(m_counts.received)
                            .arg(m_counts.sent)
                            .arg(m_counts.removedHere)
                            .arg(m_counts.removedThere)
                            .arg(m_counts.conflicts));
}

void SyncEngine::step(int count)
{
    m_done += count;
    emit progress(m_done, std::max(m_done, m_total));
}

QString SyncEngine::pathOf(const QString &href) const
{
    return m_calendar.resolved(QUrl(href)).path(QUrl::FullyDecoded);
}

QUrl SyncEngine::urlOf(const QString &path) const
{
    QUrl url = m_calendar;
    url.setPath(path, QUrl::DecodedMode);
    return url;
}

QString SyncEngine::hrefFor(const QByteArray &uid, bool hashed) const
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9@._-]{1,80}$"));
    const QString name = QString::fromUtf8(uid);
    if (!hashed && plain.match(name).hasMatch())
        return m_collectionPath + name + QStringLiteral(".ics");
    return m_collectionPath +
           QString::fromLatin1(QCryptographicHash::hash(uid, QCryptographicHash::Sha1).toHex()) +
           QStringLiteral(".ics");
}

// --- what changed on the server ---------------------------------------------------------------

void SyncEngine::requestChanges(const QString &token, int round)
{
    if (round == 0)
        m_fullListing = token.isEmpty();
    CalDavRequest report{"REPORT",
                         m_calendar,
                         syncCollectionBody(token),
                         {{"Depth", "1"}, {"Content-Type", kXml}},
                         // An unknown token makes some servers answer 500.
                         token.isEmpty()};
    request(report, [this, token, round](const CalDavResponse &response) {
        takeChanges(response, token, round);
    });
}

void SyncEngine::takeChanges(const CalDavResponse &response, const QString &token, int round)
{
    // No answer, or no right to ask: a listing would fare no better.
    if (response.status == 0 || response.status == 401)
        return fail(response.failure);
    const DavMultiStatus status = parseMultiStatus(response.body);
    if (!response.ok() || !status.valid)
        return round == 0 ? listEtags() : fail(response.failure);
    bool truncated = false;
    for (const DavResponse &r : status.responses) {
        const QString path = pathOf(r.href);
        if (path == m_collectionPath || path + QLatin1Char('/') == m_collectionPath) {
            truncated = truncated || r.status == 507;
            continue;
        }
        if (r.status == 404) {
            m_present.remove(path);
            m_removed.insert(path);
        } else if (const DavProperty *etag = r.found(kEtag)) {
            m_present.insert(path, etag->text.toUtf8());
            m_removed.remove(path);
        }
    }
    m_newToken = status.syncToken;
    if (m_present.size() > kMostItems)
        return fail(QStringLiteral("В календаре \"%1\" больше %2 записей.")
                        .arg(shownAddress(m_calendar))
                        .arg(kMostItems));
    if (truncated && !m_newToken.isEmpty() && m_newToken != token && round + 1 < kMostListingRounds)
        return requestChanges(m_newToken, round + 1);
    planFetches();
}

void SyncEngine::listEtags()
{
    m_counts.listedEtags = true;
    m_fullListing = true;
    m_newToken.clear();
    m_present.clear();
    m_removed.clear();
    CalDavRequest propfind{"PROPFIND",
                           m_calendar,
                           propfindBody({kEtag, kResourceType}),
                           {{"Depth", "1"}, {"Content-Type", kXml}},
                           true};
    request(propfind, [this](const CalDavResponse &response) {
        const DavMultiStatus status = parseMultiStatus(response.body);
        if (!response.ok())
            return fail(response.failure);
        if (!status.valid)
            return fail(QStringLiteral("Сервер \"%1\" ответил не списком событий.")
                            .arg(shownAddress(m_calendar)));
        for (const DavResponse &r : status.responses) {
            const QString path = pathOf(r.href);
            const DavProperty *type = r.found(kResourceType);
            const DavProperty *etag = r.found(kEtag);
            if (path.endsWith(QLatin1Char('/')) || !etag ||
                (type && type->children.contains(davKey(kDavNs, QStringLiteral("collection")))))
                continue;
            m_present.insert(path, etag->text.toUtf8());
        }
        if (m_present.size() > kMostItems)
            return fail(QStringLiteral("В календаре \"%1\" больше %2 записей.")
                            .arg(shownAddress(m_calendar))
                            .arg(kMostItems));
        planFetches();
    });
}

void SyncEngine::planFetches()
{
    m_phase = Phase::Fetching;
    for (auto it = m_present.cbegin(); it != m_present.cend(); ++it) {
        if (m_state.foreign.contains(it.key()) && m_state.foreign.value(it.key()) == it.value())
            continue;
        const auto uid = m_byHref.constFind(it.key());
        if (uid != m_byHref.cend() && m_state.entries.value(*uid).etag == it.value())
            continue;
        m_toFetch << it.key();
    }
    if (m_fullListing) {
        for (auto it = m_byHref.cbegin(); it != m_byHref.cend(); ++it) {
            if (!m_present.contains(it.key()))
                m_removed.insert(it.key());
        }
        for (auto it = m_state.foreign.begin(); it != m_state.foreign.end();)
            it = m_present.contains(it.key()) ? std::next(it) : m_state.foreign.erase(it);
    }
    for (const QString &path : std::as_const(m_removed))
        takeServerRemoval(path);
    m_total = int(m_toFetch.size());
    if (m_toFetch.size() > kWholeQueryFrom)
        fetchAll();
    else
        fetchNext();
}

void SyncEngine::fetchAll()
{
    // Many to fetch (a first run): one query for the whole calendar costs
    // some servers less than a twentieth of the multigets. A server that
    // refuses it gets the multigets.
    CalDavRequest query{
        "REPORT", m_calendar, calendarQueryBody(), {{"Depth", "1"}, {"Content-Type", kXml}}, true};
    request(query, [this](const CalDavResponse &response) {
        if (response.ok()) {
            const QSet<QString> wanted(m_toFetch.cbegin(), m_toFetch.cend());
            const QSet<QString> taken = takeFetched(parseMultiStatus(response.body), &wanted);
            m_toFetch.removeIf([&](const QString &path) { return taken.contains(path); });
            saveState();
            step(int(taken.size()));
        }
        fetchNext();
    });
}

QSet<QString> SyncEngine::takeFetched(const DavMultiStatus &status, const QSet<QString> *wanted)
{
    QSet<QString> taken;
    for (const DavResponse &r : status.responses) {
        const QString path = pathOf(r.href);
        if (wanted && (!wanted->contains(path) || taken.contains(path)))
            continue;
        const DavProperty *data = r.found(kData);
        const DavProperty *etag = r.found(kEtag);
        if (r.status == 404) {
            takeServerRemoval(path);
        } else if (data && etag) {
            takeServerItem(path, etag->text.toUtf8(), withCrLf(data->text.toUtf8()));
            taken.insert(path);
        }
    }
    return taken;
}

void SyncEngine::fetchNext()
{
    if (m_toFetch.isEmpty()) {
        m_state.token = m_newToken;
        saveState();
        return planWrites();
    }
    const QStringList batch = m_toFetch.mid(0, kMultigetBatch);
    m_toFetch.remove(0, batch.size());
    QStringList hrefs;
    for (const QString &path : batch)
        hrefs << urlOf(path).path(QUrl::FullyEncoded);
    CalDavRequest multiget{
        "REPORT", m_calendar, multigetBody(hrefs), {{"Depth", "1"}, {"Content-Type", kXml}}, true};
    request(multiget, [this, batch](const CalDavResponse &response) {
        if (!response.ok())
            return fail(response.failure);
        takeFetched(parseMultiStatus(response.body));
        saveState();
        step(int(batch.size()));
        fetchNext();
    });
}

void SyncEngine::takeServerItem(const QString &href, const QByteArray &etag, const QByteArray &ics)
{
    const QByteArray uid = eventUid(ics);
    if (uid.isEmpty()) {
        m_state.foreign.insert(href, etag);
        return;
    }
    const auto entry = m_state.entries.constFind(uid);
    const auto local = m_local.constFind(uid);
    if (local != m_local.cend() && sameEvent(*local, ics))
        return record(uid, href, etag, itemHash(*local));
    // New there, or changed there while removed here: the server's text is kept.
    const bool unchangedHere = local != m_local.cend() && entry != m_state.entries.cend() &&
                               itemHash(*local) == entry->hash;
    if (local == m_local.cend() || unchangedHere) {
        const QByteArray kept = putLocal(uid, ics);
        ++m_counts.received;
        return record(uid, href, etag, itemHash(kept));
    }
    resolveConflict(uid, href, etag, ics);
}

void SyncEngine::takeServerRemoval(const QString &href)
{
    m_state.foreign.remove(href);
    const QByteArray uid = m_byHref.take(href);
    const auto entry = m_state.entries.constFind(uid);
    if (uid.isEmpty() || entry == m_state.entries.cend() || entry->href != href)
        return;
    // Changed here since: it stays, and goes back to the server as new.
    const auto local = m_local.constFind(uid);
    if (local != m_local.cend() && itemHash(*local) == entry->hash) {
        m_store->remove(uid);
        m_local.remove(uid);
        ++m_counts.removedHere;
    }
    m_state.entries.remove(uid);
    ++m_unsaved;
}

void SyncEngine::resolveConflict(const QByteArray &uid, const QString &href, const QByteArray &etag,
                                 const QByteArray &server)
{
    if (++m_tries[uid] > kMostConflictsPerItem)
        return fail(QStringLiteral("Событие \"%1\" меняется на сервере \"%2\" быстрее, чем "
                                   "удаётся его записать; попробуйте позже.")
                        .arg(QString::fromUtf8(uid).left(60), shownAddress(m_calendar)));
    ++m_counts.conflicts;
    const QByteArray local = m_local.value(uid);
    const QDateTime serverTime = eventChangeTime(server);
    const QDateTime localTime = eventChangeTime(local);
    const bool localWins = localTime.isValid() && (!serverTime.isValid() || localTime > serverTime);
    // The losing text is kept first, under a UID of its own, then the winner
    // takes the place: stopped in between, nothing is lost.
    const QByteArray copy = eventCopy(localWins ? server : local);
    const QByteArray copyUid = eventUid(copy);
    putLocal(copyUid, copy);
    if (localWins) {
        record(uid, href, etag, itemHash(server));
    } else {
        const QByteArray kept = putLocal(uid, server);
        ++m_counts.received;
        record(uid, href, etag, itemHash(kept));
    }
    // While listing, the write plan finds both; while writing, they are queued.
    if (m_phase == Phase::Writing) {
        queueWrite(WriteKind::Create, copyUid, hrefFor(copyUid));
        if (localWins)
            queueWrite(WriteKind::Change, uid, href);
    }
}

void SyncEngine::record(const QByteArray &uid, const QString &href, const QByteArray &etag,
                        const QByteArray &hash)
{
    const auto old = m_state.entries.constFind(uid);
    if (old != m_state.entries.cend() && old->href != href)
        m_byHref.remove(old->href);
    m_state.entries.insert(uid, {href, etag, hash});
    m_byHref.insert(href, uid);
    if (++m_unsaved >= kSaveEvery)
        saveState();
}

QByteArray SyncEngine::putLocal(const QByteArray &uid, const QByteArray &ics)
{
    // The state records the text as the store keeps it: one it tidied is no
    // change of ours to send back.
    const QByteArray kept = m_store->put({uid, ics});
    m_local.insert(uid, kept);
    return kept;
}
