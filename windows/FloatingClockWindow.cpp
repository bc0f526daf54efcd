#include "FloatingClockWindow.h"

#include "MainWindow.h"

#include <QCloseEvent>

FloatingClockWindow *Form10 = nullptr;

namespace {
constexpr StoredColour kClockWindowColour = 16776176; // red 240, green 251, blue 255
}

FloatingClockWindow::FloatingClockWindow()
{
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral("Часы"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(115, 106);
    setWindowColour(this, kClockWindowColour);

    RxClock1 = place(new ClockFace(this), 0, 0, 113, 105);
    RxClock1->setObjectName(QStringLiteral("RxClock1"));
    RxClock1->setAccessibleName(QStringLiteral("Часы"));
    QFont face = font();
    face.setPixelSize(18);
    RxClock1->setFont(face);
    RxClock1->setColor(kClockWindowColour);
    RxClock1->SetShowMode(scAnalog);
    RxClock1->setDotsColor(clBlack);
    RxClock1->SetBorderStyle(bsSingle);
    RxClock1->SetAutoSize(true);
    RxClock1->Loaded();
}

void FloatingClockWindow::FormCreate() {}

void FloatingClockWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Opened centred on the desktop; later it stays where the user left it.
    if (!m_placed)
        centreOnScreen(this);
    m_placed = true;
}

void FloatingClockWindow::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    // Closing the clock of the clock-only view must not lose the program.
    if (Form1)
        Form1->keepReachable(this);
}
