// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ClockGeometry.h"

#include <algorithm>
#include <cmath>

namespace clockgeo {

ScreenDensity ScreenDensity::fromScreen(int widthPixels, int heightPixels, int widthMm,
                                        int heightMm)
{
    ScreenDensity d;
    d.widthPixels = std::max(1, widthPixels);
    if (widthMm > 0 && heightMm > 0) {
        d.perX = std::max(1, widthPixels * 100 / widthMm);
        d.perY = std::max(1, heightPixels * 100 / heightMm);
    } else {
        d.perX = d.perY = 378; // 96 pixels per inch
    }
    return d;
}

DialTable makeDialPoints(const ScreenDensity &density)
{
    DialTable dial;
    const double step = 6.0 * M_PI / 180.0;
    for (int i = 0; i < 60; ++i) {
        const int x = int(std::lround(8000.0 * std::sin(step * i)));
        const int y = int(std::lround(-8000.0 * std::cos(step * i)));
        dial[size_t(i)] = {qint16(x), qint16(density.xToY(y))};
    }
    return dial;
}

QPoint dialOffset(const DialTable &dial, int index, int radius)
{
    const DialPoint &p = dial[size_t(index)];
    return {p.x * radius / 8000, p.y * radius / 8000};
}

Rect fitFace(Rect r, const ScreenDensity &density)
{
    const int w = r.width();
    const int h = r.height();
    const int hAcross = density.yToX(h);
    if (w > hAcross) {
        r.left += (w - hAcross) / 2;
        r.right = r.left + hAcross;
    } else {
        const int wDown = density.xToY(w);
        r.top += (h - wDown) / 2;
        r.bottom = r.top + wDown;
    }
    return r;
}

Rect faceArea(const Rect &alignRect, int borderWidth, int bevelWidth, bool outerBevel,
              bool innerBevel)
{
    const int inset =
        borderWidth + 1 + (outerBevel ? bevelWidth : 0) + (innerBevel ? bevelWidth : 0);
    return alignRect.shrunk(inset, inset);
}

ShownTime reduceTime(const QTime &time)
{
    const int hour = time.hour();
    return {quint16(hour >= 12 ? hour - 12 : hour), quint16(time.minute()), quint16(time.second())};
}

int hourHandIndex(const ShownTime &time)
{
    return time.hour * 5 + time.minute / 12;
}

DialLayout dialLayout(const Rect &face, const ScreenDensity &density)
{
    DialLayout l;
    int a = face.width() * 25 / density.widthPixels;
    int b = density.xToY(a);
    if (b < 1)
        b = 1;
    if (a < 2)
        a = 2;
    l.markWidth = a;
    l.markHeight = b;
    l.bigMarks = a > 2 && b > 1;
    // Room for half a mark on every side.
    const Rect inner = face.shrunk(b / 2, a / 2);
    l.radius = inner.width() / 2;
    l.centre = QPoint(inner.left + l.radius, inner.top + inner.height() / 2);
    return l;
}

QPoint markCentre(const DialTable &dial, const DialLayout &layout, int index)
{
    return layout.centre + dialOffset(dial, index, layout.radius);
}

Rect hourMarkRect(const DialTable &dial, const DialLayout &layout, int index)
{
    const QPoint c = markCentre(dial, layout, index);
    const int left = c.x() - layout.markWidth / 2;
    const int top = c.y() - layout.markHeight / 2;
    return {left, top, left + layout.markWidth, top + layout.markHeight};
}

std::array<QLine, 4> handLines(const DialTable &dial, QPoint centre, int radius, int index,
                               Hand hand)
{
    const bool hour = hand == Hand::Hour;
    const int width = (hour ? 7 : 5) * radius / 100;
    const int length = (hour ? 60 : 80) * radius / 100;
    const int tail = (hour ? 15 : 20) * radius / 100;
    const QPoint side = dialOffset(dial, (index + 15) % 60, width);
    const QPoint tip = centre + dialOffset(dial, index, length);
    const QPoint end = centre + dialOffset(dial, (index + 30) % 60, tail);
    return {QLine(centre + side, tip), QLine(centre - side, tip), QLine(centre + side, end),
            QLine(centre - side, end)};
}

QLine secondHandLine(const DialTable &dial, QPoint centre, int radius, int second)
{
    return QLine(centre, centre + dialOffset(dial, second, 80 * radius / 100));
}

QRect lineBounds(const QLine &line)
{
    return QRect(QPoint(std::min(line.x1(), line.x2()), std::min(line.y1(), line.y2())),
                 QPoint(std::max(line.x1(), line.x2()), std::max(line.y1(), line.y2())));
}

QColor lightenDotColor(const QColor &c, const QColor &buttonHighlight)
{
    if (c.red() == 255 || c.green() == 255 || c.blue() == 255)
        return buttonHighlight;
    const auto lighter = [](int channel) {
        if (channel == 192)
            return 255;
        return channel == 0 ? 0 : (channel + 127) % 256;
    };
    return QColor(lighter(c.red()), lighter(c.green()), lighter(c.blue()));
}

DigitalReading digitalReading(const QTime &time, bool leadingZero, bool showSeconds,
                              bool twelveHour, const QString &am, const QString &pm)
{
    int shownHour = time.hour();
    if (twelveHour) {
        if (shownHour > 12)
            shownHour -= 12;
        if (shownHour == 0)
            shownHour = 12;
    }
    DigitalReading r;
    r.twoHourDigits = shownHour >= 10 || leadingZero;
    const auto twoDigits = [](int v) {
        return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
    };
    r.text = r.twoHourDigits ? twoDigits(shownHour) : QString::number(shownHour);
    r.text += QLatin1Char(':') + twoDigits(time.minute());
    if (showSeconds)
        r.text += QLatin1Char(':') + twoDigits(time.second());
    if (twelveHour)
        r.text += QLatin1Char(' ') + (time.hour() < 12 ? am : pm);
    r.cells = (r.twoHourDigits ? 5 : 4) + (showSeconds ? 3 : 0);
    r.suffix = r.text.mid(r.cells);
    return r;
}

QVector<int> cellsToRedraw(bool twoHourDigits, bool showSeconds, bool secondChanged,
                           bool minuteChanged)
{
    const int firstMinute = twoHourDigits ? 4 : 3;
    QVector<int> cells;
    if (minuteChanged)
        cells << firstMinute << firstMinute + 1;
    if (secondChanged && showSeconds)
        cells << firstMinute + 3 << firstMinute + 4;
    return cells;
}

QString fitFontSample(bool showSeconds, bool twelveHour, const QString &am, int amWidth,
                      const QString &pm, int pmWidth)
{
    QString sample = QStringLiteral("88888");
    if (showSeconds)
        sample += QStringLiteral("888");
    if (twelveHour)
        sample += QLatin1Char(' ') + (amWidth > pmWidth ? am : pm);
    return sample;
}

std::optional<int> fitFontHeight(int areaWidth, int areaHeight, int sampleWidthAt1000)
{
    const int h = areaHeight - 4;
    const int w = areaWidth - 30;
    if (h <= 0 || w <= 0)
        return std::nullopt;
    const int byHeight = int(std::lround(h * 4.0 / 5.0));
    if (sampleWidthAt1000 <= 0)
        return byHeight;
    return std::min(byHeight, int(std::lround(1000.0 * w / sampleWidthAt1000)));
}

bool alarmMatches(const QTime &alarm, const QTime &now)
{
    return now.hour() == alarm.hour() && now.minute() == alarm.minute() &&
           now.second() >= alarm.second() && now.second() <= alarm.second() + 60;
}

bool alarmRearmed(const QTime &alarm, const QTime &now)
{
    return now < alarm || alarm == QTime(0, 0);
}

} // namespace clockgeo
