#include "YearOutput.h"

#include "CubeSheet.h"
#include "PrintSheet.h"
#include "Printing.h"

QImage renderYearSheet(const CalendarModel &model)
{
    PrintSheet sheet(model);
    return renderClientArea(&sheet);
}

void printYearSheet(const CalendarModel &model, PrintScaling scaling, QPrinter &printer)
{
    PrintSheet sheet(model);
    printForm(&sheet, scaling, printer);
}

void printCubeSheet(const CalendarModel &model, QPrinter &printer)
{
    CubeSheet sheet(model);
    printForm(&sheet, poPrintToFit, printer);
}
