// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the real program, as main() does it, in a folder holding a
// typical user's files: settings, a profile with holidays, regional options.
// With DAYRAIL_BENCH_WORKCAL naming a working years' file, that file is
// there too and the grids show the working year.
#include "app/Application.h"
#include "base/Paths.h"
#include "base/TextFile.h"
#include "bench/FirstPaint.h"
#include "platform/Widgets.h"
#include "windows/MainWindow.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    QStringList profile = QStringList(12, QStringLiteral("15")) << QStringLiteral("40");
    for (int i = 0; i < 40; ++i)
        profile << QStringLiteral("%1 января 2006г. Праздник номер %1").arg(i % 28 + 1);
    writeTextFile(folder + QStringLiteral("Работа.cpr"), profile);
    writeTextFile(folder + QStringLiteral("cnfg.cal"),
                  QStringList(12, QStringLiteral("15"))
                      << QStringLiteral("2026") << QStringLiteral("0") << QStringLiteral("0")
                      << QString() << QStringLiteral("15780518") << QStringLiteral("True")
                      << QStringLiteral("TRUE") << QStringLiteral("0")
                      << folder + QStringLiteral("Работа.cpr"));
    writeTextFile(folder + QStringLiteral("regional.cal"),
                  {QStringLiteral("TRUE"), QStringLiteral("FALSE"), QStringLiteral("FALSE"),
                   QStringLiteral("TRUE")});
    const QString workcal = qEnvironmentVariable("DAYRAIL_BENCH_WORKCAL");
    if (!workcal.isEmpty()) {
        QFile::copy(workcal, folder + QStringLiteral("workcal.txt"));
        writeTextFile(folder + QStringLiteral("view.cal"),
                      {QStringLiteral("TRUE"), QStringLiteral("TRUE"), QStringLiteral("FALSE"),
                       QStringLiteral("TRUE")});
    }
    QTranslator qtRussian;
    Application::setUpToolkit(qtRussian);
    Application program(folder);
    program.start();
    new FirstPaintProbe(program.mainWindow());
    program.mainWindow()->show();
    centreOnScreen(program.mainWindow());
    return QApplication::exec();
}
