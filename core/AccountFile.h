// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calendar server the active profile is kept in step with, in
// "account.cal" beside the option files. UTF-8, LF, one "key value" a line:
//   dayrail-account 1
//   url https://cal.example.org/dav/
//   user masha
//   calendar https://cal.example.org/dav/masha/home/
//   plain-http no
//   trust 3A:7F:…            (a certificate the user chose to trust)
//   every 15                 (minutes between runs; 0: only when asked)
// The password is never in it: it lives in the desktop's password store.
#include <QByteArray>
#include <QString>
#include <QUrl>

struct SyncAccount {
    QUrl url;
    QString user;
    QUrl calendar; // empty until the user picks one
    bool allowPlainHttp = false;
    QByteArray trustedFingerprint;
    int everyMinutes = 15;

    bool configured() const { return url.isValid() && !url.isEmpty() && !calendar.isEmpty(); }
    bool operator==(const SyncAccount &o) const
    {
        return url == o.url && user == o.user && calendar == o.calendar &&
               allowPlainHttp == o.allowPlainHttp && trustedFingerprint == o.trustedFingerprint &&
               everyMinutes == o.everyMinutes;
    }
};

constexpr int kMostSyncMinutes = 24 * 60;

QByteArray accountFileText(const SyncAccount &account);
// Unknown keys and bad values are passed over (a bad value keeps its
// default); text that is no account file gives no account.
SyncAccount parseAccount(const QByteArray &text);
// No file: no account. Throws FileError when it is there but cannot be read.
SyncAccount readAccount(const QString &path);
// No account: the file goes. Throws FileError; the previous file stays whole.
void writeAccount(const QString &path, const SyncAccount &account);
