// SPDX-License-Identifier: GPL-3.0-or-later
// The only file that knows libtiff. libtiff reports errors through handlers given to each
// open file (never the process-wide ones, which concurrent decodes would share), and by
// return values; it never jumps.
#include "imaging/tiffcodec.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QIODevice>
#include <QRegularExpression>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <memory>
#include <new>
#include <tiffio.h>
#include <vector>

namespace quorvel::tiff
{
namespace
{

// The most libtiff may allocate at once (a strip or tile buffer): more than the largest
// picture decoded needs, far less than a hostile directory may claim.
constexpr tmsize_t kMaxSingleAllocation = tmsize_t(512) << 20;
// Directories looked at for reduced-resolution copies of the first page.
constexpr int kMaxDirectories = 32;
// Rows decoded at a time (rounded up to whole strips or tiles): the RGBA band between
// libtiff and the picture stays small.
constexpr uint32_t kBandRows = 256;

struct Context {
    QIODevice *device = nullptr;
    QString error; // libtiff's first error message
};

tmsize_t onRead(thandle_t handle, void *buffer, tmsize_t size)
{
    auto *context = static_cast<Context *>(handle);
    return tmsize_t(std::max<qint64>(0, context->device->read(static_cast<char *>(buffer), qint64(size))));
}

tmsize_t onWrite(thandle_t, void *, tmsize_t)
{
    return 0;
}

toff_t onSeek(thandle_t handle, toff_t offset, int whence)
{
    QIODevice *device = static_cast<Context *>(handle)->device;
    qint64 target = qint64(offset);
    if (whence == SEEK_CUR)
        target += device->pos();
    else if (whence == SEEK_END)
        target += device->size();
    if (target < 0 || target > device->size() || !device->seek(target))
        return toff_t(-1);
    return toff_t(target);
}

int onClose(thandle_t)
{
    return 0;
}

toff_t onSize(thandle_t handle)
{
    return toff_t(static_cast<Context *>(handle)->device->size());
}

int onMap(thandle_t, void **, toff_t *)
{
    return 0;
}

void onUnmap(thandle_t, void *, toff_t) { }

int onError(TIFF *, void *userData, const char *module, const char *format, va_list arguments)
{
    auto *context = static_cast<Context *>(userData);
    if (context->error.isEmpty()) {
        char text[256];
        std::vsnprintf(text, sizeof text, format, arguments);
        // Messages may begin with the file name libtiff was given, which says nothing here.
        context->error = QString::fromLocal8Bit(text).remove(QRegularExpression(QStringLiteral("^picture: ")));
        if (context->error.isEmpty() && module)
            context->error = QString::fromLocal8Bit(module);
    }
    return 1; // handled: libtiff's process-wide handler prints nothing
}

// Warnings (unknown tags, an odd field type) leave a usable picture.
int onWarning(TIFF *, void *, const char *, const char *, va_list)
{
    return 1;
}

struct TiffCloser {
    void operator()(TIFF *tif) const
    {
        TIFFClose(tif);
    }
};
using TiffFile = std::unique_ptr<TIFF, TiffCloser>;

struct OptionsFreer {
    void operator()(TIFFOpenOptions *options) const
    {
        TIFFOpenOptionsFree(options);
    }
};

QString damaged(const Context &context)
{
    if (context.error.isEmpty())
        return QCoreApplication::translate("quorvel::imaging", "The TIFF file is damaged.");
    return QCoreApplication::translate("quorvel::imaging", "The TIFF file cannot be read: %1.").arg(context.error);
}

// A directory holding a version of the first page: a top-level directory, or a SubIFD
// at an offset.
struct Page {
    tdir_t directory = 0;
    toff_t subOffset = 0;
    uint32_t width = 0;
    uint32_t height = 0;
};

bool select(TIFF *tif, const Page &page)
{
    return page.subOffset ? TIFFSetSubDirectory(tif, page.subOffset) : TIFFSetDirectory(tif, page.directory);
}

bool sameAspect(const Page &a, const Page &b)
{
    // within 1 % (reduced copies are rounded to whole pixels)
    const double cross = double(a.width) * b.height;
    const double other = double(a.height) * b.width;
    return std::abs(cross - other) <= 0.01 * std::max(cross, other);
}

// The smallest reduced-resolution copy of the first page whose longer side still covers
// minLongSide; the first page itself when there is none.
Page pageFor(TIFF *tif, const Page &first, int minLongSide)
{
    std::vector<Page> candidates;
    uint16_t count = 0;
    toff_t *offsets = nullptr;
    if (TIFFGetField(tif, TIFFTAG_SUBIFD, &count, &offsets) && offsets) {
        for (const toff_t offset : std::vector<toff_t>(offsets, offsets + std::min<int>(count, kMaxDirectories)))
            candidates.push_back(Page { 0, offset, 0, 0 });
    }
    for (tdir_t d = 1; d < kMaxDirectories && TIFFSetDirectory(tif, d); ++d)
        candidates.push_back(Page { d, 0, 0, 0 });
    Page best = first;
    for (Page &page : candidates) {
        uint32_t type = 0;
        if (!select(tif, page) || !TIFFGetField(tif, TIFFTAG_SUBFILETYPE, &type) || !(type & FILETYPE_REDUCEDIMAGE)
            || (type & FILETYPE_MASK))
            continue;
        TIFFGetField(tif, TIFFTAG_IMAGEWIDTH, &page.width);
        TIFFGetField(tif, TIFFTAG_IMAGELENGTH, &page.height);
        if (page.width == 0 || page.height == 0 || !sameAspect(page, first)
            || std::max(page.width, page.height) < uint32_t(minLongSide)
            || qint64(page.width) * page.height >= qint64(best.width) * best.height)
            continue;
        best = page;
    }
    return best;
}

// The common page (8-bit grey or RGB, with or without alpha, in strips, the samples of a
// pixel together) read row by row straight into the picture: libtiff's RGBA reader would
// pass every pixel through a 32-bit raster. *handled is false, and nothing is read, for a
// page of any other kind.
QImage readPlainPage(TIFF *tif, Context &context, uint32_t width, uint32_t height, bool *handled)
{
    uint16_t bits = 0;
    uint16_t samples = 0;
    uint16_t photometric = 0;
    uint16_t planar = 0;
    uint16_t sampleFormat = 0;
    TIFFGetFieldDefaulted(tif, TIFFTAG_BITSPERSAMPLE, &bits);
    TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLESPERPIXEL, &samples);
    TIFFGetFieldDefaulted(tif, TIFFTAG_PLANARCONFIG, &planar);
    TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLEFORMAT, &sampleFormat);
    const bool photometricKnown = TIFFGetField(tif, TIFFTAG_PHOTOMETRIC, &photometric) != 0;
    uint16_t extraCount = 0;
    uint16_t *extra = nullptr;
    TIFFGetFieldDefaulted(tif, TIFFTAG_EXTRASAMPLES, &extraCount, &extra);
    const int colours = photometric == PHOTOMETRIC_RGB ? 3 : 1;
    const bool alpha =
        extraCount == 1 && extra && (extra[0] == EXTRASAMPLE_ASSOCALPHA || extra[0] == EXTRASAMPLE_UNASSALPHA);
    *handled = photometricKnown && !TIFFIsTiled(tif) && bits == 8 && planar == PLANARCONFIG_CONTIG
        && sampleFormat == SAMPLEFORMAT_UINT
        && (photometric == PHOTOMETRIC_RGB || photometric == PHOTOMETRIC_MINISBLACK)
        && samples == colours + (alpha ? 1 : 0) && extraCount == (alpha ? 1 : 0);
    if (!*handled)
        return {};
    QImage image(int(width), int(height), colours == 1 ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    std::unique_ptr<unsigned char[]> row(alpha ? new (std::nothrow) unsigned char[size_t(width) * samples] : nullptr);
    if (image.isNull() || (alpha && !row)) {
        context.error = stored::outOfMemory();
        return {};
    }
    for (uint32_t y = 0; y < height; ++y) {
        unsigned char *out = image.scanLine(int(y));
        if (TIFFReadScanline(tif, alpha ? row.get() : out, y, 0) < 0)
            return {};
        if (alpha)
            stored::rowOnWhite(row.get(), out, int(width), samples, extra[0] == EXTRASAMPLE_ASSOCALPHA);
    }
    return image;
}

// The page selected in tif, decoded through libtiff's RGBA reader band by band.
QImage readPage(TIFF *tif, Context &context, uint32_t width, uint32_t height)
{
    bool handled = false;
    if (QImage plain = readPlainPage(tif, context, width, height, &handled); handled)
        return plain;

    char message[1024] = {};
    TIFFRGBAImage reader;
    if (!TIFFRGBAImageOK(tif, message) || !TIFFRGBAImageBegin(&reader, tif, 1, message)) {
        context.error = QString::fromLocal8Bit(message);
        return {};
    }
    // The rows as stored: the orientation is applied later, with the other formats'.
    reader.req_orientation = reader.orientation;
    uint16_t photometric = 0;
    uint16_t samples = 1;
    TIFFGetFieldDefaulted(tif, TIFFTAG_PHOTOMETRIC, &photometric);
    TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLESPERPIXEL, &samples);
    const bool grey = (photometric == PHOTOMETRIC_MINISBLACK || photometric == PHOTOMETRIC_MINISWHITE) && samples == 1;
    uint32_t unit = 1;
    if (TIFFIsTiled(tif))
        TIFFGetField(tif, TIFFTAG_TILELENGTH, &unit);
    else
        TIFFGetFieldDefaulted(tif, TIFFTAG_ROWSPERSTRIP, &unit);
    unit = std::clamp<uint32_t>(unit, 1, height);
    const uint32_t band = std::min(height, (kBandRows + unit - 1) / unit * unit);
    QImage image(int(width), int(height), grey ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    std::unique_ptr<uint32_t[]> raster(new (std::nothrow) uint32_t[size_t(width) * band]);
    bool ok = !image.isNull() && raster;
    if (!ok)
        context.error = stored::outOfMemory();
    for (uint32_t top = 0; ok && top < height; top += band) {
        const uint32_t rows = std::min(band, height - top);
        reader.row_offset = int(top);
        reader.col_offset = 0;
        ok = TIFFRGBAImageGet(&reader, raster.get(), width, rows) != 0;
        for (uint32_t y = 0; ok && y < rows; ++y) {
            const uint32_t *in = raster.get() + size_t(y) * width;
            unsigned char *out = image.scanLine(int(top + y));
            // Premultiplied RGBA on white: colour + (1 - alpha).
            for (uint32_t x = 0; x < width; ++x) {
                const uint32_t pixel = in[x];
                const uint32_t clear = 255 - TIFFGetA(pixel);
                if (grey) {
                    out[x] = uchar(std::min<uint32_t>(255, TIFFGetR(pixel) + clear));
                    continue;
                }
                out[3 * x] = uchar(std::min<uint32_t>(255, TIFFGetR(pixel) + clear));
                out[3 * x + 1] = uchar(std::min<uint32_t>(255, TIFFGetG(pixel) + clear));
                out[3 * x + 2] = uchar(std::min<uint32_t>(255, TIFFGetB(pixel) + clear));
            }
        }
    }
    TIFFRGBAImageEnd(&reader);
    return ok ? image : QImage();
}

} // namespace

bool isTiff(const QByteArray &head)
{
    return head.startsWith(QByteArray("II*\0", 4)) || head.startsWith(QByteArray("MM\0*", 4))
        || head.startsWith(QByteArray("II+\0", 4)) || head.startsWith(QByteArray("MM\0+", 4));
}

StoredPicture decode(const QByteArray &data, qint64 maxPixels, int minLongSide)
{
    QBuffer buffer;
    buffer.setData(data); // shared, not copied
    buffer.open(QIODevice::ReadOnly);
    return decode(buffer, maxPixels, minLongSide);
}

StoredPicture decode(QIODevice &file, qint64 maxPixels, int minLongSide)
{
    StoredPicture result;
    if (!isTiff(file.peek(4)) || file.isSequential()) {
        result.error = QCoreApplication::translate("quorvel::imaging", "The file is not a TIFF picture.");
        return result;
    }
    Context context;
    context.device = &file;
    const std::unique_ptr<TIFFOpenOptions, OptionsFreer> options(TIFFOpenOptionsAlloc());
    if (!options) {
        result.error = stored::outOfMemory();
        return result;
    }
    TIFFOpenOptionsSetMaxSingleMemAlloc(options.get(), kMaxSingleAllocation);
    TIFFOpenOptionsSetErrorHandlerExtR(options.get(), onError, &context);
    TIFFOpenOptionsSetWarningHandlerExtR(options.get(), onWarning, &context);
    const TiffFile tif(TIFFClientOpenExt(
        "picture", "rm", &context, onRead, onWrite, onSeek, onClose, onSize, onMap, onUnmap, options.get()));
    if (!tif) {
        result.error = damaged(context);
        return result;
    }
    Page first;
    TIFFGetField(tif.get(), TIFFTAG_IMAGEWIDTH, &first.width);
    TIFFGetField(tif.get(), TIFFTAG_IMAGELENGTH, &first.height);
    if (stored::exceeds(first.width, first.height, maxPixels)) {
        result.error = stored::tooLarge(first.width, first.height);
        return result;
    }
    uint16_t orientation = ORIENTATION_TOPLEFT;
    TIFFGetField(tif.get(), TIFFTAG_ORIENTATION, &orientation);
    uint32_t profileLength = 0;
    void *profile = nullptr;
    if (TIFFGetField(tif.get(), TIFFTAG_ICCPROFILE, &profileLength, &profile) && profile)
        result.iccProfile = QByteArray(static_cast<const char *>(profile), qsizetype(profileLength));

    QImage image;
    if (minLongSide > 0 && std::max(first.width, first.height) > uint32_t(minLongSide)) {
        const Page page = pageFor(tif.get(), first, minLongSide);
        if ((page.directory != 0 || page.subOffset != 0) && select(tif.get(), page))
            image = readPage(tif.get(), context, page.width, page.height);
        // A damaged reduced copy falls back to the page itself.
        context.error.clear();
        if (image.isNull() && !select(tif.get(), first)) {
            result.error = damaged(context);
            return result;
        }
    }
    if (image.isNull())
        image = readPage(tif.get(), context, first.width, first.height);
    if (image.isNull()) {
        result.error = damaged(context);
        return result;
    }
    result.orientation = orientation >= 1 && orientation <= 8 ? orientation : 1;
    result.fullSize = QSize(int(first.width), int(first.height));
    result.image = std::move(image);
    return result;
}

} // namespace quorvel::tiff
