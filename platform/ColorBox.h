// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A drop-down list of colours, each shown by its Russian name with a swatch.
#include "base/Colours.h"

#include <QComboBox>
#include <vector>

class ColorBox : public QComboBox {
    Q_OBJECT
public:
    // The sixteen standard colours, plus the four extended ones when asked.
    explicit ColorBox(bool extended, QWidget *parent = nullptr);
    QColor Selected() const;
    // Selects the colour; one the list lacks is added at the end, so the box
    // always reports what it shows.
    void setSelected(const QColor &colour);

private:
    void addColour(const QColor &colour);
};
