// SPDX-License-Identifier: GPL-3.0-or-later
// The only file that knows libwebp and libwebpdemux, and their status codes.
#include "imaging/webpcodec.h"

#include "imaging/exiforientation.h"

#include <QCoreApplication>
#include <QIODevice>

#include <algorithm>
#include <cmath>
#include <memory>
#include <webp/decode.h>
#include <webp/demux.h>

namespace quorvel::webp
{
namespace
{

struct DemuxDeleter {
    void operator()(WebPDemuxer *demux) const
    {
        WebPDemuxDelete(demux);
    }
};

struct AnimDecoderDeleter {
    void operator()(WebPAnimDecoder *decoder) const
    {
        WebPAnimDecoderDelete(decoder);
    }
};

QString describe(VP8StatusCode status)
{
    switch (status) {
    case VP8_STATUS_NOT_ENOUGH_DATA:
        return QCoreApplication::translate(
            "quorvel::imaging", "The WebP file is truncated: its data ends before the picture is complete.");
    case VP8_STATUS_OUT_OF_MEMORY:
        return stored::outOfMemory();
    case VP8_STATUS_UNSUPPORTED_FEATURE:
        return QCoreApplication::translate(
            "quorvel::imaging", "The WebP file uses a feature this program cannot read.");
    default:
        return QCoreApplication::translate(
            "quorvel::imaging", "The WebP file is damaged: its picture data is corrupt.");
    }
}

QByteArray chunk(WebPDemuxer *demux, const char *fourcc)
{
    WebPChunkIterator iterator;
    if (!WebPDemuxGetChunk(demux, fourcc, 1, &iterator))
        return {};
    QByteArray bytes(reinterpret_cast<const char *>(iterator.chunk.bytes), qsizetype(iterator.chunk.size));
    WebPDemuxReleaseChunkIterator(&iterator);
    return bytes;
}

// The size whose longer side is minLongSide, keeping the aspect (at least 1 pixel).
QSize scaledSize(int width, int height, int minLongSide)
{
    const int longer = std::max(width, height);
    if (minLongSide <= 0 || longer <= minLongSide)
        return QSize(width, height);
    const double factor = double(minLongSide) / longer;
    return QSize(
        std::clamp(int(std::ceil(width * factor)), 1, width), std::clamp(int(std::ceil(height * factor)), 1, height));
}

// Premultiplied RGBA rows put on white into an RGB888 picture.
QImage onWhite(const uint8_t *rgba, int width, int height, size_t stride)
{
    QImage image(width, height, QImage::Format_RGB888);
    if (image.isNull())
        return image;
    for (int y = 0; y < height; ++y)
        stored::rowOnWhite(rgba + stride * size_t(y), image.scanLine(y), width, 4, true);
    return image;
}

QImage firstFrame(const WebPData &data, QString *error)
{
    WebPAnimDecoderOptions options;
    if (!WebPAnimDecoderOptionsInit(&options)) {
        *error = describe(VP8_STATUS_UNSUPPORTED_FEATURE);
        return {};
    }
    options.color_mode = MODE_rgbA;
    options.use_threads = 0;
    const std::unique_ptr<WebPAnimDecoder, AnimDecoderDeleter> decoder(WebPAnimDecoderNew(&data, &options));
    WebPAnimInfo info;
    uint8_t *canvas = nullptr;
    int timestamp = 0;
    if (!decoder || !WebPAnimDecoderGetInfo(decoder.get(), &info)
        || !WebPAnimDecoderGetNext(decoder.get(), &canvas, &timestamp) || !canvas) {
        *error = describe(VP8_STATUS_BITSTREAM_ERROR);
        return {};
    }
    QImage image = onWhite(canvas, int(info.canvas_width), int(info.canvas_height), size_t(info.canvas_width) * 4);
    if (image.isNull())
        *error = stored::outOfMemory();
    return image;
}

QImage still(const QByteArray &data, WebPDecoderConfig &config, QSize size, QString *error)
{
    const bool alpha = config.input.has_alpha;
    if (size != QSize(config.input.width, config.input.height)) {
        config.options.use_scaling = 1;
        config.options.scaled_width = size.width();
        config.options.scaled_height = size.height();
    }
    config.options.use_threads = 0; // the callers decode many pictures at once
    QImage image(size, alpha ? QImage::Format_RGBA8888_Premultiplied : QImage::Format_RGB888);
    if (image.isNull()) {
        *error = stored::outOfMemory();
        return {};
    }
    config.output.colorspace = alpha ? MODE_rgbA : MODE_RGB;
    config.output.is_external_memory = 1;
    config.output.u.RGBA.rgba = image.bits();
    config.output.u.RGBA.stride = int(image.bytesPerLine());
    config.output.u.RGBA.size = size_t(image.sizeInBytes());
    const VP8StatusCode status =
        WebPDecode(reinterpret_cast<const uint8_t *>(data.constData()), size_t(data.size()), &config);
    WebPFreeDecBuffer(&config.output);
    if (status != VP8_STATUS_OK) {
        *error = describe(status);
        return {};
    }
    if (!alpha)
        return image;
    QImage flat = onWhite(image.constBits(), image.width(), image.height(), size_t(image.bytesPerLine()));
    if (flat.isNull())
        *error = stored::outOfMemory();
    return flat;
}

} // namespace

bool isWebp(const QByteArray &head)
{
    return head.size() >= 12 && head.startsWith("RIFF") && head.mid(8, 4) == "WEBP";
}

StoredPicture decode(QIODevice &file, qint64 maxPixels, int minLongSide)
{
    const QByteArray head = file.peek(12);
    if (!isWebp(head))
        return decode(head, maxPixels, minLongSide); // refused there
    // The RIFF size counts what follows its field; never read more than the file has.
    const auto byte = [&](int i) {
        return quint32(uchar(head[i]));
    };
    qint64 wanted = qint64(byte(4) | byte(5) << 8 | byte(6) << 16 | byte(7) << 24) + 8;
    if (!file.isSequential())
        wanted = std::min(wanted, file.size() - file.pos());
    return decode(file.read(wanted), maxPixels, minLongSide);
}

StoredPicture decode(const QByteArray &data, qint64 maxPixels, int minLongSide)
{
    StoredPicture result;
    if (!isWebp(data)) {
        result.error = QCoreApplication::translate("quorvel::imaging", "The file is not a WebP picture.");
        return result;
    }
    const auto *bytes = reinterpret_cast<const uint8_t *>(data.constData());
    WebPDecoderConfig config;
    if (!WebPInitDecoderConfig(&config)) {
        result.error = describe(VP8_STATUS_UNSUPPORTED_FEATURE);
        return result;
    }
    if (const VP8StatusCode status = WebPGetFeatures(bytes, size_t(data.size()), &config.input);
        status != VP8_STATUS_OK) {
        result.error = describe(status);
        return result;
    }
    const int width = config.input.width;
    const int height = config.input.height;
    if (stored::exceeds(width, height, maxPixels)) {
        result.error = stored::tooLarge(width, height);
        return result;
    }
    const WebPData whole { bytes, size_t(data.size()) };
    // An extended file (VP8X) may carry a profile and EXIF; a damaged one simply has none.
    if (const std::unique_ptr<WebPDemuxer, DemuxDeleter> demux(WebPDemux(&whole)); demux) {
        const uint32_t flags = WebPDemuxGetI(demux.get(), WEBP_FF_FORMAT_FLAGS);
        if (flags & ICCP_FLAG)
            result.iccProfile = chunk(demux.get(), "ICCP");
        if (flags & EXIF_FLAG)
            result.exif = stored::exifPayload(chunk(demux.get(), "EXIF"));
    }
    QString error;
    QImage image = config.input.has_animation ? firstFrame(whole, &error)
                                              : still(data, config, scaledSize(width, height, minLongSide), &error);
    if (image.isNull()) {
        result.error = error.isEmpty() ? stored::outOfMemory() : error;
        return result;
    }
    result.orientation = exif::orientationFromApp1(result.exif);
    result.fullSize = QSize(width, height);
    result.image = std::move(image);
    return result;
}

} // namespace quorvel::webp
