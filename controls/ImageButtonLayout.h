// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where an image button puts its bitmap and its caption: plain arithmetic on
// the button's and the bitmap's sizes, kept apart from the drawing so that it
// can be checked without any widget.
#include <QPoint>
#include <QRect>
#include <QSize>

// The side of the button the bitmap takes when the caption is shown.
enum class ImageLayout { BitmapTop = 0, BitmapBottom = 1, BitmapLeft = 2, BitmapRight = 3 };

// A box with exclusive right and bottom edges, as the text measuring uses them.
struct CaptionBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    QRect toRect() const { return QRect(left, top, width(), height()); }
    bool operator==(const CaptionBox &o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

// Top-left corner of the bitmap on a button of the given size.
QPoint imageButtonBitmapPos(QSize button, QSize bitmap, ImageLayout layout, bool showCaption);

// The box the caption is measured in: the button less a 4-pixel margin and
// less the bitmap's side.
CaptionBox imageButtonCaptionArea(QSize button, QSize bitmap, ImageLayout layout);

// The caption box of the paint: the measured text (width x height) placed at
// the area's top-left corner, then shifted so that it sits centred in the
// part of the button the bitmap leaves free.
CaptionBox imageButtonCaptionBox(QSize button, QSize bitmap, ImageLayout layout, QSize text);
