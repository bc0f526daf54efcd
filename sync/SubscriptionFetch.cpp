// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/SubscriptionFetch.h"

#include "core/ICalendar.h"
#include "sync/NetworkFailure.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace {

QString tooLarge(const QUrl &url)
{
    return QStringLiteral("Календарь по адресу \"%1\" больше %2 МБ: такой календарь программа "
                          "не читает.")
        .arg(shownAddress(url))
        .arg(kLargestICalendarFile / (1024 * 1024));
}

} // namespace

QUrl subscriptionAddress(const QString &text, bool allowHttp)
{
    QUrl url = QUrl::fromUserInput(text.trimmed());
    const QString given = QUrl(text.trimmed()).scheme().toLower();
    // fromUserInput makes http:// of an address written without a scheme.
    if (given.isEmpty() && url.scheme() == QLatin1String("http"))
        url.setScheme(QStringLiteral("https"));
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("webcal") || scheme == QLatin1String("webcals"))
        url.setScheme(QStringLiteral("https"));
    const QString shown = shownAddress(url.isValid() ? url : QUrl());
    if (!url.isValid() || url.host().isEmpty() ||
        (url.scheme() != QLatin1String("https") && url.scheme() != QLatin1String("http")))
        throw NetworkError(QStringLiteral("\"%1\" — не адрес календаря: нужен адрес, "
                                          "начинающийся с https:// или webcal://.")
                               .arg(text.trimmed().left(60)));
    if (url.scheme() == QLatin1String("http") && !allowHttp)
        throw NetworkError(QStringLiteral("Адрес \"%1\" без шифрования (http): календарь по нему "
                                          "можно подменить в пути. Подписка по такому адресу "
                                          "не разрешена.")
                               .arg(shown));
    return url;
}

SubscriptionFetch::SubscriptionFetch(QNetworkAccessManager &network, QObject *parent)
    : QObject(parent), m_network(network)
{
    m_deadline.setSingleShot(true);
    m_deadline.setInterval(kLongestMs);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        if (m_reply)
            stop(QStringLiteral("Календарь по адресу \"%1\" не загрузился за %2 с.")
                     .arg(shownAddress(m_reply->url()))
                     .arg(m_deadline.interval() / 1000));
    });
}

SubscriptionFetch::~SubscriptionFetch()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
    }
}

void SubscriptionFetch::setTimeouts(int quietMs, int longestMs)
{
    m_quietMs = quietMs;
    m_deadline.setInterval(longestMs);
}

void SubscriptionFetch::start(const FetchRequest &request)
{
    Q_ASSERT(!m_reply);
    m_body.clear();
    m_stopped.clear();
    QNetworkRequest get(request.url);
    // Never from https to http, and not on for ever.
    get.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                     QNetworkRequest::NoLessSafeRedirectPolicy);
    get.setMaximumRedirectsAllowed(kMostRedirects);
    get.setTransferTimeout(m_quietMs);
    get.setRawHeader("Accept", "text/calendar, */*;q=0.5");
    get.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Dayrail XP"));
    if (!request.etag.isEmpty())
        get.setRawHeader("If-None-Match", request.etag);
    if (!request.lastModified.isEmpty())
        get.setRawHeader("If-Modified-Since", request.lastModified);
    m_reply = m_network.get(get);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, [this] {
        const qint64 length = m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
        if (length > kLargestICalendarFile)
            stop(tooLarge(m_reply->url()));
    });
    connect(m_reply, &QNetworkReply::readyRead, this, &SubscriptionFetch::take);
    connect(m_reply, &QNetworkReply::finished, this, &SubscriptionFetch::finish);
    m_deadline.start();
}

void SubscriptionFetch::take()
{
    if (!m_reply || !m_stopped.isEmpty())
        return;
    // A redirect's own body is not the calendar.
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status >= 300 && status < 400) {
        m_reply->readAll();
        return;
    }
    m_body += m_reply->read(kLargestICalendarFile + 1 - m_body.size());
    if (m_body.size() > kLargestICalendarFile)
        stop(tooLarge(m_reply->url()));
}

void SubscriptionFetch::stop(const QString &why)
{
    if (!m_stopped.isEmpty())
        return;
    m_stopped = why;
    m_body.clear();
    // finished follows from abort, and reports why.
    m_reply->abort();
}

void SubscriptionFetch::finish()
{
    m_deadline.stop();
    QNetworkReply *reply = m_reply;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    // What is left of the body, within the limit.
    if (m_stopped.isEmpty() && status >= 200 && status < 300) {
        m_body += reply->read(kLargestICalendarFile + 1 - m_body.size());
        if (m_body.size() > kLargestICalendarFile)
            m_stopped = tooLarge(reply->url());
    }
    m_reply = nullptr;
    reply->deleteLater();
    FetchAnswer answer;
    const QString where = shownAddress(reply->url());
    if (!m_stopped.isEmpty()) {
        answer.failure = m_stopped;
    } else if (reply->error() == QNetworkReply::TooManyRedirectsError) {
        answer.failure = QStringLiteral("Сервер \"%1\" перенаправляет запрос больше %2 раз.")
                             .arg(where)
                             .arg(kMostRedirects);
    } else if (reply->error() == QNetworkReply::InsecureRedirectError) {
        answer.failure =
            QStringLiteral("Сервер \"%1\" перенаправляет на адрес без шифрования.").arg(where);
    } else if (status == 304) {
        answer.notModified = true;
    } else {
        answer.failure = replyFailure(reply);
    }
    if (answer.failure.isEmpty()) {
        if (!answer.notModified)
            answer.body = m_body;
        answer.etag = reply->rawHeader("ETag");
        answer.lastModified = reply->rawHeader("Last-Modified");
    }
    m_body.clear();
    emit finished(answer);
}
