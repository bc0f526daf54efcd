// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/CalDavClient.h"

#include "sync/CalDavXml.h"
#include "sync/NetworkFailure.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSslCertificate>
#include <QSslError>
#include <QTimer>

namespace {
constexpr int kMostRedirects = 5;
constexpr qint64 kLargestAnswer = 64 * 1024 * 1024;
constexpr int kListingPatience = 4;

bool isRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

bool isTransient(QNetworkReply::NetworkError error)
{
    switch (error) {
    case QNetworkReply::RemoteHostClosedError:
    case QNetworkReply::TimeoutError:
    case QNetworkReply::OperationCanceledError: // the transfer timeout
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::UnknownNetworkError:
    case QNetworkReply::ProxyConnectionClosedError: return true;
    default: return false;
    }
}

QByteArray bareFingerprint(const QByteArray &fingerprint)
{
    QByteArray hex = fingerprint.toUpper();
    hex.replace(':', "").replace(' ', "");
    return hex;
}
} // namespace

struct CalDavClient::Call {
    CalDavRequest request;
    Handler done;
    QUrl url;
    int attempt = 0;
    int redirects = 0;
    QByteArray refusedFingerprint;
    QString sslProblem;
};

CalDavClient::CalDavClient(CalDavAccount account, QObject *parent)
    : QObject(parent), m_account(std::move(account)), m_network(new QNetworkAccessManager(this))
{}

CalDavClient::~CalDavClient() = default;

void CalDavClient::setRetries(int retries, int firstDelayMs)
{
    m_retries = qBound(0, retries, 10);
    m_firstDelay = qBound(0, firstDelayMs, 60000);
}

QByteArray CalDavClient::shownFingerprint(const QByteArray &fingerprint)
{
    const QByteArray hex = bareFingerprint(fingerprint);
    QByteArray shown;
    for (int i = 0; i < hex.size(); i += 2)
        shown += (i ? ":" : "") + hex.mid(i, 2);
    return shown;
}

QString CalDavClient::refusal(const QUrl &url) const
{
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("https"))
        return {};
    if (scheme == QLatin1String("http") && m_account.allowPlainHttp)
        return {};
    if (scheme == QLatin1String("http"))
        return QStringLiteral("Адрес \"%1\" не защищён (http): имя, пароль и события пошли бы "
                              "по сети открытым текстом. Используйте https или разрешите http "
                              "для этой учётной записи.")
            .arg(shownAddress(url));
    return QStringLiteral("Адрес \"%1\" — не адрес сервера календарей (нужен https).")
        .arg(shownAddress(url));
}

void CalDavClient::send(const CalDavRequest &request, Handler done)
{
    auto call = std::make_shared<Call>();
    call->request = request;
    call->done = std::move(done);
    call->url = request.url;
    startAttempt(call);
}

int CalDavClient::quietLimit(const Call &call) const
{
    // A listing of a whole calendar is answered only once the server has read
    // every event: a first listing of thousands takes radicale tens of
    // seconds before its first byte. Each retry waits twice as long again.
    const QByteArray &method = call.request.method;
    const int base =
        method == "REPORT" || method == "PROPFIND" ? m_timeout * kListingPatience : m_timeout;
    return int(qMin<qint64>(qint64(base) << qMin(call.attempt, 3), 15 * 60 * 1000));
}

void CalDavClient::startAttempt(const std::shared_ptr<Call> &call)
{
    if (const QString refused = refusal(call->url); !refused.isEmpty()) {
        QTimer::singleShot(0, this, [call, refused, url = call->url] {
            CalDavResponse response;
            response.url = url;
            response.failure = refused;
            call->done(response);
        });
        return;
    }
    QNetworkRequest request(call->url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    request.setTransferTimeout(quietLimit(*call));
    for (const auto &[name, value] : call->request.headers)
        request.setRawHeader(name, value);
    // The password goes to the account's own server only, never to where a
    // redirect points.
    const QUrl &home = m_account.url;
    if (!m_account.user.isEmpty() && call->url.host() == home.host() &&
        call->url.port(-1) == home.port(-1)) {
        const QByteArray pair = (m_account.user + QLatin1Char(':') + m_account.password).toUtf8();
        request.setRawHeader("Authorization", "Basic " + pair.toBase64());
    }
    QNetworkReply *reply =
        m_network->sendCustomRequest(request, call->request.method, call->request.body);
    connect(reply, &QNetworkReply::sslErrors, this,
            [this, call, reply](const QList<QSslError> &errors) {
                QSslCertificate certificate = reply->sslConfiguration().peerCertificate();
                if (certificate.isNull() && !errors.isEmpty())
                    certificate = errors.first().certificate();
                const QByteArray fingerprint =
                    certificate.digest(QCryptographicHash::Sha256).toHex().toUpper();
                const QByteArray trusted = bareFingerprint(m_account.trustedFingerprint);
                if (!trusted.isEmpty() && fingerprint == trusted) {
                    reply->ignoreSslErrors(errors);
                    return;
                }
                call->refusedFingerprint = shownFingerprint(fingerprint);
                call->sslProblem = errors.isEmpty() ? QString() : errors.first().errorString();
            });
    connect(reply, &QNetworkReply::downloadProgress, this, [reply](qint64 received, qint64) {
        if (received > kLargestAnswer)
            reply->abort();
    });
    connect(reply, &QNetworkReply::finished, this,
            [this, call, reply] { finishAttempt(call, reply); });
}

void CalDavClient::finishAttempt(const std::shared_ptr<Call> &call, QNetworkReply *reply)
{
    reply->deleteLater();
    CalDavResponse response;
    response.url = call->url;
    response.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    response.body = reply->readAll();
    response.etag = reply->rawHeader("ETag");
    response.refusedFingerprint = call->refusedFingerprint;

    if (isRedirect(response.status) && reply->hasRawHeader("Location")) {
        if (++call->redirects > kMostRedirects) {
            response.failure = QStringLiteral("Сервер \"%1\" перенаправляет запрос по кругу.")
                                   .arg(shownAddress(call->url));
            call->done(response);
            return;
        }
        const QUrl next = call->url.resolved(QUrl::fromEncoded(reply->rawHeader("Location")));
        // https never steps down to http, even where http is allowed.
        if (call->url.scheme() == QLatin1String("https") && next.scheme() != call->url.scheme()) {
            response.failure = QStringLiteral("Сервер \"%1\" перенаправляет на незащищённый адрес "
                                              "\"%2\".")
                                   .arg(shownAddress(call->url), shownAddress(next));
            call->done(response);
            return;
        }
        call->url = next;
        startAttempt(call);
        return;
    }

    response.failure = replyFailure(reply);
    if (!response.refusedFingerprint.isEmpty() && response.status == 0) {
        response.failure = QStringLiteral("Сертификат сервера \"%1\" не прошёл проверку (%2). "
                                          "Отпечаток SHA-256: %3. Соединяйтесь, только если "
                                          "это отпечаток вашего сервера.")
                               .arg(shownAddress(call->url), call->sslProblem,
                                    QString::fromLatin1(response.refusedFingerprint));
        call->done(response);
        return;
    }
    const bool serverError = response.status == 500 || response.status == 502 ||
                             response.status == 503 || response.status == 504;
    const bool retry = (serverError && call->request.retryServerErrors) ||
                       (response.status == 0 && isTransient(reply->error()));
    if (retry && call->attempt < m_retries) {
        const int delay = m_firstDelay << call->attempt;
        ++call->attempt;
        QTimer::singleShot(delay, this, [this, call] { startAttempt(call); });
        return;
    }
    if (!response.failure.isEmpty() && call->attempt > 0)
        response.failure += QStringLiteral(" Попыток: %1.").arg(call->attempt + 1);
    call->done(response);
}
