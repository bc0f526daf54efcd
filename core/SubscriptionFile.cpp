// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/SubscriptionFile.h"

#include "base/Errors.h"
#include "base/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QUuid>

namespace {

const QByteArray kSignature = "dayrail-subscriptions 1";
constexpr int kFields = 12;
// Far more than anyone subscribes to; a damaged file stays within bounds.
constexpr int kMostSubscriptions = 200;

QString timeText(const QDateTime &time)
{
    return time.isValid() ? time.toUTC().toString(Qt::ISODate) : QString();
}

QDateTime timeOf(const QString &text)
{
    QDateTime time = QDateTime::fromString(text, Qt::ISODate);
    return time.isValid() ? time.toUTC() : QDateTime();
}

std::optional<Subscription> parseLine(const QString &line)
{
    const QStringList f = line.split(QLatin1Char('\t'));
    if (f.size() < kFields)
        return std::nullopt;
    Subscription s;
    s.id = f.at(0);
    s.colour = QColor::fromString(f.at(1));
    bool number = false;
    s.hours = f.at(2).toInt(&number);
    s.allowHttp = f.at(3) == QLatin1String("http");
    s.attempted = timeOf(f.at(4));
    s.succeeded = timeOf(f.at(5));
    s.failed = f.at(6) == QLatin1String("failed");
    s.etag = f.at(7).toLatin1();
    s.lastModified = f.at(8).toLatin1();
    s.status = f.at(9);
    s.url = f.at(10);
    // The name is the rest, should it hold a tab after all.
    s.name = f.mid(11).join(QLatin1Char(' '));
    const bool idOk = !s.id.isEmpty() && std::all_of(s.id.cbegin(), s.id.cend(), [](QChar c) {
        return c.isLetterOrNumber() || c == QLatin1Char('-');
    });
    if (!idOk || !s.colour.isValid() || !number || s.hours < kFewestRefreshHours ||
        s.hours > kMostRefreshHours || s.url.isEmpty())
        return std::nullopt;
    return s;
}

} // namespace

bool Subscription::operator==(const Subscription &o) const
{
    return id == o.id && name == o.name && url == o.url && colour == o.colour && hours == o.hours &&
           allowHttp == o.allowHttp && attempted == o.attempted && succeeded == o.succeeded &&
           failed == o.failed && etag == o.etag && lastModified == o.lastModified &&
           status == o.status;
}

QString newSubscriptionId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

QString oneLine(const QString &text)
{
    QString line = text;
    for (QChar &c : line)
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    return line;
}

QByteArray subscriptionFileText(const QList<Subscription> &list)
{
    QByteArray text = kSignature + '\n';
    for (const Subscription &s : list) {
        const QStringList fields{s.id,
                                 s.colour.name(),
                                 QString::number(s.hours),
                                 s.allowHttp ? QStringLiteral("http") : QStringLiteral("https"),
                                 timeText(s.attempted),
                                 timeText(s.succeeded),
                                 s.failed ? QStringLiteral("failed") : QStringLiteral("ok"),
                                 oneLine(QString::fromLatin1(s.etag)),
                                 oneLine(QString::fromLatin1(s.lastModified)),
                                 oneLine(s.status),
                                 oneLine(s.url),
                                 oneLine(s.name)};
        text += fields.join(QLatin1Char('\t')).toUtf8() + '\n';
    }
    return text;
}

QList<Subscription> readSubscriptions(const QString &path, BackupKeeper &backups)
{
    QList<Subscription> list;
    const QFileInfo info(path);
    if (!info.exists())
        return list;
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        throw FileError(QStringLiteral("Не удаётся открыть файл подписок \"%1\": %2")
                            .arg(path, file.errorString()));
    const QByteArray text = file.read(kMaxTextFileBytes);
    if (file.error() != QFileDevice::NoError)
        throw FileError(
            QStringLiteral("Ошибка чтения файла \"%1\": %2").arg(path, file.errorString()));
    QList<QByteArray> lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    bool clean = !lines.isEmpty() && lines.first().trimmed() == kSignature;
    for (qsizetype i = clean ? 1 : 0; i < lines.size(); ++i) {
        QByteArray bytes = lines.at(i);
        if (bytes.endsWith('\r'))
            bytes.chop(1);
        const std::optional<Subscription> s = parseLine(QString::fromUtf8(bytes));
        const bool known = s && std::any_of(list.cbegin(), list.cend(),
                                            [&](const Subscription &o) { return o.id == s->id; });
        if (!s || known || list.size() >= kMostSubscriptions) {
            clean = false;
            continue;
        }
        list << *s;
    }
    if (!clean)
        backups.markUnclean(path);
    return list;
}

void writeSubscriptions(const QString &path, const QList<Subscription> &list, BackupKeeper &backups)
{
    backups.beforeOverwrite(path);
    writeFileAtomically(path, subscriptionFileText(list));
}
