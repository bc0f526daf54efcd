// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The year sheet and the cube template as pictures, vector files, printed
// pages and print previews, drawn from the model. The callers run the file
// dialogs first; the previews run the toolkit's preview dialog.
#include "base/PrintScale.h"

#include <QImage>
#include <QString>

class DialogSeam;
class CalendarModel;
class QPrinter;
class QWidget;

// The year sheet as a 96 dpi picture, 793 x 553: what the emf/wmf and
// bmp/jpg commands save.
QImage renderYearSheet(const CalendarModel &model);

// The same sheet as a vector file: ".svg" gives SVG, anything else a PDF
// page (".pdf" added when the name has neither ending). Returns the name
// written. Throws FileError; a failure leaves an existing file whole.
QString saveYearVector(const CalendarModel &model, const QString &path);

// One page of the year sheet at the scaling chosen. Throws PrintError.
void printYearSheet(const CalendarModel &model, PrintScaling scaling, QPrinter &printer);

// One page of the cube template, fitted to the page. Throws PrintError.
void printCubeSheet(const CalendarModel &model, QPrinter &printer);

// The print preview of the year sheet at the scaling, or of the cube
// template, on the printer. Printing from the preview prints the page as the
// print commands do; a failure is reported to dialogs, not thrown.
void previewYearSheet(const CalendarModel &model, PrintScaling scaling, QPrinter &printer,
                      DialogSeam &dialogs, QWidget *parent);
void previewCube(const CalendarModel &model, QPrinter &printer, DialogSeam &dialogs,
                 QWidget *parent);
