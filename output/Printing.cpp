// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/Printing.h"

#include "base/Errors.h"

#include <QApplication>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QWidget>

namespace {

QString printerText(const QPrinter &printer)
{
    if (!printer.outputFileName().isEmpty())
        return printer.outputFileName();
    return printer.printerName().isEmpty() ? QStringLiteral("(нет принтера)")
                                           : printer.printerName();
}

} // namespace

ProgramPrinter::ProgramPrinter() = default;

ProgramPrinter::~ProgramPrinter() = default;

QPrinter &ProgramPrinter::get()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setDocName(QStringLiteral("Dayrail XP"));
    }
    return *m_printer;
}

QFont printedWindowFont(int pixelSize)
{
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
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

void printForm(QWidget *form, PrintScaling scale, QPrinter &printer)
{
    QPainter painter;
    if (!printer.isValid() || !painter.begin(&printer))
        throw PrintError(
            QStringLiteral("Не удаётся начать печать: \"%1\"").arg(printerText(printer)));
    const QRect printable = printer.pageLayout().paintRectPixels(printer.resolution());
    const QSize size = printScaleSize(scale, form->size(), printable.size(), printer.logicalDpiX(),
                                      printer.logicalDpiY());
    // Rendered straight onto a printer, widgets would go through one big
    // bitmap; recorded as drawing commands they stay vectors and text.
    QPicture picture;
    {
        QPainter recorder(&picture);
        form->render(&recorder, QPoint(), QRegion(),
                     QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    // Playing a recording scales it by the printer's dpi over the
    // recording's; the print scale already accounts for that.
    painter.scale(
        double(size.width()) / form->width() * picture.logicalDpiX() / printer.logicalDpiX(),
        double(size.height()) / form->height() * picture.logicalDpiY() / printer.logicalDpiY());
    painter.drawPicture(0, 0, picture);
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        throw PrintError(QStringLiteral("Ошибка печати: \"%1\"").arg(printerText(printer)));
}

HourglassCursor::HourglassCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

HourglassCursor::~HourglassCursor()
{
    QApplication::restoreOverrideCursor();
}
