// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// Dayrail XP: a desktop year calendar.
#include "app/Application.h"
#include "app/CommandLine.h"
#include "base/DataLocation.h"
#include "base/Errors.h"
#include "base/SingleInstance.h"
#include "core/CalendarFiles.h"
#include "platform/Dialogs.h"
#include "platform/ReminderBox.h"
#include "platform/SessionEnd.h"
#include "platform/Widgets.h"
#include "windows/MainWindow.h"

#include <QApplication>
#include <QTextStream>
#include <QTranslator>

namespace {

// Whatever ends a start says why where it was started from too.
int refuseStart(DialogSeam &dialogs, const QString &why, bool shown = false)
{
    if (!shown)
        dialogs.error(why);
    QTextStream(stderr) << "dayrail: " << why << '\n';
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const DataLocation location = currentDataLocation();
    // --help and --version need no display.
    StartRequest request;
    if (const std::optional<int> code = handleCommandLine(arguments, location.folder, &request))
        return *code;
    const QDate showDate = request.showDate;

    QApplication qtApplication(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.dayrail.DayrailXP"));
    // The toolkit's Russian texts, for the boxes before the program's and
    // every window after.
    QTranslator qtRussian;
    Application::setUpToolkit(qtRussian);
    // The agent's stand-in for a notification reads and locks no file.
    if (!request.reminder.isEmpty())
        return int(askAboutReminder(request.reminder));
    // The boxes shown before the program runs; the program has its own.
    ToolkitDialogs boxes;
    // Before the first message box: a signal while one is shown ends the
    // program cleanly, saving once the files have been read.
    SessionEnd sessionEnd;
    Application *program = nullptr;
    bool signalled = false;
    QObject::connect(&sessionEnd, &SessionEnd::endRequested, &sessionEnd,
                     [&](SessionEnd::Cause cause) {
                         // At logout a box may still be answered; a signal's
                         // sender waits for no one.
                         const bool signal = cause == SessionEnd::Cause::Signal;
                         signalled = signalled || signal;
                         if (program)
                             program->saveAndQuit(!signal);
                         else if (signal)
                             QCoreApplication::exit(0);
                     });

    // The folder's path is stored in cnfg.cal, which only holds Windows-1251.
    if (const QString problem = programFolderProblem(location.folder); !problem.isEmpty())
        return refuseStart(boxes, problem);
    bool newFolder = false;
    QStringList adopted;
    try {
        newFolder = makeDataFolder(location);
        adopted = adoptReadOnlyFolder(location);
    } catch (const DayrailError &e) {
        return refuseStart(boxes, e.text());
    }
    // A second copy in the same folder hands over to the first and ends. A
    // lock that no running copy answers for is the user's to judge.
    SingleInstance instance(location.folder);
    instance.setDateToShow(showDate);
    if (!instance.tryBecomePrimary()) {
        if (instance.handedOver())
            return 0;
        const QString held = instance.lockDescription();
        const bool open = boxes.choose(
            held + QStringLiteral("\n\nЕсли та копия уже не работает (папку скопировали или "
                                  "перенесли с другого компьютера), папку можно открыть. Две "
                                  "копии, работающие с одной папкой, запишут свои изменения "
                                  "поверх друг друга."),
            QStringLiteral("Открыть всё равно"), QStringLiteral("Выйти"));
        if (signalled)
            return refuseStart(boxes, QStringLiteral("запуск прерван сигналом"), true);
        if (!open)
            return refuseStart(boxes, held + QStringLiteral("\nЗапуск отменён."), true);
        if (!instance.takeOverLock())
            QTextStream(stderr) << "dayrail: the lock cannot be replaced; running without it\n";
    }

    Application running(location.folder);
    program = &running;
    running.setNewFolder(newFolder);
    if (!adopted.isEmpty())
        running.noteAtStart(
            QStringLiteral("Папка программы \"%1\" доступна только для чтения. "
                           "Её файлы (%2) прочитаны; изменения будут "
                           "сохраняться в папке \"%3\".")
                .arg(location.readOnlyFolder, adopted.join(QStringLiteral(", ")), location.folder));
    running.start();
    if (running.ending())
        return 0;
    QObject::connect(&instance, &SingleInstance::activationRequested, &running,
                     &Application::showMainWindow);
    QObject::connect(&instance, &SingleInstance::dateRequested, &running, &Application::showDate);
    running.mainWindow()->show();
    centreOnScreen(running.mainWindow());
    if (showDate.isValid())
        running.showDate(showDate);
    return QApplication::exec();
}
