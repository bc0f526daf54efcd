// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TrayDayIcon.h"

#include "base/RussianText.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPixmap>
#include <QTime>
#include <QtMath>

namespace {

const QString kIconPath = QStringLiteral(":/icons/calendar32.png");
// Geometry of that icon at its own 32 pixels: the white page under the red
// header, where it prints its own number, and the colour of that number.
constexpr qreal kIconSize = 32;
const QRectF kPage(2, 12, 28, 16);
const QColor kNumberColour(198, 40, 40);

// The largest bold face whose digits fit box with a pixel to spare.
QFont numberFont(const QString &text, const QSizeF &box)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setStretch(QFont::SemiCondensed);
    for (int pixels = qMax(4, qCeil(box.height() * 1.4)); pixels > 4; --pixels) {
        font.setPixelSize(pixels);
        const QRectF ink = QFontMetricsF(font).tightBoundingRect(text);
        if (ink.width() <= box.width() - 1 && ink.height() <= box.height() - 1)
            break;
    }
    return font;
}

} // namespace

QImage trayDayImage(int day, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const qreal scale = size / kIconSize;
    const QRectF page(kPage.topLeft() * scale, kPage.size() * scale);
    painter.drawImage(QRectF(0, 0, size, size), QImage(kIconPath));
    painter.fillRect(page, Qt::white); // the icon's own number goes
    const QString text = QString::number(day);
    painter.setFont(numberFont(text, page.size()));
    painter.setPen(kNumberColour);
    // Centre the ink, not the line box: digits have no descent.
    const QRectF ink = QFontMetricsF(painter.font()).tightBoundingRect(text);
    const QPointF origin(page.center().x() - ink.center().x(),
                         page.center().y() - ink.center().y());
    painter.drawText(QPointF(qRound(origin.x()), qRound(origin.y())), text);
    return image;
}

QIcon trayDayIcon(int day)
{
    QIcon icon;
    for (int size : kTrayIconSizes)
        icon.addPixmap(QPixmap::fromImage(trayDayImage(day, size)));
    return icon;
}

QString trayDayToolTip(const QDate &date)
{
    return QStringLiteral("Dayrail — ") + longDateText(date);
}

qint64 msecsUntilNextDay(const QDateTime &now)
{
    // In now's own time zone; addDays keeps the wall time across a change
    // to or from summer time.
    QDateTime midnight = now;
    midnight.setTime(QTime(0, 0));
    return qMax<qint64>(1, now.msecsTo(midnight.addDays(1)));
}
