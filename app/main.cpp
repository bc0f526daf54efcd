// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// Dayrail XP: a desktop year calendar.
#include "Application.h"
#include "CalendarFiles.h"
#include "CommandLine.h"
#include "DataLocation.h"
#include "Dialogs.h"
#include "Handler.h"
#include "MainWindow.h"
#include "SessionEnd.h"
#include "SingleInstance.h"
#include "Widgets.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const DataLocation location = currentDataLocation();
    // --help and --version need no display.
    if (const std::optional<int> code = handleCommandLine(arguments, location.folder))
        return *code;

    QApplication qtApplication(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.dayrail.DayrailXP"));
    Application::setUpToolkit();
    // The folder's path is stored in cnfg.cal, which only holds Windows-1251.
    if (const QString problem = programFolderProblem(location.folder); !problem.isEmpty()) {
        dialogs().error(problem);
        return 1;
    }
    if (!runHandler([&] { makeDataFolder(location); }))
        return 1;
    // A second copy in the same folder hands over to the first and ends.
    SingleInstance instance(location.folder);
    if (!instance.tryBecomePrimary())
        return 0;

    Application program(location.folder);
    program.start();
    QObject::connect(&instance, &SingleInstance::activationRequested, &program,
                     &Application::showMainWindow);
    SessionEnd sessionEnd;
    QObject::connect(&sessionEnd, &SessionEnd::endRequested, &program,
                     [&program](SessionEnd::Cause cause) {
                         program.saveAtSessionEnd(cause == SessionEnd::Cause::Signal);
                     });
    program.mainWindow()->show();
    centreOnScreen(program.mainWindow());
    return QApplication::exec();
}
