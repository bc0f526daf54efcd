#include "Pictures.h"

#include "Errors.h"
#include "Metafile.h"
#include "TextFile.h"

#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QBuffer>

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

} // namespace

QImage loadPicture(const QString &path)
{
    if (path.isEmpty())
        throw PictureError(QStringLiteral("Не указан файл рисунка"));
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext == QLatin1String("emf") || ext == QLatin1String("wmf"))
        return readMetafile(path);
    if (!rasterFormats().contains(ext))
        throw PictureError(
            QStringLiteral("Неизвестный формат рисунка \"%1\" (файл \"%2\")").arg(ext, path));
    QImageReader reader(path, ext == QLatin1String("jpg") ? QByteArray("jpeg") : ext.toLatin1());
    QImage image = reader.read();
    if (image.isNull())
        throw PictureError(QStringLiteral("Не удаётся загрузить рисунок \"%1\": %2")
                               .arg(path, reader.errorString()));
    if (ext == QLatin1String("bmp"))
        image.setText(kBitmapKey, QStringLiteral("1"));
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
        throw FileError(QStringLiteral("Не удаётся записать файл \"%1\": %2")
                            .arg(path, writer.errorString()));
    writeFileAtomically(path, buffer.data());
}
