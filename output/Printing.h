// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Hidden windows turned into pictures and printed pages.
#include "base/PrintScale.h"

#include <QFont>
#include <QImage>
#include <memory>

class QPrinter;
class QWidget;

// The program's printer: the print and printer set-up dialogs choose it and
// the next print job uses it, so the choices hold for the whole run. It
// draws at the printer's own resolution. Made on first use: asking the print
// system for its default printer should not slow the start.
class ProgramPrinter {
public:
    ProgramPrinter();
    ~ProgramPrinter();
    ProgramPrinter(const ProgramPrinter &) = delete;
    ProgramPrinter &operator=(const ProgramPrinter &) = delete;

    QPrinter &get();

private:
    std::unique_ptr<QPrinter> m_printer;
};

// A window's client area as a 96 dpi picture, whether it was ever shown or not;
// hidden controls are left out.
QImage renderClientArea(QWidget *form);

// One print job of one page holding the window's client area at the given
// scale, from the top-left corner of the printable area. The controls draw
// straight onto the printer, so text and lines stay sharp. Throws PrintError.
void printForm(QWidget *form, PrintScaling scale, QPrinter &printer);

// The window font of the printed windows, at a fixed pixel size: a narrow
// face, so that captions fit the boxes of their paper layout.
QFont printedWindowFont(int pixelSize = 11);

// The hourglass cursor while it lives; the default again after, even when
// the work in between fails.
class HourglassCursor {
public:
    HourglassCursor();
    ~HourglassCursor();
    HourglassCursor(const HourglassCursor &) = delete;
    HourglassCursor &operator=(const HourglassCursor &) = delete;
};
