// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pictures saved as vector files: a PDF page or an SVG document, with lines
// and text kept as lines and text (fonts embedded in the PDF).
#include <QByteArray>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <functional>

class QPainter;

enum class VectorFormat { Pdf, Svg };

// Draws the picture into the painter; the rectangle is the picture's own
// area, (0, 0) and its size in 96 dpi pixels, in which the painter draws.
// Fonts sized in pixels, or widgets rendered with QWidget::render, come out
// as on screen.
using VectorDrawing = std::function<void(QPainter &, const QRectF &)>;

// The name that is written for path: as it is when it ends in ".pdf" or
// ".svg" (any letter case), otherwise with ".pdf" added.
QString vectorFileName(const QString &path);
VectorFormat vectorFormatFor(const QString &path);

// The file's bytes. PDF: one A4 landscape page at 1200 dpi with the picture
// centred and fitted inside 10 mm margins, keeping its proportions.
// SVG: the picture at its own size. Throws FileError naming name.
QByteArray vectorData(VectorFormat format, const VectorDrawing &draw, const QSizeF &pictureSize,
                      const QString &name = QString());

// Writes the picture under vectorFileName(path), replacing an existing file
// whole, and returns that name. Throws FileError; a failure leaves the
// previous file as it was.
QString saveVector(const QString &path, const VectorDrawing &draw, const QSizeF &pictureSize);
