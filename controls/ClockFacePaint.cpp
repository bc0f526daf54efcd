// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// The clock's drawing: frame, dial, hands and digits, into the offscreen
// picture the widget paints from.
#include "controls/ClockFace.h"

#include "base/RussianText.h"
#include "platform/ReadableText.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

using namespace clockgeo;

namespace {

// Top and left edges in one colour, bottom and right in the other; the
// rectangle shrinks by the width.
void frame3D(QPainter &p, Rect &r, const QColor &topLeft, const QColor &bottomRight, int width)
{
    for (int i = 0; i < width && r.width() > 0 && r.height() > 0; ++i) {
        p.fillRect(r.left, r.top, r.width() - 1, 1, topLeft);
        p.fillRect(r.left, r.top, 1, r.height() - 1, topLeft);
        p.fillRect(r.right - 1, r.top, 1, r.height(), bottomRight);
        p.fillRect(r.left, r.bottom - 1, r.width(), 1, bottomRight);
        r = r.shrunk(1, 1);
    }
}

// A hand's line over the same pixels a 1x picture gives it, at any scale:
// a line through pixel centres, one pixel wide.
void drawHandLine(QPainter &p, const QLine &line)
{
    if (p.device()->devicePixelRatioF() == 1.0) {
        p.drawLine(line);
        return;
    }
    p.drawLine(QLineF(line).translated(0.5, 0.5));
}

} // namespace

// --- painting ---------------------------------------------------------------

void ClockFace::paintEvent(QPaintEvent *event)
{
    if (m_fullPending || !pictureFits())
        paintWhole();
    QPainter p(this);
    const QRectF area(event->rect());
    const qreal ratio = m_picture.devicePixelRatio();
    p.drawImage(area, m_picture,
                QRectF(area.topLeft() * ratio, area.size() * ratio).intersected(m_picture.rect()));
}

bool ClockFace::pictureFits() const
{
    // A move to a screen of another scale changes the ratio, not the size.
    return m_picture.deviceIndependentSize() == QSizeF(size()) &&
           m_picture.devicePixelRatio() == devicePixelRatioF();
}

void ClockFace::paintWhole()
{
    if (!pictureFits()) {
        // Drawn at the screen's own pixels instead of stretched from 1x.
        const qreal ratio = devicePixelRatioF();
        m_picture = QImage((QSizeF(size()) * ratio).toSize(), QImage::Format_RGB32);
        m_picture.setDevicePixelRatio(ratio);
    }
    m_fullPending = false;
    if (m_picture.isNull())
        return;
    const QPalette colours = faceColours();
    // Translucent shades of a style would blend with what the image held.
    m_picture.fill(colours.color(QPalette::Window));
    QPainter p(&m_picture);
    const Rect r = paintFrame(p);
    if (m_showMode == ClockStyle::Digital)
        paintDigital(p, r, Paint::Full);
    else
        paintAnalog(p, Paint::Full);
}

QPalette ClockFace::faceColours() const
{
    const QPalette &own = palette();
    const bool textChosen = own.isBrushSet(own.currentColorGroup(), QPalette::WindowText);
    const QColor text = own.color(QPalette::WindowText);
    if (textChosen || readableOn(text, own.color(QPalette::Window)) == text)
        return own;
    // A desktop palette made for another background, such as a dark one
    // under a fixed light face: text and shades are made for the face.
    const QColor face = own.color(QPalette::Window);
    QPalette fitted(face, face);
    fitted.setCurrentColorGroup(own.currentColorGroup());
    return fitted;
}

Rect ClockFace::paintFrame(QPainter &p)
{
    const QPalette pal = faceColours();
    Rect whole{0, 0, width(), height()};
    if (m_borderStyle == ClockBorder::Single) {
        if (m_is3D) {
            frame3D(p, whole, pal.color(QPalette::Dark), pal.color(QPalette::Light), 1);
            frame3D(p, whole, pal.color(QPalette::Shadow), pal.color(QPalette::Midlight), 1);
        } else {
            frame3D(p, whole, pal.color(QPalette::Shadow), pal.color(QPalette::Shadow), 1);
        }
    }
    Rect r = clientArea();
    p.fillRect(r.toRect(), pal.color(QPalette::Window));
    const auto bevel = [&](PanelBevel kind) {
        if (kind == PanelBevel::NoBevel)
            return;
        const QColor shadow = pal.color(QPalette::Dark);
        const QColor highlight = pal.color(QPalette::Light);
        if (kind == PanelBevel::Lowered)
            frame3D(p, r, shadow, highlight, m_bevelWidth);
        else
            frame3D(p, r, highlight, shadow, m_bevelWidth);
    };
    bevel(m_outerBevel);
    r = r.shrunk(m_borderWidth, m_borderWidth);
    bevel(m_innerBevel);
    return r;
}

QRect ClockFace::paintAnalog(QPainter &p, Paint mode)
{
    const QPalette pal = faceColours();
    const QColor background = pal.color(QPalette::Window);
    const QColor foreground = pal.color(QPalette::WindowText);
    if (mode == Paint::Full) {
        p.fillRect(m_faceRect.toRect(), background);
        paintDial(p, pal);
        paintHand(p, hourHandIndex(m_shownTime), Hand::Hour, foreground);
        paintHand(p, m_shownTime.minute, Hand::Minute, foreground);
        if (m_secondsShown)
            toggleSecondHand(p, m_shownTime.second);
        return m_faceRect.toRect();
    }

    const ShownTime now = reduceTime(currentTime());
    const bool handsMove = now.minute != m_shownTime.minute || now.hour != m_shownTime.hour;
    // The inverted second hand must be off while the other hands are redrawn.
    const bool toggleSeconds = m_secondsShown && (now.second != m_shownTime.second || handsMove);
    QRect changed;
    if (toggleSeconds)
        changed |= toggleSecondHand(p, m_shownTime.second);
    if (handsMove) {
        changed |= paintHand(p, m_shownTime.minute, Hand::Minute, background);
        changed |= paintHand(p, hourHandIndex(m_shownTime), Hand::Hour, background);
        changed |= paintHand(p, now.minute, Hand::Minute, foreground);
        changed |= paintHand(p, hourHandIndex(now), Hand::Hour, foreground);
    }
    if (toggleSeconds)
        changed |= toggleSecondHand(p, now.second);
    m_shownTime = now;
    return changed;
}

void ClockFace::paintDial(QPainter &p, const QPalette &pal)
{
    const QColor background = pal.color(QPalette::Window);
    const QColor foreground = pal.color(QPalette::WindowText);
    const QColor shadow = pal.color(QPalette::Dark);
    const QColor highlight = pal.color(QPalette::Light);
    m_dial = dialLayout(m_faceRect, screenDensity());
    const DialTable &dial = dialPoints();
    const bool raised = m_is3D && m_dial.bigMarks;
    const QColor light = lightenDotColor(m_dotsColor, highlight);
    for (int i = 0; i < 60; ++i) {
        const QPoint c = markCentre(dial, m_dial, i);
        if (i % 5 == 0) {
            Rect mark = hourMarkRect(dial, m_dial, i);
            if (raised) {
                p.fillRect(mark.toRect(), m_dotsColor);
                frame3D(p, mark, light, pal.color(QPalette::Shadow), 1);
            } else {
                p.fillRect(mark.toRect(), foreground);
            }
        } else if (m_dial.bigMarks) {
            if (m_is3D) {
                p.fillRect(c.x() - 1, c.y() - 1, 2, 2, shadow);
                p.fillRect(c.x(), c.y(), 2, 2, highlight);
            }
            p.fillRect(c.x(), c.y(), 1, 1, m_is3D ? background : foreground);
        }
    }
}

QRect ClockFace::paintHand(QPainter &p, int index, Hand hand, const QColor &colour)
{
    p.setPen(QPen(colour, 1));
    QRect changed;
    for (const QLine &line : handLines(dialPoints(), m_dial.centre, m_dial.radius, index, hand)) {
        drawHandLine(p, line);
        changed |= lineBounds(line);
    }
    return changed;
}

QRect ClockFace::toggleSecondHand(QPainter &p, int second)
{
    const QLine line = secondHandLine(dialPoints(), m_dial.centre, m_dial.radius, second);
    const QPainter::CompositionMode previous = p.compositionMode();
    p.setCompositionMode(QPainter::RasterOp_NotDestination);
    p.setPen(QPen(Qt::black, 1));
    drawHandLine(p, line);
    p.setCompositionMode(previous);
    return lineBounds(line);
}

QRect ClockFace::paintDigital(QPainter &p, const Rect &r, Paint mode)
{
    const QTime time = currentTime();
    const ShownTime now = reduceTime(time);
    if (mode == Paint::Update && now.hour != m_shownTime.hour) {
        invalidate(); // new hour digits: the whole line moves
        return {};
    }
    const DigitalReading reading =
        digitalReading(time, m_leadingZero, m_secondsShown, m_twelveHour, russianLocale().amText(),
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
        cells = cellsToRedraw(reading.twoHourDigits, m_secondsShown,
                              now.second != m_shownTime.second, now.minute != m_shownTime.minute);
    }
    const QPalette pal = faceColours();
    p.setFont(font());
    p.setPen(pal.color(QPalette::WindowText));
    const QColor background = pal.color(QPalette::Window);
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
