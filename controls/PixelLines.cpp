// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/PixelLines.h"

#include <QPaintEngine>
#include <QPainter>
#include <cmath>

bool paintsWholePixels(const QPainter &painter)
{
    const QTransform transform = painter.deviceTransform();
    return painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster &&
           !painter.testRenderHint(QPainter::Antialiasing) &&
           transform.type() <= QTransform::TxTranslate &&
           transform.dx() == std::floor(transform.dx()) &&
           transform.dy() == std::floor(transform.dy());
}

namespace {

// A raster painter that scales, as on a screen at 1.25, 1.5 or 2: a filled
// one-pixel band covers the device pixels of that pixel, where a stroke of
// the same width straddles its edge and leaves the widget's last pixels.
bool scalesPixels(const QPainter &painter)
{
    return painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster &&
           !painter.testRenderHint(QPainter::Antialiasing) &&
           painter.deviceTransform().type() == QTransform::TxScale;
}

} // namespace

PixelLines::PixelLines(QPainter &painter, const QColor &colour)
    : m_painter(painter), m_colour(colour),
      m_fill(paintsWholePixels(painter) || scalesPixels(painter))
{
    if (!m_fill)
        painter.setPen(colour);
}

void PixelLines::line(const QRect &pixels) const
{
    if (m_fill)
        m_painter.fillRect(pixels, m_colour);
    else
        m_painter.drawLine(pixels.topLeft(), pixels.bottomRight());
}

void PixelLines::frame(const QRect &outline) const
{
    if (!m_fill || outline.width() < 1 || outline.height() < 1) {
        m_painter.setPen(m_colour);
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawRect(outline);
        return;
    }
    const int x = outline.x(), y = outline.y(), w = outline.width(), h = outline.height();
    m_painter.fillRect(QRect(x, y, w + 1, 1), m_colour);
    m_painter.fillRect(QRect(x, y + h, w + 1, 1), m_colour);
    m_painter.fillRect(QRect(x, y + 1, 1, h - 1), m_colour);
    m_painter.fillRect(QRect(x + w, y + 1, 1, h - 1), m_colour);
}
