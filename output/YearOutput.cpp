// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/YearOutput.h"

#include "output/CubeSheet.h"
#include "output/PrintSheet.h"
#include "output/Printing.h"
#include "output/VectorExport.h"
#include "platform/Dialogs.h"
#include "platform/Handler.h"

#include <QPainter>

namespace {

// The preview draws the page again on every refresh and once more to print.
void preview(DialogSeam &dialogs, QPrinter &printer, QWidget *parent,
             const std::function<void(QPrinter &)> &print)
{
    dialogs.printPreview(parent, &printer, [&dialogs, &print](QPrinter *shown) {
        runHandler(dialogs, [&] {
            HourglassCursor hourglass;
            print(*shown);
        });
    });
}

} // namespace

QImage renderYearSheet(const CalendarModel &model)
{
    PrintSheet sheet(model);
    return renderClientArea(&sheet);
}

QString saveYearVector(const CalendarModel &model, const QString &path)
{
    PrintSheet sheet(model);
    const VectorDrawing draw = [&sheet](QPainter &painter, const QRectF &) {
        sheet.render(&painter, QPoint(), QRegion(),
                     QWidget::DrawWindowBackground | QWidget::DrawChildren);
    };
    return saveVector(path, draw, sheet.size());
}

void printYearSheet(const CalendarModel &model, PrintScaling scaling, QPrinter &printer)
{
    PrintSheet sheet(model);
    printForm(&sheet, scaling, printer);
}

void printCubeSheet(const CalendarModel &model, QPrinter &printer)
{
    CubeSheet sheet(model);
    printForm(&sheet, PrintScaling::FitToPage, printer);
}

void previewYearSheet(const CalendarModel &model, PrintScaling scaling, QPrinter &printer,
                      DialogSeam &dialogs, QWidget *parent)
{
    preview(dialogs, printer, parent,
            [&model, scaling](QPrinter &shown) { printYearSheet(model, scaling, shown); });
}

void previewCube(const CalendarModel &model, QPrinter &printer, DialogSeam &dialogs,
                 QWidget *parent)
{
    preview(dialogs, printer, parent, [&model](QPrinter &shown) { printCubeSheet(model, shown); });
}
