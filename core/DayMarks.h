// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the year's grids mark, derived from the model's state and the view
// options: today, the holiday entries' days, week numbers, the official
// working year. Each update says whether anything changed.
#include "base/SubscribedDay.h"
#include "base/WorkDayMark.h"
#include "core/ViewOptions.h"

#include <QDate>
#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>

class DayMarks {
public:
    explicit DayMarks(const ViewOptions &options, const QDate &today);

    // Today, or an invalid date when today is not marked.
    QDate today() const { return m_today; }
    // The days of the shown year that holiday entries mark, with their captions.
    const QMap<QDate, QString> &holidays() const { return m_holidays; }
    bool weekNumbers() const { return m_weekNumbers; }
    // Every day of the shown year that is not a plain working weekday, while
    // the working year is on.
    const QMap<QDate, WorkDayMark> &workDays() const { return m_workDays; }
    // The days subscribed calendars mark, as the subscriptions give them.
    const QMap<QDate, SubscribedDay> &subscribed() const { return m_subscribed; }

    // Today, the holidays (the entries' days and eventDays, those of the
    // events kept whole) and the week numbers; true when any changed.
    bool update(const ViewOptions &options, const QDate &today, const QStringList &entries,
                int year, const QMap<QDate, QStringList> &eventDays = {});
    // The working year's marks, which change only with the year, the option
    // and the file; workYearMarks is asked only while the option is on.
    bool updateWorkDays(const ViewOptions &options,
                        const std::function<QMap<QDate, WorkDayMark>()> &workYearMarks);

    bool updateSubscribed(const QMap<QDate, SubscribedDay> &days);

private:
    QDate m_today;
    QMap<QDate, QString> m_holidays;
    bool m_weekNumbers = false;
    QMap<QDate, WorkDayMark> m_workDays;
    QMap<QDate, SubscribedDay> m_subscribed;
};
