// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/AccountFile.h"

#include "base/Errors.h"
#include "base/TextFile.h"

#include <QFile>
#include <QFileInfo>

namespace {
const char *const kSignature = "dayrail-account 1";
// Far more than any address or fingerprint takes.
constexpr qint64 kLargestAccountFile = 64 * 1024;
} // namespace

QByteArray accountFileText(const SyncAccount &account)
{
    QByteArray text = QByteArray(kSignature) + '\n';
    const auto line = [&text](const char *key, const QByteArray &value) {
        if (!value.isEmpty())
            text += QByteArray(key) + ' ' + value + '\n';
    };
    line("url", account.url.toEncoded());
    line("user", account.user.toUtf8());
    line("calendar", account.calendar.toEncoded());
    line("plain-http", account.allowPlainHttp ? "yes" : "no");
    line("trust", account.trustedFingerprint);
    line("every", QByteArray::number(account.everyMinutes));
    return text;
}

SyncAccount parseAccount(const QByteArray &text)
{
    SyncAccount account;
    const QList<QByteArray> lines = text.split('\n');
    if (lines.isEmpty() || lines.first().trimmed() != kSignature)
        return account;
    for (const QByteArray &raw : lines) {
        const QByteArray line = raw.endsWith('\r') ? raw.chopped(1) : raw;
        const int space = line.indexOf(' ');
        if (space <= 0)
            continue;
        const QByteArray key = line.left(space);
        const QByteArray value = line.mid(space + 1);
        // An address with a space or a line break in it was not written here.
        const QUrl url = QUrl::fromEncoded(value, QUrl::StrictMode);
        if (key == "url" && url.isValid())
            account.url = url;
        else if (key == "calendar" && url.isValid())
            account.calendar = url;
        else if (key == "user")
            account.user = QString::fromUtf8(value);
        else if (key == "plain-http")
            account.allowPlainHttp = value == "yes";
        else if (key == "trust")
            account.trustedFingerprint = value.trimmed();
        else if (key == "every") {
            bool ok = false;
            const int minutes = value.toInt(&ok);
            if (ok && minutes >= 0 && minutes <= kMostSyncMinutes)
                account.everyMinutes = minutes;
        }
    }
    return account;
}

SyncAccount readAccount(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return {};
    const QString shown = quotePathForMessage(path);
    if (!QFileInfo(path).isFile())
        throw FileError(QStringLiteral("\"%1\" не файл").arg(shown));
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(
            QStringLiteral("Не удаётся прочитать файл \"%1\": %2").arg(shown, file.errorString()));
    return parseAccount(file.read(kLargestAccountFile));
}

void writeAccount(const QString &path, const SyncAccount &account)
{
    if (account == SyncAccount{}) {
        if (QFile::exists(path) && !QFile::remove(path))
            throw FileError(
                QStringLiteral("Не удаётся удалить файл \"%1\"").arg(quotePathForMessage(path)));
        return;
    }
    writeFileAtomically(path, accountFileText(account));
}
