// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "agent/ReminderAgent.h"

#include "agent/Notifier.h"
#include "core/ReminderDue.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QFileInfo>
#include <QProcess>
#include <algorithm>
#include <cstdio>

namespace {
constexpr int kCatchUpDays = 7;    // how far back a start shows what was missed
constexpr int kLookAheadDays = 20; // the timer's longest sleep, within QTimer's range
constexpr int kSettleMs = 300;
} // namespace

ReminderAgent::ReminderAgent(const QString &folder, const QString &statePath,
                             const AgentClock &clock, Notifier &notifier, QObject *parent)
    : QObject(parent), m_folder(folder), m_statePath(statePath), m_clock(clock),
      m_notifier(notifier)
{
    m_due.setSingleShot(true);
    m_due.setTimerType(Qt::PreciseTimer);
    connect(&m_due, &QTimer::timeout, this, &ReminderAgent::check);
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, [this] {
        reload();
        check();
    });
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, &m_settle, qOverload<>(&QTimer::start));
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_settle,
            qOverload<>(&QTimer::start));
    connect(&m_timeSet, &SystemTimeWatcher::changed, this, &ReminderAgent::check);
    connect(&m_notifier, &Notifier::actionInvoked, this, &ReminderAgent::act);
    // Waking from suspend: the timer's sleep did not count the time away.
    QDBusConnection::systemBus().connect(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"), this,
        SLOT(sleeping(bool)));
}

void ReminderAgent::start()
{
    m_state = readAgentState(m_statePath);
    const QDateTime now = m_clock.now();
    const QDateTime earliest = now.addDays(-kCatchUpDays);
    if (!m_state.delivered.isValid())
        m_state.delivered = now;
    else if (m_state.delivered < earliest)
        m_state.delivered = earliest;
    reload();
    check();
    save();
}

void ReminderAgent::sleeping(bool beforeSleep)
{
    if (!beforeSleep)
        check();
}

void ReminderAgent::reload()
{
    m_files = readAgentFiles(m_folder);
    // An atomic save replaces a file: watch the new one.
    if (!m_watcher.files().isEmpty())
        m_watcher.removePaths(m_watcher.files());
    if (!m_watcher.directories().isEmpty())
        m_watcher.removePaths(m_watcher.directories());
    QStringList present;
    for (const QString &path : std::as_const(m_files.watched))
        if (QFileInfo::exists(path))
            present << path;
    if (!present.isEmpty())
        m_watcher.addPaths(present);
}

void ReminderAgent::check()
{
    const QDateTime upTo = m_clock.now().addMSecs(1);
    bool shown = false;
    if (m_state.delivered < upTo) {
        const QList<DueReminder> due =
            dueReminders(m_files.entries, m_files.settings, m_files.years, m_state.delivered, upTo);
        for (DueReminder reminder : due) {
            // Shown late (caught up): counted from today.
            if (reminder.due.date() < upTo.date())
                reminder.text =
                    wordingOn(reminder.entry, reminder.date, upTo.date()).value_or(reminder.text);
            m_notifier.show(reminder);
        }
        shown = !due.isEmpty();
        m_state.delivered = upTo;
    }
    const int snoozes = int(m_state.snoozes.size());
    deliverSnoozes(upTo);
    if (shown || snoozes != m_state.snoozes.size())
        save();

    const QDateTime from = std::max(m_state.delivered, upTo);
    QDateTime next = from.addDays(kLookAheadDays);
    const QList<DueReminder> coming =
        dueReminders(m_files.entries, m_files.settings, m_files.years, from, next);
    if (!coming.isEmpty())
        next = coming.first().due;
    for (const Snooze &snooze : std::as_const(m_state.snoozes))
        next = std::min(next, snooze.due);
    m_due.start(int(std::min<qint64>(m_clock.msecsUntil(next), qint64(kLookAheadDays) * 86400000)));
}

// The words for a reminder of day shown on shownOn («вчера» for a day
// already past); none when the entry or its rule is gone.
std::optional<QString> ReminderAgent::wordingOn(const QString &entry, const QDate &day,
                                                const QDate &shownOn) const
{
    const auto rule = reminderRuleFor(m_files.settings, entry);
    const auto date = parseHolidayEntry(entry);
    if (!rule || !date || !m_files.entries.contains(entry))
        return std::nullopt;
    return reminderText(*date, rule->yearly, day, shownOn);
}

// A snoozed reminder comes back with its words for the day it comes back
// on; one whose entry or rule is gone is dropped.
void ReminderAgent::deliverSnoozes(const QDateTime &upTo)
{
    QList<Snooze> kept;
    for (const Snooze &snooze : std::as_const(m_state.snoozes)) {
        if (snooze.due >= upTo) {
            kept << snooze;
            continue;
        }
        if (const auto text = wordingOn(snooze.entry, snooze.date, upTo.date()))
            m_notifier.show({snooze.entry, snooze.date, snooze.due, *text});
    }
    m_state.snoozes = kept;
}

void ReminderAgent::act(const DueReminder &reminder, const QString &action)
{
    using namespace notifyaction;
    const QDateTime now = m_clock.now();
    QDateTime due;
    if (action == QLatin1String(kSnooze10))
        due = now.addSecs(10 * 60);
    else if (action == QLatin1String(kSnoozeHour))
        due = now.addSecs(60 * 60);
    else if (action == QLatin1String(kSnoozeTomorrow)) {
        // At the rule's time of day, not the time of this showing (a snooze's).
        const auto rule = reminderRuleFor(m_files.settings, reminder.entry);
        due = QDateTime(now.date().addDays(1), rule ? rule->time : reminder.due.time());
    }
    if (due.isValid()) {
        m_state.snoozes << Snooze{due, reminder.date, reminder.entry};
        save();
        check();
    } else if (action == QLatin1String(kOpen)) {
        QProcess::startDetached(
            dayrailProgram(), {QStringLiteral("--show-date"), reminder.date.toString(Qt::ISODate)});
    }
}

void ReminderAgent::save()
{
    if (!writeAgentState(m_statePath, m_state))
        std::fprintf(stderr, "dayrail-remind: cannot write %s\n",
                     qPrintable(QFileInfo(m_statePath).absoluteFilePath()));
}
