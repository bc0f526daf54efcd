// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// The clock's drawing: frame, dial, hands and digits, into the offscreen
// picture the widget paints from.
#include "ClockFace.h"

#include "RussianText.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

using namespace clockgeo;

namespace {

// Top and left edges in one colour, bottom and right in the other; the
// rectangle shrinks by the width.
void frame3D(QPainter &p, TRect &r, const QColor &topLeft, const QColor &bottomRight, int width)
{
    for (int i = 0; i < width && r.width() > 0 && r.height() > 0; ++i) {
        p.fillRect(r.left, r.top, r.width() - 1, 1, topLeft);
        p.fillRect(r.left, r.top, 1, r.height() - 1, topLeft);
        p.fillRect(r.right - 1, r.top, 1, r.height(), bottomRight);
        p.fillRect(r.left, r.bottom - 1, r.width(), 1, bottomRight);
        r = r.shrunk(1, 1);
    }
}

} // namespace

// --- painting ---------------------------------------------------------------

void ClockFace::paintEvent(QPaintEvent *event)
{
    if (m_fullPending || m_picture.size() != size())
        paintWhole();
    QPainter p(this);
    p.drawImage(event->rect(), m_picture, event->rect());
}

void ClockFace::paintWhole()
{
    if (m_picture.size() != size())
        m_picture = QImage(size(), QImage::Format_RGB32);
    m_fullPending = false;
    if (m_picture.isNull())
        return;
    QPainter p(&m_picture);
    const TRect r = PaintFrame(p);
    if (m_showMode == scDigital)
        PaintDigital(p, r, Paint::Full);
    else
        PaintAnalog(p, Paint::Full);
}

TRect ClockFace::PaintFrame(QPainter &p)
{
    const QPalette &pal = palette();
    TRect whole{0, 0, width(), height()};
    if (m_borderStyle == bsSingle) {
        if (m_ctl3D) {
            frame3D(p, whole, pal.color(QPalette::Dark), pal.color(QPalette::Light), 1);
            frame3D(p, whole, pal.color(QPalette::Shadow), pal.color(QPalette::Midlight), 1);
        } else {
            frame3D(p, whole, pal.color(QPalette::Shadow), pal.color(QPalette::Shadow), 1);
        }
    }
    TRect r = clientArea();
    p.fillRect(r.toQRect(), pal.color(QPalette::Window));
    const auto bevel = [&](PanelBevel kind) {
        if (kind == bvNone)
            return;
        const QColor shadow = pal.color(QPalette::Dark);
        const QColor highlight = pal.color(QPalette::Light);
        if (kind == bvLowered)
            frame3D(p, r, shadow, highlight, m_bevelWidth);
        else
            frame3D(p, r, highlight, shadow, m_bevelWidth);
    };
    bevel(m_bevelOuter);
    r = r.shrunk(m_borderWidth, m_borderWidth);
    bevel(m_bevelInner);
    return r;
}

QRect ClockFace::PaintAnalog(QPainter &p, Paint mode)
{
    const QColor background = palette().color(QPalette::Window);
    const QColor foreground = palette().color(QPalette::WindowText);
    if (mode == Paint::Full) {
        p.fillRect(m_faceRect.toQRect(), background);
        PaintDial(p);
        PaintHand(p, HourHandIndex(m_shownTime), Hand::Hour, foreground);
        PaintHand(p, m_shownTime.minute, Hand::Minute, foreground);
        if (m_showSeconds)
            ToggleSecondHand(p, m_shownTime.second);
        return m_faceRect.toQRect();
    }

    const ShownTime now = reduceTime(QueryTime());
    const bool handsMove = now.minute != m_shownTime.minute || now.hour != m_shownTime.hour;
    // The inverted second hand must be off while the other hands are redrawn.
    const bool toggleSeconds = m_showSeconds && (now.second != m_shownTime.second || handsMove);
    QRect changed;
    if (toggleSeconds)
        changed |= ToggleSecondHand(p, m_shownTime.second);
    if (handsMove) {
        changed |= PaintHand(p, m_shownTime.minute, Hand::Minute, background);
        changed |= PaintHand(p, HourHandIndex(m_shownTime), Hand::Hour, background);
        changed |= PaintHand(p, now.minute, Hand::Minute, foreground);
        changed |= PaintHand(p, HourHandIndex(now), Hand::Hour, foreground);
    }
    if (toggleSeconds)
        changed |= ToggleSecondHand(p, now.second);
    m_shownTime = now;
    return changed;
}

void ClockFace::PaintDial(QPainter &p)
{
    const QPalette &pal = palette();
    const QColor background = pal.color(QPalette::Window);
    const QColor foreground = pal.color(QPalette::WindowText);
    const QColor shadow = pal.color(QPalette::Dark);
    const QColor highlight = pal.color(QPalette::Light);
    m_dial = dialLayout(m_faceRect, screenDensity());
    const DialTable &dial = dialPoints();
    const bool raised = m_ctl3D && m_dial.bigMarks;
    const QColor light = toQColor(LightenDotColor(m_dotsColor, toTColor(highlight)));
    for (int i = 0; i < 60; ++i) {
        const QPoint c = markCentre(dial, m_dial, i);
        if (i % 5 == 0) {
            TRect mark = hourMarkRect(dial, m_dial, i);
            if (raised) {
                p.fillRect(mark.toQRect(), toQColor(m_dotsColor));
                frame3D(p, mark, light, pal.color(QPalette::Shadow), 1);
            } else {
                p.fillRect(mark.toQRect(), foreground);
            }
        } else if (m_dial.bigMarks) {
            if (m_ctl3D) {
                p.fillRect(c.x() - 1, c.y() - 1, 2, 2, shadow);
                p.fillRect(c.x(), c.y(), 2, 2, highlight);
            }
            p.fillRect(c.x(), c.y(), 1, 1, m_ctl3D ? background : foreground);
        }
    }
}

QRect ClockFace::PaintHand(QPainter &p, int index, Hand hand, const QColor &colour)
{
    p.setPen(QPen(colour, 0));
    QRect changed;
    for (const QLine &line : handLines(dialPoints(), m_dial.centre, m_dial.radius, index, hand)) {
        p.drawLine(line);
        changed |= lineBounds(line);
    }
    return changed;
}

QRect ClockFace::ToggleSecondHand(QPainter &p, int second)
{
    const QLine line = secondHandLine(dialPoints(), m_dial.centre, m_dial.radius, second);
    const QPainter::CompositionMode previous = p.compositionMode();
    p.setCompositionMode(QPainter::RasterOp_NotDestination);
    p.setPen(QPen(Qt::black, 0));
    p.drawLine(line);
    p.setCompositionMode(previous);
    return lineBounds(line);
}

QRect ClockFace::PaintDigital(QPainter &p, const TRect &r, Paint mode)
{
    const QTime time = QueryTime();
    const ShownTime now = reduceTime(time);
    if (mode == Paint::Update && now.hour != m_shownTime.hour) {
        Invalidate(); // new hour digits: the whole line moves
        return {};
    }
    const DigitalReading reading =
        digitalReading(time, m_leadingZero, m_showSeconds, m_twelveHour, russianLocale().amText(),
                       russianLocale().pmText());
    const QFontMetrics fm(font());
    const int cell = fm.horizontalAdvance(QLatin1Char('8'));
    const int height = fm.height();
    const int suffixWidth = fm.horizontalAdvance(reading.suffix);
    const int total = suffixWidth + reading.cells * cell;
    const int left = (r.right + r.left - total) / 2;
    const int top = (r.bottom + r.top - height) / 2;

    QVector<int> cells;
    if (mode == Paint::Full) {
        for (int i = 1; i <= reading.cells; ++i)
            cells << i;
    } else {
        cells = cellsToRedraw(reading.twoHourDigits, m_showSeconds,
                              now.second != m_shownTime.second, now.minute != m_shownTime.minute);
    }
    p.setFont(font());
    p.setPen(palette().color(QPalette::WindowText));
    const QColor background = palette().color(QPalette::Window);
    QRect changed;
    for (int position : cells) {
        const QRect box(left + (position - 1) * cell, top, cell, height);
        p.setClipRect(box);
        p.fillRect(box, background);
        p.drawText(box, Qt::AlignCenter, reading.text.mid(position - 1, 1));
        changed |= box;
    }
    p.setClipping(false);
    if (mode == Paint::Full && !reading.suffix.isEmpty())
        p.drawText(QRect(left + reading.cells * cell, top, suffixWidth, height),
                   Qt::AlignLeft | Qt::AlignVCenter, reading.suffix);
    m_shownTime = now;
    return changed;
}

