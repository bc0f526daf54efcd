// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/Colours.h"

#include <algorithm>

namespace {

// The names, in the order of colours::accepted.
const char *const kNames[] = {"Чёрный",      "Тёмно-бордовый", "Красный",         "Зелёный",
                              "Оливковый",   "Лаймовый",       "Жёлтый",          "Тёмно-синий",
                              "Пурпурный",   "Сине-зелёный",   "Серый",           "Средне-серый",
                              "Серебристый", "Светло-зелёный", "Небесно-голубой", "Кремовый",
                              "Синий",       "Фуксия",         "Голубой",         "Белый"};
static_assert(std::size(kNames) == colours::accepted.size());

// Where colour stands among the accepted ones; -1 when it is not one of them.
int acceptedIndex(const QColor &colour)
{
    const auto found =
        std::find_if(colours::accepted.begin(), colours::accepted.end(),
                     [&](const QColor &accepted) { return accepted.rgba() == colour.rgba(); });
    return found == colours::accepted.end() ? -1 : int(found - colours::accepted.begin());
}

} // namespace

bool isAcceptedColour(const QColor &colour)
{
    return acceptedIndex(colour) >= 0;
}

QString colourName(const QColor &colour)
{
    const int index = acceptedIndex(colour);
    return index < 0 ? QString() : QString::fromUtf8(kNames[index]);
}
