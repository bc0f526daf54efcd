// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What both sides agreed on at the end of the last synchronisation step: the
// collection's sync-token and, per event, where it lives on the server, its
// ETag there and the digest of the text both sides held. Local changes are
// found against it, so changes made offline are simply found on the next run.
#include <QByteArray>
#include <QHash>
#include <QString>

struct SyncEntry {
    QString href; // the path on the server, decoded
    QByteArray etag;
    QByteArray hash; // itemHash() of the text last agreed
};

struct SyncState {
    QString calendar; // the collection this state belongs to
    QString token;
    QHash<QByteArray, SyncEntry> entries; // by UID
    // Members of the collection that hold no event (tasks, notes): their
    // ETags, so that they are not fetched again and again.
    QHash<QString, QByteArray> foreign;

    // An empty state when the file does not exist. Throws FileError when it
    // cannot be read or is damaged.
    static SyncState load(const QString &path);
    // Replaces the file atomically. Throws FileError.
    void save(const QString &path) const;
};
