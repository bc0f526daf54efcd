// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ImageButton.h"

#include <QEnterEvent>
#include <QFile>
#include <QFontMetrics>
#include <QKeySequence>
#include <QPainter>
#include <QShortcutEvent>

namespace {

constexpr int kCaptionFlags =
    Qt::TextWordWrap | Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextShowMnemonic;

QString withoutMnemonics(QString text)
{
    text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

} // namespace

QImage shippedPicture(const QString &resource, qreal ratio)
{
    if (ratio > 1.0) {
        const qsizetype dot = resource.lastIndexOf(QLatin1Char('.'));
        const QString twice = resource.left(dot) + QStringLiteral("@2x") + resource.mid(dot);
        // The reader gives a picture named "@2x" its ratio of 2.
        if (dot > 0 && QFile::exists(twice))
            return QImage(twice);
    }
    return QImage(resource);
}

QImage withoutCornerColour(const QImage &bitmap, const QColor *paint)
{
    QImage out = bitmap.convertToFormat(QImage::Format_ARGB32);
    if (out.isNull())
        return out;
    const QRgb key = qRgb(qRed(out.pixel(0, 0)), qGreen(out.pixel(0, 0)), qBlue(out.pixel(0, 0)));
    const QRgb fill = paint ? paint->rgba() : 0;
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb px = line[x];
            if (qAlpha(px) == 0 || (px & RGB_MASK) == (key & RGB_MASK))
                line[x] = 0;
            else if (paint)
                line[x] = fill;
        }
    }
    return out;
}

ImageButton::ImageButton(QWidget *parent) : QPushButton(parent)
{
    resize(75, 25);
    setAttribute(Qt::WA_Hover);
}

void ImageButton::setBitmapLayout(ImageLayout layout)
{
    if (layout == m_layout)
        return;
    m_layout = layout;
    update();
}

void ImageButton::setBitmap(const QImage &bitmap)
{
    m_bitmap = bitmap;
    update();
}

void ImageButton::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    setAccessibleName(withoutMnemonics(caption));
    if (m_accelerator)
        releaseShortcut(m_accelerator);
    const QKeySequence letter = QKeySequence::mnemonic(caption);
    m_accelerator = letter.isEmpty() ? 0 : grabShortcut(letter);
    emit captionChanged();
    update();
}

void ImageButton::setCaptionShown(bool show)
{
    if (show == m_captionShown)
        return;
    m_captionShown = show;
    update();
}

QSize ImageButton::bitmapSize() const
{
    // A picture for a scaled screen takes the room of its 1x size.
    return m_bitmap.isNull() ? QSize(0, 0) : m_bitmap.deviceIndependentSize().toSize();
}

QPoint ImageButton::bitmapPos() const
{
    return imageButtonBitmapPos(size(), bitmapSize(), m_layout, m_captionShown);
}

CaptionBox ImageButton::captionBox() const
{
    const CaptionBox area = imageButtonCaptionArea(size(), bitmapSize(), m_layout);
    // Measured as drawn: lines broken at word boundaries to fit the area's
    // width; a word wider than the area widens the box.
    const QRect measured = QFontMetrics(font()).boundingRect(
        QRect(0, 0, qMax(area.width(), 0), qMax(area.height(), 0)), kCaptionFlags, m_caption);
    return imageButtonCaptionBox(size(), bitmapSize(), m_layout, measured.size());
}

bool ImageButton::event(QEvent *e)
{
    if (e->type() == QEvent::Shortcut) {
        auto *se = static_cast<QShortcutEvent *>(e);
        if (m_accelerator && se->shortcutId() == m_accelerator) {
            if (se->isAmbiguous()) {
                // Two buttons share the letter: move between them instead.
                setFocus(Qt::ShortcutFocusReason);
            } else if (isEnabled() && isVisible()) {
                click();
            }
            return true;
        }
    }
    return QPushButton::event(e);
}

void ImageButton::paintEvent(QPaintEvent *e)
{
    QPushButton::paintEvent(e);

    QPainter painter(this);
    painter.setFont(font());
    const QPoint at = bitmapPos();
    const bool withCaption = !m_caption.isEmpty() && m_captionShown;
    QColor text;
    if (isEnabled()) {
        if (!m_bitmap.isNull())
            painter.drawImage(at, withoutCornerColour(m_bitmap));
        text = palette().color(QPalette::Active, QPalette::ButtonText);
    } else {
        text = palette().color(QPalette::Disabled, QPalette::ButtonText);
        drawEmbossed(painter, at);
    }
    if (withCaption) {
        painter.setPen(text);
        // The box is exactly as wide as the widest line; a little slack on
        // both sides keeps rounding from breaking lines differently than
        // they were measured, and leaves the centring as it is.
        painter.drawText(captionBox().toRect().adjusted(-2, 0, 2, 0), kCaptionFlags, m_caption);
    }
}

void ImageButton::drawEmbossed(QPainter &painter, QPoint at) const
{
    if (m_bitmap.isNull())
        return;
    // The shape is every pixel not of the corner colour: a highlight copy one
    // pixel right and down, the shadow copy over it.
    // The system's highlight and shadow, not the greyed variants.
    const QColor highlight = palette().color(QPalette::Active, QPalette::Light);
    const QColor shadow = palette().color(QPalette::Active, QPalette::Dark);
    painter.drawImage(at + QPoint(1, 1), withoutCornerColour(m_bitmap, &highlight));
    painter.drawImage(at, withoutCornerColour(m_bitmap, &shadow));
}

void ImageButton::enterEvent(QEnterEvent *e)
{
    QPushButton::enterEvent(e);
    if (isEnabled())
        update();
    emit mouseEntered();
}

void ImageButton::leaveEvent(QEvent *e)
{
    QPushButton::leaveEvent(e);
    if (isEnabled())
        update();
    emit mouseLeft();
}
