// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/Pictures.h"

#include "base/Errors.h"
#include "base/Metafile.h"
#include "base/TextFile.h"

#include <QBuffer>

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <cmath>

namespace {

const QStringList &rasterFormats()
{
    static const QStringList formats = {QStringLiteral("bmp"), QStringLiteral("ico"),
                                        QStringLiteral("jpg"), QStringLiteral("jpeg"),
                                        QStringLiteral("gif"), QStringLiteral("png")};
    return formats;
}

// Marks the pictures that came from a bitmap file.
const QString kBitmapKey = QStringLiteral("Dayrail bitmap");

bool isJpegName(const QString &path)
{
    const QString ext = QFileInfo(path).suffix().toLower();
    return ext == QLatin1String("jpg") || ext == QLatin1String("jpeg");
}

PictureError refusal(const QString &path, const QString &reason)
{
    return PictureError(QStringLiteral("Не удаётся загрузить рисунок \"%1\": %2")
                            .arg(quotePathForMessage(path), reason));
}

// The size a JPEG of this size is decoded at: within the picture limits,
// halved as often as needed, which the decoder does while it reads (any
// other scale would decode the whole picture first).
QSize jpegDecodeSize(const QSize &size)
{
    QSize decoded = size;
    for (int shift = 1; shift <= 3 && !decoded.isEmpty() &&
                        !pictureSizeProblem(decoded.width(), decoded.height()).isEmpty();
         ++shift)
        decoded = QSize(qMax(1, size.width() >> shift), qMax(1, size.height() >> shift));
    return decoded;
}

void checkPictureFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw refusal(path, QStringLiteral("файл не найден"));
    if (!info.isFile())
        throw refusal(path, QStringLiteral("это не файл, а папка, канал или устройство"));
    if (info.size() > kMaxPictureFileBytes)
        throw refusal(
            path, QStringLiteral("файл больше %1 МБ").arg(kMaxPictureFileBytes / (1024 * 1024)));
}

} // namespace

QImage loadPicture(const QString &path)
{
    if (path.isEmpty())
        throw PictureError(QStringLiteral("Не указан файл рисунка"));
    const QString ext = QFileInfo(path).suffix().toLower();
    const bool metafile = ext == QLatin1String("emf") || ext == QLatin1String("wmf");
    if (!metafile && !rasterFormats().contains(ext))
        throw PictureError(QStringLiteral("Неизвестный формат рисунка \"%1\" (файл \"%2\")")
                               .arg(quoteForMessage(ext), quotePathForMessage(path)));
    checkPictureFile(path);
    if (metafile)
        return readMetafile(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw refusal(path, file.errorString());
    QImageReader reader(&file, ext == QLatin1String("jpg") ? QByteArray("jpeg") : ext.toLatin1());
    // The header tells the size: nothing that big is decoded. A JPEG decodes
    // at a fraction of its size, so a large photo comes in scaled down.
    const QSize size = reader.size();
    const QSize decoded = isJpegName(path) ? jpegDecodeSize(size) : size;
    if (decoded != size)
        reader.setScaledSize(decoded);
    const QString problem = pictureSizeProblem(decoded.width(), decoded.height());
    if (!problem.isEmpty())
        throw refusal(path, problem);
    QImage image = reader.read();
    if (image.isNull())
        throw refusal(path, reader.errorString());
    if (ext == QLatin1String("bmp")) {
        // A bitmap is drawn from a second copy without its transparent
        // colour: a large one is kept at half the pixels so that both stay
        // within the budget of one picture.
        const qint64 pixels = qint64(image.width()) * image.height();
        if (pixels > kMaxPicturePixels / 2) {
            const double scale = std::sqrt(double(kMaxPicturePixels / 2) / double(pixels));
            image = image.scaled(int(image.width() * scale), int(image.height() * scale),
                                 Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
        image.setText(kBitmapKey, QStringLiteral("1"));
    }
    return image;
}

QImage withoutTransparentColour(const QImage &picture)
{
    if (picture.isNull() || picture.text(kBitmapKey).isEmpty())
        return picture;
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb transparent = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (line[x] == transparent)
                line[x] = 0;
    }
    return image;
}

QString pictureFileFilter()
{
    return QStringLiteral("Все рисунки (*.bmp *.ico *.jpg *.jpeg *.gif *.png *.emf *.wmf);;"
                          "Bitmaps (*.bmp);;Icons (*.ico);;JPEG Image File (*.jpg *.jpeg);;"
                          "GIF Image (*.gif);;PNG Image (*.png);;"
                          "Enhanced Metafiles (*.emf);;Metafiles (*.wmf)");
}

void savePicture(const QImage &image, const QString &path)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, isJpegName(path) ? QByteArray("jpeg") : QByteArray("bmp"));
    if (isJpegName(path))
        writer.setQuality(90);
    // JPEG has no alpha; BMP is written at 24 bits like the rendered copy.
    if (!writer.write(image.convertToFormat(QImage::Format_RGB888)))
        throw FileError(
            QStringLiteral("Не удаётся записать файл \"%1\": %2").arg(path, writer.errorString()));
    writeFileAtomically(path, buffer.data());
}
