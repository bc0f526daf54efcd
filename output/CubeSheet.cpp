// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/CubeSheet.h"

#include "base/RussianText.h"
#include "controls/MonthGrid.h"
#include "core/CalendarModel.h"
#include "output/Printing.h"
#include "output/SheetParts.h"
#include "platform/Bevel.h"
#include "platform/Widgets.h"

#include <QCheckBox>
#include <QLabel>

namespace {

// One month of a face: its grid, name label and icon.
struct MonthPlace {
    int gridX, gridY, gridHeight;
    int labelX, labelY;
    int iconX, iconY;
};

const MonthPlace kMonths[12] = {
    {296, 48, 97, 258, 64, 256, 88},    {248, 144, 97, 392, 168, 400, 192},
    {248, 244, 97, 400, 272, 400, 288}, {296, 336, 97, 256, 360, 256, 392},
    {440, 240, 97, 592, 272, 592, 296}, {488, 336, 97, 448, 392, 448, 344},
    {632, 240, 96, 784, 256, 784, 280}, {680, 336, 96, 640, 368, 640, 392},
    {56, 240, 97, 200, 264, 208, 288},  {104, 332, 97, 58, 344, 64, 368},
    {296, 436, 93, 250, 456, 256, 480}, {248, 528, 93, 392, 552, 400, 584},
};

// A frame of the net: cell (column, row) on the 192-pixel grid.
struct Cell {
    int frame, column, row;
    Bevel::Style style;
};

const Cell kCells[12] = {
    {6, 1, 0, Bevel::Lowered},  {5, 0, 1, Bevel::Lowered}, {4, 1, 1, Bevel::Raised},
    {2, 2, 1, Bevel::Lowered},  {3, 3, 1, Bevel::Lowered}, {1, 1, 2, Bevel::Lowered},
    {14, 0, 0, Bevel::Raised},  {12, 2, 0, Bevel::Raised}, {13, 3, 0, Bevel::Raised},
    {17, 0, 2, Bevel::Lowered}, {15, 2, 2, Bevel::Raised}, {16, 3, 2, Bevel::Raised},
};

struct Place {
    int x, y;
};

const Place kGlueMarks[7] = {{840, 320}, {128, 144}, {520, 144}, {712, 144},
                             {136, 504}, {584, 592}, {712, 520}};

const Place kCutMarks[6] = {{624, 128}, {224, 72}, {224, 584}, {624, 504}, {448, 592}, {448, 72}};

// Printed with the background, the captions of January to August and the
// first four glue marks take the main window's caption colour.
constexpr int kColouredMonths = 8;
constexpr int kColouredGlueMarks = 4;

} // namespace

QString cubeInstruction()
{
    return QStringLiteral("Инструкция: вырезать по контуру,\n"
                          "сделать надрез по линиям\n"
                          " на которых(или рядом) стоит\n"
                          " квадрат с галочкой.\n"
                          " В местах, где написано \"клей\"\n"
                          " надо нанести клей.");
}

CubeSheet::CubeSheet(const CalendarModel &model, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("cubeSheet"));
    keepLayoutFont(this, printedWindowFont(11));
    setWindowColour(this, colours::white);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);

    // Beneath everything else.
    m_backgroundImage = place(new ImageView(this), 48, 48, 777, 577);
    m_backgroundImage->setObjectName(QStringLiteral("backgroundImage"));
    m_backgroundImage->setTransparent(true);
    createNet();
    createMonths();
    createMarks();
    // The window takes the size of its content.
    const QRect content = childrenRect();
    setFixedSize(content.right() + 1, content.bottom() + 1);

    // The marks the user switched on for the main window are printed too.
    showYearOnGrids(m_grids, model);
    showBackground(model);
}

void CubeSheet::createNet()
{
    for (const Cell &cell : kCells) {
        auto *frame = new Bevel(this, Bevel::Box, cell.style);
        frame->setGeometry(56 + 192 * cell.column, 48 + 192 * cell.row, 193,
                           cell.frame == 12 ? 194 : 193);
        m_frames[cell.frame - 1] = frame;
    }
    // The side flap, the fold lines at the edges and the bottom flap.
    m_frames[10] = place(new Bevel(this, Bevel::Box, Bevel::Raised), 824, 240, 50, 193);
    m_frames[6] = place(new Bevel(this, Bevel::TopLine, Bevel::Lowered), 248, 0, 193, 1);
    m_frames[7] = place(new Bevel(this, Bevel::LeftLine, Bevel::Lowered), 0, 232, 50, 9);
    m_frames[8] = place(new Bevel(this, Bevel::TopLine, Bevel::Lowered), 248, 688, 17, 1);
    m_frames[9] = place(new Bevel(this, Bevel::Box, Bevel::Lowered), 248, 816, 193, 50);
    for (int k = 0; k < 17; ++k)
        m_frames[k]->setObjectName(QStringLiteral("frame%1").arg(k + 1));
}

void CubeSheet::createMonths()
{
    auto makeLabel = [this](const QString &name, const QString &text, int x, int y) {
        auto *label = new QLabel(text, this);
        label->setObjectName(name);
        label->setAccessibleName(text);
        // Opaque: the window colour behind the text.
        label->setAutoFillBackground(true);
        label->move(x, y);
        label->adjustSize();
        return label;
    };
    for (int k = 0; k < 7; ++k)
        m_glueLabels[k] = makeLabel(QStringLiteral("glueLabel%1").arg(k + 1),
                                    QStringLiteral("Клей"), kGlueMarks[k].x, kGlueMarks[k].y);
    for (int k = 0; k < 12; ++k) {
        const MonthPlace &m = kMonths[k];
        const QString name = monthName(k + 1);
        auto *grid = place(new MonthGrid(this), m.gridX, m.gridY, 145, m.gridHeight);
        grid->setObjectName(QStringLiteral("monthGrid%1").arg(k + 1));
        grid->setAccessibleName(name);
        m_grids[k] = grid;
        m_monthLabels[k] =
            makeLabel(QStringLiteral("monthLabel%1").arg(k + 1), name, m.labelX, m.labelY);
        const int iconSize = k == 11 ? 33 : 32;
        auto *icon = place(new ImageView(this), m.iconX, m.iconY, iconSize, iconSize);
        icon->setObjectName(QStringLiteral("monthIcon%1").arg(k + 1));
        icon->setStretch(false);
        icon->setPicture(calendarIcon());
    }
    m_grids[0]->setFont(printedWindowFont(7));
    // January's name stands right-aligned in a box of its own width.
    QLabel *january = m_monthLabels[0];
    january->setAlignment(Qt::AlignRight | Qt::AlignTop);
    january->resize(38, january->height());
    m_monthLabels[8]->setAutoFillBackground(false);

    m_instructionLabel = makeLabel(QStringLiteral("instructionLabel"), cubeInstruction(), 448, 456);
    m_instructionLabel->setAccessibleName(QStringLiteral("Инструкция"));
}

void CubeSheet::createMarks()
{
    for (int k = 0; k < 6; ++k) {
        auto *box = place(new QCheckBox(this), kCutMarks[k].x, kCutMarks[k].y, 17, 17);
        box->setObjectName(QStringLiteral("cutMark%1").arg(k + 1));
        box->setAccessibleName(QStringLiteral("Линия надреза"));
        box->setChecked(true);
        m_cutMarks[k] = box;
    }
}

void CubeSheet::showBackground(const CalendarModel &model)
{
    // The page stays white; without the background the captions are black.
    const Background &background = model.background();
    const bool printed = model.printsBackground();
    m_backgroundImage->setPicture(background.picture);
    m_backgroundImage->setVisible(printed && !background.colourMode);
    const QColor caption = printed ? background.captionColour : colours::black;
    for (int k = 0; k < kColouredMonths; ++k)
        setFontColour(m_monthLabels[k], caption);
    for (int k = 0; k < kColouredGlueMarks; ++k)
        setFontColour(m_glueLabels[k], caption);
}
