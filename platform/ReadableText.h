// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Coloured text that stays readable on a dark desktop palette. Under a light
// palette every window keeps its described colours; under a dark one a
// caption whose colour would fade into what is behind it is moved toward
// white (or black, on a light background) until it reads at 4.5:1, keeping
// its hue. The year view is left out: its colours are its own design.
#include "base/Colours.h"

#include <QColor>

class QWidget;

// Contrast ratio of two colours as the accessibility guidelines define it, 1..21.
double contrastRatio(const QColor &a, const QColor &b);
// True when the application's palette has dark windows.
bool darkPaletteInUse();
// wanted, or the nearest colour of its hue that reads on background.
QColor readableOn(const QColor &wanted, const QColor &background);

// Gives control (a caption, an option button, a check box) its described
// text colour, adjusted now and whenever the palette changes.
void setReadableColour(QWidget *control, const QColor &colour);
// The same for every caption and option of window whose text colour was set
// apart from the palette before this call.
void keepColouredTextReadable(QWidget *window);
