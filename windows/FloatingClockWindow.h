// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The floating clock: a small stay-on-top window with one analog clock,
// ticking only while it is on screen.
#include "platform/Widgets.h"

#include <QWidget>

class CalendarModel;
class ClockFace;
class WindowServices;

class FloatingClockWindow : public QWidget {
    Q_OBJECT
public:
    FloatingClockWindow(CalendarModel &model, WindowServices &services, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // A reader announces the window with its description: the time then.
    void changeEvent(QEvent *event) override;

private:
    WindowServices &m_services;
    ClockFace *m_clock = nullptr;
    // Off with the value 225 until the opacity settings say otherwise.
    AlphaBlending m_blending{this, 225};
    bool m_placed = false;
};
