// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The week-number column of a month grid: a number per week row, centred in
// its cell, smaller than the grid's font and grey. Each number is laid out
// once per font. On a raster device painted pixel for pixel (the screen,
// images) the column is also kept as a picture of exactly those pixels, so
// that a repaint copies it instead of drawing the glyphs again.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QStaticText>
#include <array>
#include <optional>

class QPainter;

class WeekColumn {
public:
    static constexpr int kRows = 6;
    using Numbers = std::array<int, kRows>;
    using Cells = std::array<QRect, kRows>;

    // The grid's font; the numbers take a smaller one made from it.
    void setFont(const QFont &gridFont);
    // Draws the numbers (0 for a row without one) into their cells.
    // bareBackground: the colour the cells show, when nothing else has been
    // drawn into them; only then can the kept picture stand in for drawing.
    void draw(QPainter &painter, const Numbers &numbers, const Cells &cells,
              const std::optional<QColor> &bareBackground);

private:
    // What the kept picture shows, and for which device.
    struct Picture {
        Numbers numbers{};
        Cells cells{};
        QRgb background = 0;
        QImage::Format format = QImage::Format_Invalid;
        int dpi = 0;
        bool operator==(const Picture &other) const;
    };

    // Lays out the numbers that changed; false when one would spill out of
    // its cell (a grid too small for its font).
    bool layOut(const Numbers &numbers, const Cells &cells);
    void drawTexts(QPainter &painter, const Numbers &numbers, const Cells &cells,
                   const QPoint &shift) const;

    QFont m_font;
    std::array<QStaticText, kRows> m_texts;
    Numbers m_laidOut{};
    QImage m_image;
    Picture m_picture;
};
