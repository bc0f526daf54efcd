// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <optional>

// An optionally signed decimal whole number ("0205" is 205); anything else,
// an empty text included, throws ConvertError.
int wholeNumber(const QString &text);

// The same without the error: fallback for anything that is not a number.
int wholeNumberOr(const QString &text, int fallback);

// The number, or nothing when the text is not a whole number.
std::optional<int> tryWholeNumber(const QString &text);
