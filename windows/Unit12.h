#pragma once
// The splash screen: a borderless banner that fades out at start-up, then
// makes way for the tips when they are switched on.
#include "Widgets.h"

#include <QWidget>

class QTimer;

class TForm12 : public QWidget {
    Q_OBJECT
public:
    TForm12();
    void FormCreate();
    void Timer1Timer();

    TImage *Image1 = nullptr;
    TImage *Image2 = nullptr;
    QTimer *Timer1 = nullptr;
    AlphaBlending Blending{this, 250};
};

extern TForm12 *Form12;

// A banner with its black pixels made see-through, as the splash shows it.
QImage bannerWithClearBlack(const QString &resource);
