// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/Colours.h"

#include <algorithm>

bool isAcceptedColour(StoredColour colour)
{
    return std::find(colours::accepted.begin(), colours::accepted.end(), colour) !=
           colours::accepted.end();
}

QColor toQColor(StoredColour colour)
{
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

StoredColour toStoredColour(const QColor &colour)
{
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

QString colourName(StoredColour colour)
{
    switch (colour) {
    case colours::black: return QStringLiteral("Чёрный");
    case colours::maroon: return QStringLiteral("Тёмно-бордовый");
    case colours::red: return QStringLiteral("Красный");
    case colours::green: return QStringLiteral("Зелёный");
    case colours::olive: return QStringLiteral("Оливковый");
    case colours::lime: return QStringLiteral("Лаймовый");
    case colours::yellow: return QStringLiteral("Жёлтый");
    case colours::navy: return QStringLiteral("Тёмно-синий");
    case colours::purple: return QStringLiteral("Пурпурный");
    case colours::teal: return QStringLiteral("Сине-зелёный");
    case colours::gray: return QStringLiteral("Серый");
    case colours::medGray: return QStringLiteral("Средне-серый");
    case colours::silver: return QStringLiteral("Серебристый");
    case colours::moneyGreen: return QStringLiteral("Светло-зелёный");
    case colours::skyBlue: return QStringLiteral("Небесно-голубой");
    case colours::cream: return QStringLiteral("Кремовый");
    case colours::blue: return QStringLiteral("Синий");
    case colours::fuchsia: return QStringLiteral("Фуксия");
    case colours::aqua: return QStringLiteral("Голубой");
    case colours::white: return QStringLiteral("Белый");
    default: return {};
    }
}
