// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarMarks.h"

#include "CalendarModel.h"
#include "HolidayDates.h"

#include <QPainter>
#include <QTextCharFormat>

namespace {

// As on the year's grids: the day colour darkened by this factor.
constexpr int kTodayShade = 200;

} // namespace

void MarkedCalendar::setToday(const QDate &today)
{
    if (today == m_today)
        return;
    m_today = today;
    update();
}

void MarkedCalendar::paintCell(QPainter *painter, const QRect &rect, QDate date) const
{
    QCalendarWidget::paintCell(painter, rect, date);
    if (!m_today.isValid() || date != m_today)
        return;
    // The colour the day's number is written in.
    QBrush day = dateTextFormat(date).foreground();
    if (day.style() == Qt::NoBrush)
        day = weekdayTextFormat(Qt::DayOfWeek(date.dayOfWeek())).foreground();
    const QColor dayColour =
        day.style() == Qt::NoBrush ? palette().color(QPalette::Text) : day.color();
    painter->save();
    painter->setPen(dayColour.darker(kTodayShade));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(rect.adjusted(1, 1, -2, -2));
    painter->restore();
}

void showCalendarMarks(QCalendarWidget *calendar, const CalendarModel &model)
{
    const ViewOptions &options = model.viewOptions();
    if (auto *marked = qobject_cast<MarkedCalendar *>(calendar))
        marked->setToday(options.markToday ? model.today() : QDate());
    // A null date clears every date's format.
    calendar->setDateTextFormat(QDate(), QTextCharFormat());
    if (!options.markHolidays)
        return;
    // The page shows the ends of the months before and after it too.
    const QDate page(calendar->yearShown(), calendar->monthShown(), 1);
    const QDate first = page.addMonths(-1), last = page.addMonths(2).addDays(-1);
    for (int year = first.year(); year <= last.year(); ++year) {
        const QMap<QDate, QString> days = markedDays(model.holidays(), year);
        for (auto it = days.lowerBound(first); it != days.cend() && it.key() <= last; ++it) {
            QTextCharFormat format;
            format.setFontWeight(QFont::Bold);
            format.setToolTip(it.value());
            calendar->setDateTextFormat(it.key(), format);
        }
    }
}

void followCalendarMarks(QCalendarWidget *calendar, const CalendarModel &model)
{
    const auto show = [calendar, &model] { showCalendarMarks(calendar, model); };
    QObject::connect(&model, &CalendarModel::viewOptionsChanged, calendar, show);
    QObject::connect(&model, &CalendarModel::todayChanged, calendar, show);
    QObject::connect(&model, &CalendarModel::holidaysChanged, calendar, show);
    QObject::connect(calendar, &QCalendarWidget::currentPageChanged, calendar, show);
    show();
}
