// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ReminderAutostart.h"

#include "base/Errors.h"
#include "base/TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

QStringList agentArguments(const QString &folder)
{
    return folder.isEmpty() ? QStringList() : QStringList{QStringLiteral("--folder"), folder};
}

// One argument of an Exec line: quoted when it holds anything the desktop
// would split or expand, then escaped once more as a desktop entry string.
QString execArgument(const QString &argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool plain = !argument.isEmpty();
    for (QChar c : argument)
        plain = plain && !reserved.contains(c);
    QString text = argument;
    text.replace(QLatin1Char('%'), QStringLiteral("%%"));
    if (!plain) {
        QString quoted;
        for (QChar c : text) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
                c == QLatin1Char('\\'))
                quoted += QLatin1Char('\\');
            quoted += c;
        }
        text = QLatin1Char('"') + quoted + QLatin1Char('"');
    }
    return text.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
}

} // namespace

QString reminderAgentPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/dayrail-remind");
}

QString reminderAutostartPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/org.dayrail.DayrailXP.Reminders.desktop");
}

QByteArray reminderAutostartText(const QString &agentPath, const QString &folder)
{
    QStringList exec{execArgument(agentPath)};
    for (const QString &argument : agentArguments(folder))
        exec << execArgument(argument);
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=Dayrail XP — напоминания\n"
                                        "Exec=%1\n"
                                        "NoDisplay=true\n"
                                        "X-GNOME-Autostart-enabled=true\n")
                             .arg(exec.join(QLatin1Char(' ')));
    return text.toUtf8();
}

void installReminderAutostart(const QString &agentPath, const QString &folder)
{
    const QString path = reminderAutostartPath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        throw FileError(
            QStringLiteral("Не удаётся создать папку \"%1\"").arg(QFileInfo(path).absolutePath()));
    writeFileAtomically(path, reminderAutostartText(agentPath, folder));
}

void removeReminderAutostart()
{
    const QString path = reminderAutostartPath();
    if (QFileInfo::exists(path) && !QFile::remove(path))
        throw FileError(QStringLiteral("Не удаётся удалить файл \"%1\"").arg(path));
}

bool startReminderAgent(const QString &agentPath, const QString &folder)
{
    return QFileInfo(agentPath).isExecutable() &&
           QProcess::startDetached(agentPath, agentArguments(folder));
}
