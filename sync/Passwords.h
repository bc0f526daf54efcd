// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Account passwords in the desktop's password store (the Secret Service),
// never in a file of the program: where no store answers, nothing is kept
// and the caller is told why.
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class Passwords : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // The key of an account's password: user and server.
    static QString keyFor(const QString &user, const QString &server);

    // done(password, failure): no password and no failure when none is kept.
    void read(const QString &key,
              std::function<void(std::optional<QString> password, QString failure)> done);
    // done(failure): empty when it is kept. An empty password removes the kept one.
    void write(const QString &key, const QString &password, std::function<void(QString)> done);
};
