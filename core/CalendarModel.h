// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calendar's state as typed values, with no widgets: the shown year and
// the day chosen in each month, the options, the active profile, the
// background and the window opacities. Windows read it, change it and follow
// its signals; each signal fires only when its value really changes.
#include "base/Colours.h"
#include "base/PrintScale.h"
#include "base/TextFile.h"
#include "core/DayMarks.h"
#include "core/EventStore.h"
#include "core/ProgramFiles.h"
#include "core/Reminder.h"

#include <QDate>
#include <QDateTime>
#include <QFont>
#include <QImage>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

// The windows whose opacity the user sets, in the order transp.cal keeps them.
enum class OpacityWindow { Main = 0, MiniView = 1, FloatingClock = 2, OneMonth = 3 };

struct OpacitySetting {
    bool enabled = false;
    int level = 255; // 0..255, 255 opaque
    bool operator==(const OpacitySetting &o) const
    {
        return enabled == o.enabled && level == o.level;
    }
    bool operator!=(const OpacitySetting &o) const { return !(*this == o); }
};

// What stands behind the main window and its printed copies.
struct Background {
    QString picturePath;
    QImage picture; // loaded from picturePath, null when none
    QColor colour = colours::skyBlue;
    bool colourMode = true; // a plain colour rather than the picture
    QColor captionColour = colours::black;
    bool operator==(const Background &o) const
    {
        return picturePath == o.picturePath && picture.cacheKey() == o.picture.cacheKey() &&
               colour == o.colour && colourMode == o.colourMode && captionColour == o.captionColour;
    }
    bool operator!=(const Background &o) const { return !(*this == o); }
};

class CalendarModel : public QObject {
    Q_OBJECT
public:
    // Starts on startDay: its year shown, its day chosen in its month, and it
    // is today. The program passes its clock's date; a model made without one
    // (tests, benchmarks) starts on a fixed day, so nothing reads a clock.
    explicit CalendarModel(const QDate &startDay = QDate(2026, 1, 1), QObject *parent = nullptr);

    // The folder the program keeps its files in, with a trailing '/'.
    QString folder() const { return m_files.folder(); }
    void setFolder(const QString &folder) { m_files.setFolder(folder); }
    // The files in that folder: read at start, written at close.
    ProgramFiles &files() { return m_files; }
    // What the start-up read of the option files gave becomes the state.
    void applyOptions(const OptionsRead &read);

    // The shown year, 1..9999. Changing it keeps each month's day, fitted to
    // the month (29 February becomes the 28th in a common year).
    int year() const { return m_year; }
    // Throws DateError for a year outside 1..9999; nothing changes then.
    void setYear(int year);
    // The chosen day of a month (1..12).
    int day(int month) const { return m_days.at(month - 1); }
    const MonthDays &days() const { return m_days; }
    QDate chosenDate(int month) const;
    // Throws DateError for a day the month of the shown year lacks.
    void setDay(int month, int day);
    // Days fitted to their months of the shown year.
    void setDays(const MonthDays &days);

    // Week start and print background as regional.cal keeps them: either
    // choice may be unmade, and stays so until the user makes it.
    const RegionalOptions &regional() const { return m_regional; }
    void setRegional(const RegionalOptions &options);
    // First column of the month grids: Qt::Monday or Qt::Sunday; while the
    // choice is unmade, the last one made (Monday at first).
    Qt::DayOfWeek startOfWeek() const { return m_weekStart; }
    void setStartOfWeek(Qt::DayOfWeek day);
    // Printed and saved sheets carry the background; off while unmade.
    bool printsBackground() const { return m_regional.printsBackground.value_or(false); }
    void setPrintsBackground(bool prints);

    // The active profile's file and its holiday entries.
    QString profilePath() const { return m_profilePath; }
    void setProfilePath(const QString &path);
    const QStringList &holidays() const { return m_holidays; }
    // The entries keep their identities by exact text (equal ones in
    // order); a new text gets a new identity.
    void setHolidays(const QStringList &entries);
    // The program edited the entry in row: it stays the same entry.
    void replaceHoliday(int row, const QString &text);
    void removeHoliday(int row);
    ProfileContent profile() const { return {m_days, m_holidays}; }

    // The entries' identities, parallel to holidays().
    const EntryIds &entryIds() const { return m_entryIds; }
    // Events from a calendar elsewhere kept whole: those the list cannot
    // hold, and those behind entries with their identity.
    const CalendarItems &storedEvents() const { return m_storedEvents; }
    // All three at once, as given (ids parallel to entries), as
    // synchronisation changes them. Rules of entries gone are dropped.
    void setProfileEntries(const QStringList &entries, const EntryIds &ids,
                           const CalendarItems &events);
    // Reads the identities and the kept events beside the active profile;
    // returns the identities dropped because their entries changed
    // elsewhere (they are gone: a calendar elsewhere should lose them too).
    QList<EntryIdLine> loadEntryIds();
    ProfileSides sides() const { return {m_reminders, m_entryIds, m_storedEvents}; }

    // The time a change made here is stamped with. A model without a clock
    // stamps midnight (UTC) of its start day.
    using Clock = std::function<QDateTime()>;
    void setClock(Clock clock) { m_clock = std::move(clock); }
    QDateTime now() const;
    // Makes a profile read elsewhere the active state: days and entries.
    void applyProfile(const ProfileContent &profile);

    // The active profile's reminders. A rule goes with its entry: setting
    // the entries drops the rules of those no longer there.
    const ReminderSettings &reminders() const { return m_reminders; }
    void setReminders(const ReminderSettings &settings);
    // Reads the active profile's reminders for its entries; returns the
    // note for the user of what did not read, empty when all did.
    QString loadReminders();

    const Background &background() const { return m_background; }
    void setBackground(const Background &background);
    // The main window's colour: that of the last colour background, sky blue
    // until there is one. It stays behind a picture's transparent parts, on
    // screen and on the printed sheet alike.
    QColor windowColour() const { return m_windowColour; }
    // "Применить" or "OK" put the background on the main window; printing
    // only carries over a background that was applied.
    bool backgroundApplied() const { return m_backgroundApplied; }
    void setBackgroundApplied(bool applied) { m_backgroundApplied = applied; }

    // The year caption's font (the user may change it; prints follow).
    QFont yearFont() const { return m_yearFont; }
    void setYearFont(const QFont &font);

    OpacitySetting opacity(OpacityWindow window) const { return m_opacity.at(int(window)); }
    void setOpacity(OpacityWindow window, const OpacitySetting &setting);

    bool showTips() const { return m_showTips; }
    void setShowTips(bool show);
    bool showSplash() const { return m_showSplash; }
    void setShowSplash(bool show);

    // What the grids mark (view.cal): today, holidays, week numbers.
    const ViewOptions &viewOptions() const { return m_viewOptions; }
    void setViewOptions(const ViewOptions &options);
    // The day the program started: the date fields, the red month and the
    // small calendars' selection show it, in windows built at any later time.
    QDate startDay() const { return m_startDay; }
    // The date counted as today (the today frame, the tray day); the
    // application moves it at midnight.
    QDate today() const { return m_today; }
    void setToday(const QDate &today);
    // What the year's grids show, following the options: today, or an
    // invalid date when today is not marked; the days of the shown year that
    // holiday entries mark, with their captions (empty when not marked).
    QDate markedToday() const { return m_marks.today(); }
    const QMap<QDate, QString> &markedHolidays() const { return m_marks.holidays(); }
    bool weekNumbersShown() const { return m_viewOptions.weekNumbers; }
    // The official working year of the shown year while its option is on:
    // every day that is not a plain working weekday; empty while off.
    const QMap<QDate, WorkDayMark> &markedWorkDays() const { return m_marks.workDays(); }
    // The shown year's days of the subscribed calendars, which the
    // subscriptions set whenever the year or a calendar changes.
    const QMap<QDate, SubscribedDay> &markedSubscriptions() const { return m_marks.subscribed(); }
    void setSubscribedDays(const QMap<QDate, SubscribedDay> &days);

    // Where the working years' file is looked for, the user's copy first.
    // Nothing is read until the years are first asked for.
    void setWorkCalendarFiles(const QStringList &paths);
    // The years the file fixes (read now if not yet); a damaged file is
    // passed over and reported by workCalendarDamaged, once.
    const WorkYears &workYears() const;
    QString workCalendarPath() const { return m_files.workSource().path(); }
    bool workCalendarBuiltIn() const { return m_files.workSource().isBuiltIn(); }
    WorkYear workYear(int year) const { return workYearOf(workYears(), year); }

    // How the year sheet is scaled on paper, as last chosen for printing.
    PrintScaling printScaling() const { return m_printScaling; }
    void setPrintScaling(PrintScaling scaling);

    // The close-time save of the whole state (ProgramFiles::save).
    void save() { m_files.save(savedState()); }
    // Only the active profile.
    void saveProfile() { writeProfileFile(m_profilePath, profile()); }
    // Only the active profile's reminders, for the agent to follow at once.
    void saveReminders() { m_files.writeReminderFile(m_profilePath, m_reminders); }
    // Writes a profile file, keeping a damaged original first, and the
    // active reminders, identities and kept events beside it.
    void writeProfileFile(const QString &path, const ProfileContent &content)
    {
        m_files.writeProfileFile(path, content, sides());
    }
    // The files of this run that did not read cleanly.
    BackupKeeper &backups() { return m_files.backups(); }

signals:
    void yearChanged(int year);
    void dayChanged(int month, int day);
    void regionalChanged();
    void weekStartChanged(Qt::DayOfWeek day);
    void profilePathChanged(const QString &path);
    void holidaysChanged();
    void storedEventsChanged();
    void remindersChanged();
    void backgroundChanged();
    void yearFontChanged();
    void opacityChanged(OpacityWindow window);
    void showTipsChanged(bool show);
    void showSplashChanged(bool show);
    void viewOptionsChanged();
    void todayChanged(const QDate &today);
    // markedToday(), markedHolidays(), weekNumbersShown(), markedWorkDays() or
    // markedSubscriptions() changed.
    void marksChanged();
    void printScalingChanged();
    // Sent after the call that found a damaged working years' file.
    void workCalendarDamaged(const QString &message);

private:
    // The working year's marks change only with the year, the option and
    // the file: today and the holidays leave them alone.
    void updateMarks(bool workDaysToo = true);
    // The days the events kept whole mark in the shown year.
    void updateEventDays();
    SavedState savedState() const;

    int m_year;
    MonthDays m_days{};
    RegionalOptions m_regional{Qt::Monday, false};
    Qt::DayOfWeek m_weekStart = Qt::Monday;
    QString m_profilePath;
    QStringList m_holidays;
    EntryIds m_entryIds;
    CalendarItems m_storedEvents;
    StoredEventDays m_eventDays;
    Clock m_clock;
    ReminderSettings m_reminders;
    Background m_background;
    QColor m_windowColour = colours::skyBlue;
    bool m_backgroundApplied = false;
    QFont m_yearFont;
    std::array<OpacitySetting, 4> m_opacity{};
    bool m_showTips = true;
    bool m_showSplash = true;
    ViewOptions m_viewOptions;
    QDate m_startDay;
    QDate m_today;
    DayMarks m_marks;
    PrintScaling m_printScaling = PrintScaling::FitToPage;
    // The working years are read on first use, which may come from a const reader.
    mutable ProgramFiles m_files;
};
