#include "Pictures.h"

#include "Errors.h"

#include <QFileInfo>
#include <QImageReader>

QImage loadPicture(const QString &path)
{
    if (path.isEmpty())
        throw PictureError(QStringLiteral("Не указан файл рисунка"));
    const QString ext = QFileInfo(path).suffix().toLower();
    static const QStringList known = {QStringLiteral("bmp"), QStringLiteral("ico"),
                                      QStringLiteral("jpg"), QStringLiteral("jpeg"),
                                      QStringLiteral("gif"), QStringLiteral("png")};
    if (!known.contains(ext))
        throw PictureError(
            QStringLiteral("Неизвестный формат рисунка \"%1\" (файл \"%2\")").arg(ext, path));
    QImageReader reader(path, ext == QLatin1String("jpg") ? QByteArray("jpeg") : ext.toLatin1());
    QImage image = reader.read();
    if (image.isNull())
        throw PictureError(QStringLiteral("Не удаётся загрузить рисунок \"%1\": %2")
                               .arg(path, reader.errorString()));
    return image;
}
