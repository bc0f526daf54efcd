// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/SyncStore.h"

#include "base/Errors.h"
#include "base/TextFile.h"
#include "sync/SyncEvent.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

namespace {
// A file larger than this is no single event.
constexpr qint64 kLargestItem = 4 * 1024 * 1024;
} // namespace

FolderStore::FolderStore(QString folder) : m_folder(std::move(folder)) {}

QString FolderStore::pathOf(const QByteArray &uid) const
{
    // A UID may hold any character: the name is its digest, the same on
    // every run.
    const QByteArray name = QCryptographicHash::hash(uid, QCryptographicHash::Sha1).toHex();
    return m_folder + QLatin1Char('/') + QString::fromLatin1(name) + QStringLiteral(".ics");
}

CalendarItems FolderStore::items() const
{
    CalendarItems result;
    const QDir dir(m_folder);
    const QStringList names = dir.entryList({QStringLiteral("*.ics")}, QDir::Files, QDir::Name);
    for (const QString &name : names) {
        QFile file(dir.filePath(name));
        if (file.size() > kLargestItem)
            continue;
        if (!file.open(QIODevice::ReadOnly))
            throw FileError(QStringLiteral("Не удалось прочитать файл \"%1\".")
                                .arg(quotePathForMessage(file.fileName())));
        const QByteArray ics = file.readAll();
        const QByteArray uid = eventUid(ics);
        if (!uid.isEmpty())
            result.append({uid, ics});
    }
    return result;
}

QByteArray FolderStore::put(const CalendarItem &item)
{
    if (!QDir().mkpath(m_folder))
        throw FileError(
            QStringLiteral("Не удалось создать папку \"%1\".").arg(quotePathForMessage(m_folder)));
    writeFileAtomically(pathOf(item.uid), item.ics);
    return item.ics;
}

void FolderStore::remove(const QByteArray &uid)
{
    QFile file(pathOf(uid));
    if (file.exists() && !file.remove())
        throw FileError(QStringLiteral("Не удалось удалить файл \"%1\".")
                            .arg(quotePathForMessage(file.fileName())));
}
