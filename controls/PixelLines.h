// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One-pixel horizontal and vertical lines and rectangle outlines in one
// colour, as a 1-wide pen draws them. On a raster device painted pixel for
// pixel (the screen, images) they are filled instead: the same pixels, at a
// fraction of the stroker's cost. Scaled raster painters (a screen at 1.5)
// are filled too, so that each line covers its pixel's whole device area;
// rotated or antialiased painters and vector targets (print, PDF, SVG) get
// real lines.
#include <QColor>
#include <QRect>

class QPainter;

// Whether the painter sets a raster device's pixels one for one: no scaling,
// whole-pixel offsets, no antialiasing.
bool paintsWholePixels(const QPainter &painter);

class PixelLines {
public:
    // Sets the painter's pen when it is going to stroke.
    PixelLines(QPainter &painter, const QColor &colour);

    // The line through exactly these pixels: one pixel wide or one high.
    void line(const QRect &pixels) const;
    // What QPainter::drawRect(outline) draws without a brush: the outline's
    // edges, one pixel beyond its right and bottom.
    void frame(const QRect &outline) const;

private:
    QPainter &m_painter;
    QColor m_colour;
    bool m_fill;
};
