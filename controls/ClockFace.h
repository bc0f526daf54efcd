// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// ClockFace: the time as an analog dial or a digital line, kept up to date by
// its own 450 ms timer. The picture lives in an offscreen image; a tick draws
// only what changed into it and repaints just that area.
#include "ClockGeometry.h"
#include "Colours.h"
#include "TickTimer.h"

#include <QImage>
#include <QTime>
#include <QWidget>
#include <functional>

enum ClockStyle { scDigital, scAnalog };
enum PanelBevel { bvNone, bvLowered, bvRaised, bvSpace };
enum ClockBorder { bsNone, bsSingle };

// May replace the time the clock shows and tests.
using TimeSource = std::function<void(QObject *sender, QTime &time)>;

class QPainter;

class ClockFace : public QWidget {
    Q_OBJECT
public:
    explicit ClockFace(QWidget *parent = nullptr);
    ~ClockFace() override;

    bool AlarmEnabled() const { return m_alarmEnabled; }
    void SetAlarmEnabled(bool enabled) { m_alarmEnabled = enabled; }
    int AlarmHour() const { return m_alarmTime.hour(); }
    int AlarmMinute() const { return m_alarmTime.minute(); }
    int AlarmSecond() const { return m_alarmTime.second(); }
    // Throw ConvertError and keep the alarm time when the result is no time of day.
    void SetAlarmHour(int hour);
    void SetAlarmMinute(int minute);
    void SetAlarmSecond(int second);
    QTime AlarmTime() const { return m_alarmTime; }

    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize);
    ClockStyle ShowMode() const { return m_showMode; }
    void SetShowMode(ClockStyle mode);
    bool ShowSeconds() const { return m_showSeconds; }
    void SetShowSeconds(bool show);
    bool TwelveHour() const { return m_twelveHour; }
    void SetTwelveHour(bool twelveHour);
    bool LeadingZero() const { return m_leadingZero; }
    void SetLeadingZero(bool leadingZero);
    StoredColour dotsColor() const { return m_dotsColor; }
    void setDotsColor(StoredColour colour);

    // The panel's look.
    StoredColour color() const;
    void setColor(StoredColour colour);
    StoredColour fontColor() const;
    void setFontColor(StoredColour colour);
    bool Ctl3D() const { return m_ctl3D; }
    void SetCtl3D(bool ctl3D);
    PanelBevel BevelInner() const { return m_bevelInner; }
    void SetBevelInner(PanelBevel bevel);
    PanelBevel BevelOuter() const { return m_bevelOuter; }
    void SetBevelOuter(PanelBevel bevel);
    int BevelWidth() const { return m_bevelWidth; }
    void SetBevelWidth(int width);
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int width);
    ClockBorder BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(ClockBorder style);

    void SetOnAlarm(TickHandler handler) { m_onAlarm = std::move(handler); }
    void SetOnGetTime(TimeSource handler) { m_onGetTime = std::move(handler); }

    // The current time of day, or what OnGetTime makes of it.
    virtual QTime QueryTime();
    // After the stored properties are set.
    void Loaded();
    // Asks for a full paint.
    void Invalidate();
    // One tick of the timer: draw what changed, then test the alarm.
    void HandleTick();
    void TestAlarm();
    // A change of the system time.
    void WMTimeChange();

    // What the tools and tests look at.
    TickTimer *timer() const { return m_timer; }
    const QImage &picture() const { return m_picture; }
    QRect lastTickArea() const { return m_lastTickArea; }
    clockgeo::ShownTime shownTime() const { return m_shownTime; }
    clockgeo::TRect FaceRect() const { return m_faceRect; }
    int FaceRadius() const { return m_dial.radius; }
    QPoint FaceCentre() const { return m_dial.centre; }
    bool AlarmArmed() const { return m_alarmArmed; }
    bool fullPaintPending() const { return m_fullPending; }
    // Inside the border edge: where the panel draws.
    clockgeo::TRect clientArea() const;

protected:
    // Raises the alarm event; a descendant may override it.
    virtual void DoAlarm();
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Shared by every clock: the screen's shape and the dial's points.
    static const clockgeo::ScreenDensity &screenDensity();
    static const clockgeo::DialTable &dialPoints();
    enum class Paint { Full, Update };

    void Realign();
    void FitFont(const clockgeo::TRect &r);
    void RearmAlarm();
    void setAlarmElement(int hour, int minute, int second);
    void invalidateAndRealign();

    void paintWhole();
    clockgeo::TRect PaintFrame(QPainter &p);
    QRect PaintAnalog(QPainter &p, Paint mode);
    void PaintDial(QPainter &p);
    QRect PaintHand(QPainter &p, int index, clockgeo::Hand hand, const QColor &colour);
    QRect ToggleSecondHand(QPainter &p, int second);
    QRect PaintDigital(QPainter &p, const clockgeo::TRect &r, Paint mode);
    clockgeo::TRect digitalArea() const;
    int borderEdge() const;

    TickTimer *m_timer = nullptr;
    bool m_autoSize = false;
    ClockStyle m_showMode = scDigital;
    bool m_twelveHour = false;
    bool m_leadingZero = true;
    bool m_showSeconds = true;
    QTime m_alarmTime{0, 0};
    bool m_alarmEnabled = false;
    StoredColour m_dotsColor = clTeal;
    bool m_alarmArmed = true;
    clockgeo::ShownTime m_shownTime;
    clockgeo::TRect m_faceRect;
    clockgeo::DialLayout m_dial;
    TimeSource m_onGetTime;
    TickHandler m_onAlarm;

    bool m_ctl3D = true;
    PanelBevel m_bevelInner = bvLowered;
    PanelBevel m_bevelOuter = bvRaised;
    int m_bevelWidth = 1;
    int m_borderWidth = 0;
    ClockBorder m_borderStyle = bsNone;

    QImage m_picture;
    bool m_fullPending = true;
    bool m_fitting = false;
    QRect m_lastTickArea;
};
