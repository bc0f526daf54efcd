// The output commands' cost: refreshing the print copy, rendering it, saving
// it as BMP, JPEG, EMF and WMF, and printing one page of the ordinary and of
// the cube calendar to a PDF file. Each figure is the median wall time of
// several runs of the command as the menu runs it (refresh and render
// included), with the save and print dialogs answered at once.
//   bench_output [RUNS] [KEEP_DIR [PICTURE]]
// RUNS defaults to 15; with KEEP_DIR the last file of each kind stays there,
// with the print copy and the cube template rendered as copy.png, cube.png.
// With PICTURE, the pages take the main window's background and PICTURE is
// applied as that background first.
// Run with QT_QPA_PLATFORM=offscreen.
//   bench_output show [PICTURE]  the main window, the background window and
//                            the print scaling dialog,
//                            until closed, for screenshots; with PICTURE
//                            applied as the background
#include "Dialogs.h"
#include "Handler.h"
#include "Paths.h"
#include "Printing.h"
#include "Program.h"
#include "TextFile.h"
#include "MainWindow.h"
#include "CubeSheet.h"
#include "SettingsWindow.h"
#include "BackgroundWindow.h"
#include "PrintSheet.h"
#include "PrintScaleDialog.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
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

ScriptedDialogs g_dialogs;

// prepare runs before each timed run, outside the timing.
void measure(const char *what, int runs, const QString &file, const std::function<void()> &run,
             const std::function<void()> &prepare = {})
{
    std::vector<double> ms;
    qint64 bytes = 0;
    for (int i = 0; i < runs; ++i) {
        if (prepare)
            prepare();
        QElapsedTimer timer;
        timer.start();
        runHandler(run);
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

void printToPdf(const QString &file)
{
    QPrinter &printer = Printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageSize(QPageSize(QPageSize::A4));
}

void useBackground(const QString &picture)
{
    Form15->RadioButton1->setChecked(true);
    Form15->Edit1->setText(picture);
    Form15->Button4->click();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const bool show = argc > 1 && qstrcmp(argv[1], "show") == 0;
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 15;
    QTemporaryDir scratch;
    const QString out = argc > 2 ? QString::fromLocal8Bit(argv[2]) : scratch.path();
    QDir().mkpath(out);

    // A first start, with the regional options a user always has.
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    writeTextFile(folder + QStringLiteral("regional.cal"),
                  QStringLiteral("TRUE FALSE FALSE TRUE").split(QLatin1Char(' ')));
    setProgramDirForTest(folder);
    SetUpApplication();
    setDialogSeam(&g_dialogs);
    CreateForms();
    if (show) {
        Form1->show();
        Form1->move(0, 220);
        // Only the two windows once the splash and a first start's tips are over.
        QTimer::singleShot(3000, [&argv, argc] {
            for (QWidget *window : QApplication::topLevelWidgets())
                if (window != Form1)
                    window->hide();
            Form1->N18->trigger();
            Form15->move(20, 20);
            Form1->N8->trigger();
            Form8->move(520, 20);
            if (argc > 2)
                useBackground(QString::fromLocal8Bit(argv[2]));
        });
        const int code = QApplication::exec();
        DestroyForms();
        return code;
    }

    const auto saving = [&](const char *what, const QString &name, void (MainWindow::*command)()) {
        g_dialogs.nextFile = out + QLatin1Char('/') + name;
        measure(what, runs, g_dialogs.nextFile, [command] { (Form1->*command)(); });
    };
    // A refresh after a year change, as the year buttons run it.
    int step = 1;
    if (argc > 3) {
        Form14->RadioButton3->click();
        useBackground(QString::fromLocal8Bit(argv[3]));
    }
    measure("refresh print copy", runs, {}, [] { Form7->FormActivate(); }, [&step] {
        step = -step;
        Form1->Calendar1->setDateElement(MonthGrid::Element::Year, Form1->Calendar1->dateElement(MonthGrid::Element::Year) + step);
        for (int k = 1; k < 12; ++k)
            Form1->calendars()[k]->setDateElement(MonthGrid::Element::Year, Form1->Calendar1->dateElement(MonthGrid::Element::Year));
        Form1->Labe->setText(QString::number(Form1->Calendar1->dateElement(MonthGrid::Element::Year)));
    });
    measure("render print copy", runs, {}, [] { renderClientArea(Form7); });
    saving("save bmp (N12Click)", QStringLiteral("year.bmp"), &MainWindow::N12Click);
    saving("save jpg (N12Click)", QStringLiteral("year.jpg"), &MainWindow::N12Click);
    saving("save emf (wmf1Click)", QStringLiteral("year.emf"), &MainWindow::wmf1Click);
    saving("save wmf (wmf1Click)", QStringLiteral("year.WMF"), &MainWindow::wmf1Click);

    const QString yearPdf = out + QStringLiteral("/year.pdf");
    printToPdf(yearPdf);
    measure("print year page to pdf", runs, yearPdf, [] { Form8->SpeedButton2Click(); });
    const QString cubePdf = out + QStringLiteral("/cube.pdf");
    printToPdf(cubePdf);
    measure("print cube page to pdf", runs, cubePdf, [] { Form1->N14Click(); });

    if (argc > 2) {
        renderClientArea(Form7).save(out + QStringLiteral("/copy.png"));
        renderClientArea(Form11).save(out + QStringLiteral("/cube.png"));
    }
    DestroyForms();
    setDialogSeam(nullptr);
    if (g_dialogs.errors > 0)
        std::fprintf(stderr, "%d commands failed\n", g_dialogs.errors);
    return g_dialogs.errors > 0 ? 1 : 0;
}
