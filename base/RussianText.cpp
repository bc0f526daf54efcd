// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/RussianText.h"

const QLocale &russianLocale()
{
    static const QLocale locale(QLocale::Russian, QLocale::Russia);
    return locale;
}

QString longDateText(const QDate &date)
{
    return russianLocale().toString(date, QStringLiteral("d MMMM yyyy 'г.'"));
}

QString longTimeText(const QTime &time)
{
    return time.toString(QStringLiteral("HH:mm:ss"));
}

QString monthName(int month)
{
    static const char *const names[12] = {"Январь",   "Февраль", "Март",   "Апрель",
                                          "Май",      "Июнь",    "Июль",   "Август",
                                          "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"};
    return QString::fromUtf8(names[month - 1]);
}

QString shortDayName(int qtDayOfWeek)
{
    QString name = russianLocale().dayName(qtDayOfWeek, QLocale::ShortFormat);
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return name;
}
