#pragma once
// The floating clock: a small stay-on-top window with one analog clock.
#include "ClockFace.h"
#include "Widgets.h"

#include <QWidget>

class FloatingClockWindow : public QWidget {
    Q_OBJECT
public:
    FloatingClockWindow();
    void FormCreate();

    ClockFace *RxClock1 = nullptr;
    // Off at creation with the value 225; the transparency settings drive it.
    AlphaBlending Blending{this, 225};

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    bool m_placed = false;
};

extern FloatingClockWindow *Form10;
