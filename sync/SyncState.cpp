// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/SyncState.h"

#include "base/Errors.h"
#include "base/TextFile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
constexpr int kFormat = 1;
constexpr qint64 kLargestState = 64 * 1024 * 1024;

QString text(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes);
}
} // namespace

SyncState SyncState::load(const QString &path)
{
    SyncState state;
    QFile file(path);
    if (!file.exists())
        return state;
    const auto damaged = [&] {
        return FileError(
            QStringLiteral("Файл состояния синхронизации \"%1\" повреждён или не читается.")
                .arg(quotePathForMessage(path)));
    };
    if (file.size() > kLargestState || !file.open(QIODevice::ReadOnly))
        throw damaged();
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    const QJsonObject root = document.object();
    if (error.error != QJsonParseError::NoError || root.value(QLatin1String("format")) != kFormat)
        throw damaged();
    state.calendar = root.value(QLatin1String("calendar")).toString();
    state.token = root.value(QLatin1String("token")).toString();
    const QJsonArray entries = root.value(QLatin1String("entries")).toArray();
    for (const QJsonValue &value : entries) {
        const QJsonArray e = value.toArray();
        if (e.size() != 4)
            throw damaged();
        state.entries.insert(
            e.at(0).toString().toUtf8(),
            {e.at(1).toString(), e.at(2).toString().toLatin1(), e.at(3).toString().toLatin1()});
    }
    const QJsonObject foreign = root.value(QLatin1String("foreign")).toObject();
    for (auto it = foreign.begin(); it != foreign.end(); ++it)
        state.foreign.insert(it.key(), it.value().toString().toLatin1());
    return state;
}

void SyncState::save(const QString &path) const
{
    QJsonArray list;
    for (auto it = entries.begin(); it != entries.end(); ++it)
        list.append(
            QJsonArray{QString::fromUtf8(it.key()), it->href, text(it->etag), text(it->hash)});
    QJsonObject others;
    for (auto it = foreign.begin(); it != foreign.end(); ++it)
        others.insert(it.key(), text(it.value()));
    const QJsonObject root{{QStringLiteral("format"), kFormat},
                           {QStringLiteral("calendar"), calendar},
                           {QStringLiteral("token"), token},
                           {QStringLiteral("entries"), list},
                           {QStringLiteral("foreign"), others}};
    writeFileAtomically(path, QJsonDocument(root).toJson(QJsonDocument::Compact));
}
