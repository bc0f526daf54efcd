// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pictures loaded by their file's extension, and raster pictures written.
#include <QImage>
#include <QString>

// Largest picture file opened. Pictures are decoded only within the size
// limits of Metafile.h (pictureSizeProblem), metafiles' canvases too.
constexpr qint64 kMaxPictureFileBytes = 64 * 1024 * 1024;

// Opens only a regular file (a pipe, device or folder would hang the
// program or read forever) within the limits above. Throws PictureError, one
// message naming the file and the reason.
QImage loadPicture(const QString &path);

// A bitmap (a picture loaded from a ".bmp" file) with the colour of its
// bottom-left pixel left out, as a transparent picture control draws it.
// Other pictures carry their own transparency and come back unchanged.
QImage withoutTransparentColour(const QImage &picture);

// Filter of the picture open dialog: every format loadPicture knows.
QString pictureFileFilter();

// Writes a JPEG under a ".jpg" or ".jpeg" name and a BMP under any other,
// replacing an existing file whole. Throws FileError.
void savePicture(const QImage &image, const QString &path);
