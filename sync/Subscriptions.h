// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calendars the user subscribed to: their list and last good copies in
// the data folder, refreshed on each one's interval by one timer set to the
// next refresh due, and the days they mark in a year. Read-only: nothing of
// a subscribed calendar becomes an entry.
#include "base/SubscribedDay.h"
#include "core/SubscriptionFile.h"
#include "sync/SubscriptionFetch.h"

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QMap>
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>

class BackupKeeper;
class QNetworkAccessManager;

class Subscriptions : public QObject {
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;
    // A failed refresh is tried again after this long, or the interval if shorter.
    static constexpr int kRetryHours = 1;

    // folder with a trailing '/'; backups and clock must outlive the object.
    Subscriptions(const QString &folder, BackupKeeper &backups, Clock clock,
                  QObject *parent = nullptr);
    ~Subscriptions() override;

    // Reads the list and the last good copies, then refreshes what is due
    // and sets the timer. Never throws: the message for the user is
    // returned, empty when everything read.
    QString start();

    const QList<Subscription> &list() const { return m_list; }
    // Checks the address (subscriptionAddress), gives a new id, saves the
    // list and refreshes the new one at once. Throws NetworkError or FileError.
    void add(Subscription subscription);
    // Its copy goes too. Throws FileError when the list cannot be saved.
    // By value: a caller may pass an id held by the list this changes.
    void remove(QString id);
    // Refreshes one now, whether due or not.
    void refresh(const QString &id);
    bool isRefreshing(const QString &id) const { return m_fetches.contains(id); }

    // Every subscription's days in year, its colour and «name: caption» lines.
    QMap<QDate, SubscribedDay> daysIn(int year) const;

    // Tests shorten the network's waits.
    void setTimeouts(int quietMs, int longestMs);
    // The timer to the next refresh due.
    const QTimer &timer() const { return m_timer; }

signals:
    // The list, or a status line, changed.
    void listChanged();
    // A calendar's days may have changed: daysIn gives them anew.
    void daysChanged();

private:
    QString copyPath(const QString &id) const;
    QDateTime dueTime(const Subscription &subscription) const;
    void refreshDue();
    void scheduleNext();
    void finish(const QString &id, const FetchAnswer &answer);
    // Writes the list; a failure goes into the status of id (or every one).
    void saveList(const QString &id = {});
    Subscription *find(const QString &id);

    QString m_folder;
    BackupKeeper &m_backups;
    Clock m_clock;
    QList<Subscription> m_list;
    QHash<QString, QByteArray> m_copies;
    QHash<QString, SubscriptionFetch *> m_fetches;
    std::unique_ptr<QNetworkAccessManager> m_network;
    QTimer m_timer;
    int m_quietMs = 0;
    int m_longestMs = 0;
    // The days of the last year asked for, until a copy changes.
    mutable int m_daysYear = 0;
    mutable QMap<QDate, SubscribedDay> m_days;
};
