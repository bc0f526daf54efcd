// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// One iCalendar import as the holiday page runs it (worker thread, progress
// after half a second) into an empty list: wall time to the summary, the
// longest the window's event loop went without running, the peak memory of
// the whole process with the summary shown, how long the summary took to come
// up with its list read out as a screen reader reads it, and what it said.
//   QT_QPA_PLATFORM=offscreen QT_ACCESSIBILITY=1 build/bench/bench_import FILE
#include "core/CalendarModel.h"
#include "platform/Dialogs.h"
#include "platform/ReportDialog.h"
#include "settings/ICalendarExchange.h"

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <sys/resource.h>

namespace {

class AnsweringDialogs : public DialogSeam {
public:
    explicit AnsweringDialogs(QString file) : m_file(std::move(file)) {}
    void message(const QString &text) override { summary = text; }
    void error(const QString &text) override { summary = text; }
    void report(const QString &text, const QString &list) override
    {
        summary = text;
        details = list;
    }
    bool question(const QString &) override { return false; }
    QString openFileName(QWidget *, const QString &, const QString &) override { return m_file; }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return {};
    }
    bool printDialog(QWidget *, QPrinter *) override { return false; }
    bool printerSetup(QWidget *, QPrinter *) override { return false; }
    std::optional<QColor> chooseColour(QWidget *, const QColor &) override { return {}; }
    QString summary;
    QString details;

private:
    QString m_file;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_import FILE\n");
        return 2;
    }
    AnsweringDialogs answers(QString::fromLocal8Bit(argv[1]));
    CalendarModel model;
    QWidget window;
    window.show();
    ICalendarExchange exchange(model, &QDateTime::currentDateTime, answers, &window);
    QElapsedTimer clock, tick;
    qint64 longestGap = 0;
    QTimer beat;
    beat.setInterval(5);
    QObject::connect(&beat, &QTimer::timeout,
                     [&] { longestGap = qMax(longestGap, tick.restart()); });
    QObject::connect(&exchange, &ICalendarExchange::importFinished, &app, &QApplication::quit);
    clock.start();
    tick.start();
    beat.start();
    exchange.importEntries();
    if (exchange.isImporting())
        app.exec();
    const qint64 elapsed = clock.elapsed();
    // The summary as the user gets it, counted in the peak.
    QElapsedTimer shown;
    shown.start();
    ReportDialog report(answers.summary, answers.details);
    report.show();
    app.processEvents();
    qsizetype readOut = 0;
    if (QAccessibleInterface *list = QAccessible::queryAccessibleInterface(
            report.findChild<QWidget *>(QStringLiteral("reportDetails")))) {
        if (QAccessibleTextInterface *text = list->textInterface())
            readOut = text->text(0, text->characterCount()).size();
    }
    const qint64 summaryMs = shown.elapsed();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("time %lld ms, longest event-loop gap %lld ms, summary shown and read in %lld ms "
                "(%lld characters), peak %.1f MiB, entries %lld\n%s\n",
                static_cast<long long>(elapsed), static_cast<long long>(longestGap),
                static_cast<long long>(summaryMs), static_cast<long long>(readOut),
                usage.ru_maxrss / 1024.0, static_cast<long long>(model.holidays().size()),
                qPrintable(answers.summary + QLatin1Char('\n') +
                           answers.details.section(QLatin1Char('\n'), 0, 1)));
    return 0;
}
