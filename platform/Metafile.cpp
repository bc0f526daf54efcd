#include "Metafile.h"

#include "Errors.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QScreen>
#include <QTemporaryFile>
#include <QtEndian>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <uwmf.h>

namespace {

// Pictures of this program are 96 pixels per inch.
constexpr int kDpi = 96;
constexpr int32_t kPelsPerMetre = 3780;

FileError writeError(const QString &path, const QString &reason)
{
    return FileError(QStringLiteral("Не удаётся записать файл \"%1\": %2").arg(path, reason));
}

// The picture as a 24-bit bottom-up device-independent bitmap.
struct Dib {
    PU_BITMAPINFO info = nullptr;
    char *pixels = nullptr;
    uint32_t size = 0;
    Dib() = default;
    Dib(const Dib &) = delete;
    Dib &operator=(const Dib &) = delete;
    ~Dib()
    {
        std::free(info);
        std::free(pixels);
    }
};

void makeDib(const QImage &image, Dib &dib)
{
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    PU_RGBQUAD table = nullptr;
    int tableSize = 0;
    const int failed =
        RGBA_to_DIB(&dib.pixels, &dib.size, &table, &tableSize,
                    reinterpret_cast<const char *>(rgba.constBits()), rgba.width(), rgba.height(),
                    int(rgba.bytesPerLine()), U_BCBM_COLOR24, U_CT_NO, U_ROW_ORDER_INVERT);
    std::free(table);
    if (failed || !dib.pixels)
        throw DayrailError(QStringLiteral("Не удаётся преобразовать рисунок для метафайла"));
    const U_BITMAPINFOHEADER header = bitmapinfoheader_set(
        rgba.width(), rgba.height(), 1, 24, U_BI_RGB, dib.size, kPelsPerMetre, kPelsPerMetre, 0, 0);
    dib.info = bitmapinfo_set(header, nullptr);
}

// The screen is the reference device; its size in millimetres at 96 dpi.
U_SIZEL referencePixels()
{
    const QScreen *screen = qobject_cast<QGuiApplication *>(QCoreApplication::instance())
                                ? QGuiApplication::primaryScreen()
                                : nullptr;
    const QSize size = screen ? screen->size() : QSize(1024, 768);
    return sizel_set(size.width(), size.height());
}

int32_t hundredthsOfMm(int pixels) { return int32_t(qRound(pixels * 2540.0 / kDpi)); }

// One metafile being recorded by libuemf: its two writers share this shape.
template <typename Track, typename Handles, typename Record> class Recording {
public:
    struct Api {
        int (*start)(const char *, uint32_t, uint32_t, Track **);
        int (*createHandles)(uint32_t, uint32_t, Handles **);
        int (*append)(Record *, Track *, int);
        int (*free)(Track **);
        int (*freeHandles)(Handles **);
    };
    Recording(const Api &api, const QByteArray &file) : m_api(api)
    {
        if (api.start(file.constData(), 1u << 20, 1u << 18, &track) ||
            api.createHandles(16, 16, &handles))
            throw DayrailError(QStringLiteral("cannot start"));
    }
    Recording(const Recording &) = delete;
    Recording &operator=(const Recording &) = delete;
    ~Recording()
    {
        // Finishing closes the file; a failure on the way leaves it to us.
        if (track) {
            if (track->fp)
                std::fclose(track->fp);
            track->fp = nullptr;
            m_api.free(&track);
        }
        if (handles)
            m_api.freeHandles(&handles);
    }
    void append(char *record, int (*how)(Record *, Track *, int) = nullptr)
    {
        if (!record ||
            (how ? how : m_api.append)(reinterpret_cast<Record *>(record), track, U_REC_FREE))
            throw DayrailError(QStringLiteral("cannot append"));
    }

    Track *track = nullptr;
    Handles *handles = nullptr;

private:
    Api m_api;
};

using EnhancedRecording = Recording<EMFTRACK, EMFHANDLES, U_ENHMETARECORD>;
using PlaceableRecording = Recording<WMFTRACK, WMFHANDLES, U_METARECORD>;

void writeEnhanced(const QImage &image, const Dib &dib, const QByteArray &file)
{
    EnhancedRecording emf({emf_start, emf_htable_create, emf_append, emf_free, emf_htable_free},
                          file);
    const int w = image.width(), h = image.height();
    const U_RECTL bounds = {0, 0, w - 1, h - 1};
    const U_RECTL frame = {0, 0, hundredthsOfMm(w) - 1, hundredthsOfMm(h) - 1};
    const U_SIZEL device = referencePixels();
    const U_SIZEL millimetres =
        sizel_set(qRound(device.cx * 25.4 / kDpi), qRound(device.cy * 25.4 / kDpi));
    emf.append(U_EMRHEADER_set(bounds, frame, nullptr, 0, nullptr, device, millimetres, 0));
    emf.append(U_EMRSTRETCHDIBITS_set(bounds, point32_set(0, 0), point32_set(w, h),
                                      point32_set(0, 0), point32_set(w, h), U_DIB_RGB_COLORS,
                                      U_SRCCOPY, dib.info, dib.size, dib.pixels));
    emf.append(U_EMREOF_set(0, nullptr, emf.track));
    if (emf_finish(emf.track, emf.handles))
        throw DayrailError(QStringLiteral("cannot finish"));
}

void writePlaceable(const QImage &image, const Dib &dib, const QByteArray &file)
{
    PlaceableRecording wmf({wmf_start, wmf_htable_create, wmf_append, wmf_free, wmf_htable_free},
                           file);
    const int16_t w = int16_t(image.width()), h = int16_t(image.height());
    U_PAIRF *inches = U_PAIRF_set(float(w) / kDpi, float(h) / kDpi);
    char *header = U_WMRHEADER_set(inches, kDpi);
    std::free(inches);
    wmf.append(header, wmf_header_append);
    wmf.append(U_WMRSETWINDOWORG_set(point16_set(0, 0)));
    wmf.append(U_WMRSETWINDOWEXT_set(point16_set(w, h)));
    wmf.append(U_WMRSTRETCHDIB_set(point16_set(0, 0), point16_set(w, h), point16_set(0, 0),
                                   point16_set(w, h), U_DIB_RGB_COLORS, U_SRCCOPY, dib.info,
                                   dib.size, dib.pixels));
    wmf.append(U_WMREOF_set());
    if (wmf_finish(wmf.track))
        throw DayrailError(QStringLiteral("cannot finish"));
}

} // namespace

MetafileFormat metafileFormatFor(const QString &path)
{
    return path.endsWith(QLatin1String(".wmf"), Qt::CaseInsensitive) ? MetafileFormat::Placeable
                                                                     : MetafileFormat::Enhanced;
}

void writeMetafile(const QImage &image, const QString &path)
{
    const MetafileFormat format = metafileFormatFor(path);
    // The classic format counts in 16-bit words and coordinates.
    const int limit = format == MetafileFormat::Placeable ? 32767 : 1 << 20;
    if (image.isNull() || image.width() > limit || image.height() > limit)
        throw writeError(path, QStringLiteral("рисунок слишком велик для метафайла"));
    Dib dib;
    makeDib(image, dib);

    // libuemf writes into a file of its own; it replaces the target only
    // once it is complete.
    const QFileInfo target(path);
    QTemporaryFile temporary(target.absolutePath() + QStringLiteral("/.dayrail-XXXXXX.part"));
    if (!temporary.open())
        throw writeError(path, temporary.errorString());
    temporary.close();
    const QByteArray temporaryName = QFile::encodeName(temporary.fileName());
    try {
        if (format == MetafileFormat::Placeable)
            writePlaceable(image, dib, temporaryName);
        else
            writeEnhanced(image, dib, temporaryName);
    }
    catch (const DayrailError &) {
        throw writeError(path, QStringLiteral("ошибка записи метафайла"));
    }
    temporary.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                             QFileDevice::ReadGroup | QFileDevice::ReadOther);
    if (std::rename(temporaryName.constData(), QFile::encodeName(path).constData()) != 0)
        throw writeError(path, QString::fromLocal8Bit(std::strerror(errno)));
    temporary.setAutoRemove(false);
}

// ---- reading ----

namespace {

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
        return PictureError(
            QStringLiteral("Не удаётся загрузить рисунок \"%1\": %2").arg(m_name, reason));
    }
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

    QImage canvas(qint64 width, qint64 height) const
    {
        if (width <= 0 || height <= 0 || width > 20000 || height > 20000)
            throw fail(QStringLiteral("неверный размер рисунка в заголовке"));
        QImage image(int(width), int(height), QImage::Format_ARGB32_Premultiplied);
        if (image.isNull())
            throw fail(QStringLiteral("не хватает памяти"));
        image.fill(Qt::transparent);
        return image;
    }

    // Decodes a device-independent bitmap through the BMP reader by putting
    // a file header in front of it.
    QImage decodeDib(qint64 infoAt, qint64 infoSize, qint64 bitsAt, qint64 bitsSize) const
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
            throw fail(QStringLiteral("повреждена запись метафайла"));
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

    QImage readEnhanced() const
    {
        const qint32 left = i32(8), top = i32(12), right = i32(16), bottom = i32(20);
        QImage image = canvas(qint64(right) - left + 1, qint64(bottom) - top + 1);
        QPainter painter(&image);
        bool drawn = false;
        for (qint64 at = 0; has(at, 8);) {
            const quint32 type = u32(at), size = u32(at + 4);
            if (size < 8 || size % 4 || !has(at, size))
                throw fail(QStringLiteral("повреждена запись метафайла"));
            if (type == U_EMR_EOF)
                break;
            if (type == U_EMR_STRETCHDIBITS) {
                if (size < sizeof(U_EMRSTRETCHDIBITS))
                    throw fail(QStringLiteral("повреждена запись метафайла"));
                const qint64 end = at + size;
                const qint64 infoAt = at + u32(at + offsetof(U_EMRSTRETCHDIBITS, offBmiSrc));
                const qint64 infoSize = u32(at + offsetof(U_EMRSTRETCHDIBITS, cbBmiSrc));
                const qint64 bitsAt = at + u32(at + offsetof(U_EMRSTRETCHDIBITS, offBitsSrc));
                const qint64 bitsSize = u32(at + offsetof(U_EMRSTRETCHDIBITS, cbBitsSrc));
                if (infoAt + infoSize > end || bitsAt + bitsSize > end)
                    throw fail(QStringLiteral("повреждена запись метафайла"));
                const QImage dib = decodeDib(infoAt, infoSize, bitsAt, bitsSize);
                const qint64 dest = at + offsetof(U_EMRSTRETCHDIBITS, Dest);
                const qint64 src = at + offsetof(U_EMRSTRETCHDIBITS, Src);
                const qint64 csrc = at + offsetof(U_EMRSTRETCHDIBITS, cSrc);
                const qint64 cdest = at + offsetof(U_EMRSTRETCHDIBITS, cDest);
                const bool bottomUp = i32(infoAt + 8) > 0;
                painter.drawImage(
                    rect(qint64(i32(dest)) - left, qint64(i32(dest + 4)) - top, i32(cdest),
                         i32(cdest + 4)),
                    dib,
                    sourceRect(dib, bottomUp, i32(src), i32(src + 4), i32(csrc), i32(csrc + 4)));
                drawn = true;
            }
            at += size;
        }
        painter.end();
        if (!drawn)
            throw fail(QStringLiteral("в метафайле нет растрового рисунка"));
        return image;
    }

    QImage readClassic(qint64 headerAt, bool placeable) const
    {
        const quint16 headerWords = u16(headerAt + 2);
        if (headerWords != 9)
            throw fail(QStringLiteral("повреждён заголовок метафайла"));
        QPoint origin(0, 0);
        QSize extent;
        QSize size;
        if (placeable) {
            size = QSize(i16(10) - i16(6), i16(12) - i16(8));
            origin = QPoint(i16(6), i16(8));
            extent = size;
        }
        struct Draw {
            QRect target;
            QImage dib;
            QRect source;
        };
        std::vector<Draw> draws;
        for (qint64 at = headerAt + 18; has(at, 6);) {
            const qint64 size16 = u32(at);
            const quint16 function = u16(at + 4);
            const qint64 bytes = size16 * 2;
            if (bytes < 6 || !has(at, bytes))
                throw fail(QStringLiteral("повреждена запись метафайла"));
            if (function == 0x0000) // end of file
                break;
            if (function == 0x020B && bytes >= 10) // window origin: y, x
                origin = QPoint(i16(at + 8), i16(at + 6));
            else if (function == 0x020C && bytes >= 10) // window extent: y, x
                extent = QSize(i16(at + 8), i16(at + 6));
            else if (function == 0x0F43) { // stretched bitmap
                if (bytes < U_SIZE_WMRSTRETCHDIB + 40)
                    throw fail(QStringLiteral("повреждена запись метафайла"));
                const qint64 infoAt = at + U_SIZE_WMRSTRETCHDIB;
                const qint64 infoSize = dibInfoSize(infoAt, at + bytes);
                const QImage dib =
                    decodeDib(infoAt, infoSize, infoAt + infoSize, at + bytes - infoAt - infoSize);
                const bool bottomUp = i32(infoAt + 8) > 0;
                draws.push_back({QRect(i16(at + 26), i16(at + 24), i16(at + 22), i16(at + 20)), dib,
                                 sourceRect(dib, bottomUp, i16(at + 18), i16(at + 16), i16(at + 14),
                                            i16(at + 12))});
            }
            at += bytes;
        }
        if (!placeable)
            size = extent;
        if (!extent.isValid() || extent.isEmpty())
            throw fail(QStringLiteral("не задан размер метафайла"));
        QImage image = canvas(size.width(), size.height());
        if (draws.empty())
            throw fail(QStringLiteral("в метафайле нет растрового рисунка"));
        QPainter painter(&image);
        // Logical units of the window map onto the whole canvas.
        painter.scale(double(size.width()) / extent.width(),
                      double(size.height()) / extent.height());
        painter.translate(-origin);
        for (const Draw &draw : draws)
            painter.drawImage(draw.target, draw.dib, draw.source);
        return image;
    }

    const QByteArray &m_data;
    QString m_name;
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
                               .arg(path, file.errorString()));
    return readMetafileData(file.readAll(), path);
}
