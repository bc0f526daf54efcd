// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/PrintSheet.h"

#include "base/RussianText.h"
#include "controls/MonthGrid.h"
#include "core/CalendarModel.h"
#include "output/Printing.h"
#include "output/SheetParts.h"
#include "platform/Widgets.h"

#include <QLabel>

namespace {

QLabel *transparentLabel(QWidget *parent, const QString &name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

ImageView *icon(QWidget *parent, const QString &name, int x, int y)
{
    auto *image = place(new ImageView(parent), x, y, 33, 33);
    image->setObjectName(name);
    image->setStretch(false);
    image->setPicture(calendarIcon());
    return image;
}

} // namespace

PrintSheet::PrintSheet(const CalendarModel &model, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("printSheet"));
    keepLayoutFont(this, printedWindowFont());
    setFixedSize(793, 553);

    m_backgroundImage = place(new ImageView(this), 0, 0, 793, 553);
    m_backgroundImage->setObjectName(QStringLiteral("backgroundImage"));
    m_backgroundImage->setTransparent(true);
    createMonths();

    m_yearLabel = transparentLabel(this, QStringLiteral("yearLabel"));
    m_yearLabel->move(640, 0);
    m_yearLabel->setText(QString::number(model.year()));
    // The year caption's weight and slant, in the sheet's narrow face.
    QFont year = font();
    year.setWeight(model.yearFont().weight());
    year.setItalic(model.yearFont().italic());
    year.setPointSize(40);
    m_yearLabel->setFont(year);
    setFontColour(m_yearLabel, kYearColour);
    m_yearLabel->adjustSize();

    // The marks the user switched on for the main window are printed too.
    showYearOnGrids(m_grids, model);
    showBackground(model);
}

void PrintSheet::createMonths()
{
    // Month m stands in column (m - 1) mod 4 and row (m - 1) div 4; the
    // calendar icon goes beside every month and twice more.
    for (int k = 0; k < 12; ++k) {
        const int x = 200 * (k % 4), y = 168 * (k / 4);
        icon(this, QStringLiteral("monthIcon%1").arg(k + 1), x, 56 + y);
        m_monthLabels[k] = transparentLabel(this, QStringLiteral("monthLabel%1").arg(k + 1));
        m_monthLabels[k]->setText(monthName(k + 1));
        m_monthLabels[k]->move(x + 72, 72 + y);
        m_monthLabels[k]->adjustSize();
        m_grids[k] = place(new MonthGrid(this), x, 88 + y, 193, k == 1 ? 121 : 120);
        m_grids[k]->setObjectName(QStringLiteral("monthGrid%1").arg(k + 1));
    }
    icon(this, QStringLiteral("cornerIcon"), 760, 392);
    icon(this, QStringLiteral("januaryIcon"), 160, 56);
}

void PrintSheet::showBackground(const CalendarModel &model)
{
    // Without the background: a white page and black month names.
    const Background &background = model.background();
    const bool printed = model.printsBackground();
    setWindowColour(this, printed ? model.windowColour() : colours::white);
    m_backgroundImage->setPicture(background.picture);
    m_backgroundImage->setVisible(printed && !background.colourMode);
    for (QLabel *label : m_monthLabels)
        setFontColour(label, printed ? background.captionColour : colours::black);
}
