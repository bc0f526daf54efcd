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

namespace colours {
constexpr StoredColour black = 0x000000;
constexpr StoredColour maroon = 0x000080;
constexpr StoredColour red = 0x0000FF;
constexpr StoredColour green = 0x008000;
constexpr StoredColour olive = 0x008080;
constexpr StoredColour lime = 0x00FF00;
constexpr StoredColour yellow = 0x00FFFF;
constexpr StoredColour navy = 0x800000;
constexpr StoredColour purple = 0x800080;
constexpr StoredColour teal = 0x808000;
constexpr StoredColour gray = 0x808080;
constexpr StoredColour medGray = 0xA4A0A0;
constexpr StoredColour silver = 0xC0C0C0;
constexpr StoredColour moneyGreen = 0xC0DCC0;
constexpr StoredColour skyBlue = 0xF0CAA6;
constexpr StoredColour cream = 0xF0FBFF;
constexpr StoredColour blue = 0xFF0000;
constexpr StoredColour fuchsia = 0xFF00FF;
constexpr StoredColour aqua = 0xFFFF00;
constexpr StoredColour white = 0xFFFFFF;

// The sixteen standard colours, in the order the colour boxes list them.
inline constexpr std::array<StoredColour, 16> standard = {
    black,  maroon, green, olive,  navy, purple,  teal, gray,
    silver, red,    lime,  yellow, blue, fuchsia, aqua, white};
// The only values a colour line of the settings file can set.
inline constexpr std::array<StoredColour, 20> accepted = {
    black, maroon,  red,    green,      olive,   lime,  yellow, navy,    purple, teal,
    gray,  medGray, silver, moneyGreen, skyBlue, cream, blue,   fuchsia, aqua,   white};
} // namespace colours

// The year caption's colour: the active caption colour of the desktop it was made for.
constexpr StoredColour kYearColour = 0x6A240A;

bool isAcceptedColour(StoredColour colour);
QColor toQColor(StoredColour colour);
StoredColour toStoredColour(const QColor &colour);
// Russian name of one of the accepted colours ("Небесно-голубой"); empty otherwise.
QString colourName(StoredColour colour);
