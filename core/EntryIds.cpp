// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/EntryIds.h"

#include "base/Errors.h"
#include "base/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QUuid>

namespace {

const QByteArray kSignature = "dayrail-ids 1";
const QString kStampFormat = QStringLiteral("yyyyMMdd'T'HHmmss'Z'");

QByteArray stampText(const QDateTime &stamp)
{
    return stamp.toUTC().toString(kStampFormat).toLatin1();
}

bool hasLineBreak(const QString &text)
{
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

} // namespace

EntryId newEntryId(const QDateTime &stamp)
{
    // Whole seconds, as the file and the calendar keep it.
    const QDateTime utc = stamp.toUTC();
    const QTime time = utc.time();
    return {QUuid::createUuid().toByteArray(QUuid::WithoutBraces) + "@dayrail",
            QDateTime(utc.date(), QTime(time.hour(), time.minute(), time.second()), Qt::UTC)};
}

bool isLineUid(const QByteArray &uid)
{
    if (uid.isEmpty())
        return false;
    for (const char c : uid)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            return false;
    return true;
}

QList<EntryIdLine> entryIdLines(const QStringList &entries, const EntryIds &ids)
{
    QList<EntryIdLine> lines;
    for (qsizetype i = 0; i < entries.size() && i < ids.size(); ++i)
        lines.append({ids.at(i), entries.at(i)});
    return lines;
}

EntryIds matchEntryIds(const QList<EntryIdLine> &known, const QStringList &entries,
                       const std::function<EntryId()> &makeId, QList<EntryIdLine> *unused)
{
    // The lines of each text in order, and how many of them are taken.
    QHash<QString, QList<qsizetype>> byText;
    for (qsizetype i = 0; i < known.size(); ++i)
        byText[known.at(i).entry].append(i);
    QHash<QString, qsizetype> taken;
    QList<bool> used(known.size(), false);
    EntryIds ids;
    ids.reserve(entries.size());
    for (const QString &entry : entries) {
        const QList<qsizetype> lines = byText.value(entry);
        qsizetype &next = taken[entry];
        if (next < lines.size()) {
            used[lines.at(next)] = true;
            ids.append(known.at(lines.at(next++)).id);
        } else {
            ids.append(makeId());
        }
    }
    if (unused)
        for (qsizetype i = 0; i < known.size(); ++i)
            if (!used.at(i))
                unused->append(known.at(i));
    return ids;
}

QString entryIdsPathFor(const QString &profilePath)
{
    return profilePath + QStringLiteral(".ids");
}

QByteArray entryIdsFileText(const QStringList &entries, const EntryIds &ids)
{
    QByteArray text = kSignature + '\n';
    for (const EntryIdLine &line : entryIdLines(entries, ids)) {
        // No profile line holds a line break: such a text names no entry.
        if (hasLineBreak(line.entry) || !isLineUid(line.id.uid))
            continue;
        text += line.id.uid + '\t' + stampText(line.id.stamp) + '\t' + line.entry.toUtf8() + '\n';
    }
    return text;
}

void writeEntryIds(const QString &path, const QStringList &entries, const EntryIds &ids)
{
    writeFileAtomically(path, entryIdsFileText(entries, ids));
}

EntryIdsRead parseEntryIds(const QByteArray &text)
{
    EntryIdsRead read;
    QByteArray whole = text;
    // Some editors put a byte-order mark in front of UTF-8 text.
    if (whole.startsWith("\xEF\xBB\xBF"))
        whole.remove(0, 3);
    QByteArrayList lines = whole.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray &line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    if (lines.isEmpty() || lines.first().trimmed() != kSignature) {
        read.clean = false;
        return read;
    }
    QSet<QByteArray> seen;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray &line = lines.at(i);
        if (line.trimmed().isEmpty())
            continue;
        const qsizetype first = line.indexOf('\t');
        const qsizetype second = first < 0 ? -1 : line.indexOf('\t', first + 1);
        EntryIdLine taken;
        taken.id.uid = line.left(first);
        const QDateTime written = QDateTime::fromString(
            QString::fromLatin1(line.mid(first + 1, second - first - 1)), kStampFormat);
        taken.id.stamp = QDateTime(written.date(), written.time(), Qt::UTC);
        // A second line with an identity already read would give it to two entries.
        if (second < 0 || !isLineUid(taken.id.uid) || !taken.id.stamp.isValid() ||
            seen.contains(taken.id.uid)) {
            read.clean = false;
            continue;
        }
        seen.insert(taken.id.uid);
        taken.entry = QString::fromUtf8(line.mid(second + 1));
        read.lines.append(taken);
    }
    return read;
}

EntryIdsRead readEntryIds(const QString &path)
{
    if (!QFileInfo::exists(path))
        return {};
    QFile file(path);
    if (!fileExists(path) || !file.open(QIODevice::ReadOnly))
        throw FileError(
            QStringLiteral("Не удалось прочитать файл \"%1\"").arg(quotePathForMessage(path)));
    return parseEntryIds(file.read(kMaxTextFileBytes));
}
