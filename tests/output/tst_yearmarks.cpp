// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// What the output layer adds to the year: the grids' marks on the year sheet
// and the cube template, the year as PDF or SVG, and the print previews.
#include "controls/MonthGrid.h"
#include "core/CalendarModel.h"
#include "output/CubeSheet.h"
#include "output/PrintSheet.h"
#include "output/Printing.h"
#include "output/YearOutput.h"
#include "tests/support/TestSupport.h"

#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

namespace {

void printTo(QPrinter &printer, const QString &path)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
}

} // namespace

class YearMarksTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 8)); }
    void sheetsFollowTheMarks();
    void vectorSaves_data();
    void vectorSaves();
    void previews();
};

void YearMarksTest::sheetsFollowTheMarks()
{
    CalendarModel model;
    model.setYear(2026);
    model.setToday(QDate(2026, 3, 8));
    model.setHolidays({QStringLiteral("8 марта  Женский день")});
    model.setViewOptions({true, true, true, true});
    PrintSheet sheet(model);
    CubeSheet cube(model);
    for (const auto &grids : {sheet.grids(), cube.grids()}) {
        QCOMPARE(grids[2]->dayDescription(8),
                 QStringLiteral("сегодня\nЖенский день\nМеждународный женский день"));
        QVERIFY(grids[2]->weekNumbersShown());
    }
    // Switched off, nothing of them reaches paper.
    model.setViewOptions({false, false, false});
    const PrintSheet plain(model);
    for (MonthGrid *grid : plain.grids())
        QVERIFY(!grid->today().isValid() && grid->holidays().isEmpty() &&
                grid->workDays().isEmpty() && !grid->weekNumbersShown());
}

void YearMarksTest::vectorSaves_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("written");
    QTest::newRow("pdf") << "год.pdf"
                         << "год.pdf";
    QTest::newRow("no extension: pdf") << "год"
                                       << "год.pdf";
    QTest::newRow("svg") << "год.SVG"
                         << "год.SVG";
}

void YearMarksTest::vectorSaves()
{
    QFETCH(QString, name);
    QFETCH(QString, written);
    ProgramFolder folder;
    CalendarModel model;
    model.setYear(2031);
    QCOMPARE(saveYearVector(model, folder.path(name)), folder.path(written));
    const QByteArray bytes = folder.bytes(written);
    if (written.endsWith(QLatin1String(".SVG"))) {
        // Text stays text: the year and the month names can be found.
        QVERIFY(bytes.contains("<text") && bytes.contains("2031"));
        QVERIFY(bytes.contains(QStringLiteral("Сентябрь").toUtf8()));
        return;
    }
    QVERIFY(bytes.startsWith("%PDF"));
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        QSKIP("pdftotext is not installed");
    QProcess text;
    text.start(tool, {folder.path(written), QStringLiteral("-")});
    QVERIFY(text.waitForFinished(30000));
    const QString words = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY2(words.contains(QLatin1String("2031")) && words.contains(QStringLiteral("Сентябрь")),
             qPrintable(words.left(200)));
}

void YearMarksTest::previews()
{
    RecordingDialogs dialogs;
    ProgramFolder folder;
    CalendarModel model;
    ProgramPrinter printer;
    // Each preview draws its page on the printer it is given.
    for (int kind = 0; kind < 2; ++kind) {
        const QString pdf = folder.path(QStringLiteral("preview%1.pdf").arg(kind));
        printTo(printer.get(), pdf);
        if (kind == 0)
            previewYearSheet(model, PrintScaling::FitToPage, printer.get(), dialogs, nullptr);
        else
            previewCube(model, printer.get(), dialogs, nullptr);
        QCOMPARE(dialogs.previews, kind + 1);
        QVERIFY(QFileInfo(pdf).size() > 1000);
    }
    // A page that cannot be printed is reported, not thrown.
    printTo(printer.get(), folder.path("no/such/folder/x.pdf"));
    previewCube(model, printer.get(), dialogs, nullptr);
    QCOMPARE(dialogs.errors.size(), 1);
    QCOMPARE(QApplication::overrideCursor(), nullptr);
}

QTEST_MAIN(YearMarksTest)
#include "tst_yearmarks.moc"
