#pragma once
// The splash screen: a borderless banner that fades out at start-up, then
// makes way for the tips when they are switched on.
#include "Widgets.h"

#include <QWidget>

class QTimer;

class SplashScreen : public QWidget {
    Q_OBJECT
public:
    SplashScreen();
    void FormCreate();
    void Timer1Timer();

    ImageView *Image1 = nullptr;
    ImageView *Image2 = nullptr;
    QTimer *Timer1 = nullptr;
    AlphaBlending Blending{this, 250};
};

extern SplashScreen *Form12;

// A banner with its black pixels made see-through, as the splash shows it.
QImage bannerWithClearBlack(const QString &resource);
