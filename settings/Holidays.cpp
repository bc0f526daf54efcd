// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/Holidays.h"

#include "base/TextFile.h"
#include "core/CalendarFiles.h"

bool isYearKey(QChar key)
{
    const ushort c = key.unicode();
    if (c >= '0' && c <= '9')
        return true;
    // Tab, code 11 and Enter are refused; the other control codes edit.
    return c < 32 && c != 9 && c != 11 && c != 13;
}

namespace {

bool hasLineBreak(const QString &text)
{
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

// A longer line is cut when the profile is read back.
bool isTooLong(const QString &text)
{
    return text.size() > kMaxLineBytes;
}

} // namespace

QString holidayTextProblem(const QString &text)
{
    if (isTooLong(text))
        return QStringLiteral("Запись «%1» длиннее %2 знаков: профиль её не прочитает.")
            .arg(quoteForMessage(text))
            .arg(kMaxLineBytes);
    if (hasLineBreak(text))
        return QStringLiteral("Запись праздника должна умещаться в одну строку: "
                              "уберите из текста переводы строк.");
    if (!fitsIn1251(text))
        return QStringLiteral("Текст «%1» содержит знаки, которые профиль не может сохранить. "
                              "Используйте русские и латинские буквы, цифры и обычные знаки "
                              "препинания.")
            .arg(text);
    return {};
}

QString holidayCountProblem(int count)
{
    if (count <= kHolidayPositions)
        return {};
    return QStringLiteral("В списке уже %1 праздников: больше профиль не вмещает. "
                          "Удалите ненужные записи.")
        .arg(kHolidayPositions);
}
