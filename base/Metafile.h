// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Metafiles holding one picture: the enhanced format and the placeable
// Windows metafile. Written with libuemf; read back here, bitmap records only,
// which is all this program puts into them.
#include <QByteArray>
#include <QImage>
#include <QString>

enum class MetafileFormat { Enhanced, Placeable };

// Largest picture decoded: at most this many pixels each way, and at most
// kMaxPicturePixels in all (64 MiB at four bytes a pixel: with the decoder's
// own buffers and the program the peak stays under 150 MB). For a metafile:
// its canvas and every bitmap inside.
constexpr int kMaxPictureSide = 8192;
constexpr qint64 kMaxPicturePixels = qint64(16) * 1024 * 1024;

// Why a picture of this size is not decoded, else empty.
QString pictureSizeProblem(qint64 width, qint64 height);

// A name ending in ".wmf" (any letter case) gets the placeable Windows
// metafile, every other name the enhanced one.
MetafileFormat metafileFormatFor(const QString &path);

// Writes a metafile as big as the image whose only content is the image
// drawn at (0, 0). An existing file is replaced whole; a failure leaves it as
// it was and throws FileError.
void writeMetafile(const QImage &image, const QString &path);

// Draws the bitmap records of a metafile onto a transparent canvas of the
// metafile's size. Throws PictureError naming the file and the reason, also
// for a canvas or bitmap beyond kMaxPictureSide. readMetafile() expects a
// regular file (loadPicture() checks that first).
QImage readMetafile(const QString &path);
QImage readMetafileData(const QByteArray &data, const QString &name);
