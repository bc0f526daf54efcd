// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One download of a subscribed calendar: a conditional GET that follows a
// few redirects, never to a less safe address, stops at the size the
// program reads and within a time, and names every failure.
#include <QByteArray>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QUrl>

class QNetworkAccessManager;

// https:// as it is, webcal:// as https://, http:// only when allowed.
// Throws NetworkError naming the address otherwise.
QUrl subscriptionAddress(const QString &text, bool allowHttp);

struct FetchRequest {
    QUrl url; // as subscriptionAddress gives it
    // The validators of the last good answer, sent back so that an
    // unchanged calendar answers 304 without its body.
    QByteArray etag;
    QByteArray lastModified;
};

struct FetchAnswer {
    QString failure;          // for the user; empty when the fetch succeeded
    bool notModified = false; // 304: the last good copy stands
    QByteArray body;
    QByteArray etag;
    QByteArray lastModified;
};

class SubscriptionFetch : public QObject {
    Q_OBJECT
public:
    static constexpr int kMostRedirects = 5;
    // Without a byte for this long the transfer is given up.
    static constexpr int kQuietMs = 30 * 1000;
    // The whole download, however slowly the bytes come.
    static constexpr int kLongestMs = 3 * 60 * 1000;

    SubscriptionFetch(QNetworkAccessManager &network, QObject *parent = nullptr);
    ~SubscriptionFetch() override;

    // Tests shorten the waits.
    void setTimeouts(int quietMs, int longestMs);
    // Starts the download; finished follows once, also for a failure.
    void start(const FetchRequest &request);
    bool isRunning() const { return m_reply != nullptr; }

signals:
    void finished(const FetchAnswer &answer);

private:
    void take();
    void stop(const QString &why);
    void finish();

    QNetworkAccessManager &m_network;
    QPointer<QNetworkReply> m_reply;
    QTimer m_deadline;
    int m_quietMs = kQuietMs;
    QByteArray m_body;
    QString m_stopped;
};
