// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Requests to a CalDAV server over QNetworkAccessManager: asynchronous, each
// with a transfer timeout, retried a few times with backoff when the server
// answers 500/502/503/504 or drops the connection, redirects followed within
// bounds. Plain http only when the account allows it; a certificate that
// fails verification only when its SHA-256 fingerprint is the trusted one.
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <memory>

class QNetworkAccessManager;
class QNetworkReply;

struct CalDavAccount {
    QUrl url; // the server or its calendars' address, as the user gave it
    QString user;
    QString password; // handed in by the caller for this session; never stored here
    bool allowPlainHttp = false;
    // SHA-256 of a certificate the user trusts although it fails
    // verification: hex, with or without colons.
    QByteArray trustedFingerprint;
};

struct CalDavRequest {
    QByteArray method;
    QUrl url;
    QByteArray body;
    QList<QPair<QByteArray, QByteArray>> headers; // Depth, If-Match, Content-Type...
    // False for a request whose server error is an answer in itself (a
    // sync-token the server cannot read makes some servers answer 500).
    bool retryServerErrors = true;
};

struct CalDavResponse {
    int status = 0; // 0: no HTTP answer
    QByteArray body;
    QByteArray etag; // the ETag header, quotes kept
    QUrl url;        // where the answer came from, after redirects
    // Empty after a 2xx answer, else what went wrong, naming the server.
    QString failure;
    // A certificate refused: its SHA-256 fingerprint ("AB:CD:…") to put to the user.
    QByteArray refusedFingerprint;
    bool ok() const { return failure.isEmpty(); }
};

struct CalDavCalendar {
    QUrl url;
    QString displayName;
    QStringList components; // "VEVENT", "VTODO"…; empty when the server did not say
    bool syncCollection = false;
};

class CalDavClient : public QObject {
    Q_OBJECT
public:
    explicit CalDavClient(CalDavAccount account, QObject *parent = nullptr);
    ~CalDavClient() override;

    const CalDavAccount &account() const { return m_account; }
    // Milliseconds without any data before a request is given up and retried;
    // a listing of a whole calendar is given four times as long.
    void setTransferTimeout(int milliseconds) { m_timeout = milliseconds; }
    // retries more tries after the first, waiting firstDelay, then twice as long each time.
    void setRetries(int retries, int firstDelayMs);

    using Handler = std::function<void(const CalDavResponse &)>;
    // Sends the request; done is called once, from the event loop, with the
    // final answer. Nothing is called after the client is deleted.
    void send(const CalDavRequest &request, Handler done);

    // Finds the user's calendars: /.well-known/caldav, current-user-principal,
    // calendar-home-set, then the calendars there. Emits calendarsFound or
    // discoveryFailed.
    void discover();

    // "AB:CD:…" for a hex fingerprint, with or without colons.
    static QByteArray shownFingerprint(const QByteArray &fingerprint);

signals:
    void calendarsFound(const QList<CalDavCalendar> &calendars);
    // message names the server; fingerprint is set when a certificate was
    // refused, so the user can be asked to trust it.
    void discoveryFailed(const QString &message, const QByteArray &fingerprint);

private:
    struct Call;
    void startAttempt(const std::shared_ptr<Call> &call);
    int quietLimit(const Call &call) const;
    void finishAttempt(const std::shared_ptr<Call> &call, QNetworkReply *reply);
    QString refusal(const QUrl &url) const;
    void findPrincipal(QList<QUrl> candidates);
    void findHome(const QUrl &principal);
    void listCalendars(const QUrl &home);
    void failDiscovery(const CalDavResponse &response, const QString &message = {});

    CalDavAccount m_account;
    QNetworkAccessManager *m_network;
    int m_timeout = 30000;
    int m_retries = 3;
    int m_firstDelay = 1000;
};
