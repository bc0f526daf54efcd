// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Real CalDAV servers for the sync tests, started on 127.0.0.1 with a free
// port, and a proxy between client and server that fails on request.
#include <QProcess>
#include <QString>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QUrl>

class CalendarServer {
public:
    ~CalendarServer();
    // Starts "radicale" or "xandikos" (radicale only over TLS, with a
    // self-signed certificate). Empty on success, else why the test skips.
    QString start(const QString &kind, bool tls = false);
    // Puts the files (name, text) straight into the calendar's folder, the
    // server stopped meanwhile: many events without as many uploads.
    QString seed(const QList<QPair<QString, QByteArray>> &files);
    QUrl root() const { return m_root; }
    QUrl calendar() const { return m_calendar; }
    quint16 port() const { return m_port; }

private:
    QString launch();
    void stop();

    QTemporaryDir m_dir;
    QProcess m_process;
    QString m_kind;
    QString m_program;
    QStringList m_args;
    QString m_folder;
    QUrl m_root;
    QUrl m_calendar;
    quint16 m_port = 0;
};

// Passes one request per connection to the server, or fails it: the next
// `count` requests after `after` more have passed get the fault.
class FaultProxy : public QTcpServer {
public:
    enum class Fault { None, Answer500, Drop, DropAfterForward };
    explicit FaultProxy(quint16 upstream);
    void failNext(Fault fault, int count, int after = 0);
    int requests() const { return m_requests; }
    QUrl rebase(QUrl url) const;

private:
    void serve(QTcpSocket *client);
    void handle(QTcpSocket *client, QByteArray request);

    quint16 m_upstream;
    Fault m_fault = Fault::None;
    int m_count = 0;
    int m_after = 0;
    int m_requests = 0;
};
