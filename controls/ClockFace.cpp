#include "ClockFace.h"

#include "Errors.h"
#include "Handler.h"
#include "RussianText.h"
#include "TimeChange.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

using namespace clockgeo;

namespace {

// Computed once for every clock of the program: the screen does not change
// its physical shape while it runs.
const ScreenDensity &screenDensity()
{
    static const ScreenDensity density = [] {
        const QScreen *screen = QGuiApplication::primaryScreen();
        if (!screen)
            return ScreenDensity::fromScreen(1024, 768, 0, 0);
        const QSize pixels = screen->size();
        const QSizeF mm = screen->physicalSize();
        return ScreenDensity::fromScreen(pixels.width(), pixels.height(), int(mm.width()),
                                         int(mm.height()));
    }();
    return density;
}

const DialTable &dialPoints()
{
    static const DialTable dial = makeDialPoints(screenDensity());
    return dial;
}

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

int bevelInset(PanelBevel bevel, int width)
{
    return bevel == bvNone ? 0 : width;
}

} // namespace

ClockFace::ClockFace(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("RxClock"));
    dialPoints(); // the process-wide set-up
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_timer = new TickTimer(this);
    m_timer->SetInterval(450);
    m_timer->SetOnTimer([this](QObject *) { HandleTick(); });
    m_shownTime = reduceTime(QueryTime());
    bindHandler(&SystemTimeWatcher::instance(), &SystemTimeWatcher::changed, this,
                &ClockFace::WMTimeChange);
}

ClockFace::~ClockFace()
{
    // The worker goes first, so no tick meets a half-destroyed clock.
    delete m_timer;
    m_timer = nullptr;
}

QTime ClockFace::QueryTime()
{
    QTime time = QTime::currentTime();
    if (m_onGetTime) {
        QTime replaced = time;
        m_onGetTime(this, replaced);
        if (replaced.isValid())
            time = replaced;
    }
    return time;
}

void ClockFace::Loaded()
{
    RearmAlarm();
}

void ClockFace::Invalidate()
{
    m_fullPending = true;
    update();
}

void ClockFace::invalidateAndRealign()
{
    Invalidate();
    if (m_autoSize)
        Realign();
}

// --- properties -------------------------------------------------------------

void ClockFace::setAlarmElement(int hour, int minute, int second)
{
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
        throw ConvertError(
            QStringLiteral("Неправильное время: %1:%2:%3").arg(hour).arg(minute).arg(second));
    m_alarmTime = QTime(hour, minute, second);
    RearmAlarm();
}

void ClockFace::SetAlarmHour(int hour)
{
    setAlarmElement(hour, AlarmMinute(), AlarmSecond());
}
void ClockFace::SetAlarmMinute(int minute)
{
    setAlarmElement(AlarmHour(), minute, AlarmSecond());
}
void ClockFace::SetAlarmSecond(int second)
{
    setAlarmElement(AlarmHour(), AlarmMinute(), second);
}

void ClockFace::SetAutoSize(bool autoSize)
{
    if (autoSize == m_autoSize)
        return;
    m_autoSize = autoSize;
    if (autoSize) {
        Invalidate();
        Realign();
    }
}

void ClockFace::SetShowMode(ClockStyle mode)
{
    if (mode == m_showMode)
        return;
    m_showMode = mode;
    Invalidate();
}

void ClockFace::SetShowSeconds(bool show)
{
    if (show == m_showSeconds)
        return;
    m_showSeconds = show;
    invalidateAndRealign();
}

void ClockFace::SetTwelveHour(bool twelveHour)
{
    if (twelveHour == m_twelveHour)
        return;
    m_twelveHour = twelveHour;
    invalidateAndRealign();
}

void ClockFace::SetLeadingZero(bool leadingZero)
{
    if (leadingZero == m_leadingZero)
        return;
    m_leadingZero = leadingZero;
    Invalidate();
}

void ClockFace::setDotsColor(StoredColour colour)
{
    if (colour == m_dotsColor)
        return;
    m_dotsColor = colour;
    Invalidate();
}

StoredColour ClockFace::color() const
{
    return toTColor(palette().color(QPalette::Window));
}

void ClockFace::setColor(StoredColour colour)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(colour));
    setPalette(pal); // repaints through the palette change
}

StoredColour ClockFace::fontColor() const
{
    return toTColor(palette().color(QPalette::WindowText));
}

void ClockFace::setFontColor(StoredColour colour)
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, toQColor(colour));
    setPalette(pal);
}

void ClockFace::SetCtl3D(bool ctl3D)
{
    if (ctl3D == m_ctl3D)
        return;
    m_ctl3D = ctl3D;
    Realign(); // the single border's edge is 3-D too
    if (m_showMode == scAnalog || m_borderStyle == bsSingle)
        Invalidate();
}

namespace {

template <typename T> bool store(T &field, T value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

} // namespace

void ClockFace::SetBevelInner(PanelBevel bevel)
{
    if (store(m_bevelInner, bevel)) {
        Realign();
        Invalidate();
    }
}

void ClockFace::SetBevelOuter(PanelBevel bevel)
{
    if (store(m_bevelOuter, bevel)) {
        Realign();
        Invalidate();
    }
}

void ClockFace::SetBevelWidth(int width)
{
    if (store(m_bevelWidth, qMax(1, width))) {
        Realign();
        Invalidate();
    }
}

void ClockFace::SetBorderWidth(int width)
{
    if (store(m_borderWidth, qMax(0, width))) {
        Realign();
        Invalidate();
    }
}

void ClockFace::SetBorderStyle(ClockBorder style)
{
    if (store(m_borderStyle, style)) {
        Realign();
        Invalidate();
    }
}

// --- layout -----------------------------------------------------------------

int ClockFace::borderEdge() const
{
    if (m_borderStyle == bsNone)
        return 0;
    return m_ctl3D ? 2 : 1;
}

TRect ClockFace::clientArea() const
{
    const int e = borderEdge();
    return {e, e, width() - e, height() - e};
}

TRect ClockFace::digitalArea() const
{
    const int inset = m_borderWidth + bevelInset(m_bevelOuter, m_bevelWidth) +
                      bevelInset(m_bevelInner, m_bevelWidth);
    return clientArea().shrunk(inset, inset);
}

void ClockFace::Realign()
{
    const TRect r = clientArea();
    m_faceRect = FitFace(
        faceArea(r, m_borderWidth, m_bevelWidth, m_bevelOuter != bvNone, m_bevelInner != bvNone),
        screenDensity());
    if (m_autoSize)
        FitFont(r);
}

void ClockFace::FitFont(const TRect &r)
{
    if (m_fitting)
        return;
    QFont sized = font();
    sized.setPixelSize(1000);
    const QFontMetrics fm(sized);
    const QString am = russianLocale().amText();
    const QString pm = russianLocale().pmText();
    const QString sample = fitFontSample(m_showSeconds, m_twelveHour, am, fm.horizontalAdvance(am),
                                         pm, fm.horizontalAdvance(pm));
    const std::optional<int> height =
        fitFontHeight(r.width(), r.height(), fm.horizontalAdvance(sample));
    if (!height || font().pixelSize() == qMax(1, *height))
        return;
    QFont fitted = font();
    fitted.setPixelSize(qMax(1, *height));
    m_fitting = true;
    setFont(fitted);
    m_fitting = false;
}

void ClockFace::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Realign();
    Invalidate();
}

void ClockFace::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::LocaleChange: invalidateAndRealign(); break;
    case QEvent::PaletteChange: Invalidate(); break;
    default: break;
    }
}

// --- alarm ------------------------------------------------------------------

void ClockFace::RearmAlarm()
{
    m_alarmArmed = alarmRearmed(m_alarmTime, QueryTime());
}

void ClockFace::TestAlarm()
{
    const QTime now = QueryTime();
    if (m_alarmEnabled && AlarmMatches(m_alarmTime, now)) {
        if (m_alarmArmed) {
            m_alarmArmed = false;
            DoAlarm();
        }
        return;
    }
    m_alarmArmed = alarmRearmed(m_alarmTime, now);
}

void ClockFace::DoAlarm()
{
    if (m_onAlarm)
        m_onAlarm(this);
}

void ClockFace::WMTimeChange()
{
    Invalidate();
    TestAlarm();
}

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

// --- the tick ---------------------------------------------------------------

void ClockFace::HandleTick()
{
    m_lastTickArea = QRect();
    if (m_fullPending || !isVisible() || m_picture.size() != size()) {
        // Nothing on screen to keep in step: the next full paint draws afresh.
        m_shownTime = reduceTime(QueryTime());
        m_fullPending = true;
    } else {
        QPainter p(&m_picture);
        m_lastTickArea = m_showMode == scAnalog ? PaintAnalog(p, Paint::Update)
                                                : PaintDigital(p, digitalArea(), Paint::Update);
        p.end();
        if (!m_lastTickArea.isEmpty())
            update(m_lastTickArea);
    }
    TestAlarm();
}
