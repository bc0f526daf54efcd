// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// What the grids' marks cost, and the year's vector saves.
//   bench_grid [RUNS] [KEEP_DIR]
// Paint: one month grid (193 x 120, as on the main window) painted PAINTS
// times per run into a picture, without marks and with each kind of mark;
// the figure is the median over RUNS (default 15) of the processor time per
// paint, with the difference from the unmarked grid. Saves: the year sheet written
// as PDF and as SVG (as "Сохранить в pdf/svg" writes it, marks on), median
// wall time and file size. With KEEP_DIR the two files stay there.
// Run with QT_QPA_PLATFORM=offscreen.
#include "controls/MonthGrid.h"
#include "core/CalendarModel.h"
#include "output/YearOutput.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int kPaints = 2000;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// This thread's processor time in microseconds: the machine may be busy
// with other work, which wall time would count.
double threadMicroseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e6 + double(now.tv_nsec) / 1e3;
}

// Microseconds of processor time per paint, kPaints paints.
double paintCost(MonthGrid &grid, QImage &target)
{
    const double start = threadMicroseconds();
    for (int i = 0; i < kPaints; ++i)
        grid.render(&target);
    return (threadMicroseconds() - start) / kPaints;
}

struct Variant {
    const char *what;
    std::function<void(MonthGrid &)> mark;
};

void measurePaints(int runs)
{
    // April 2026 with today, the chosen day and four holidays in it.
    const QMap<QDate, QString> holidays = {{QDate(2026, 4, 1), QStringLiteral("День смеха")},
                                           {QDate(2026, 4, 12), QStringLiteral("Пасха")},
                                           {QDate(2026, 4, 22), QStringLiteral("День Земли")},
                                           {QDate(2026, 4, 30), QStringLiteral("Канун")}};
    const auto today = [](MonthGrid &g) { g.setToday(QDate(2026, 4, 20)); };
    const auto festive = [holidays](MonthGrid &g) { g.setHolidays(holidays); };
    const auto weeks = [](MonthGrid &g) { g.setWeekNumbersShown(true); };
    const std::vector<Variant> variants = {
        {"no marks", [](MonthGrid &) {}},
        {"today", today},
        {"holidays (4)", festive},
        {"today + holidays", [&](MonthGrid &g) { today(g), festive(g); }},
        {"week numbers", weeks},
        {"all three", [&](MonthGrid &g) { today(g), festive(g), weeks(g); }},
    };
    std::vector<std::unique_ptr<MonthGrid>> grids;
    for (const Variant &variant : variants) {
        grids.push_back(std::make_unique<MonthGrid>());
        grids.back()->resize(193, 120);
        grids.back()->setDate(QDate(2026, 4, 15));
        variant.mark(*grids.back());
    }
    QImage target(grids.front()->size(), QImage::Format_ARGB32_Premultiplied);
    // Round by round, so that a slower stretch of the machine hits every variant alike.
    std::vector<std::vector<double>> costs(variants.size());
    for (int run = -1; run < runs; ++run)
        for (size_t v = 0; v < variants.size(); ++v) {
            const double cost = paintCost(*grids[v], target);
            if (run >= 0) // the first round warms the glyph caches
                costs[v].push_back(cost);
        }
    const double plain = median(costs.front());
    for (size_t v = 0; v < variants.size(); ++v) {
        const double cost = median(costs[v]);
        std::printf("grid paint, %-18s median %8.2f us  (%+6.1f %%)\n", variants[v].what, cost,
                    (cost / plain - 1) * 100);
    }
}

void measureSave(const CalendarModel &model, const QString &path, int runs)
{
    std::vector<double> ms;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        saveYearVector(model, path);
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("save year as %-12s median %8.1f ms  (min %.1f, max %.1f, %d runs)  %lld bytes\n",
                qPrintable(QFileInfo(path).suffix()), median(ms),
                *std::min_element(ms.begin(), ms.end()), *std::max_element(ms.begin(), ms.end()),
                runs, static_cast<long long>(QFileInfo(path).size()));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 15;
    QTemporaryDir scratch;
    const QString out = argc > 2 ? QString::fromLocal8Bit(argv[2]) : scratch.path();
    QDir().mkpath(out);

    measurePaints(runs);

    CalendarModel model;
    model.setHolidays({QStringLiteral("1 января  Новый год"), QStringLiteral("7 января  Рождество"),
                       QStringLiteral("8 марта  Женский день"), QStringLiteral("9 мая  Победа")});
    model.setViewOptions({true, true, true});
    measureSave(model, out + QStringLiteral("/year.pdf"), runs);
    measureSave(model, out + QStringLiteral("/year.svg"), runs);
    return 0;
}
