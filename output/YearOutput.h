#pragma once
// The year sheet and the cube template as pictures and printed pages, drawn
// from the model. The callers run the dialogs (file name, printer) first.
#include "PrintScale.h"

#include <QImage>

class CalendarModel;
class QPrinter;

// The year sheet as a 96 dpi picture, 793 x 553: what the emf/wmf and
// bmp/jpg commands save.
QImage renderYearSheet(const CalendarModel &model);

// One page of the year sheet at the scaling chosen. Throws PrintError.
void printYearSheet(const CalendarModel &model, PrintScaling scaling, QPrinter &printer);

// One page of the cube template, fitted to the page. Throws PrintError.
void printCubeSheet(const CalendarModel &model, QPrinter &printer);
