// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/Convert.h"

#include "base/Errors.h"
#include "base/TextFile.h"

#include <limits>

namespace {

bool parseInt(const QString &text, int &value)
{
    int i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    if (i == text.size())
        return false;
    long long v = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        v = v * 10 + (c.unicode() - '0');
        if (v > static_cast<long long>(std::numeric_limits<int>::max()) + 1)
            return false;
    }
    if (negative)
        v = -v;
    if (v > std::numeric_limits<int>::max() || v < std::numeric_limits<int>::min())
        return false;
    value = static_cast<int>(v);
    return true;
}

} // namespace

int wholeNumber(const QString &text)
{
    int value = 0;
    if (!parseInt(text, value))
        throw ConvertError(
            QStringLiteral("\"%1\" не является целым числом").arg(quoteForMessage(text)));
    return value;
}

int wholeNumberOr(const QString &text, int fallback)
{
    int value = 0;
    return parseInt(text, value) ? value : fallback;
}

std::optional<int> tryWholeNumber(const QString &text)
{
    int value = 0;
    if (!parseInt(text, value))
        return std::nullopt;
    return value;
}
