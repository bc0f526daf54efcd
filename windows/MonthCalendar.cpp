// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/MonthCalendar.h"

#include "base/RussianText.h"
#include "controls/MonthGrid.h"
#include "platform/Announcement.h"
#include "platform/SpokenValue.h"
#include "windows/CalendarMarks.h"
#include "windows/MonthCalendarAccessible.h"

#include <QApplication>
#include <QTableView>
#include <QTextCharFormat>

namespace {

// «Декабрь 2026», as the year's grids call their months.
QString pageTitle(const QCalendarWidget *calendar)
{
    QString month =
        russianLocale().standaloneMonthName(calendar->monthShown(), QLocale::LongFormat);
    if (!month.isEmpty())
        month[0] = month[0].toUpper();
    return month + QLatin1Char(' ') + QString::number(calendar->yearShown());
}

void namePage(QCalendarWidget *calendar)
{
    const QString title = pageTitle(calendar);
    speakValue(calendar, title);
    if (auto *days = calendar->findChild<QTableView *>())
        speakValue(days, title);
}

// The user turned the page: the cells now show other days, and the new month
// is said, since the keyboard stays in the same table (or on an arrow).
void turnPage(QCalendarWidget *calendar)
{
    namePage(calendar);
    renewMonthCalendarCells(calendar);
    if (calendar->isAncestorOf(QApplication::focusWidget()))
        announce(calendar, pageTitle(calendar));
}

// The toolkit's month and year buttons read their texts; the arrows have none.
void nameNavigation(QCalendarWidget *calendar)
{
    const std::pair<const char *, const char *> names[] = {
        {"qt_calendar_prevmonth", "Предыдущий месяц"},
        {"qt_calendar_nextmonth", "Следующий месяц"},
        {"qt_calendar_yearedit", "Год"},
    };
    for (const auto &[object, name] : names)
        if (auto *control = calendar->findChild<QWidget *>(QString::fromLatin1(object)))
            control->setAccessibleName(QString::fromUtf8(name));
}

} // namespace

QCalendarWidget *makeMonthCalendar(QWidget *parent, const char *name, const QRect &geometry,
                                   bool weekNumbers)
{
    installMonthCalendarAccessibility();
    auto *calendar = new MarkedCalendar(parent);
    calendar->setObjectName(QString::fromLatin1(name));
    calendar->setLocale(russianLocale());
    calendar->setFirstDayOfWeek(Qt::Monday);
    // The toolkit's weekend red, readable on a dark palette's base too.
    for (const Qt::DayOfWeek day : {Qt::Saturday, Qt::Sunday}) {
        QTextCharFormat weekend = calendar->weekdayTextFormat(day);
        weekend.setForeground(weekendColourOn(calendar->palette().color(QPalette::Base)));
        calendar->setWeekdayTextFormat(day, weekend);
    }
    calendar->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    calendar->setVerticalHeaderFormat(weekNumbers ? QCalendarWidget::ISOWeekNumbers
                                                  : QCalendarWidget::NoVerticalHeader);
    // The small size leaves no room for spacious header buttons.
    QFont small = calendar->font();
    small.setPixelSize(10);
    calendar->setFont(small);
    calendar->setGeometry(geometry);
    // A screen reader names the table by the month it shows.
    nameNavigation(calendar);
    namePage(calendar);
    QObject::connect(calendar, &QCalendarWidget::currentPageChanged, calendar,
                     [calendar] { turnPage(calendar); });
    return calendar;
}
