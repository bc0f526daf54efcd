// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// The writing half of SyncEngine: local changes sent to the server, with a
// precondition on every write, and what the server answers to them.
#include "sync/SyncEngine.h"

#include "sync/NetworkFailure.h"
#include "sync/SyncEvent.h"
#include "sync/SyncStore.h"

namespace {
constexpr int kWritesInFlight = 4;
constexpr int kSaveEvery = 50;
const QByteArray kCalendarType = "text/calendar; charset=utf-8";
} // namespace

void SyncEngine::planWrites()
{
    m_phase = Phase::Writing;
    for (auto it = m_local.cbegin(); it != m_local.cend(); ++it) {
        const auto entry = m_state.entries.constFind(it.key());
        if (entry == m_state.entries.cend())
            queueWrite(WriteKind::Create, it.key(), hrefFor(it.key()));
        else if (entry->hash != itemHash(it.value()))
            queueWrite(WriteKind::Change, it.key(), entry->href);
    }
    for (auto it = m_state.entries.cbegin(); it != m_state.entries.cend(); ++it) {
        if (!m_local.contains(it.key()))
            queueWrite(WriteKind::Remove, it.key(), it->href);
    }
    pumpWrites();
}

void SyncEngine::queueWrite(WriteKind kind, const QByteArray &uid, const QString &href)
{
    m_writes.push_back({kind, uid, href});
    ++m_total;
}

void SyncEngine::pumpWrites()
{
    while (m_failure.isEmpty() && m_inFlight < kWritesInFlight && !m_writes.empty()) {
        const Write write = m_writes.front();
        m_writes.pop_front();
        startWrite(write);
    }
    if (m_failure.isEmpty() && m_inFlight == 0 && m_writes.empty())
        complete();
}

void SyncEngine::startWrite(const Write &write)
{
    CalDavRequest put{"PUT", urlOf(write.href), {}, {}, true};
    const auto entry = m_state.entries.constFind(write.uid);
    switch (write.kind) {
    case WriteKind::Create:
        put.body = m_local.value(write.uid);
        put.headers = {{"If-None-Match", "*"}, {"Content-Type", kCalendarType}};
        break;
    case WriteKind::Change:
        put.body = m_local.value(write.uid);
        put.headers = {{"If-Match", entry->etag}, {"Content-Type", kCalendarType}};
        break;
    case WriteKind::Remove:
        put.method = "DELETE";
        put.headers = {{"If-Match", entry->etag}};
        break;
    }
    // A plan may go stale while it waits (a conflict rewrote the entry).
    if ((write.kind == WriteKind::Create && put.body.isEmpty()) ||
        (write.kind != WriteKind::Create && entry == m_state.entries.cend())) {
        step(1);
        return;
    }
    if (write.kind != WriteKind::Create && entry->etag.isEmpty())
        put.headers.removeFirst();
    request(put, [this, write](const CalDavResponse &response) {
        takeWritten(write, response);
        step(1);
        pumpWrites();
    });
}

void SyncEngine::takeWritten(const Write &write, const CalDavResponse &response)
{
    if (response.status == 412)
        return fetchAndResolve(write.uid, write.href);
    if (write.kind == WriteKind::Remove) {
        if (!response.ok() && response.status != 404)
            return fail(response.failure);
        m_state.entries.remove(write.uid);
        m_byHref.remove(write.href);
        ++m_counts.removedThere;
        if (++m_unsaved >= kSaveEvery)
            saveState();
        return;
    }
    // Removed there while changed here: it goes back as new.
    if (write.kind == WriteKind::Change && response.status == 404)
        return queueWrite(WriteKind::Create, write.uid, write.href);
    if (!response.ok())
        return fail(response.failure);
    // Without an ETag the next listing shows the item as changed; it is
    // fetched once and found the same.
    ++m_counts.sent;
    record(write.uid, write.href, response.etag, itemHash(m_local.value(write.uid)));
}

void SyncEngine::fetchAndResolve(const QByteArray &uid, const QString &href)
{
    request({"GET", urlOf(href), {}, {}, true}, [this, uid, href](const CalDavResponse &response) {
        const bool here = m_local.contains(uid);
        if (response.status == 404) {
            if (here)
                queueWrite(WriteKind::Create, uid, href);
            else
                m_state.entries.remove(uid);
            return pumpWrites();
        }
        if (!response.ok())
            return fail(response.failure);
        const QByteArray server = withCrLf(response.body);
        if (eventUid(server) != uid) {
            // Another event holds the name this one was to take.
            if (href != hrefFor(uid, true))
                queueWrite(WriteKind::Create, uid, hrefFor(uid, true));
            else
                fail(QStringLiteral("Сервер \"%1\" не принял событие \"%2\".")
                         .arg(shownAddress(urlOf(href)), QString::fromUtf8(uid).left(60)));
            return pumpWrites();
        }
        if (!here) {
            // Removed here, changed there: the change is kept.
            const QByteArray kept = putLocal(uid, server);
            ++m_counts.received;
            record(uid, href, response.etag, itemHash(kept));
        } else if (sameEvent(m_local.value(uid), server)) {
            record(uid, href, response.etag, itemHash(m_local.value(uid)));
        } else {
            resolveConflict(uid, href, response.etag, server);
        }
        pumpWrites();
    });
}
