#pragma once
// Pictures loaded by their file's extension.
#include <QImage>
#include <QString>

// Throws PictureError naming the file and the reason.
QImage loadPicture(const QString &path);
