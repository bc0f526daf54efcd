// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps the active profile in step with the account's calendar: a run at
// start, one every few minutes the account names, and one when asked. The
// password comes from the desktop's password store, or from the user for
// this session when the store keeps none.
#include "core/AccountFile.h"
#include "sync/Passwords.h"

#include <QObject>
#include <QTimer>
#include <memory>
#include <optional>

class CalDavClient;
class SyncEngine;
class SyncStore;

class AccountSync : public QObject {
    Q_OBJECT
public:
    explicit AccountSync(QString accountPath, QObject *parent = nullptr);
    ~AccountSync() override;

    const SyncAccount &account() const { return m_account; }
    // Reads the account file; throws FileError.
    void load();
    // Stores the account; throws FileError (the previous file stays whole).
    void setAccount(const SyncAccount &account);
    // The password for this session, also handed to the password store;
    // done(failure) tells whether the store kept it.
    void setPassword(const QString &password, std::function<void(QString)> done);
    bool hasPassword() const { return m_password.has_value(); }
    // Reads the store's password for the account unless this session has
    // one; then(failure) follows, failure empty once password() holds it.
    void withPassword(std::function<void(QString)> then);
    const QString &password() const;

    // The local side and the file of what both sides last agreed on; a run
    // going on for another store is let finish first.
    void setStore(SyncStore *store, const QString &statePath);
    void syncNow();
    // The user changed the local side: a run follows shortly, once the
    // changes have settled. The run's own changes to the store do not count.
    void changedHere();
    bool running() const { return m_engine != nullptr; }
    // What the last run did or why it failed; empty before any.
    const QString &status() const { return m_status; }

signals:
    void progress(int done, int total);
    void statusChanged(const QString &status);
    // A run ended; the store holds the server's changes.
    void synced(bool ok);

private:
    void run();
    void report(const QString &status);
    void followAccount();

    QString m_accountPath;
    SyncAccount m_account;
    Passwords m_passwords;
    std::optional<QString> m_password;
    SyncStore *m_store = nullptr;
    QString m_statePath;
    bool m_again = false; // asked while a run went on
    std::unique_ptr<CalDavClient> m_client;
    std::unique_ptr<SyncEngine> m_engine;
    QTimer m_every;
    QTimer m_soon;
    QString m_status;
};
