// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CalendarModel.h"

#include "base/Errors.h"
#include "core/ChangedValue.h"

#include <QDate>
#include <QGuiApplication>
#include <QSet>

namespace {

DateError badDate(int year, int month, int day)
{
    return DateError(QStringLiteral("Неверная дата: %1.%2.%3").arg(day).arg(month).arg(year));
}

QSet<QByteArray> uidsOf(const EntryIds &ids)
{
    QSet<QByteArray> uids;
    for (const EntryId &id : ids)
        uids.insert(id.uid);
    return uids;
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
    updateEventDays();
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
    if (entries == m_holidays)
        return;
    const EntryIds ids = matchEntryIds(entryIdLines(m_holidays, m_entryIds), entries,
                                       [this] { return newEntryId(now()); });
    // The event kept behind an entry goes with it.
    const QSet<QByteArray> kept = uidsOf(ids);
    const QSet<QByteArray> before = uidsOf(m_entryIds);
    CalendarItems events = m_storedEvents;
    events.removeIf([&](const CalendarItem &event) {
        return before.contains(event.uid) && !kept.contains(event.uid);
    });
    setProfileEntries(entries, ids, events);
}

void CalendarModel::replaceHoliday(int row, const QString &text)
{
    if (row < 0 || row >= m_holidays.size() || m_holidays.at(row) == text)
        return;
    QStringList entries = m_holidays;
    EntryIds ids = m_entryIds;
    entries[row] = text;
    ids[row].stamp = newEntryId(now()).stamp;
    // The event kept behind it no longer says what the entry does.
    CalendarItems events = m_storedEvents;
    events.removeIf([&](const CalendarItem &event) { return event.uid == ids.at(row).uid; });
    setProfileEntries(entries, ids, events);
}

void CalendarModel::removeHoliday(int row)
{
    if (row < 0 || row >= m_holidays.size())
        return;
    QStringList entries = m_holidays;
    EntryIds ids = m_entryIds;
    const QByteArray uid = ids.at(row).uid;
    entries.removeAt(row);
    ids.removeAt(row);
    CalendarItems events = m_storedEvents;
    events.removeIf([&](const CalendarItem &event) { return event.uid == uid; });
    setProfileEntries(entries, ids, events);
}

void CalendarModel::setProfileEntries(const QStringList &entries, const EntryIds &ids,
                                      const CalendarItems &events)
{
    // Only a list and identities that belong together are taken.
    const EntryIds fitted = ids.size() == entries.size()
                                ? ids
                                : matchEntryIds(entryIdLines(m_holidays, m_entryIds), entries,
                                                [this] { return newEntryId(now()); });
    const bool idsChanged = assignChanged(m_entryIds, fitted);
    const bool eventsChanged = assignChanged(m_storedEvents, events);
    const bool listChanged = assignChanged(m_holidays, entries);
    if (listChanged) {
        ReminderSettings kept = m_reminders;
        for (auto it = kept.entries.begin(); it != kept.entries.end();)
            it = m_holidays.contains(it.key()) ? std::next(it) : kept.entries.erase(it);
        setReminders(kept);
    }
    if (eventsChanged)
        emit storedEventsChanged();
    if (listChanged)
        emit holidaysChanged();
    if (idsChanged || eventsChanged)
        updateEventDays();
    if (listChanged || idsChanged || eventsChanged)
        updateMarks(false);
}

QList<EntryIdLine> CalendarModel::loadEntryIds()
{
    QList<EntryIdLine> dropped;
    const ProfileSides read = m_files.readProfileIds(
        m_profilePath, m_holidays, [this] { return newEntryId(now()); }, &dropped);
    setProfileEntries(m_holidays, read.ids, read.events);
    return dropped;
}

QDateTime CalendarModel::now() const
{
    return m_clock ? m_clock() : QDateTime(m_startDay, QTime(0, 0), Qt::UTC);
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

void CalendarModel::updateEventDays()
{
    // Those behind entries are marked by their entries.
    const QSet<QByteArray> entries = uidsOf(m_entryIds);
    CalendarItems whole;
    for (const CalendarItem &event : m_storedEvents)
        if (!entries.contains(event.uid))
            whole << event;
    m_eventDays.update(whole, m_year);
}

void CalendarModel::updateMarks(bool workDaysToo)
{
    bool changed = m_marks.update(m_viewOptions, m_today, m_holidays, m_year, m_eventDays.days());
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
    state.sides = sides();
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
