// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ImageButtonLayout.h"

// C++ integer division truncates toward zero, which is what the layout wants
// even for buttons smaller than their bitmap.

QPoint imageButtonBitmapPos(QSize button, QSize bitmap, ImageLayout layout, bool showCaption)
{
    const int w = button.width(), h = button.height();
    const int bw = bitmap.width(), bh = bitmap.height();
    const QPoint centred(w / 2 - bw / 2, h / 2 - bh / 2);
    if (!showCaption)
        return centred;
    switch (layout) {
    case ImageLayout::BitmapTop: return {centred.x(), 6};
    case ImageLayout::BitmapBottom: return {centred.x(), h - bh - 6};
    case ImageLayout::BitmapLeft: return {6, centred.y()};
    case ImageLayout::BitmapRight: return {w - bw - 6, centred.y()};
    }
    return centred;
}

CaptionBox imageButtonCaptionArea(QSize button, QSize bitmap, ImageLayout layout)
{
    const int w = button.width(), h = button.height();
    const int bw = bitmap.width(), bh = bitmap.height();
    switch (layout) {
    case ImageLayout::BitmapTop: return {4, bh + 4, w - 4, h - 4};
    case ImageLayout::BitmapBottom: return {4, 4, w - 4, h - bh - 4};
    case ImageLayout::BitmapLeft: return {bw + 4, 4, w - 4, h - 4};
    case ImageLayout::BitmapRight: return {4, 4, w - bw - 4, h - 4};
    }
    return {4, 4, w - 4, h - 4};
}

CaptionBox imageButtonCaptionBox(QSize button, QSize bitmap, ImageLayout layout, QSize text)
{
    const int w = button.width(), h = button.height();
    const int bw = bitmap.width(), bh = bitmap.height();
    CaptionBox box = imageButtonCaptionArea(button, bitmap, layout);
    box.right = box.left + text.width();
    box.bottom = box.top + text.height();
    const int r = box.right, b = box.bottom;
    int dx = 0, dy = 0;
    switch (layout) {
    case ImageLayout::BitmapTop:
        dx = (w - 4) / 2 - r / 2;
        dy = (h - bh - 2) / 2 - b / 2 + bh / 2;
        break;
    case ImageLayout::BitmapBottom:
        dx = (w - 4) / 2 - r / 2;
        dy = (h - bh - 4) / 2 - b / 2;
        break;
    case ImageLayout::BitmapLeft:
        dx = (w - bw - 4) / 2 - r / 2 + bw / 2;
        dy = (h - 4) / 2 - b / 2;
        break;
    case ImageLayout::BitmapRight:
        dx = (w - bw - 4) / 2 - r / 2;
        dy = (h - 4) / 2 - b / 2;
        break;
    }
    return {box.left + dx, box.top + dy, box.right + dx, box.bottom + dy};
}
