#pragma once
// Pictures loaded by their file's extension, and raster pictures written.
#include <QImage>
#include <QString>

// Throws PictureError naming the file and the reason.
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
