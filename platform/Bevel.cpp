#include "Bevel.h"

#include <QPainter>

TBevel::TBevel(QWidget *parent, Shape shape, Style style)
    : QWidget(parent), m_shape(shape), m_style(style)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TBevel::paintEvent(QPaintEvent *)
{
    // Lowered: the shadow outside, the highlight one pixel further in; raised
    // the other way round. Both show every side, so cut lines print whole.
    const QColor shadow(0x80, 0x80, 0x80), highlight(Qt::white);
    const QColor first = m_style == Lowered ? shadow : highlight;
    const QColor second = m_style == Lowered ? highlight : shadow;
    QPainter p(this);
    const int w = width(), h = height();
    switch (m_shape) {
    case Box:
        p.setPen(first);
        p.drawRect(0, 0, w - 2, h - 2);
        p.setPen(second);
        p.drawRect(1, 1, w - 2, h - 2);
        break;
    case TopLine:
        p.setPen(first);
        p.drawLine(0, 0, w - 1, 0);
        p.setPen(second);
        p.drawLine(0, 1, w - 1, 1);
        break;
    case LeftLine:
        p.setPen(first);
        p.drawLine(0, 0, 0, h - 1);
        p.setPen(second);
        p.drawLine(1, 0, 1, h - 1);
        break;
    }
}
