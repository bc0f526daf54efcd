// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calendars the user subscribed to, and how each was last refreshed, in
// "subscriptions.cal" beside the option files. UTF-8, LF:
//   dayrail-subscriptions 1
//   <id> <TAB> #rrggbb <TAB> hours <TAB> http|https <TAB> attempt <TAB> success
//        <TAB> ok|failed <TAB> etag <TAB> last-modified <TAB> status <TAB> url <TAB> name
// Times are UTC ISO 8601, empty when never; the name runs to the end of the line.
// Each subscription's last good copy is "subscriptions/<id>.ics".
#include <QByteArray>
#include <QColor>
#include <QDateTime>
#include <QList>
#include <QString>

class BackupKeeper;

// The bounds of the refresh interval, in hours.
constexpr int kFewestRefreshHours = 1;
constexpr int kMostRefreshHours = 24 * 30;

struct Subscription {
    QString id;   // names the cached copy; never changes
    QString name; // one line, as the page shows it
    QString url;  // as entered: https://, webcal:// or (allowed) http://
    QColor colour;
    int hours = 24;
    bool allowHttp = false; // the user accepted a plain http address

    // The last refresh: when it was tried and when it last succeeded (UTC),
    // the validators of the last good answer, and what the status line says.
    QDateTime attempted;
    QDateTime succeeded;
    bool failed = false;
    QByteArray etag;
    QByteArray lastModified;
    QString status; // «событий: 12», or the failure

    bool operator==(const Subscription &o) const;
    bool operator!=(const Subscription &o) const { return !(*this == o); }
};

// A new subscription's id: unique, fit for a file name.
QString newSubscriptionId();

// The line texts keep: control characters (tabs, line breaks) become spaces.
QString oneLine(const QString &text);

QByteArray subscriptionFileText(const QList<Subscription> &list);
// Lines that are no subscription are left out; the file is then marked in
// backups, so the next save keeps it first. No file: no subscriptions.
// Throws FileError when the file is there but cannot be read.
QList<Subscription> readSubscriptions(const QString &path, BackupKeeper &backups);
// Atomic; throws FileError, the previous file left whole.
void writeSubscriptions(const QString &path, const QList<Subscription> &list,
                        BackupKeeper &backups);
