// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// The clock's cost.
//   bench_clock ticks [N]     CPU time and pixels repainted per tick, analog and
//                             digital, with a time that moves one second a tick
//   bench_clock idle [S]      the whole program's CPU share over S seconds
//                             (default 60) with the main window and the
//                             floating clock shown
//   bench_clock hidden [S]    the same with the floating clock opened once
//                             and hidden again
//   bench_clock show          the main window and the floating clock, until closed
// Run "ticks" with QT_QPA_PLATFORM=offscreen; "idle" and "show" on a display
// (Xvfb) to count the real repaints.
#include "app/Application.h"
#include "base/TextFile.h"
#include "controls/ClockFace.h"
#include "platform/Dialogs.h"
#include "platform/Widgets.h"
#include "windows/MainWindow.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>

namespace {

constexpr int kStartOver = 5000; // ms after start-up when the measured stretch begins

double threadCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

double processCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &v) {
        return double(v.tv_sec) + double(v.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double wallSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

void measureTicks(ClockStyle mode, const char *name, int ticks)
{
    ClockFace clock;
    clock.timer()->setEnabled(false);
    QTime now(10, 0, 0);
    clock.setTimeSource([&](QObject *, QTime &time) { time = now; });
    clock.setShowMode(mode);
    clock.resize(113, 105);
    clock.show();
    QCoreApplication::processEvents(); // the first, full paint

    double tickCpu = 0, withRepaintCpu = 0;
    qint64 pixels = 0;
    for (int i = 0; i < ticks; ++i) {
        now = now.addSecs(1);
        const double start = threadCpuSeconds();
        clock.tick();
        const double drawn = threadCpuSeconds();
        QCoreApplication::processEvents(); // the repaint of the changed area
        const double repainted = threadCpuSeconds();
        tickCpu += drawn - start;
        withRepaintCpu += repainted - start;
        const QRect area = clock.lastTickArea();
        pixels += qint64(area.width()) * area.height();
    }
    std::printf("%-8s tick %.4f ms, tick+repaint %.4f ms, %.0f pixels repainted per tick "
                "(of %d), %d ticks\n",
                name, tickCpu * 1000 / ticks, withRepaintCpu * 1000 / ticks, double(pixels) / ticks,
                clock.width() * clock.height(), ticks);
}

// Start-up notes (a first start has no tips file, for one) go to stderr
// instead of stopping the measurement in a message box.
class QuietDialogs : public DialogSeam {
public:
    void message(const QString &text) override { note(text); }
    void error(const QString &text) override { note(text); }
    bool question(const QString &text) override
    {
        note(text);
        return false;
    }
    QString openFileName(QWidget *, const QString &, const QString &) override { return {}; }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return {};
    }
    bool printDialog(QWidget *, QPrinter *) override { return false; }
    bool printerSetup(QWidget *, QPrinter *) override { return false; }
    std::optional<QColor> chooseColour(QWidget *, const QColor &) override { return {}; }

private:
    static void note(const QString &text) { std::fprintf(stderr, "%s\n", qPrintable(text)); }
};

// The program started in a fresh folder, its main window and floating clock
// shown; with clockHidden the clock goes again at once.
void showWindows(Application &program, bool clockHidden)
{
    program.start();
    MainWindow *main = program.mainWindow();
    main->show();
    centreOnScreen(main);
    program.showWindow(WindowRole::FloatingClock);
    if (clockHidden)
        program.hideWindow(WindowRole::FloatingClock);
    // Just those once the start is over (the splash fades for about 2.6 s,
    // then a first start shows the tips).
    QTimer::singleShot(kStartOver - 1000, [&program, clockHidden] {
        const QWidget *clock = program.existingWindow(WindowRole::FloatingClock);
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window != program.mainWindow() && (window != clock || clockHidden))
                window->hide();
    });
}

void measureIdle(int seconds)
{
    double cpu0 = 0, wall0 = 0;
    QTimer::singleShot(kStartOver, [=, &cpu0, &wall0] {
        cpu0 = processCpuSeconds();
        wall0 = wallSeconds();
        QTimer::singleShot(seconds * 1000, [&cpu0, &wall0] {
            const double cpu = processCpuSeconds() - cpu0;
            const double wall = wallSeconds() - wall0;
            std::printf("idle: %.3f s CPU in %.1f s = %.3f %% of one core\n", cpu, wall,
                        100.0 * cpu / wall);
            QCoreApplication::exit(0);
        });
    });
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("ticks");
    const int count = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 0;

    if (mode == QLatin1String("ticks")) {
        const int ticks = count > 0 ? count : 20000;
        measureTicks(ClockStyle::Analog, "analog", ticks);
        measureTicks(ClockStyle::Digital, "digital", ticks);
        return 0;
    }

    // A first start, but with the regional options a user always has.
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    writeTextFile(folder + QStringLiteral("regional.cal"),
                  QStringLiteral("TRUE FALSE FALSE TRUE").split(QLatin1Char(' ')));
    QTranslator qtRussian;
    Application::setUpToolkit(qtRussian);
    QuietDialogs quiet;
    Application program(folder, {}, &quiet);
    const bool hidden = mode == QLatin1String("hidden");
    showWindows(program, hidden);
    if (mode == QLatin1String("idle") || hidden)
        measureIdle(count > 0 ? count : 60);
    const int code = QApplication::exec();
    return code;
}
