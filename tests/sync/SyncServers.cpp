// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/sync/SyncServers.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTcpSocket>
#include <QThread>
#include <algorithm>
#include <memory>
#include <utility>

namespace {
quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

bool write(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(data) == data.size();
}
} // namespace

CalendarServer::~CalendarServer()
{
    stop();
}

void CalendarServer::stop()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
        m_process.waitForFinished(2000);
    }
}

QString CalendarServer::start(const QString &kind, bool tls)
{
    const QString program = QStandardPaths::findExecutable(kind);
    if (program.isEmpty())
        return kind + QStringLiteral(" is not installed (tools/deps.sh test)");
    m_port = freePort();
    const QString dir = m_dir.path();
    const QString scheme = tls ? QStringLiteral("https") : QStringLiteral("http");
    m_root = QUrl(QStringLiteral("%1://127.0.0.1:%2/").arg(scheme).arg(m_port));
    QStringList args;
    if (kind == QLatin1String("radicale")) {
        write(dir + QStringLiteral("/users"), "alice:secret\n");
        write(dir + QStringLiteral("/store/collection-root/alice/cal/.Radicale.props"),
              R"({"tag": "VCALENDAR", "D:displayname": "Дела"})");
        args << QStringLiteral("--server-hosts") << QStringLiteral("127.0.0.1:%1").arg(m_port)
             << QStringLiteral("--storage-filesystem-folder") << dir + QStringLiteral("/store")
             << QStringLiteral("--auth-type") << QStringLiteral("htpasswd")
             << QStringLiteral("--auth-htpasswd-filename") << dir + QStringLiteral("/users")
             << QStringLiteral("--auth-htpasswd-encryption") << QStringLiteral("plain");
        if (tls) {
            const QString openssl = QStandardPaths::findExecutable(QStringLiteral("openssl"));
            if (openssl.isEmpty())
                return QStringLiteral("openssl is not installed");
            QProcess maker;
            maker.setStandardOutputFile(QProcess::nullDevice());
            maker.setStandardErrorFile(QProcess::nullDevice());
            maker.start(openssl,
                        {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                         QStringLiteral("rsa:2048"), QStringLiteral("-nodes"),
                         QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-subj"),
                         QStringLiteral("/CN=127.0.0.1"), QStringLiteral("-keyout"),
                         dir + QStringLiteral("/key.pem"), QStringLiteral("-out"),
                         dir + QStringLiteral("/cert.pem")});
            if (!maker.waitForFinished(30000) || maker.exitCode() != 0)
                return QStringLiteral("openssl could not make a certificate");
            args << QStringLiteral("--server-ssl") << QStringLiteral("True")
                 << QStringLiteral("--server-certificate") << dir + QStringLiteral("/cert.pem")
                 << QStringLiteral("--server-key") << dir + QStringLiteral("/key.pem");
        }
        m_calendar = m_root.resolved(QUrl(QStringLiteral("/alice/cal/")));
        m_folder = dir + QStringLiteral("/store/collection-root/alice/cal");
    } else {
        args << QStringLiteral("--defaults") << QStringLiteral("-d") << dir + QStringLiteral("/x")
             << QStringLiteral("-l") << QStringLiteral("127.0.0.1") << QStringLiteral("-p")
             << QString::number(m_port);
        m_calendar = m_root.resolved(QUrl(QStringLiteral("/user/calendars/calendar/")));
        m_folder = dir + QStringLiteral("/x/user/calendars/calendar");
    }
    m_kind = kind;
    m_program = program;
    m_args = args;
    return launch();
}

QString CalendarServer::seed(const QList<QPair<QString, QByteArray>> &files)
{
    stop();
    for (const auto &[name, text] : files)
        write(m_folder + QLatin1Char('/') + name, text);
    // xandikos serves what its git repository holds.
    if (m_kind == QLatin1String("xandikos")) {
        const QString git = QStandardPaths::findExecutable(QStringLiteral("git"));
        if (git.isEmpty())
            return QStringLiteral("git is not installed");
        const QStringList at{QStringLiteral("-C"), m_folder};
        if (QProcess::execute(git, at + QStringList{QStringLiteral("add"), QStringLiteral(".")}) ||
            QProcess::execute(git, at + QStringList{QStringLiteral("-c"),
                                                    QStringLiteral("user.name=test"),
                                                    QStringLiteral("-c"),
                                                    QStringLiteral("user.email=test@localhost"),
                                                    QStringLiteral("commit"), QStringLiteral("-qm"),
                                                    QStringLiteral("seed")}))
            return QStringLiteral("git could not commit the seeded events");
    }
    return launch();
}

QString CalendarServer::launch()
{
    const QString &kind = m_kind;
    const QString dir = m_dir.path();
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.setStandardOutputFile(dir + QStringLiteral("/server.log"));
    m_process.start(m_program, m_args);
    if (!m_process.waitForStarted(5000))
        return kind + QStringLiteral(" does not start");
    // Ready once it takes connections; bounded.
    QDeadlineTimer deadline(20000);
    while (!deadline.hasExpired() && m_process.state() == QProcess::Running) {
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, m_port);
        if (probe.waitForConnected(500))
            return {};
        QThread::msleep(100);
    }
    return kind + QStringLiteral(" did not open its port");
}

FaultProxy::FaultProxy(quint16 upstream) : m_upstream(upstream)
{
    listen(QHostAddress::LocalHost, 0);
    connect(this, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *client = nextPendingConnection())
            serve(client);
    });
}

void FaultProxy::failNext(Fault fault, int count, int after)
{
    m_fault = fault;
    m_count = count;
    m_after = after;
}

QUrl FaultProxy::rebase(QUrl url) const
{
    url.setPort(serverPort());
    return url;
}

void FaultProxy::serve(QTcpSocket *client)
{
    connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
    auto buffer = std::make_shared<QByteArray>();
    connect(client, &QTcpSocket::readyRead, this, [this, client, buffer] {
        *buffer += client->readAll();
        const qsizetype end = buffer->indexOf("\r\n\r\n");
        if (end < 0)
            return;
        qsizetype length = 0;
        for (const QByteArray &line : buffer->left(end).split('\n')) {
            if (line.toLower().startsWith("content-length:"))
                length = line.mid(15).trimmed().toLongLong();
        }
        if (buffer->size() >= end + 4 + length)
            handle(client, std::exchange(*buffer, {}));
    });
}

void FaultProxy::handle(QTcpSocket *client, QByteArray request)
{
    ++m_requests;
    Fault fault = Fault::None;
    if (m_after > 0)
        --m_after;
    else if (m_count > 0) {
        --m_count;
        fault = m_fault;
    }
    if (fault == Fault::Drop)
        return client->abort();
    if (fault == Fault::Answer500) {
        client->write("HTTP/1.1 500 Internal Server Error\r\nContent-Length: 0\r\n"
                      "Connection: close\r\n\r\n");
        return client->disconnectFromHost();
    }
    // One request per connection: the server closes after its answer.
    const qsizetype end = request.indexOf("\r\n\r\n");
    QList<QByteArray> head = request.left(end).split('\n');
    head.erase(
        std::remove_if(head.begin(), head.end(),
                       [](const QByteArray &l) { return l.toLower().startsWith("connection:"); }),
        head.end());
    request = head.join('\n') + "\r\nConnection: close" + request.mid(end);
    auto *server = new QTcpSocket(client);
    const bool dropAnswer = fault == Fault::DropAfterForward;
    connect(server, &QTcpSocket::connected, server, [server, request] { server->write(request); });
    connect(server, &QTcpSocket::readyRead, client, [server, client, dropAnswer] {
        const QByteArray data = server->readAll();
        if (!dropAnswer)
            client->write(data);
    });
    connect(server, &QTcpSocket::disconnected, client, [client, dropAnswer] {
        if (dropAnswer)
            client->abort();
        else
            client->disconnectFromHost();
    });
    server->connectToHost(QHostAddress::LocalHost, m_upstream);
}
