// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colours as the program stores them: 0x00BBGGRR, red in the low byte,
// written to files in decimal. Converted to QColor only here.
#include <QColor>
#include <QString>
#include <QtGlobal>
#include <array>

using StoredColour = qint32;

constexpr StoredColour clBlack = 0x000000;
constexpr StoredColour clMaroon = 0x000080;
constexpr StoredColour clRed = 0x0000FF;
constexpr StoredColour clGreen = 0x008000;
constexpr StoredColour clOlive = 0x008080;
constexpr StoredColour clLime = 0x00FF00;
constexpr StoredColour clYellow = 0x00FFFF;
constexpr StoredColour clNavy = 0x800000;
constexpr StoredColour clPurple = 0x800080;
constexpr StoredColour clTeal = 0x808000;
constexpr StoredColour clGray = 0x808080;
constexpr StoredColour clMedGray = 0xA4A0A0;
constexpr StoredColour clSilver = 0xC0C0C0;
constexpr StoredColour clMoneyGreen = 0xC0DCC0;
constexpr StoredColour clSkyBlue = 0xF0CAA6;
constexpr StoredColour clCream = 0xF0FBFF;
constexpr StoredColour clBlue = 0xFF0000;
constexpr StoredColour clFuchsia = 0xFF00FF;
constexpr StoredColour clAqua = 0xFFFF00;
constexpr StoredColour clWhite = 0xFFFFFF;

// The year caption's colour: the active caption colour of the desktop it was made for.
constexpr StoredColour kYearColour = 0x6A240A;

// The sixteen standard colours, in the order the colour boxes list them.
extern const std::array<StoredColour, 16> StandardColours;
// The only values a colour line of the settings file can set.
extern const std::array<StoredColour, 20> AcceptedColours;

bool isAcceptedColour(StoredColour colour);
QColor toQColor(StoredColour colour);
StoredColour toTColor(const QColor &colour);
// Russian name of one of the accepted colours ("Небесно-голубой"); empty otherwise.
QString colourName(StoredColour colour);
