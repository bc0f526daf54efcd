// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The clock's arithmetic, free of widgets: screen densities and the dial
// table, the round face, hands and marks, the digital cells, the font fit and
// the alarm. Rectangles here exclude their right and bottom edges.
#include <QColor>
#include <QLine>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QTime>
#include <QVector>
#include <array>
#include <optional>

namespace clockgeo {

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    Rect shrunk(int dx, int dy) const { return {left + dx, top + dy, right - dx, bottom - dy}; }
    QRect toRect() const { return QRect(left, top, width(), height()); }
    bool operator==(const Rect &o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

// Pixels per 100 mm across and down, and the screen width in pixels.
struct ScreenDensity {
    int perX = 100;
    int perY = 100;
    int widthPixels = 1024;

    // A screen that reports no physical size is taken to have square pixels.
    static ScreenDensity fromScreen(int widthPixels, int heightPixels, int widthMm, int heightMm);
    int xToY(int v) const { return v * perY / perX; }
    int yToX(int v) const { return v * perX / perY; }
};

// Marks 0..59 clockwise from twelve, radius 8000; y already in vertical pixel units.
struct DialPoint {
    qint16 x = 0;
    qint16 y = 0;
};
using DialTable = std::array<DialPoint, 60>;
DialTable makeDialPoints(const ScreenDensity &density);
// A dial point scaled to radius r: P(j, r).
QPoint dialOffset(const DialTable &dial, int index, int radius);

// The largest area of equal physical width and height, centred in r.
Rect fitFace(Rect r, const ScreenDensity &density);
// The face inside the alignment rectangle of a panel with these edges.
Rect faceArea(const Rect &alignRect, int borderWidth, int bevelWidth, bool outerBevel,
              bool innerBevel);

// A time as the clock shows it: the hour reduced to 0..11.
struct ShownTime {
    quint16 hour = 0;
    quint16 minute = 0;
    quint16 second = 0;
    bool operator==(const ShownTime &o) const
    {
        return hour == o.hour && minute == o.minute && second == o.second;
    }
    bool operator!=(const ShownTime &o) const { return !(*this == o); }
};
ShownTime reduceTime(const QTime &time);
// The hour hand steps once every 12 minutes.
int hourHandIndex(const ShownTime &time);

// Size and place of the dial, as the full paint works them out.
struct DialLayout {
    int markWidth = 2;  // a
    int markHeight = 1; // b
    bool bigMarks = false;
    int radius = 0;
    QPoint centre;
};
DialLayout dialLayout(const Rect &face, const ScreenDensity &density);
// Centre of mark i on the dial.
QPoint markCentre(const DialTable &dial, const DialLayout &layout, int index);
// The hour mark rectangle a wide and b high around its centre.
Rect hourMarkRect(const DialTable &dial, const DialLayout &layout, int index);

enum class Hand { Hour, Minute };
// The four outline lines of a hand: a kite from the tail to the tip.
std::array<QLine, 4> handLines(const DialTable &dial, QPoint centre, int radius, int index,
                               Hand hand);
QLine secondHandLine(const DialTable &dial, QPoint centre, int radius, int second);
// Pixels a cosmetic line touches, ends included.
QRect lineBounds(const QLine &line);

// The light edge of a 3-D hour mark in colour c.
QColor lightenDotColor(const QColor &c, const QColor &buttonHighlight);

// What the digital display shows at one time.
struct DigitalReading {
    QString text;   // "9:05:07", "12:30:00 AM"
    int cells = 0;  // characters drawn in cells of equal width
    QString suffix; // " AM" or empty
    bool twoHourDigits = false;
};
DigitalReading digitalReading(const QTime &time, bool leadingZero, bool showSeconds,
                              bool twelveHour, const QString &am, const QString &pm);
// Cell positions (1-based) that a tick redraws; hour digits and colons only
// ever change with a full paint.
QVector<int> cellsToRedraw(bool twoHourDigits, bool showSeconds, bool secondChanged,
                           bool minuteChanged);

// The text whose width the font is fitted to, with the wider designator.
QString fitFontSample(bool showSeconds, bool twelveHour, const QString &am, int amWidth,
                      const QString &pm, int pmWidth);
// Font height for an area, given the sample's width at height 1000; nothing
// when the area is too small for text.
std::optional<int> fitFontHeight(int areaWidth, int areaHeight, int sampleWidthAt1000);

// Any second from the alarm's second to the end of that minute.
bool alarmMatches(const QTime &alarm, const QTime &now);
// Armed again once the time of day has passed midnight (or at once for 00:00:00).
bool alarmRearmed(const QTime &alarm, const QTime &now);

} // namespace clockgeo
