// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Colours.h"

#include <algorithm>

const std::array<StoredColour, 16> StandardColours = {
    clBlack, clMaroon, clGreen, clOlive, clNavy,   clPurple, clTeal, clGray,
    clSilver, clRed,   clLime,  clYellow, clBlue, clFuchsia, clAqua, clWhite};

const std::array<StoredColour, 20> AcceptedColours = {
    clBlack,  clMaroon,     clRed,      clGreen, clOlive, clLime,    clYellow,
    clNavy,   clPurple,     clTeal,     clGray,  clMedGray, clSilver, clMoneyGreen,
    clSkyBlue, clCream,     clBlue,     clFuchsia, clAqua,  clWhite};

bool isAcceptedColour(StoredColour colour)
{
    return std::find(AcceptedColours.begin(), AcceptedColours.end(), colour) !=
           AcceptedColours.end();
}

QColor toQColor(StoredColour colour)
{
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

StoredColour toTColor(const QColor &colour)
{
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

QString colourName(StoredColour colour)
{
    switch (colour) {
    case clBlack: return QStringLiteral("Чёрный");
    case clMaroon: return QStringLiteral("Тёмно-бордовый");
    case clRed: return QStringLiteral("Красный");
    case clGreen: return QStringLiteral("Зелёный");
    case clOlive: return QStringLiteral("Оливковый");
    case clLime: return QStringLiteral("Лаймовый");
    case clYellow: return QStringLiteral("Жёлтый");
    case clNavy: return QStringLiteral("Тёмно-синий");
    case clPurple: return QStringLiteral("Пурпурный");
    case clTeal: return QStringLiteral("Сине-зелёный");
    case clGray: return QStringLiteral("Серый");
    case clMedGray: return QStringLiteral("Средне-серый");
    case clSilver: return QStringLiteral("Серебристый");
    case clMoneyGreen: return QStringLiteral("Светло-зелёный");
    case clSkyBlue: return QStringLiteral("Небесно-голубой");
    case clCream: return QStringLiteral("Кремовый");
    case clBlue: return QStringLiteral("Синий");
    case clFuchsia: return QStringLiteral("Фуксия");
    case clAqua: return QStringLiteral("Голубой");
    case clWhite: return QStringLiteral("Белый");
    default: return {};
    }
}
