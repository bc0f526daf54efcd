// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClockFace.h"

#include "Errors.h"
#include "Handler.h"
#include "RussianText.h"
#include "TimeChange.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

using namespace clockgeo;

// Computed once for every clock of the program: the screen does not change
// its physical shape while it runs.
const ScreenDensity &ClockFace::screenDensity()
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

const DialTable &ClockFace::dialPoints()
{
    static const DialTable dial = makeDialPoints(screenDensity());
    return dial;
}

namespace {

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
