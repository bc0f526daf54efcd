// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading metafiles back: the bitmap records of the enhanced and the classic
// format, each file checked for size and damage before anything big is made.
#include "base/Metafile.h"

#include "base/Errors.h"
#include "base/TextFile.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QtEndian>

#include <cstddef>
#include <uemf.h>
#include <uwmf.h>

QString pictureSizeProblem(qint64 width, qint64 height)
{
    if (width > kMaxPictureSide || height > kMaxPictureSide)
        return QStringLiteral("рисунок размером %1 × %2 точек больше допустимых %3 × %3")
            .arg(width)
            .arg(height)
            .arg(kMaxPictureSide);
    if (width * height > kMaxPicturePixels)
        return QStringLiteral("рисунок размером %1 × %2 точек слишком велик: допустимо не больше "
                              "%3 млн точек")
            .arg(width)
            .arg(height)
            .arg(kMaxPicturePixels / (1024 * 1024));
    return QString();
}

namespace {

// Bitmaps this program puts into a metafile: one. Others' files may tile a
// picture, but never by the thousand.
constexpr int kMaxBitmapRecords = 4096;
// Pixels decoded and drawn, as a multiple of the canvas: a few tiny records
// must not make the reader fill a big canvas over and over.
constexpr qint64 kWorkPerCanvasPixel = 8;
constexpr qint64 kWorkFloor = qint64(1) << 20;

class Reader {
public:
    Reader(const QByteArray &data, const QString &name) : m_data(data), m_name(name) {}

    QImage read()
    {
        if (m_data.size() >= 44 && u32(0) == U_EMR_HEADER && u32(40) == U_ENHMETA_SIGNATURE)
            return readEnhanced();
        if (m_data.size() >= 22 && u32(0) == 0x9AC6CDD7u)
            return readClassic(22, true);
        if (m_data.size() >= 18 && (u16(0) == 1 || u16(0) == 2) && u16(2) == 9)
            return readClassic(0, false);
        throw fail(QStringLiteral("файл не является метафайлом"));
    }

private:
    PictureError fail(const QString &reason) const
    {
        return PictureError(QStringLiteral("Не удаётся загрузить рисунок \"%1\": %2")
                                .arg(quotePathForMessage(m_name), reason));
    }
    PictureError damaged() const { return fail(QStringLiteral("повреждена запись метафайла")); }
    // Little-endian, byte by byte.
    template <typename T> T bytesAt(qint64 at) const
    {
        quint32 value = 0;
        for (int i = int(sizeof(T)) - 1; i >= 0; --i)
            value = (value << 8) | quint8(m_data.at(at + i));
        return T(value);
    }
    bool has(qint64 offset, qint64 length) const
    {
        return offset >= 0 && length >= 0 && offset + length <= m_data.size();
    }
    quint32 u32(qint64 at) const { return has(at, 4) ? bytesAt<quint32>(at) : 0; }
    qint32 i32(qint64 at) const { return qint32(u32(at)); }
    quint16 u16(qint64 at) const { return has(at, 2) ? bytesAt<quint16>(at) : 0; }
    qint16 i16(qint64 at) const { return qint16(u16(at)); }

    // Checked before anything is allocated.
    void checkCanvas(qint64 width, qint64 height) const
    {
        if (width <= 0 || height <= 0)
            throw fail(QStringLiteral("неверный размер рисунка в заголовке"));
        const QString problem = pictureSizeProblem(width, height);
        if (!problem.isEmpty())
            throw fail(problem);
    }
    QImage canvas(qint64 width, qint64 height)
    {
        checkCanvas(width, height);
        QImage image(int(width), int(height), QImage::Format_ARGB32_Premultiplied);
        if (image.isNull())
            throw fail(QStringLiteral("не хватает памяти"));
        image.fill(Qt::transparent);
        m_workLeft = kWorkFloor + kWorkPerCanvasPixel * width * height;
        return image;
    }
    void spend(qint64 pixels)
    {
        m_workLeft -= pixels;
        if (m_workLeft < 0)
            throw damaged();
    }
    void countBitmap(int &bitmaps) const
    {
        if (++bitmaps > kMaxBitmapRecords)
            throw fail(QStringLiteral("слишком много растровых рисунков"));
    }

    // Decodes a device-independent bitmap through the BMP reader by putting
    // a file header in front of it.
    QImage decodeDib(qint64 infoAt, qint64 infoSize, qint64 bitsAt, qint64 bitsSize)
    {
        if (!has(infoAt, infoSize) || !has(bitsAt, bitsSize) || infoSize < 12)
            throw fail(QStringLiteral("повреждён растровый рисунок"));
        QByteArray bmp("BM");
        const quint32 total = quint32(14 + infoSize + bitsSize);
        const quint32 offBits = quint32(14 + infoSize);
        char field[4];
        qToLittleEndian<quint32>(total, field);
        bmp.append(field, 4);
        bmp.append(4, '\0');
        qToLittleEndian<quint32>(offBits, field);
        bmp.append(field, 4);
        bmp.append(m_data.constData() + infoAt, infoSize);
        bmp.append(m_data.constData() + bitsAt, bitsSize);
        QBuffer buffer(&bmp);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "bmp");
        // A compressed bitmap may declare far more pixels than its bytes hold.
        const QSize size = reader.size();
        const QString problem = pictureSizeProblem(size.width(), size.height());
        if (!problem.isEmpty())
            throw fail(problem);
        spend(qint64(qMax(size.width(), 0)) * qMax(size.height(), 0));
        const QImage image = reader.read();
        if (image.isNull())
            throw fail(QStringLiteral("повреждён растровый рисунок"));
        return image;
    }

    // Size of a packed bitmap's header and colour table.
    qint64 dibInfoSize(qint64 at, qint64 limit) const
    {
        const quint32 headerSize = u32(at);
        if (headerSize == 12) { // the old core header: three bytes per colour
            const int bits = u16(at + 10);
            return 12 + (bits <= 8 ? (qint64(1) << bits) * 3 : 0);
        }
        if (headerSize < 40 || !has(at, 40))
            throw fail(QStringLiteral("повреждён растровый рисунок"));
        const int bits = u16(at + 14);
        const quint32 compression = u32(at + 16);
        const quint32 used = u32(at + 32);
        qint64 colours = used ? used : (bits <= 8 ? qint64(1) << bits : 0);
        const qint64 masks = (compression == 3 && headerSize == 40) ? 12 : 0;
        const qint64 size = headerSize + masks + colours * 4;
        if (size > limit - at)
            throw fail(QStringLiteral("повреждён растровый рисунок"));
        return size;
    }

    // Coordinates beyond any sensible picture are damage, not a picture.
    int coordinate(qint64 value) const
    {
        if (value < -1000000 || value > 1000000)
            throw damaged();
        return int(value);
    }
    QRect rect(qint64 x, qint64 y, qint64 w, qint64 h) const
    {
        return QRect(coordinate(x), coordinate(y), coordinate(w), coordinate(h));
    }
    // Bottom-up bitmaps count their source rows from the bottom.
    QRect sourceRect(const QImage &dib, bool bottomUp, qint64 x, qint64 y, qint64 w, qint64 h) const
    {
        return rect(x, bottomUp ? dib.height() - y - h : y, w, h);
    }
    // Draws a bitmap, counting the canvas pixels it covers.
    void draw(QPainter &painter, const QRect &target, const QImage &dib, const QRect &source)
    {
        const QRect covered = painter.transform().mapRect(target).intersected(
            QRect(0, 0, painter.device()->width(), painter.device()->height()));
        spend(qint64(covered.width()) * covered.height());
        painter.drawImage(target, dib, source);
    }

    // Calls visit(at, type, size) for every record before the end record.
    template <typename Visit> void walkEnhanced(Visit visit) const
    {
        for (qint64 at = 0; has(at, 8);) {
            const quint32 type = u32(at), size = u32(at + 4);
            if (size < 8 || size % 4 || !has(at, size))
                throw damaged();
            if (type == U_EMR_EOF)
                break;
            visit(at, type, size);
            at += size;
        }
    }

    QImage readEnhanced()
    {
        const qint32 left = i32(8), top = i32(12), right = i32(16), bottom = i32(20);
        checkCanvas(qint64(right) - left + 1, qint64(bottom) - top + 1);
        // The records are looked through before the canvas is made.
        int bitmaps = 0;
        walkEnhanced([&](qint64, quint32 type, quint32 size) {
            if (type != U_EMR_STRETCHDIBITS)
                return;
            if (size < sizeof(U_EMRSTRETCHDIBITS))
                throw damaged();
            countBitmap(bitmaps);
        });
        if (bitmaps == 0)
            throw fail(QStringLiteral("в метафайле нет растрового рисунка"));
        QImage image = canvas(qint64(right) - left + 1, qint64(bottom) - top + 1);
        QPainter painter(&image);
        walkEnhanced([&](qint64 at, quint32 type, quint32 size) {
            if (type == U_EMR_STRETCHDIBITS)
                drawStretchDiBits(painter, at, size, left, top);
        });
        painter.end();
        return image;
    }

    void drawStretchDiBits(QPainter &painter, qint64 at, qint64 size, qint32 left, qint32 top)
    {
        const qint64 end = at + size;
        const qint64 infoAt = at + u32(at + offsetof(U_EMRSTRETCHDIBITS, offBmiSrc));
        const qint64 infoSize = u32(at + offsetof(U_EMRSTRETCHDIBITS, cbBmiSrc));
        const qint64 bitsAt = at + u32(at + offsetof(U_EMRSTRETCHDIBITS, offBitsSrc));
        const qint64 bitsSize = u32(at + offsetof(U_EMRSTRETCHDIBITS, cbBitsSrc));
        if (infoAt + infoSize > end || bitsAt + bitsSize > end)
            throw damaged();
        const QImage dib = decodeDib(infoAt, infoSize, bitsAt, bitsSize);
        const qint64 dest = at + offsetof(U_EMRSTRETCHDIBITS, Dest);
        const qint64 src = at + offsetof(U_EMRSTRETCHDIBITS, Src);
        const qint64 csrc = at + offsetof(U_EMRSTRETCHDIBITS, cSrc);
        const qint64 cdest = at + offsetof(U_EMRSTRETCHDIBITS, cDest);
        const bool bottomUp = i32(infoAt + 8) > 0;
        draw(
            painter,
            rect(qint64(i32(dest)) - left, qint64(i32(dest + 4)) - top, i32(cdest), i32(cdest + 4)),
            dib, sourceRect(dib, bottomUp, i32(src), i32(src + 4), i32(csrc), i32(csrc + 4)));
    }

    // Calls visit(at, function, bytes) for every record before the end record.
    template <typename Visit> void walkClassic(qint64 headerAt, Visit visit) const
    {
        for (qint64 at = headerAt + 18; has(at, 6);) {
            const qint64 bytes = qint64(u32(at)) * 2;
            const quint16 function = u16(at + 4);
            if (bytes < 6 || !has(at, bytes))
                throw damaged();
            if (function == 0x0000) // end of file
                break;
            visit(at, function, bytes);
            at += bytes;
        }
    }

    QImage readClassic(qint64 headerAt, bool placeable)
    {
        if (u16(headerAt + 2) != 9)
            throw fail(QStringLiteral("повреждён заголовок метафайла"));
        QPoint origin(0, 0);
        QSize extent;
        QSize size;
        if (placeable) {
            size = QSize(i16(10) - i16(6), i16(12) - i16(8));
            origin = QPoint(i16(6), i16(8));
            extent = size;
            checkCanvas(size.width(), size.height());
        }
        // First the window and the bitmaps are found; only then is the canvas
        // made and each bitmap decoded in turn.
        int bitmaps = 0;
        walkClassic(headerAt, [&](qint64 at, quint16 function, qint64 bytes) {
            if (function == 0x020B && bytes >= 10) // window origin: y, x
                origin = QPoint(i16(at + 8), i16(at + 6));
            else if (function == 0x020C && bytes >= 10) // window extent: y, x
                extent = QSize(i16(at + 8), i16(at + 6));
            else if (function == 0x0F43) { // stretched bitmap
                if (bytes < U_SIZE_WMRSTRETCHDIB + 40)
                    throw damaged();
                countBitmap(bitmaps);
            }
        });
        if (!placeable)
            size = extent;
        if (!extent.isValid() || extent.isEmpty())
            throw fail(QStringLiteral("не задан размер метафайла"));
        checkCanvas(size.width(), size.height());
        if (bitmaps == 0)
            throw fail(QStringLiteral("в метафайле нет растрового рисунка"));
        QImage image = canvas(size.width(), size.height());
        QPainter painter(&image);
        // Logical units of the window map onto the whole canvas.
        painter.scale(double(size.width()) / extent.width(),
                      double(size.height()) / extent.height());
        painter.translate(-origin);
        walkClassic(headerAt, [&](qint64 at, quint16 function, qint64 bytes) {
            if (function == 0x0F43)
                drawStretchDib(painter, at, bytes);
        });
        return image;
    }

    void drawStretchDib(QPainter &painter, qint64 at, qint64 bytes)
    {
        const qint64 infoAt = at + U_SIZE_WMRSTRETCHDIB;
        const qint64 infoSize = dibInfoSize(infoAt, at + bytes);
        const QImage dib =
            decodeDib(infoAt, infoSize, infoAt + infoSize, at + bytes - infoAt - infoSize);
        const bool bottomUp = i32(infoAt + 8) > 0;
        draw(painter, QRect(i16(at + 26), i16(at + 24), i16(at + 22), i16(at + 20)), dib,
             sourceRect(dib, bottomUp, i16(at + 18), i16(at + 16), i16(at + 14), i16(at + 12)));
    }

    const QByteArray &m_data;
    QString m_name;
    qint64 m_workLeft = 0;
};

} // namespace

QImage readMetafileData(const QByteArray &data, const QString &name)
{
    return Reader(data, name).read();
}

QImage readMetafile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw PictureError(QStringLiteral("Не удаётся загрузить рисунок \"%1\": %2")
                               .arg(quotePathForMessage(path), file.errorString()));
    return readMetafileData(file.readAll(), path);
}
