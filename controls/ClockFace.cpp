// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ClockFace.h"

#include "base/Errors.h"
#include "base/RussianText.h"
#include "base/TimeChange.h"
#include "platform/SpokenValue.h"

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
    return bevel == PanelBevel::NoBevel ? 0 : width;
}

} // namespace

ClockFace::ClockFace(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("clockFace"));
    dialPoints(); // the process-wide set-up
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_timer = new TickTimer(this);
    // Ticks on the GUI thread's own timer: the clock only paints, and a timer
    // thread handing each tick over would wake the program twice a tick.
    m_timer->setInterval(450);
    m_timer->setTickHandler([this](QObject *) { tick(); });
    connect(m_timer, &TickTimer::tickFailed, this, &ClockFace::failed);
    m_shownTime = reduceTime(currentTime());
    speakTime();
}

void ClockFace::followTimeChanges(SystemTimeWatcher &watcher)
{
    connect(&watcher, &SystemTimeWatcher::changed, this, [this] {
        if (const std::optional<QString> failure = failureOf([this] { handleSystemTimeChange(); }))
            emit failed(*failure);
    });
}

ClockFace::~ClockFace()
{
    // The worker goes first, so no tick meets a half-destroyed clock.
    delete m_timer;
    m_timer = nullptr;
}

QTime ClockFace::currentTime()
{
    // The clock is read once: with a source, only the source is asked.
    QTime time;
    if (m_timeSource)
        m_timeSource(this, time);
    return time.isValid() ? time : QTime::currentTime();
}

void ClockFace::completeSetup()
{
    rearmAlarm();
}

void ClockFace::invalidate()
{
    m_fullPending = true;
    update();
}

void ClockFace::invalidateAndRealign()
{
    invalidate();
    if (m_autoSize)
        realign();
}

// --- properties -------------------------------------------------------------

void ClockFace::setAlarmElement(int hour, int minute, int second)
{
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
        throw ConvertError(
            QStringLiteral("Неправильное время: %1:%2:%3").arg(hour).arg(minute).arg(second));
    m_alarmTime = QTime(hour, minute, second);
    rearmAlarm();
}

void ClockFace::setAlarmHour(int hour)
{
    setAlarmElement(hour, alarmMinute(), alarmSecond());
}
void ClockFace::setAlarmMinute(int minute)
{
    setAlarmElement(alarmHour(), minute, alarmSecond());
}
void ClockFace::setAlarmSecond(int second)
{
    setAlarmElement(alarmHour(), alarmMinute(), second);
}

void ClockFace::setAutoSize(bool autoSize)
{
    if (autoSize == m_autoSize)
        return;
    m_autoSize = autoSize;
    if (autoSize) {
        invalidate();
        realign();
    }
}

void ClockFace::setShowMode(ClockStyle mode)
{
    if (mode == m_showMode)
        return;
    m_showMode = mode;
    invalidate();
}

void ClockFace::setSecondsShown(bool show)
{
    if (show == m_secondsShown)
        return;
    m_secondsShown = show;
    invalidateAndRealign();
}

void ClockFace::setTwelveHour(bool twelveHour)
{
    if (twelveHour == m_twelveHour)
        return;
    m_twelveHour = twelveHour;
    invalidateAndRealign();
}

void ClockFace::setLeadingZero(bool leadingZero)
{
    if (leadingZero == m_leadingZero)
        return;
    m_leadingZero = leadingZero;
    invalidate();
}

void ClockFace::setDotsColor(const QColor &colour)
{
    if (colour == m_dotsColor)
        return;
    m_dotsColor = colour;
    invalidate();
}

QColor ClockFace::color() const
{
    return palette().color(QPalette::Window);
}

void ClockFace::setColor(const QColor &colour)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, colour);
    setPalette(pal); // repaints through the palette change
}

QColor ClockFace::fontColor() const
{
    return palette().color(QPalette::WindowText);
}

void ClockFace::setFontColor(const QColor &colour)
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, colour);
    setPalette(pal);
}

void ClockFace::set3D(bool threeD)
{
    if (threeD == m_is3D)
        return;
    m_is3D = threeD;
    realign(); // the single border's edge is 3-D too
    if (m_showMode == ClockStyle::Analog || m_borderStyle == ClockBorder::Single)
        invalidate();
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

void ClockFace::setInnerBevel(PanelBevel bevel)
{
    if (store(m_innerBevel, bevel)) {
        realign();
        invalidate();
    }
}

void ClockFace::setOuterBevel(PanelBevel bevel)
{
    if (store(m_outerBevel, bevel)) {
        realign();
        invalidate();
    }
}

void ClockFace::setBevelWidth(int width)
{
    if (store(m_bevelWidth, qMax(1, width))) {
        realign();
        invalidate();
    }
}

void ClockFace::setBorderWidth(int width)
{
    if (store(m_borderWidth, qMax(0, width))) {
        realign();
        invalidate();
    }
}

void ClockFace::setBorderStyle(ClockBorder style)
{
    if (store(m_borderStyle, style)) {
        realign();
        invalidate();
    }
}

// --- layout -----------------------------------------------------------------

int ClockFace::borderEdge() const
{
    if (m_borderStyle == ClockBorder::NoBorder)
        return 0;
    return m_is3D ? 2 : 1;
}

Rect ClockFace::clientArea() const
{
    const int e = borderEdge();
    return {e, e, width() - e, height() - e};
}

Rect ClockFace::digitalArea() const
{
    const int inset = m_borderWidth + bevelInset(m_outerBevel, m_bevelWidth) +
                      bevelInset(m_innerBevel, m_bevelWidth);
    return clientArea().shrunk(inset, inset);
}

void ClockFace::realign()
{
    const Rect r = clientArea();
    m_faceRect =
        fitFace(faceArea(r, m_borderWidth, m_bevelWidth, m_outerBevel != PanelBevel::NoBevel,
                         m_innerBevel != PanelBevel::NoBevel),
                screenDensity());
    if (m_autoSize)
        fitFont(r);
}

void ClockFace::fitFont(const Rect &r)
{
    if (m_fitting)
        return;
    QFont sized = font();
    sized.setPixelSize(1000);
    const QFontMetrics fm(sized);
    const QString am = russianLocale().amText();
    const QString pm = russianLocale().pmText();
    const QString sample = fitFontSample(m_secondsShown, m_twelveHour, am, fm.horizontalAdvance(am),
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
    realign();
    invalidate();
}

void ClockFace::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::LocaleChange: invalidateAndRealign(); break;
    case QEvent::PaletteChange: invalidate(); break;
    default: break;
    }
}

// --- alarm ------------------------------------------------------------------

void ClockFace::rearmAlarm()
{
    m_alarmArmed = alarmRearmed(m_alarmTime, currentTime());
}

void ClockFace::checkAlarm()
{
    const QTime now = currentTime();
    if (m_alarmEnabled && alarmMatches(m_alarmTime, now)) {
        if (m_alarmArmed) {
            m_alarmArmed = false;
            raiseAlarm();
        }
        return;
    }
    m_alarmArmed = alarmRearmed(m_alarmTime, now);
}

void ClockFace::raiseAlarm()
{
    emit alarmTriggered();
}

void ClockFace::handleSystemTimeChange()
{
    invalidate();
    speakTime();
    checkAlarm();
}

void ClockFace::speakTime()
{
    // The digital line's text in either mode: a screen reader reads the time
    // as the settings show it, and a name that changes once a second at most
    // is announced no more often.
    const DigitalReading shown =
        digitalReading(currentTime(), m_leadingZero, m_secondsShown, m_twelveHour,
                       russianLocale().amText(), russianLocale().pmText());
    speakValue(this, shown.text);
}

// --- the tick ---------------------------------------------------------------

void ClockFace::tick()
{
    m_lastTickArea = QRect();
    if (m_fullPending || !isVisible() || !pictureFits()) {
        // Nothing on screen to keep in step: the next full paint draws afresh.
        m_shownTime = reduceTime(currentTime());
        m_fullPending = true;
    } else {
        QPainter p(&m_picture);
        m_lastTickArea = m_showMode == ClockStyle::Analog
                             ? paintAnalog(p, Paint::Update)
                             : paintDigital(p, digitalArea(), Paint::Update);
        p.end();
        if (!m_lastTickArea.isEmpty())
            update(m_lastTickArea);
    }
    speakTime();
    checkAlarm();
}
