// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/CalendarMarks.h"

#include "controls/MonthGrid.h"
#include "core/CalendarModel.h"
#include "core/HolidayDates.h"

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

void MarkedCalendar::setShortDays(const QSet<QDate> &days)
{
    if (days == m_shortDays)
        return;
    m_shortDays = days;
    update();
}

void MarkedCalendar::paintCell(QPainter *painter, const QRect &rect, QDate date) const
{
    QCalendarWidget::paintCell(painter, rect, date);
    if (m_shortDays.contains(date)) {
        painter->save();
        painter->setPen(palette().color(QPalette::Text));
        painter->drawText(rect.adjusted(0, 0, -2, 0), Qt::AlignRight | Qt::AlignTop,
                          QStringLiteral("*"));
        painter->restore();
    }
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

namespace {

// Days off in the weekend colour, working weekend days in the weekday colour
// and underlined, each with its tooltip; returns the short days.
QSet<QDate> showWorkDays(QCalendarWidget *calendar, const CalendarModel &model, const QDate &first,
                         const QDate &last)
{
    QSet<QDate> shortDays;
    for (int year = first.year(); year <= last.year(); ++year) {
        const QMap<QDate, WorkDayMark> marks = workDayMarks(model.workYear(year));
        for (auto it = marks.lowerBound(first); it != marks.cend() && it.key() <= last; ++it) {
            QTextCharFormat format;
            format.setForeground(it->off
                                     ? weekendColourOn(calendar->palette().color(QPalette::Base))
                                     : calendar->palette().color(QPalette::Text));
            format.setFontUnderline(it->workingWeekend);
            format.setToolTip(it->text);
            calendar->setDateTextFormat(it.key(), format);
            if (it->shortDay)
                shortDays.insert(it.key());
        }
    }
    return shortDays;
}

} // namespace

void showCalendarMarks(QCalendarWidget *calendar, const CalendarModel &model)
{
    const ViewOptions &options = model.viewOptions();
    auto *marked = qobject_cast<MarkedCalendar *>(calendar);
    if (marked)
        marked->setToday(options.markToday ? model.today() : QDate());
    // A null date clears every date's format.
    calendar->setDateTextFormat(QDate(), QTextCharFormat());
    // The page shows the ends of the months before and after it too.
    const QDate page(calendar->yearShown(), calendar->monthShown(), 1);
    const QDate first = page.addMonths(-1), last = page.addMonths(2).addDays(-1);
    const QSet<QDate> shortDays =
        options.workCalendar ? showWorkDays(calendar, model, first, last) : QSet<QDate>();
    if (marked)
        marked->setShortDays(shortDays);
    if (!options.markHolidays)
        return;
    for (int year = first.year(); year <= last.year(); ++year) {
        const QMap<QDate, QString> days = markedDays(model.holidays(), year);
        for (auto it = days.lowerBound(first); it != days.cend() && it.key() <= last; ++it) {
            QTextCharFormat format = calendar->dateTextFormat(it.key());
            format.setFontWeight(QFont::Bold);
            const QString work = format.toolTip();
            format.setToolTip(work.isEmpty() ? it.value() : it.value() + QLatin1Char('\n') + work);
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
