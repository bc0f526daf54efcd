#pragma once
// "regional.cal": four Boolean words, the states of the week-start and
// print-background option buttons.
#include <QString>
#include <array>

using RegionalOptions = std::array<bool, 4>; // Monday, Sunday, with background, without

// A line selects its button only when it is exactly "TRUE"; missing lines are empty.
RegionalOptions readRegional(const QString &path);
void writeRegional(const QString &path, const RegionalOptions &options);
