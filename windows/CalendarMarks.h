// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Today and the holidays on the toolkit's month calendars of the one-month
// and compare-months windows, as the year's grids show them: today's cell
// framed in a dark shade of its day colour, holidays in bold with their
// captions as tooltips, the official working year (days off in the weekend
// colour, working weekend days underlined in the weekday colour, short days
// starred, each with what it is as tooltip), each while its view option is on.
#include <QCalendarWidget>
#include <QDate>
#include <QSet>

class CalendarModel;

// A month calendar that can frame one day's cell.
class MarkedCalendar : public QCalendarWidget {
    Q_OBJECT
public:
    explicit MarkedCalendar(QWidget *parent = nullptr) : QCalendarWidget(parent) {}

    // An invalid date (the default) frames nothing.
    QDate today() const { return m_today; }
    void setToday(const QDate &today);
    // Days drawn with a star: one hour shorter.
    void setShortDays(const QSet<QDate> &days);

protected:
    void paintCell(QPainter *painter, const QRect &rect, QDate date) const override;

private:
    QDate m_today;
    QSet<QDate> m_shortDays;
};

// Puts the model's marks on calendar once: today and short days (on a
// MarkedCalendar), the holidays and the working year of the shown page,
// replacing any date formats it had.
void showCalendarMarks(QCalendarWidget *calendar, const CalendarModel &model);
// The same now and again whenever the options, today, the entries or the
// shown month change. The model must outlive the calendar.
void followCalendarMarks(QCalendarWidget *calendar, const CalendarModel &model);
