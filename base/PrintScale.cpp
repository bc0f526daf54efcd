// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/PrintScale.h"

#include <QtGlobal>

QSize printScaleSize(PrintScaling scale, QSize image, QSize printable, int dpiX, int dpiY)
{
    const qint64 w = image.width(), h = image.height();
    if (w <= 0 || h <= 0)
        return {0, 0};
    switch (scale) {
    case PrintScaling::None: return image;
    case PrintScaling::Proportional:
        return {qRound(double(w) * dpiX / 96.0), qRound(double(h) * dpiY / 96.0)};
    case PrintScaling::FitToPage: break;
    }
    // The page height decides unless the width it gives would not fit.
    const qint64 W = printable.width(), H = printable.height();
    const int width = qRound(double(w) * H / h);
    if (width < W)
        return {width, int(H)};
    return {int(W), qRound(double(h) * W / w)};
}
