// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Reminder.h"

std::optional<ReminderRule> reminderRuleFor(const ReminderSettings &settings, const QString &entry)
{
    const auto own = settings.entries.constFind(entry);
    return own != settings.entries.cend() ? *own : settings.common;
}

void carryReminder(ReminderSettings &settings, const QString &oldText, const QString &newText,
                   const QStringList &entriesAfter)
{
    const auto own = settings.entries.constFind(oldText);
    if (oldText == newText || own == settings.entries.cend())
        return;
    const std::optional<ReminderRule> rule = *own;
    if (!entriesAfter.contains(oldText))
        settings.entries.remove(oldText);
    settings.entries.insert(newText, rule);
}

std::optional<QDate> reminderDateIn(const HolidayDate &date, bool yearly, int year)
{
    if (date.year && (yearly ? year < *date.year : year != *date.year))
        return std::nullopt;
    if (year < 1 || year > 9999)
        return std::nullopt;
    const int lastDay = QDate(year, date.month, 1).daysInMonth();
    return QDate(year, date.month, qMin(date.day, lastDay));
}

QString countText(int n, const char *one, const char *few, const char *many)
{
    const int tens = n % 100, units = n % 10;
    const char *form = (tens >= 11 && tens <= 14)   ? many
                       : units == 1                 ? one
                       : (units >= 2 && units <= 4) ? few
                                                    : many;
    return QString::number(n) + QLatin1Char(' ') + QString::fromUtf8(form);
}

QString reminderText(const HolidayDate &date, bool yearly, const QDate &day, const QDate &dueDay)
{
    QStringList head;
    if (const QString caption = date.caption.trimmed(); !caption.isEmpty())
        head << caption;
    if (date.year && yearly && day.year() > *date.year)
        head << countText(day.year() - *date.year, "год", "года", "лет");
    const qint64 days = dueDay.daysTo(day);
    // A reminder caught up after the day itself says how long ago it was.
    const QString when =
        days == 0    ? QStringLiteral("сегодня")
        : days == 1  ? QStringLiteral("завтра")
        : days == -1 ? QStringLiteral("вчера")
        : days < 0 ? countText(int(-days), "день", "дня", "дней") + QStringLiteral(" назад")
                   : QStringLiteral("через ") + countText(int(days), "день", "дня", "дней");
    const QString dayText =
        QString::number(day.day()) + QLatin1Char(' ') + genitiveMonthName(day.month());
    const QString tail = dayText + QStringLiteral(", ") + when;
    if (head.isEmpty())
        return tail;
    return head.join(QStringLiteral(": ")) + QStringLiteral(" (") + tail + QLatin1Char(')');
}
