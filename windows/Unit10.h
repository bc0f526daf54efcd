#pragma once
// The floating clock: a small stay-on-top window with one analog clock.
#include "RXClock.h"
#include "Widgets.h"

#include <QWidget>

class TForm10 : public QWidget {
    Q_OBJECT
public:
    TForm10();
    void FormCreate();

    TRxClock *RxClock1 = nullptr;
    // Off at creation with the value 225; the transparency settings drive it.
    AlphaBlending Blending{this, 225};

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    bool m_placed = false;
};

extern TForm10 *Form10;
