// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// dayrail-remind: the reminder agent started at login. It reads the
// program's folder (the one the program uses, or --folder DIR) and never
// writes to it.
#include "agent/AgentClock.h"
#include "agent/AgentState.h"
#include "agent/Notifier.h"
#include "agent/ReminderAgent.h"
#include "base/DataLocation.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("dayrail-remind"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Напоминания Dayrail XP"));
    parser.addHelpOption();
    const QCommandLineOption folderOption(QStringLiteral("folder"),
                                          QStringLiteral("Папка с файлами программы."),
                                          QStringLiteral("DIR"));
    parser.addOption(folderOption);
    parser.process(app);

    DataLocation location = currentDataLocation();
    if (parser.isSet(folderOption)) {
        location.folder = QDir(parser.value(folderOption)).absolutePath() + QLatin1Char('/');
        location.portable = true;
    }
    const AgentClock clock;
    Notifier notifier;
    ReminderAgent agent(location.folder, agentStatePath(location), clock, notifier);
    agent.start();
    return QCoreApplication::exec();
}
