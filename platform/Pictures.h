#pragma once
// Pictures loaded by their file's extension, and raster pictures written.
#include <QImage>
#include <QString>

// Throws PictureError naming the file and the reason.
QImage loadPicture(const QString &path);

// Filter of the picture open dialog: every format loadPicture knows.
QString pictureFileFilter();

// Writes a JPEG under a ".jpg" or ".jpeg" name and a BMP under any other,
// replacing an existing file whole. Throws FileError.
void savePicture(const QImage &image, const QString &path);
