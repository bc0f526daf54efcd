// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/NetworkFailure.h"

#include <QNetworkReply>

QString shownAddress(const QUrl &url)
{
    QString text = url.toDisplayString(QUrl::RemovePassword | QUrl::RemoveUserInfo);
    if (text.size() > 60)
        text = text.left(59) + QChar(0x2026);
    return text;
}

QString replyFailure(QNetworkReply *reply)
{
    const QString where = shownAddress(reply->url());
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    switch (reply->error()) {
    case QNetworkReply::NoError: break;
    case QNetworkReply::ConnectionRefusedError:
        return QStringLiteral("Сервер \"%1\" не принимает соединения.").arg(where);
    case QNetworkReply::HostNotFoundError:
        return QStringLiteral("Сервер \"%1\" не найден.").arg(where);
    case QNetworkReply::RemoteHostClosedError:
        return QStringLiteral("Сервер \"%1\" оборвал соединение.").arg(where);
    case QNetworkReply::TimeoutError:
    case QNetworkReply::OperationCanceledError:
        return QStringLiteral("Сервер \"%1\" не ответил вовремя.").arg(where);
    case QNetworkReply::SslHandshakeFailedError:
        return QStringLiteral("Не удалось установить защищённое соединение с \"%1\".").arg(where);
    case QNetworkReply::AuthenticationRequiredError:
        return QStringLiteral("Сервер \"%1\" не принял имя или пароль.").arg(where);
    default:
        if (status == 0)
            return QStringLiteral("Ошибка сети при обращении к \"%1\": %2")
                .arg(where, reply->errorString());
    }
    if (status >= 200 && status < 300)
        return {};
    return QStringLiteral("Сервер \"%1\" ответил: %2 %3")
        .arg(where)
        .arg(status)
        .arg(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString());
}
