// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/Passwords.h"

#include <qt6keychain/keychain.h>

namespace {

const char *const kService = "Dayrail XP";

QString failureOf(const QKeychain::Job &job)
{
    switch (job.error()) {
    case QKeychain::NoError:
    case QKeychain::EntryNotFound: return {};
    case QKeychain::NoBackendAvailable:
    case QKeychain::NotImplemented:
        return QStringLiteral("Хранилище паролей рабочего стола недоступно: пароль не сохранён. "
                              "Его придётся вводить при каждом запуске.");
    case QKeychain::AccessDeniedByUser:
    case QKeychain::AccessDenied:
        return QStringLiteral("Хранилище паролей не дало доступа к паролю.");
    default: return QStringLiteral("Ошибка хранилища паролей: %1").arg(job.errorString());
    }
}

} // namespace

QString Passwords::keyFor(const QString &user, const QString &server)
{
    return user + QLatin1Char('@') + server;
}

void Passwords::read(const QString &key, std::function<void(std::optional<QString>, QString)> done)
{
    auto *job = new QKeychain::ReadPasswordJob(QString::fromLatin1(kService), this);
    job->setKey(key);
    connect(job, &QKeychain::Job::finished, this, [done](QKeychain::Job *finished) {
        const auto *reading = static_cast<QKeychain::ReadPasswordJob *>(finished);
        if (finished->error() == QKeychain::NoError)
            done(reading->textData(), {});
        else
            done(std::nullopt, failureOf(*finished));
    });
    job->start();
}

void Passwords::write(const QString &key, const QString &password,
                      std::function<void(QString)> done)
{
    QKeychain::Job *job = nullptr;
    if (password.isEmpty()) {
        job = new QKeychain::DeletePasswordJob(QString::fromLatin1(kService), this);
    } else {
        auto *writing = new QKeychain::WritePasswordJob(QString::fromLatin1(kService), this);
        writing->setTextData(password);
        job = writing;
    }
    job->setKey(key);
    connect(job, &QKeychain::Job::finished, this,
            [done](QKeychain::Job *finished) { done(failureOf(*finished)); });
    job->start();
}
