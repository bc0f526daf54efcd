#include "Printing.h"

#include "Errors.h"

#include <QApplication>
#include <QPainter>
#include <QPrinter>
#include <QWidget>

namespace {

QPrinter *g_printer = nullptr;

void releasePrinter()
{
    delete g_printer;
    g_printer = nullptr;
}

QString printerText(const QPrinter &printer)
{
    if (!printer.outputFileName().isEmpty())
        return printer.outputFileName();
    return printer.printerName().isEmpty() ? QStringLiteral("(нет принтера)") : printer.printerName();
}

} // namespace

QPrinter &Printer()
{
    if (!g_printer) {
        g_printer = new QPrinter(QPrinter::HighResolution);
        g_printer->setDocName(QStringLiteral("Dayrail XP"));
        // Goes with the application object, before the print plugins do.
        qAddPostRoutine(releasePrinter);
    }
    return *g_printer;
}

QImage renderClientArea(QWidget *form)
{
    QImage image(form->size(), QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(Qt::white);
    form->render(&image);
    return image;
}

void printForm(QWidget *form, TPrintScale scale, QPrinter &printer)
{
    QPainter painter;
    if (!printer.isValid() || !painter.begin(&printer))
        throw PrintError(
            QStringLiteral("Не удаётся начать печать: \"%1\"").arg(printerText(printer)));
    const QRect printable = printer.pageLayout().paintRectPixels(printer.resolution());
    const QSize size = printScaleSize(scale, form->size(), printable.size(), printer.logicalDpiX(),
                                      printer.logicalDpiY());
    painter.scale(double(size.width()) / form->width(), double(size.height()) / form->height());
    form->render(&painter, QPoint(), QRegion(),
                 QWidget::DrawWindowBackground | QWidget::DrawChildren);
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        throw PrintError(QStringLiteral("Ошибка печати: \"%1\"").arg(printerText(printer)));
}

HourglassCursor::HourglassCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }

HourglassCursor::~HourglassCursor() { QApplication::restoreOverrideCursor(); }
