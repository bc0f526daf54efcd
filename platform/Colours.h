#pragma once
// Colours as the program stores them: 0x00BBGGRR, red in the low byte,
// written to files in decimal. Converted to QColor only here.
#include <QColor>
#include <QString>
#include <QtGlobal>
#include <array>

using TColor = qint32;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clMedGray = 0xA4A0A0;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;

// The sixteen standard colours, in the order the colour boxes list them.
extern const std::array<TColor, 16> StandardColours;
// The only values a colour line of the settings file can set.
extern const std::array<TColor, 20> AcceptedColours;

bool isAcceptedColour(TColor colour);
QColor toQColor(TColor colour);
TColor toTColor(const QColor &colour);
// Russian name of one of the accepted colours ("Небесно-голубой"); empty otherwise.
QString colourName(TColor colour);
