// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pieces the year sheet, the cube template and the background window share.
#include "Colours.h"

#include <QImage>
#include <QString>

struct Background;

// The calendar icon: beside every month and in the background window.
QImage calendarIcon();

// «Январь» .. «Декабрь» for months 1..12.
QString monthCaption(int month);

// The colour behind the main window's picture or in its place: the chosen
// colour in colour mode, the window's first colour under a picture.
StoredColour pageColour(const Background &background);

// The year caption's colour: the active caption colour of the desktop it was made for.
constexpr StoredColour kYearColour = 0x6A240A;
