// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A push button that paints its own caption and an optional bitmap over the
// toolkit's button face. The face (border, hot and pressed looks, focus and
// default frames) stays the toolkit's; the toolkit's own text stays empty.
#include "controls/ImageButtonLayout.h"

#include <QImage>
#include <QPushButton>

class ImageButton : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption NOTIFY captionChanged)
    Q_PROPERTY(bool captionShown READ captionShown WRITE setCaptionShown)
public:
    explicit ImageButton(QWidget *parent = nullptr);

    ImageLayout bitmapLayout() const { return m_layout; }
    void setBitmapLayout(ImageLayout layout);

    // The button keeps its own copy of the picture.
    const QImage &bitmap() const { return m_bitmap; }
    void setBitmap(const QImage &bitmap);

    // "&" marks the accelerator letter: Alt with it clicks the button.
    const QString &caption() const { return m_caption; }
    void setCaption(const QString &caption);

    bool captionShown() const { return m_captionShown; }
    void setCaptionShown(bool show);

    // Where the bitmap and the caption go at the button's present size and font.
    QPoint bitmapPos() const;
    CaptionBox captionBox() const;

signals:
    void mouseEntered(); // the mouse came onto the button
    void mouseLeft();    // the mouse left it
    void captionChanged();

protected:
    bool event(QEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    void enterEvent(QEnterEvent *e) override;
    void leaveEvent(QEvent *e) override;

private:
    QSize bitmapSize() const;
    void drawEmbossed(QPainter &painter, QPoint at) const;

    ImageLayout m_layout = ImageLayout::BitmapLeft;
    QImage m_bitmap;
    QString m_caption;
    bool m_captionShown = true;
    int m_accelerator = 0; // shortcut id of the "&" letter, 0 when none
};

// A compiled-in picture for a screen of the given scale: its "@2x" version
// (device pixel ratio 2) above 1x where one is shipped, else the picture itself.
QImage shippedPicture(const QString &resource, qreal ratio);

// The bitmap with every pixel of its top-left pixel's colour made transparent;
// with a paint colour, the remaining pixels all take that colour (the shape).
QImage withoutCornerColour(const QImage &bitmap, const QColor *paint = nullptr);
