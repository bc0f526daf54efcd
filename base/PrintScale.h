// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a window's image is scaled on the printed page. No widgets here.
#include <QSize>

enum class PrintScaling {
    None,         // one image pixel per printer dot
    Proportional, // the image's on-screen size (96 pixels per inch) on paper
    FitToPage     // the largest size with the image's proportions that fits the page
};

// Size on the page, in printer dots, of an image of the given pixel size on
// a printable area of the given size in dots, at dpiX x dpiY dots per inch.
QSize printScaleSize(PrintScaling scale, QSize image, QSize printable, int dpiX, int dpiY);
