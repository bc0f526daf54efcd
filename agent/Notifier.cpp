// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "agent/Notifier.h"

#include "base/ReminderChoice.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QFileInfo>
#include <QProcess>
#include <QVariantMap>
#include <cstdio>

namespace {
const char *const kService = "org.freedesktop.Notifications";
const char *const kPath = "/org/freedesktop/Notifications";
const char *const kInterface = "org.freedesktop.Notifications";
// The action a box's answer stands for; empty for «Закрыть».
const char *actionFor(ReminderChoice choice)
{
    using namespace notifyaction;
    switch (choice) {
    case ReminderChoice::Snooze10: return kSnooze10;
    case ReminderChoice::SnoozeHour: return kSnoozeHour;
    case ReminderChoice::SnoozeTomorrow: return kSnoozeTomorrow;
    case ReminderChoice::Open: return kOpen;
    case ReminderChoice::Close: break;
    }
    return "";
}

bool knownChoice(int code)
{
    for (ReminderChoice choice :
         {ReminderChoice::Close, ReminderChoice::Snooze10, ReminderChoice::SnoozeHour,
          ReminderChoice::SnoozeTomorrow, ReminderChoice::Open})
        if (code == int(choice))
            return true;
    return false;
}

// A box needs a screen to show on and the program to show it.
bool canAsk()
{
    return (qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY")) &&
           QFileInfo(dayrailProgram()).isExecutable();
}

} // namespace

QString dayrailProgram()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/dayrail");
}

Notifier::Notifier(QObject *parent) : QObject(parent)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QString service = QString::fromLatin1(kService);
    const QString path = QString::fromLatin1(kPath);
    const QString interface = QString::fromLatin1(kInterface);
    bus.connect(service, path, interface, QStringLiteral("ActionInvoked"), this,
                SLOT(onActionInvoked(uint, QString)));
    bus.connect(service, path, interface, QStringLiteral("NotificationClosed"), this,
                SLOT(onClosed(uint, uint)));
    m_watcher =
        new QDBusServiceWatcher(service, bus, QDBusServiceWatcher::WatchForRegistration, this);
    connect(m_watcher, &QDBusServiceWatcher::serviceRegistered, this, &Notifier::serviceAppeared);
}

void Notifier::show(const DueReminder &reminder)
{
    // A pending call on a bus never reached does not finish.
    if (!QDBusConnection::sessionBus().isConnected()) {
        holdBack(reminder);
        return;
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(QString::fromLatin1(kService), QString::fromLatin1(kPath),
                                       QString::fromLatin1(kInterface), QStringLiteral("Notify"));
    using namespace notifyaction;
    const QStringList actions{
        QString::fromLatin1(kSnooze10),       QStringLiteral("Отложить на 10 минут"),
        QString::fromLatin1(kSnoozeHour),     QStringLiteral("Отложить на 1 час"),
        QString::fromLatin1(kSnoozeTomorrow), QStringLiteral("Отложить до завтра"),
        QString::fromLatin1(kOpen),           QStringLiteral("Открыть")};
    call << QStringLiteral("Dayrail XP") << uint(0) << QStringLiteral("dayrail")
         << QStringLiteral("Напоминание") << reminder.text << actions << QVariantMap() << -1;
    auto *watch = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call), this);
    connect(watch, &QDBusPendingCallWatcher::finished, this, [this, watch, reminder] {
        watch->deleteLater();
        const QDBusPendingReply<uint> reply = *watch;
        if (reply.isError())
            holdBack(reminder);
        else
            m_shown.insert(reply.value(), reminder);
    });
}

void Notifier::holdBack(const DueReminder &reminder)
{
    if (canAsk()) {
        m_asking << reminder;
        askNext();
        return;
    }
    waitForService(reminder);
}

void Notifier::waitForService(const DueReminder &reminder)
{
    std::fprintf(stderr, "dayrail-remind: %s\n", reminder.text.toLocal8Bit().constData());
    m_waiting << reminder;
}

void Notifier::askNext()
{
    if (m_box || m_asking.isEmpty())
        return;
    m_box = new QProcess(this);
    connect(m_box, &QProcess::finished, this, [this](int code, QProcess::ExitStatus status) {
        asked(status == QProcess::NormalExit, code);
    });
    connect(m_box, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            asked(false, 0);
    });
    m_box->start(dayrailProgram(),
                 {QString::fromLatin1(kShowReminderOption), m_asking.constFirst().text});
}

void Notifier::asked(bool answered, int code)
{
    m_box->deleteLater();
    m_box = nullptr;
    const DueReminder reminder = m_asking.takeFirst();
    if (!answered || !knownChoice(code)) {
        waitForService(reminder); // the box could not be shown
    } else if (const char *action = actionFor(ReminderChoice(code)); *action) {
        emit actionInvoked(reminder, QString::fromLatin1(action));
    }
    askNext();
}

void Notifier::serviceAppeared()
{
    const QList<DueReminder> waiting = std::exchange(m_waiting, {});
    for (const DueReminder &reminder : waiting)
        show(reminder);
}

void Notifier::onActionInvoked(uint id, const QString &action)
{
    const auto found = m_shown.constFind(id);
    if (found != m_shown.cend())
        emit actionInvoked(*found, action);
}

void Notifier::onClosed(uint id, uint)
{
    m_shown.remove(id);
}
