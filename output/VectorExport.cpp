// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/VectorExport.h"

#include "base/Errors.h"
#include "base/TextFile.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QtSvg/QSvgGenerator>

namespace {

constexpr int kPdfResolution = 1200;
constexpr qreal kPdfMarginMm = 10;
// The picture's pixels are screen pixels.
constexpr int kScreenResolution = 96;
const QString kCreator = QStringLiteral("Dayrail XP");

FileError writeError(const QString &name)
{
    return FileError(
        QStringLiteral("Не удаётся записать файл \"%1\": ошибка построения рисунка").arg(name));
}

// Runs draw in picture coordinates mapped onto target, fitted and centred.
bool paintFitted(QPaintDevice *device, const QRectF &target, const VectorDrawing &draw,
                 const QSizeF &pictureSize)
{
    QPainter painter;
    if (!painter.begin(device))
        return false;
    const qreal scale =
        qMin(target.width() / pictureSize.width(), target.height() / pictureSize.height());
    const QSizeF fitted = pictureSize * scale;
    painter.translate(target.x() + (target.width() - fitted.width()) / 2,
                      target.y() + (target.height() - fitted.height()) / 2);
    painter.scale(scale, scale);
    const QRectF picture(QPointF(0, 0), pictureSize);
    painter.setClipRect(picture);
    draw(painter, picture);
    return painter.end();
}

bool writePdf(QBuffer &buffer, const VectorDrawing &draw, const QSizeF &pictureSize)
{
    QPdfWriter writer(&buffer);
    writer.setCreator(kCreator);
    writer.setResolution(kPdfResolution);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                    QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
                    QPageLayout::Millimeter));
    // The painter's area is the page inside the margins.
    const QRectF page(0, 0, writer.width(), writer.height());
    return paintFitted(&writer, page, draw, pictureSize);
}

bool writeSvg(QBuffer &buffer, const VectorDrawing &draw, const QSizeF &pictureSize)
{
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setResolution(kScreenResolution);
    generator.setSize(pictureSize.toSize());
    generator.setViewBox(QRectF(QPointF(0, 0), pictureSize));
    generator.setDescription(kCreator);
    return paintFitted(&generator, QRectF(QPointF(0, 0), pictureSize), draw, pictureSize);
}

} // namespace

VectorFormat vectorFormatFor(const QString &path)
{
    return path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive) ? VectorFormat::Svg
                                                                      : VectorFormat::Pdf;
}

QString vectorFileName(const QString &path)
{
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive) ||
        path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        return path;
    return path + QStringLiteral(".pdf");
}

QByteArray vectorData(VectorFormat format, const VectorDrawing &draw, const QSizeF &pictureSize,
                      const QString &name)
{
    if (pictureSize.isEmpty())
        throw writeError(name);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const bool painted = format == VectorFormat::Svg ? writeSvg(buffer, draw, pictureSize)
                                                     : writePdf(buffer, draw, pictureSize);
    if (!painted || buffer.data().isEmpty())
        throw writeError(name);
    return buffer.data();
}

QString saveVector(const QString &path, const VectorDrawing &draw, const QSizeF &pictureSize)
{
    const QString name = vectorFileName(path);
    writeFileAtomically(name, vectorData(vectorFormatFor(name), draw, pictureSize, name));
    return name;
}
