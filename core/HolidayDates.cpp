// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/HolidayDates.h"

#include "base/TextFile.h"

#include <QSet>
#include <QStringView>

namespace {

const char *const kGenitiveMonths[12] = {"января",   "февраля", "марта",  "апреля",
                                         "мая",      "июня",    "июля",   "августа",
                                         "сентября", "октября", "ноября", "декабря"};

// The form takes captions of at least this many characters.
constexpr int kShortestCaption = 4;

// A leap year: without a year of its own, 29 February is a date too.
constexpr int kAnyLeapYear = 2000;

int monthFromName(const QString &name)
{
    for (int month = 1; month <= 12; ++month)
        if (name == QString::fromUtf8(kGenitiveMonths[month - 1]))
            return month;
    return 0;
}

} // namespace

QString genitiveMonthName(int month)
{
    if (month < 1 || month > 12)
        return {};
    return QString::fromUtf8(kGenitiveMonths[month - 1]);
}

std::optional<HolidayDate> parseHolidayEntry(const QString &entry)
{
    // Day without a leading zero, one space, the month, one space, then
    // either "<year>г. " or a second space, then the caption. Read by hand:
    // a regular expression engine would cost more memory at every start than
    // the whole feature.
    const QStringView text(entry);
    const qsizetype size = text.size();
    auto digitAt = [&](qsizetype at) { return at < size && text[at] >= u'0' && text[at] <= u'9'; };
    auto spaceAt = [&](qsizetype at) {
        return at < size && QStringView(u" \t\n\v\f\r").contains(text[at]);
    };
    if (!digitAt(0) || text[0] == u'0')
        return std::nullopt;
    HolidayDate date;
    qsizetype at = digitAt(1) ? 2 : 1;
    date.day = text.left(at).toInt();
    if (at >= size || text[at] != u' ')
        return std::nullopt;
    const qsizetype monthStart = ++at;
    while (at < size && !spaceAt(at))
        ++at;
    if (at == monthStart || at >= size || text[at] != u' ')
        return std::nullopt;
    date.month = monthFromName(text.mid(monthStart, at - monthStart).toString());
    ++at;
    if (at < size && text[at] == u' ') {
        ++at;
    } else {
        const qsizetype yearStart = at;
        while (digitAt(at) && at - yearStart <= 4)
            ++at;
        const qsizetype digits = at - yearStart;
        if (digits < 1 || digits > 4 || text.mid(at, 3) != u"г. ")
            return std::nullopt;
        date.year = text.mid(yearStart, digits).toInt();
        at += 3;
    }
    date.caption = text.mid(at).toString();
    if (!QDate::isValid(date.year.value_or(kAnyLeapYear), date.month, date.day))
        return std::nullopt;
    return date;
}

QString composeHolidayEntry(const HolidayDate &date)
{
    const QString start = QString::number(date.day) + QLatin1Char(' ') +
                          genitiveMonthName(date.month) + QLatin1Char(' ');
    if (!date.year)
        return start + QLatin1Char(' ') + date.caption;
    return start + QString::number(*date.year) + QStringLiteral("г. ") + date.caption;
}

std::optional<QDate> holidayDateIn(const HolidayDate &date, int year)
{
    if (date.year && *date.year != year)
        return std::nullopt;
    const QDate day(year, date.month, date.day);
    if (!day.isValid())
        return std::nullopt;
    return day;
}

QMap<QDate, QString> markedDays(const QStringList &entries, int year,
                                const QMap<QDate, QStringList> &more)
{
    QMap<QDate, QStringList> captions;
    for (const QString &entry : entries) {
        const std::optional<HolidayDate> date = parseHolidayEntry(entry);
        if (!date)
            continue;
        const std::optional<QDate> day = holidayDateIn(*date, year);
        if (!day)
            continue;
        QStringList &onDay = captions[*day];
        const QString caption = date->caption.trimmed();
        if (!caption.isEmpty() && !onDay.contains(caption))
            onDay << caption;
    }
    for (auto it = more.cbegin(); it != more.cend(); ++it) {
        QStringList &onDay = captions[it.key()];
        // Those of more are told apart already; only the entries' are left.
        const QSet<QString> listed(onDay.cbegin(), onDay.cend());
        for (const QString &caption : it.value())
            if (!caption.isEmpty() && !listed.contains(caption))
                onDay << caption;
    }
    QMap<QDate, QString> marked;
    for (auto it = captions.cbegin(); it != captions.cend(); ++it)
        marked.insert(it.key(), it.value().join(QLatin1Char('\n')));
    return marked;
}

QString holidayCaptionProblem(const QString &caption)
{
    if (caption.size() < kShortestCaption)
        return QStringLiteral("подпись короче %1 знаков").arg(kShortestCaption);
    return {};
}

QString holidayTextFault(const QString &text)
{
    if (text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')))
        return QStringLiteral("перевод строки в тексте");
    // A longer line is cut when the profile is read back.
    if (text.size() > kMaxLineBytes)
        return QStringLiteral("запись длиннее %1 знаков").arg(kMaxLineBytes);
    if (!fitsIn1251(text))
        return QStringLiteral("знаки, которые профиль не может сохранить");
    return {};
}
