// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// ClockFace: the time as an analog dial or a digital line, kept up to date by
// its own 450 ms timer. The picture lives in an offscreen image; a tick draws
// only what changed into it and repaints just that area. Its accessible name
// is the time it shows; a heading belongs in the accessible description.
#include "base/Colours.h"
#include "controls/ClockGeometry.h"
#include "controls/TickTimer.h"

#include <QImage>
#include <QTime>
#include <QWidget>
#include <functional>

enum class ClockStyle { Digital, Analog };
enum class PanelBevel { NoBevel, Lowered, Raised, Space };
enum class ClockBorder { NoBorder, Single };

// Gives the time the clock shows and tests; a time it leaves invalid falls
// back to the system clock.
using TimeSource = std::function<void(QObject *sender, QTime &time)>;

class QPainter;
class SystemTimeWatcher;

class ClockFace : public QWidget {
    Q_OBJECT
public:
    explicit ClockFace(QWidget *parent = nullptr);
    ~ClockFace() override;
    // Redraws and re-checks the alarm at once whenever watcher sees the
    // system clock set.
    void followTimeChanges(SystemTimeWatcher &watcher);

    bool isAlarmEnabled() const { return m_alarmEnabled; }
    void setAlarmEnabled(bool enabled) { m_alarmEnabled = enabled; }
    int alarmHour() const { return m_alarmTime.hour(); }
    int alarmMinute() const { return m_alarmTime.minute(); }
    int alarmSecond() const { return m_alarmTime.second(); }
    // Throw ConvertError and keep the alarm time when the result is no time of day.
    void setAlarmHour(int hour);
    void setAlarmMinute(int minute);
    void setAlarmSecond(int second);
    QTime alarmTime() const { return m_alarmTime; }

    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);
    ClockStyle showMode() const { return m_showMode; }
    void setShowMode(ClockStyle mode);
    bool secondsShown() const { return m_secondsShown; }
    void setSecondsShown(bool show);
    bool isTwelveHour() const { return m_twelveHour; }
    void setTwelveHour(bool twelveHour);
    bool hasLeadingZero() const { return m_leadingZero; }
    void setLeadingZero(bool leadingZero);
    QColor dotsColor() const { return m_dotsColor; }
    void setDotsColor(const QColor &colour);

    // The panel's look.
    QColor color() const;
    void setColor(const QColor &colour);
    QColor fontColor() const;
    void setFontColor(const QColor &colour);
    bool is3D() const { return m_is3D; }
    void set3D(bool threeD);
    PanelBevel innerBevel() const { return m_innerBevel; }
    void setInnerBevel(PanelBevel bevel);
    PanelBevel outerBevel() const { return m_outerBevel; }
    void setOuterBevel(PanelBevel bevel);
    int bevelWidth() const { return m_bevelWidth; }
    void setBevelWidth(int width);
    int borderWidth() const { return m_borderWidth; }
    void setBorderWidth(int width);
    ClockBorder borderStyle() const { return m_borderStyle; }
    void setBorderStyle(ClockBorder style);

    void setTimeSource(TimeSource source) { m_timeSource = std::move(source); }

    // The current time of day, or what the time source makes of it.
    virtual QTime currentTime();
    // After the stored properties are set.
    void completeSetup();
    // Asks for a full paint.
    void invalidate();
    // One tick of the timer: draw what changed, rename, then test the alarm.
    void tick();
    void checkAlarm();
    // A change of the system time.
    void handleSystemTimeChange();

    // What the tools and tests look at.
    TickTimer *timer() const { return m_timer; }
    const QImage &picture() const { return m_picture; }
    QRect lastTickArea() const { return m_lastTickArea; }
    clockgeo::ShownTime shownTime() const { return m_shownTime; }
    clockgeo::Rect faceRect() const { return m_faceRect; }
    int faceRadius() const { return m_dial.radius; }
    QPoint faceCentre() const { return m_dial.centre; }
    bool isAlarmArmed() const { return m_alarmArmed; }
    bool isFullPaintPending() const { return m_fullPending; }
    // Inside the border edge: where the panel draws.
    clockgeo::Rect clientArea() const;

signals:
    // The alarm time has come, once a day while the alarm is enabled.
    void alarmTriggered();
    // A tick or a change of the system time failed; the clock goes on.
    void failed(const QString &text);

protected:
    // Emits alarmTriggered; a descendant may override it.
    virtual void raiseAlarm();
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Shared by every clock: the screen's shape and the dial's points.
    static const clockgeo::ScreenDensity &screenDensity();
    static const clockgeo::DialTable &dialPoints();
    enum class Paint { Full, Update };

    void realign();
    void fitFont(const clockgeo::Rect &r);
    void rearmAlarm();
    // Names the clock by the time it shows, for screen readers.
    void speakTime();
    void setAlarmElement(int hour, int minute, int second);
    void invalidateAndRealign();

    // Whether the picture matches the widget's size and the screen's scale.
    bool pictureFits() const;
    // The palette the face is drawn with: the widget's own, unless its text
    // would not read on the face's colour.
    QPalette faceColours() const;
    void paintWhole();
    clockgeo::Rect paintFrame(QPainter &p);
    QRect paintAnalog(QPainter &p, Paint mode);
    void paintDial(QPainter &p, const QPalette &pal);
    QRect paintHand(QPainter &p, int index, clockgeo::Hand hand, const QColor &colour);
    QRect toggleSecondHand(QPainter &p, int second);
    QRect paintDigital(QPainter &p, const clockgeo::Rect &r, Paint mode);
    clockgeo::Rect digitalArea() const;
    int borderEdge() const;

    TickTimer *m_timer = nullptr;
    bool m_autoSize = false;
    ClockStyle m_showMode = ClockStyle::Digital;
    bool m_twelveHour = false;
    bool m_leadingZero = true;
    bool m_secondsShown = true;
    QTime m_alarmTime{0, 0};
    bool m_alarmEnabled = false;
    QColor m_dotsColor = colours::teal;
    bool m_alarmArmed = true;
    clockgeo::ShownTime m_shownTime;
    clockgeo::Rect m_faceRect;
    clockgeo::DialLayout m_dial;
    TimeSource m_timeSource;

    bool m_is3D = true;
    PanelBevel m_innerBevel = PanelBevel::Lowered;
    PanelBevel m_outerBevel = PanelBevel::Raised;
    int m_bevelWidth = 1;
    int m_borderWidth = 0;
    ClockBorder m_borderStyle = ClockBorder::NoBorder;

    QImage m_picture;
    bool m_fullPending = true;
    bool m_fitting = false;
    QRect m_lastTickArea;
};
