// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ReminderFile.h"

#include "base/Errors.h"
#include "base/TextFile.h"
#include "core/ProfileFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

const QByteArray kSignature = "dayrail-reminders 1";
const QString kTimeFormat = QStringLiteral("hh:mm");

QString ruleText(const std::optional<ReminderRule> &rule)
{
    if (!rule)
        return QStringLiteral("off");
    QString text = QString::number(rule->daysBefore) +
                   (rule->workingDays ? QStringLiteral(" workdays ") : QStringLiteral(" days ")) +
                   rule->time.toString(kTimeFormat);
    return rule->yearly ? text + QStringLiteral(" yearly") : text;
}

// An entry's rule, or none for "off".
using RuleValue = std::optional<ReminderRule>;

// A rule as ruleText writes it; none when text is no rule.
std::optional<RuleValue> parseRule(const QString &text)
{
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words == QStringList{QStringLiteral("off")})
        return RuleValue();
    if (words.size() != 3 && (words.size() != 4 || words.at(3) != QLatin1String("yearly")))
        return std::nullopt;
    ReminderRule rule;
    bool number = false;
    rule.daysBefore = words.at(0).toInt(&number);
    rule.workingDays = words.at(1) == QLatin1String("workdays");
    rule.time = QTime::fromString(words.at(2), kTimeFormat);
    rule.yearly = words.size() == 4;
    if (!number || rule.daysBefore < 0 || rule.daysBefore > kMaxReminderDays ||
        (!rule.workingDays && words.at(1) != QLatin1String("days")) || !rule.time.isValid())
        return std::nullopt;
    return RuleValue(rule);
}

class Reader {
public:
    Reader(const QString &path, const QStringList &entries)
        : m_path(path), m_entries(entries.cbegin(), entries.cend())
    {}

    void readLine(const QString &line, int number)
    {
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        const bool common = tab < 0 && line.startsWith(QLatin1String("common "));
        const bool own = tab > 0 && line.startsWith(QLatin1String("entry "));
        const QString entry = own ? line.mid(tab + 1) : QString();
        const std::optional<RuleValue> rule = common ? parseRule(line.mid(7))
                                              : own  ? parseRule(line.mid(6, tab - 6))
                                                     : std::nullopt;
        if (!rule)
            return problem(ReminderFault::BadLine, number, entry,
                           QStringLiteral("Непонятное напоминание %1 пропущено: %2")
                               .arg(fileLineText(number, m_path), quoteForMessage(line)));
        if (common ? m_commonSeen : read.settings.entries.contains(entry) || m_lost.contains(entry))
            return problem(ReminderFault::Twice, number, entry,
                           QStringLiteral("Второе напоминание о той же записи %1 пропущено")
                               .arg(fileLineText(number, m_path)));
        if (common) {
            m_commonSeen = true;
            read.settings.common = *rule;
        } else if (!m_entries.contains(entry)) {
            m_lost.insert(entry);
            problem(ReminderFault::Lost, number, entry,
                    QStringLiteral("Записи «%1» больше нет в списке праздников: напоминание о "
                                   "ней снято")
                        .arg(quoteForMessage(entry)));
        } else {
            read.settings.entries.insert(entry, *rule);
        }
    }

    void problem(ReminderFault fault, int line, const QString &entry, const QString &text)
    {
        read.problems.append({fault, line, entry, text});
    }

    RemindersRead read;

private:
    QString m_path;
    QSet<QString> m_entries;
    QSet<QString> m_lost;
    bool m_commonSeen = false;
};

} // namespace

QString remindersPathFor(const QString &profilePath)
{
    return profilePath + QStringLiteral(".reminders");
}

QByteArray reminderFileText(const ReminderSettings &settings)
{
    QByteArray text = kSignature + '\n';
    if (settings.common)
        text += "common " + ruleText(settings.common).toUtf8() + '\n';
    for (auto it = settings.entries.cbegin(); it != settings.entries.cend(); ++it) {
        // No profile line holds a line break: such a key names no entry.
        if (it.key().contains(QLatin1Char('\n')) || it.key().contains(QLatin1Char('\r')))
            continue;
        text += "entry " + ruleText(it.value()).toUtf8() + '\t' + it.key().toUtf8() + '\n';
    }
    return text;
}

void writeReminders(const QString &path, const ReminderSettings &settings)
{
    writeFileAtomically(path, reminderFileText(settings));
}

RemindersRead parseReminders(const QByteArray &text, const QString &path,
                             const QStringList &entries)
{
    Reader reader(path, entries);
    QString whole = QString::fromUtf8(text);
    // Some editors put a byte-order mark in front of UTF-8 text.
    if (whole.startsWith(QChar(0xFEFF)))
        whole.remove(0, 1);
    QStringList lines = whole.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString &line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    if (lines.isEmpty() || lines.first().trimmed() != QLatin1String(kSignature)) {
        reader.problem(ReminderFault::Unknown, 1, {},
                       QStringLiteral("Файл \"%1\" не файл напоминаний: напоминаний нет")
                           .arg(quotePathForMessage(path)));
        return reader.read;
    }
    for (int i = 1; i < lines.size(); ++i)
        if (!lines.at(i).trimmed().isEmpty())
            reader.readLine(lines.at(i), i + 1);
    return reader.read;
}

RemindersRead readReminders(const QString &path, const QStringList &entries)
{
    if (!QFileInfo::exists(path))
        return {};
    QFile file(path);
    if (!fileExists(path) || !file.open(QIODevice::ReadOnly))
        throw FileError(QStringLiteral("Не удалось прочитать файл напоминаний \"%1\"")
                            .arg(quotePathForMessage(path)));
    return parseReminders(file.read(kMaxTextFileBytes), path, entries);
}
