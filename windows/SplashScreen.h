// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The splash screen: a borderless banner that fades out at start-up, then
// makes way for the tips when they are switched on. Made once, at start.
#include "Widgets.h"

#include <QWidget>

class CalendarModel;
class QTimer;
class WindowServices;

class SplashScreen : public QWidget {
    Q_OBJECT
public:
    // Shows itself when the splash is switched on; otherwise stays hidden
    // and brings up the tips at once when they are on.
    SplashScreen(CalendarModel &model, WindowServices &services, QWidget *parent = nullptr);

    // One step of the fade, as the fade timer makes every 10 ms.
    void fadeStep();

private:
    void chooseBanner();

    CalendarModel &m_model;
    WindowServices &m_services;
    ImageView *m_firstBanner = nullptr;
    ImageView *m_secondBanner = nullptr;
    QTimer *m_fadeTimer = nullptr;
    AlphaBlending m_blending{this, 250};
};
