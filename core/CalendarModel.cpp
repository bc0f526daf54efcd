// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CalendarModel.h"

#include "base/Errors.h"
#include "core/ChangedValue.h"

#include <QDate>
#include <QGuiApplication>

namespace {

DateError badDate(int year, int month, int day)
{
    return DateError(QStringLiteral("Неверная дата: %1.%2.%3").arg(day).arg(month).arg(year));
}

} // namespace

CalendarModel::CalendarModel(const QDate &startDay, QObject *parent)
    : QObject(parent), m_year(startDay.year()), m_startDay(startDay), m_today(startDay),
      m_marks(m_viewOptions, startDay)
{
    // The year caption: the program's font, large, bold and italic.
    m_yearFont = QGuiApplication::font();
    m_yearFont.setPixelSize(32);
    m_yearFont.setBold(true);
    m_yearFont.setItalic(true);
    m_days.fill(1);
    m_days[startDay.month() - 1] = startDay.day();
}

QDate CalendarModel::chosenDate(int month) const
{
    return QDate(m_year, month, day(month));
}

void CalendarModel::setYear(int year)
{
    if (year < 1 || year > 9999)
        throw badDate(year, 1, m_days[0]);
    if (year == m_year)
        return;
    // Days first, so that whoever follows the year sees only real dates.
    std::array<bool, 12> moved{};
    m_year = year;
    for (int month = 1; month <= 12; ++month)
        moved[month - 1] =
            assignChanged(m_days[month - 1], fitDayToMonth(m_days[month - 1], year, month));
    emit yearChanged(year);
    for (int month = 1; month <= 12; ++month)
        if (moved[month - 1])
            emit dayChanged(month, m_days[month - 1]);
    updateMarks();
}

void CalendarModel::setDay(int month, int day)
{
    if (!QDate::isValid(m_year, month, day))
        throw badDate(m_year, month, day);
    if (assignChanged(m_days[month - 1], day))
        emit dayChanged(month, day);
}

void CalendarModel::setDays(const MonthDays &days)
{
    for (int month = 1; month <= 12; ++month) {
        const int fitted = fitDayToMonth(days[month - 1], m_year, month);
        if (assignChanged(m_days[month - 1], fitted))
            emit dayChanged(month, fitted);
    }
}

void CalendarModel::setRegional(const RegionalOptions &options)
{
    if (!assignChanged(m_regional, options))
        return;
    emit regionalChanged();
    if (assignChanged(m_weekStart, m_regional.firstDay.value_or(m_weekStart)))
        emit weekStartChanged(m_weekStart);
}

void CalendarModel::setStartOfWeek(Qt::DayOfWeek day)
{
    RegionalOptions options = m_regional;
    options.firstDay = day == Qt::Sunday ? Qt::Sunday : Qt::Monday;
    setRegional(options);
}

void CalendarModel::setPrintsBackground(bool prints)
{
    RegionalOptions options = m_regional;
    options.printsBackground = prints;
    setRegional(options);
}

void CalendarModel::setProfilePath(const QString &path)
{
    if (assignChanged(m_profilePath, path))
        emit profilePathChanged(path);
}

void CalendarModel::setHolidays(const QStringList &entries)
{
    if (!assignChanged(m_holidays, entries))
        return;
    ReminderSettings kept = m_reminders;
    for (auto it = kept.entries.begin(); it != kept.entries.end();)
        it = m_holidays.contains(it.key()) ? std::next(it) : kept.entries.erase(it);
    setReminders(kept);
    emit holidaysChanged();
    updateMarks(false);
}

void CalendarModel::setReminders(const ReminderSettings &settings)
{
    if (assignChanged(m_reminders, settings))
        emit remindersChanged();
}

QString CalendarModel::loadReminders()
{
    QString note;
    setReminders(m_files.readProfileReminders(m_profilePath, m_holidays, &note));
    return note;
}

void CalendarModel::applyProfile(const ProfileContent &profile)
{
    setDays(profile.days);
    setHolidays(profile.entries);
}

void CalendarModel::setBackground(const Background &background)
{
    if (!assignChanged(m_background, background))
        return;
    if (background.colourMode)
        m_windowColour = background.colour;
    emit backgroundChanged();
}

void CalendarModel::setYearFont(const QFont &font)
{
    if (assignChanged(m_yearFont, font))
        emit yearFontChanged();
}

void CalendarModel::setOpacity(OpacityWindow window, const OpacitySetting &setting)
{
    OpacitySetting clamped = setting;
    clamped.level = qBound(0, setting.level, 255);
    if (assignChanged(m_opacity[int(window)], clamped))
        emit opacityChanged(window);
}

void CalendarModel::setShowTips(bool show)
{
    if (assignChanged(m_showTips, show))
        emit showTipsChanged(show);
}

void CalendarModel::setShowSplash(bool show)
{
    if (assignChanged(m_showSplash, show))
        emit showSplashChanged(show);
}

void CalendarModel::setViewOptions(const ViewOptions &options)
{
    if (!assignChanged(m_viewOptions, options))
        return;
    emit viewOptionsChanged();
    updateMarks();
}

void CalendarModel::setToday(const QDate &today)
{
    if (!today.isValid() || !assignChanged(m_today, today))
        return;
    emit todayChanged(today);
    updateMarks(false);
}

void CalendarModel::setSubscribedDays(const QMap<QDate, SubscribedDay> &days)
{
    if (m_marks.updateSubscribed(days))
        emit marksChanged();
}

void CalendarModel::setPrintScaling(PrintScaling scaling)
{
    if (assignChanged(m_printScaling, scaling))
        emit printScalingChanged();
}

void CalendarModel::updateMarks(bool workDaysToo)
{
    bool changed = m_marks.update(m_viewOptions, m_today, m_holidays, m_year);
    if (workDaysToo)
        changed = m_marks.updateWorkDays(m_viewOptions, [this] {
            return workDayMarks(workYear(m_year));
        }) || changed;
    if (changed)
        emit marksChanged();
}

void CalendarModel::applyOptions(const OptionsRead &read)
{
    if (read.transparency)
        for (int n = 0; n < 4; ++n)
            setOpacity(OpacityWindow(n), {read.transparency->switches[n],
                                          read.transparency->levels[n].value_or(255)});
    if (read.regional)
        setRegional(*read.regional);
    setViewOptions(read.view);
}

void CalendarModel::setWorkCalendarFiles(const QStringList &paths)
{
    m_files.workSource().setCandidates(paths);
    if (m_viewOptions.workCalendar)
        updateMarks();
}

const WorkYears &CalendarModel::workYears() const
{
    if (m_files.workSource().isLoaded())
        return m_files.workSource().years();
    QStringList problems;
    const WorkYears &years = m_files.workSource().years(&problems);
    // Not from inside whatever asked: that may be a paint.
    auto *self = const_cast<CalendarModel *>(this);
    for (const QString &problem : problems)
        QMetaObject::invokeMethod(
            self, [self, problem] { emit self->workCalendarDamaged(problem); },
            Qt::QueuedConnection);
    return years;
}

SavedState CalendarModel::savedState() const
{
    SavedState state;
    state.profilePath = m_profilePath;
    state.profile = profile();
    state.reminders = m_reminders;
    SettingsContent &settings = state.settings;
    settings.days = m_days;
    settings.year = QString::number(m_year);
    settings.showTips = m_showTips;
    settings.showSplash = m_showSplash;
    settings.picturePath = m_background.picturePath;
    settings.background = m_background.colour;
    settings.colourBackground = m_background.colourMode;
    settings.captionColour = m_background.captionColour;
    settings.profilePath = m_profilePath;
    for (int n = 0; n < 4; ++n) {
        state.switches[n] = m_opacity[n].enabled;
        state.levels[n] = m_opacity[n].level;
    }
    state.regional = m_regional;
    state.view = m_viewOptions;
    return state;
}
