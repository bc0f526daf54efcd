// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/Metafile.h"

#include "base/Errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryFile>

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

int32_t hundredthsOfMm(int pixels)
{
    return int32_t(qRound(pixels * 2540.0 / kDpi));
}

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
    } catch (const DayrailError &) {
        throw writeError(path, QStringLiteral("ошибка записи метафайла"));
    }
    temporary.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                             QFileDevice::ReadGroup | QFileDevice::ReadOther);
    if (std::rename(temporaryName.constData(), QFile::encodeName(path).constData()) != 0)
        throw writeError(path, QString::fromLocal8Bit(std::strerror(errno)));
    temporary.setAutoRemove(false);
}
