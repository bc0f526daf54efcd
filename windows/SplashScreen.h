// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The splash screen: a borderless banner that fades out at start-up and says
// when it is gone; what comes next is the program's to decide.
#include "platform/Widgets.h"

#include <QWidget>

class DialogSeam;
class QTimer;

class SplashScreen : public QWidget {
    Q_OBJECT
public:
    explicit SplashScreen(DialogSeam &dialogs, QWidget *parent = nullptr);

    // Shows the banner centred on the screen and starts the fade.
    void play();
    // One step of the fade, as the fade timer makes every 10 ms.
    void fadeStep();

signals:
    // The fade has ended and the banner is hidden.
    void finished();

private:
    DialogSeam &m_dialogs;
    void chooseBanner();

    ImageView *m_firstBanner = nullptr;
    ImageView *m_secondBanner = nullptr;
    QTimer *m_fadeTimer = nullptr;
    AlphaBlending m_blending{this, 250};
};
