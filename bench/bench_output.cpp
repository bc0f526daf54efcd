// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// The output commands' cost: building the year sheet from the model,
// rendering it, saving it as BMP, JPEG, EMF and WMF, and printing one page of
// the ordinary and of the cube calendar to a PDF file. Each figure is the
// median wall time of several runs of the command as the menu runs it (the
// sheet built and rendered each time), with the save and print dialogs
// answered at once.
//   bench_output [RUNS] [KEEP_DIR [PICTURE]]
// RUNS defaults to 15; with KEEP_DIR the last file of each kind stays there,
// with the year sheet and the cube template rendered as copy.png, cube.png.
// With PICTURE, the pages are printed with the background and PICTURE is
// applied as that background first, through the background window.
// Run with QT_QPA_PLATFORM=offscreen.
//   bench_output show [PICTURE]  the background window and the print scaling
//                                dialog until closed, for screenshots; with
//                                PICTURE applied as the background
#include "base/Metafile.h"
#include "base/Pictures.h"
#include "core/CalendarModel.h"
#include "output/CubeSheet.h"
#include "output/PrintScaleDialog.h"
#include "output/PrintSheet.h"
#include "output/Printing.h"
#include "output/YearOutput.h"
#include "platform/Dialogs.h"
#include "platform/Handler.h"
#include "settings/BackgroundWindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Answers every dialog at once: the next file name, and "print".
class ScriptedDialogs : public DialogSeam {
public:
    void message(const QString &text) override { note(text); }
    void error(const QString &text) override
    {
        note(text);
        ++errors;
    }
    bool question(const QString &) override { return true; }
    QString openFileName(QWidget *, const QString &, const QString &) override { return {}; }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return nextFile;
    }
    bool printDialog(QWidget *, QPrinter *) override { return true; }
    bool printerSetup(QWidget *, QPrinter *) override { return true; }
    std::optional<QColor> chooseColour(QWidget *, const QColor &) override { return {}; }

    QString nextFile;
    int errors = 0;

private:
    static void note(const QString &text) { std::fprintf(stderr, "%s\n", qPrintable(text)); }
};

// prepare runs before each timed run, outside the timing.
void measure(DialogSeam &dialogs, const char *what, int runs, const QString &file,
             const std::function<void()> &run, const std::function<void()> &prepare = {})
{
    std::vector<double> ms;
    qint64 bytes = 0;
    for (int i = 0; i < runs; ++i) {
        if (prepare)
            prepare();
        QElapsedTimer timer;
        timer.start();
        runHandler(dialogs, run);
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (!file.isEmpty())
            bytes = QFileInfo(file).size();
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-28s median %8.3f ms  (min %8.3f, max %8.3f, %d runs)", what, ms[ms.size() / 2],
                ms.front(), ms.back(), runs);
    if (!file.isEmpty())
        std::printf("  %lld bytes", static_cast<long long>(bytes));
    std::printf("\n");
}

void printToPdf(QPrinter &printer, const QString &file)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageSize(QPageSize(QPageSize::A4));
}

// The picture chosen and "Применить" pressed, as a user does it.
void useBackground(BackgroundWindow &window, const QString &picture)
{
    window.findChild<QRadioButton *>(QStringLiteral("pictureOption"))->setChecked(true);
    window.findChild<QLineEdit *>(QStringLiteral("pathEdit"))->setText(picture);
    window.findChild<QPushButton *>(QStringLiteral("applyButton"))->click();
}

// The main window's save commands: the sheet rendered, the name asked, the file written.
void saveMetafile(DialogSeam &dialogs, const CalendarModel &model)
{
    const QImage sheet = renderYearSheet(model);
    const QString name = dialogs.saveFileName(nullptr, {}, {}, QStringLiteral("emf"));
    writeMetafile(sheet, name);
}

void saveBitmap(DialogSeam &dialogs, const CalendarModel &model)
{
    const QImage sheet = renderYearSheet(model);
    const QString name = dialogs.saveFileName(nullptr, {}, {}, QStringLiteral("bmp"));
    savePicture(sheet, name);
}

int showWindows(CalendarModel &model, DialogSeam &dialogs, const char *picture)
{
    BackgroundWindow background(model, dialogs);
    ProgramPrinter printer;
    PrintScaleDialog scaling(model, printer.get(), dialogs);
    background.move(20, 20);
    background.show();
    scaling.show();
    scaling.move(520, 20);
    if (picture)
        useBackground(background, QString::fromLocal8Bit(picture));
    return QApplication::exec();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The program's font: the year sheet's captions and the year follow it.
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
    ScriptedDialogs scripted;
    // A first start: colour background, weeks from Monday, printed without the background.
    CalendarModel model;
    MonthDays days;
    days.fill(1);
    model.setDays(days);
    model.setRegional({Qt::Monday, false});
    Background first;
    first.captionColour = colours::black;
    model.setBackground(first);
    if (argc > 1 && qstrcmp(argv[1], "show") == 0)
        return showWindows(model, scripted, argc > 2 ? argv[2] : nullptr);

    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 15;
    QTemporaryDir scratch;
    const QString out = argc > 2 ? QString::fromLocal8Bit(argv[2]) : scratch.path();
    QDir().mkpath(out);
    if (argc > 3) {
        model.setRegional({Qt::Monday, true});
        BackgroundWindow background(model, scripted);
        useBackground(background, QString::fromLocal8Bit(argv[3]));
    }

    const auto saving = [&](const char *what, const QString &name,
                            void (*command)(DialogSeam &, const CalendarModel &)) {
        scripted.nextFile = out + QLatin1Char('/') + name;
        measure(scripted, what, runs, scripted.nextFile, [&] { command(scripted, model); });
    };
    // The sheet as a print or save builds it, after a year change.
    int step = 1;
    measure(
        scripted, "build year sheet", runs, {}, [&] { PrintSheet sheet(model); },
        [&] {
            step = -step;
            model.setYear(model.year() + step);
        });
    measure(scripted, "render year sheet", runs, {}, [&] { renderYearSheet(model); });
    saving("save bmp", QStringLiteral("year.bmp"), saveBitmap);
    saving("save jpg", QStringLiteral("year.jpg"), saveBitmap);
    saving("save emf", QStringLiteral("year.emf"), saveMetafile);
    saving("save wmf", QStringLiteral("year.WMF"), saveMetafile);

    const QString yearPdf = out + QStringLiteral("/year.pdf");
    ProgramPrinter programPrinter;
    QPrinter &printer = programPrinter.get();
    printToPdf(printer, yearPdf);
    PrintScaleDialog scaling(model, printer, scripted);
    QPushButton *print = scaling.findChild<QPushButton *>(QStringLiteral("printButton"));
    measure(scripted, "print year page to pdf", runs, yearPdf, [print] { print->click(); });
    const QString cubePdf = out + QStringLiteral("/cube.pdf");
    printToPdf(printer, cubePdf);
    measure(scripted, "print cube page to pdf", runs, cubePdf, [&] {
        scripted.printerSetup(nullptr, &printer);
        HourglassCursor hourglass;
        printCubeSheet(model, printer);
    });

    if (argc > 2) {
        renderYearSheet(model).save(out + QStringLiteral("/copy.png"));
        CubeSheet cube(model);
        renderClientArea(&cube).save(out + QStringLiteral("/cube.png"));
    }
    if (scripted.errors > 0)
        std::fprintf(stderr, "%d commands failed\n", scripted.errors);
    return scripted.errors > 0 ? 1 : 0;
}
