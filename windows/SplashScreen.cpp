#include "SplashScreen.h"

#include "Handler.h"
#include "MainWindow.h"
#include "TipsWindow.h"

#include <QAction>
#include <QBitmap>
#include <QRandomGenerator>
#include <QTimer>

SplashScreen *Form12 = nullptr;

QImage bannerWithClearBlack(const QString &resource)
{
    QImage image = QImage(resource).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0x00FFFFFF) == 0)
                line[x] = 0;
    }
    return image;
}

SplashScreen::SplashScreen()
{
    setObjectName(QStringLiteral("Form12"));
    setWindowTitle(QString());
    // Never takes the mouse, the keyboard or the focus.
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                   Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(468, 60);
    setWindowColour(this, clBlack);

    Image1 = place(new ImageView(this), 0, 0, 468, 60);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPicture(bannerWithClearBlack(QStringLiteral(":/banners/banner1.png")));
    Image1->hide();
    Image2 = place(new ImageView(this), 0, 0, 468, 60);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setStretch(false);
    Image2->setPicture(bannerWithClearBlack(QStringLiteral(":/banners/banner2.png")));

    Blending.setEnabled(true);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(10);
    bindHandler(Timer1, &QTimer::timeout, this, &SplashScreen::Timer1Timer);
    // Ticks are message-driven: the fade starts once the message loop runs.
    Timer1->start();
}

void SplashScreen::FormCreate()
{
    if (Form1->SplashScreen1->isChecked()) {
        centreOnScreen(this);
        show();
    } else {
        Timer1->stop();
        hide();
        Form13->setVisible(Form1->N15->isChecked());
    }
    const bool first = QRandomGenerator::global()->bounded(2) == 0;
    Image1->setVisible(first);
    Image2->setVisible(!first);
    // Black is the colour key: the window is cut to the banner's other pixels.
    const QImage &banner = (first ? Image1 : Image2)->picture();
    setMask(QBitmap::fromImage(banner.createAlphaMask()));
}

void SplashScreen::Timer1Timer()
{
    Blending.setValue(Blending.value() - 1);
    if (Blending.value() > 0)
        return;
    hide();
    // Decided now, not at start: the user may have switched tips off meanwhile.
    if (Form1->N15->isChecked())
        Form13->show();
    Timer1->stop();
}
