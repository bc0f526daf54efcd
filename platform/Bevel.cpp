// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Bevel.h"

#include <QPainter>

Bevel::Bevel(QWidget *parent, Shape shape, Style style)
    : QWidget(parent), m_shape(shape), m_style(style)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Bevel::paintEvent(QPaintEvent *)
{
    // Lowered: the shadow outside, the highlight one pixel further in; raised
    // the other way round. Both show every side, so cut lines print whole.
    const QColor shadow(0x80, 0x80, 0x80), highlight(Qt::white);
    const QColor first = m_style == Lowered ? shadow : highlight;
    const QColor second = m_style == Lowered ? highlight : shadow;
    QPainter p(this);
    // Lines run through pixel centres, so that on paper they cover the same
    // pixels as on screen instead of straddling the control's edge.
    const double w = width(), h = height();
    auto line = [&p](const QColor &colour, double x1, double y1, double x2, double y2) {
        p.setPen(QPen(colour, 1));
        p.drawLine(QLineF(x1, y1, x2, y2));
    };
    switch (m_shape) {
    case Box:
        p.setPen(QPen(first, 1));
        p.drawRect(QRectF(0.5, 0.5, w - 2, h - 2));
        p.setPen(QPen(second, 1));
        p.drawRect(QRectF(1.5, 1.5, w - 2, h - 2));
        break;
    case TopLine:
        line(first, 0, 0.5, w, 0.5);
        line(second, 0, 1.5, w, 1.5);
        break;
    case LeftLine:
        line(first, 0.5, 0, 0.5, h);
        line(second, 1.5, 0, 1.5, h);
        break;
    }
}
