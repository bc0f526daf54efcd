// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's named colours. Everything speaks QColor; only the settings
// file's code turns a colour into the number it stores.
#include <QColor>
#include <QString>
#include <array>

namespace colours {
constexpr QColor black{0x00, 0x00, 0x00};
constexpr QColor maroon{0x80, 0x00, 0x00};
constexpr QColor red{0xFF, 0x00, 0x00};
constexpr QColor green{0x00, 0x80, 0x00};
constexpr QColor olive{0x80, 0x80, 0x00};
constexpr QColor lime{0x00, 0xFF, 0x00};
constexpr QColor yellow{0xFF, 0xFF, 0x00};
constexpr QColor navy{0x00, 0x00, 0x80};
constexpr QColor purple{0x80, 0x00, 0x80};
constexpr QColor teal{0x00, 0x80, 0x80};
constexpr QColor gray{0x80, 0x80, 0x80};
constexpr QColor medGray{0xA0, 0xA0, 0xA4};
constexpr QColor silver{0xC0, 0xC0, 0xC0};
constexpr QColor moneyGreen{0xC0, 0xDC, 0xC0};
constexpr QColor skyBlue{0xA6, 0xCA, 0xF0};
constexpr QColor cream{0xFF, 0xFB, 0xF0};
constexpr QColor blue{0x00, 0x00, 0xFF};
constexpr QColor fuchsia{0xFF, 0x00, 0xFF};
constexpr QColor aqua{0x00, 0xFF, 0xFF};
constexpr QColor white{0xFF, 0xFF, 0xFF};

// The sixteen standard colours, in the order the colour boxes list them.
inline constexpr std::array<QColor, 16> standard = {black, maroon,  green,  olive, navy, purple,
                                                    teal,  gray,    silver, red,   lime, yellow,
                                                    blue,  fuchsia, aqua,   white};
// The only values a colour line of the settings file can set.
inline constexpr std::array<QColor, 20> accepted = {
    black, maroon,  red,    green,      olive,   lime,  yellow, navy,    purple, teal,
    gray,  medGray, silver, moneyGreen, skyBlue, cream, blue,   fuchsia, aqua,   white};
} // namespace colours

// The year caption's colour: the active caption colour of the desktop it was made for.
constexpr QColor kYearColour{0x0A, 0x24, 0x6A};

bool isAcceptedColour(const QColor &colour);
// Russian name of one of the accepted colours ("Небесно-голубой"); empty otherwise.
QString colourName(const QColor &colour);
