// SPDX-License-Identifier: GPL-3.0-or-later
// The only file that knows libpng. libpng reports errors by calling the error function,
// which must not return; it longjmps back into guarded(), a function that holds nothing
// but plain pointers. Every step that calls libpng runs inside guarded() and keeps only
// trivially destructible locals, so a longjmp never skips a destructor. Objects with
// destructors (QImage, buffers) are made by the caller between the steps.
#include "imaging/pngcodec.h"

#include "imaging/exiforientation.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QIODevice>

#include <csetjmp>
#include <cstring>
#include <memory>
#include <new>
#include <png.h>

namespace quorvel::png
{
namespace
{

constexpr int kMessageLength = 200;

struct Reader {
    png_structp png = nullptr;
    png_infop info = nullptr;
    QIODevice *device = nullptr;
    char message[kMessageLength] = {};
    char warning[kMessageLength] = {}; // the first warning, if any
    bool truncated = false; // the file ended before libpng had what it needed

    // what the header says, after the transforms
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    int channels = 0;
    int passes = 1;

    // the rows to read into: one row again and again, or every row (interlaced files)
    unsigned char **rows = nullptr;
    unsigned char *row = nullptr;
    unsigned char *(*rowFor)(void *target, png_uint_32 y) = nullptr;
    void *target = nullptr;
};

// Frees libpng's structures, whatever step the decode stopped at.
struct ReaderCloser {
    Reader *reader;
    ~ReaderCloser()
    {
        if (reader->png)
            png_destroy_read_struct(&reader->png, reader->info ? &reader->info : nullptr, nullptr);
    }
};

[[noreturn]] void onError(png_structp png, png_const_charp message)
{
    auto *reader = static_cast<Reader *>(png_get_error_ptr(png));
    std::strncpy(reader->message, message ? message : "", kMessageLength - 1);
    png_longjmp(png, 1);
}

// Warnings (a bad CRC of an ancillary chunk, an unknown sRGB intent) leave a usable
// picture; the first is kept for the caller, who knows the file, to report.
void onWarning(png_structp png, png_const_charp message)
{
    auto *reader = static_cast<Reader *>(png_get_error_ptr(png));
    if (reader->warning[0] == '\0' && message)
        std::strncpy(reader->warning, message, kMessageLength - 1);
}

void onRead(png_structp png, png_bytep data, size_t length)
{
    auto *reader = static_cast<Reader *>(png_get_io_ptr(png));
    const qint64 got = reader->device->read(reinterpret_cast<char *>(data), qint64(length));
    if (got != qint64(length)) {
        reader->truncated = true;
        png_error(png, "the file ends early");
    }
}

using Step = void (*)(Reader *reader);

bool guarded(Reader *reader, Step step)
{
    if (setjmp(png_jmpbuf(reader->png)) != 0)
        return false;
    step(reader);
    return true;
}

void readHeader(Reader *reader)
{
    png_structp png = reader->png;
    png_infop info = reader->info;
    png_set_read_fn(png, reader, onRead);
    // Ask for no more than fits in an int, and hold textual chunks to a sane size.
    png_set_user_limits(png, 0x7FFFFFFF, 0x7FFFFFFF);
    png_set_chunk_malloc_max(png, 16u << 20);
    png_read_info(png, info);
    png_set_expand(png); // palette to RGB, grey below 8 bits to 8, tRNS to alpha
    png_set_scale_16(png);
    // The file's gamma to sRGB's when no profile says more; a no-op for sRGB files.
    if (png_get_valid(png, info, PNG_INFO_iCCP) == 0)
        png_set_gamma(png, PNG_DEFAULT_sRGB, PNG_DEFAULT_sRGB);
    reader->passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    reader->width = png_get_image_width(png, info);
    reader->height = png_get_image_height(png, info);
    reader->channels = png_get_channels(png, info);
}

void readRows(Reader *reader)
{
    if (reader->rows) {
        png_read_image(reader->png, reader->rows);
        return;
    }
    for (png_uint_32 y = 0; y < reader->height; ++y) {
        unsigned char *row = reader->row ? reader->row : reader->rowFor(reader->target, y);
        png_read_row(reader->png, row, nullptr);
        if (reader->row)
            reader->rowFor(reader->target, y);
    }
}

// The chunks after the picture data: an eXIf there is read into info.
void readEnd(Reader *reader)
{
    png_read_end(reader->png, reader->info);
}

QString describe(const Reader &reader)
{
    if (reader.truncated)
        return QCoreApplication::translate(
            "quorvel::imaging", "The PNG file is truncated: its data ends before the picture is complete.");
    return QCoreApplication::translate("quorvel::imaging", "The PNG file is damaged (%1).")
        .arg(QString::fromLatin1(reader.message));
}

// Where decoded rows go: straight into the picture, or through a row with alpha that is
// put on white into the picture.
struct Target {
    QImage *image;
    const unsigned char *withAlpha;
    int channels;
};

unsigned char *pictureRow(void *target, png_uint_32 y)
{
    auto *t = static_cast<Target *>(target);
    unsigned char *out = t->image->scanLine(int(y));
    if (t->withAlpha)
        stored::rowOnWhite(t->withAlpha, out, t->image->width(), t->channels, false);
    return out;
}

QByteArray metadata(const Reader &reader, QByteArray *icc)
{
    png_charp name = nullptr;
    int compression = 0;
    png_bytep profile = nullptr;
    png_uint_32 profileLength = 0;
    if (png_get_iCCP(reader.png, reader.info, &name, &compression, &profile, &profileLength) != 0 && profile)
        *icc = QByteArray(reinterpret_cast<const char *>(profile), qsizetype(profileLength));
    png_uint_32 exifLength = 0;
    png_bytep exif = nullptr;
    if (png_get_eXIf_1(reader.png, reader.info, &exifLength, &exif) != 0 && exif)
        return stored::exifPayload(QByteArray(reinterpret_cast<const char *>(exif), qsizetype(exifLength)));
    return {};
}

} // namespace

bool isPng(const QByteArray &head)
{
    return head.startsWith(QByteArray("\x89PNG\r\n\x1a\n", 8));
}

StoredPicture decode(const QByteArray &data, qint64 maxPixels)
{
    QBuffer buffer;
    buffer.setData(data); // shared, not copied
    buffer.open(QIODevice::ReadOnly);
    return decode(buffer, maxPixels);
}

StoredPicture decode(QIODevice &file, qint64 maxPixels)
{
    StoredPicture result;
    if (!isPng(file.peek(8))) {
        result.error = QCoreApplication::translate("quorvel::imaging", "The file is not a PNG picture.");
        return result;
    }
    file.read(8);
    Reader reader;
    reader.device = &file;
    const ReaderCloser closer { &reader };
    reader.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &reader, onError, onWarning);
    if (reader.png)
        reader.info = png_create_info_struct(reader.png);
    if (!reader.png || !reader.info) {
        result.error = stored::outOfMemory();
        return result;
    }
    png_set_sig_bytes(reader.png, 8);
    if (!guarded(&reader, readHeader)) {
        result.error = describe(reader);
        return result;
    }
    if (stored::exceeds(reader.width, reader.height, maxPixels)) {
        result.error = stored::tooLarge(reader.width, reader.height);
        return result;
    }
    const bool alpha = reader.channels == 2 || reader.channels == 4;
    const bool grey = reader.channels <= 2;
    QImage image(int(reader.width), int(reader.height), grey ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    const size_t rowBytes = size_t(reader.width) * size_t(reader.channels);
    // An interlaced picture with alpha is decoded whole before it is put on white.
    const bool whole = alpha && reader.passes > 1;
    std::unique_ptr<unsigned char[]> buffer(
        alpha ? new (std::nothrow) unsigned char[rowBytes * (whole ? reader.height : 1)] : nullptr);
    std::unique_ptr<unsigned char *[]> rows(
        reader.passes > 1 ? new (std::nothrow) unsigned char *[reader.height] : nullptr);
    if (image.isNull() || (alpha && !buffer) || (reader.passes > 1 && !rows)) {
        result.error = stored::outOfMemory();
        return result;
    }
    Target target { &image, buffer.get(), reader.channels };
    if (reader.passes > 1) {
        for (png_uint_32 y = 0; y < reader.height; ++y)
            rows[y] = whole ? buffer.get() + rowBytes * y : image.scanLine(int(y));
        reader.rows = rows.get();
    } else {
        reader.row = buffer.get();
        reader.rowFor = pictureRow;
        reader.target = &target;
    }
    if (!guarded(&reader, readRows)) {
        result.error = describe(reader);
        return result;
    }
    if (whole) {
        for (png_uint_32 y = 0; y < reader.height; ++y)
            stored::rowOnWhite(rows[y], image.scanLine(int(y)), image.width(), reader.channels, false);
    }
    // What follows the picture data is read for a late eXIf only; a file cut off or
    // damaged there still gives its picture.
    if (png_get_valid(reader.png, reader.info, PNG_INFO_eXIf) == 0)
        guarded(&reader, readEnd);
    result.exif = metadata(reader, &result.iccProfile);
    result.orientation = exif::orientationFromApp1(result.exif);
    result.fullSize = image.size();
    result.image = std::move(image);
    result.warning = QString::fromLatin1(reader.warning);
    return result;
}

} // namespace quorvel::png
