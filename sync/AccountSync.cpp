// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/AccountSync.h"

#include "sync/CalDavClient.h"
#include "sync/SyncEngine.h"

#include <QDateTime>
#include <QLocale>

namespace {
// Several edits in a row go in one run.
constexpr int kSettleMs = 5000;
} // namespace

AccountSync::AccountSync(QString accountPath, QObject *parent)
    : QObject(parent), m_accountPath(std::move(accountPath))
{
    connect(&m_every, &QTimer::timeout, this, &AccountSync::syncNow);
    m_soon.setSingleShot(true);
    m_soon.setInterval(kSettleMs);
    connect(&m_soon, &QTimer::timeout, this, &AccountSync::syncNow);
}

AccountSync::~AccountSync() = default;

void AccountSync::load()
{
    m_account = readAccount(m_accountPath);
    followAccount();
}

void AccountSync::setAccount(const SyncAccount &account)
{
    if (account == m_account)
        return;
    const bool otherUser = account.user != m_account.user || account.url != m_account.url;
    writeAccount(m_accountPath, account);
    m_account = account;
    if (otherUser)
        m_password.reset();
    followAccount();
}

void AccountSync::followAccount()
{
    if (m_account.configured() && m_account.everyMinutes > 0)
        m_every.start(m_account.everyMinutes * 60 * 1000);
    else
        m_every.stop();
}

void AccountSync::setPassword(const QString &password, std::function<void(QString)> done)
{
    m_password = password;
    m_passwords.write(Passwords::keyFor(m_account.user, m_account.url.host()), password,
                      std::move(done));
}

const QString &AccountSync::password() const
{
    static const QString none;
    return m_password ? *m_password : none;
}

void AccountSync::setStore(SyncStore *store, const QString &statePath)
{
    m_store = store;
    m_statePath = statePath;
}

void AccountSync::syncNow()
{
    if (!m_account.configured() || !m_store)
        return;
    if (running()) {
        m_again = true;
        return;
    }
    withPassword([this](const QString &failure) {
        if (failure.isEmpty())
            run();
        else
            report(failure);
    });
}

void AccountSync::withPassword(std::function<void(QString)> then)
{
    if (m_password) {
        then({});
        return;
    }
    m_passwords.read(Passwords::keyFor(m_account.user, m_account.url.host()),
                     [this, then](std::optional<QString> password, const QString &failure) {
                         if (!password) {
                             then(failure.isEmpty()
                                      ? QStringLiteral("Введите пароль учётной записи "
                                                       "на странице «Синхронизация».")
                                      : failure);
                             return;
                         }
                         m_password = *password;
                         then({});
                     });
}

void AccountSync::changedHere()
{
    if (m_account.configured() && !running())
        m_soon.start();
}

void AccountSync::run()
{
    CalDavAccount account;
    account.url = m_account.url;
    account.user = m_account.user;
    account.password = password();
    account.allowPlainHttp = m_account.allowPlainHttp;
    account.trustedFingerprint = m_account.trustedFingerprint;
    m_client = std::make_unique<CalDavClient>(account);
    m_engine =
        std::make_unique<SyncEngine>(m_client.get(), m_store, m_account.calendar, m_statePath);
    connect(m_engine.get(), &SyncEngine::progress, this, &AccountSync::progress);
    connect(m_engine.get(), &SyncEngine::finished, this, [this](bool ok, const QString &message) {
        // The engine is still in its own signal: it goes once that returns.
        m_engine.release()->deleteLater();
        m_client.release()->deleteLater();
        const QString when =
            QLocale(QLocale::Russian)
                .toString(QDateTime::currentDateTime(), QStringLiteral("d MMMM HH:mm"));
        report(when + QStringLiteral(": ") + message);
        emit synced(ok);
        if (std::exchange(m_again, false))
            syncNow();
    });
    report(QStringLiteral("Идёт синхронизация…"));
    m_engine->start();
}

void AccountSync::report(const QString &status)
{
    m_status = status;
    emit statusChanged(status);
}
