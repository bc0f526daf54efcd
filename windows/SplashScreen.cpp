// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/SplashScreen.h"

#include "controls/ImageButton.h"
#include "platform/Handler.h"

#include <QBitmap>
#include <QRandomGenerator>
#include <QTimer>

namespace {

// A banner with its black pixels made see-through, as the splash shows it.
QImage bannerWithClearBlack(const QString &resource, qreal ratio)
{
    QImage image = shippedPicture(resource, ratio).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0x00FFFFFF) == 0)
                line[x] = 0;
    }
    return image;
}

} // namespace

SplashScreen::SplashScreen(DialogSeam &dialogs, QWidget *parent)
    : QWidget(parent), m_dialogs(dialogs)
{
    keepLayoutFont(this);
    setObjectName(QStringLiteral("splashScreen"));
    setWindowTitle(QString());
    // Never takes the mouse, the keyboard or the focus.
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                   Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(468, 60);
    setWindowColour(this, colours::black);

    m_firstBanner = place(new ImageView(this), 0, 0, 468, 60);
    m_firstBanner->setObjectName(QStringLiteral("firstBanner"));
    m_firstBanner->setPicture(
        bannerWithClearBlack(QStringLiteral(":/banners/banner1.png"), devicePixelRatioF()));
    m_secondBanner = place(new ImageView(this), 0, 0, 468, 60);
    m_secondBanner->setObjectName(QStringLiteral("secondBanner"));
    m_secondBanner->setStretch(false);
    m_secondBanner->setPicture(
        bannerWithClearBlack(QStringLiteral(":/banners/banner2.png"), devicePixelRatioF()));

    m_blending.setEnabled(true);
    m_fadeTimer = new QTimer(this);
    m_fadeTimer->setObjectName(QStringLiteral("fadeTimer"));
    m_fadeTimer->setInterval(10);
    bindHandler(m_dialogs, m_fadeTimer, &QTimer::timeout, this, &SplashScreen::fadeStep);

    chooseBanner();
}

void SplashScreen::play()
{
    centreOnScreen(this);
    show();
    // Ticks are message-driven: the fade starts once the message loop runs.
    m_fadeTimer->start();
}

void SplashScreen::chooseBanner()
{
    const bool first = QRandomGenerator::global()->bounded(2) == 0;
    m_firstBanner->setVisible(first);
    m_secondBanner->setVisible(!first);
    // Black is the colour key: the window is cut to the banner's other pixels.
    const QImage &banner = (first ? m_firstBanner : m_secondBanner)->picture();
    setMask(QBitmap::fromImage(banner.createAlphaMask()));
}

void SplashScreen::fadeStep()
{
    m_blending.setValue(m_blending.value() - 1);
    if (m_blending.value() > 0)
        return;
    hide();
    m_fadeTimer->stop();
    emit finished();
}
