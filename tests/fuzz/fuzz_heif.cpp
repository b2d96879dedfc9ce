// SPDX-License-Identifier: GPL-3.0-or-later
// The HEIF decoder (HEIC and AVIF, through libheif and its HEVC and AV1 decoders), from
// bytes and through its file reader. Any bytes give a picture or an error, never a
// crash, a hang or a huge allocation, and the same from memory as from a file; a picture
// is within the pixel limit and gives a thumbnail that fits its box and encodes.
#include "fuzzcheck.h"
#include "imaging/heifcodec.h"
#include "imaging/thumbnailer.h"

#include <QBuffer>

#include <algorithm>

using namespace quorvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    // The last byte chooses the size asked for; the whole input is the file, so pictures
    // seed the corpus as they are.
    const uint8_t choice = data[size - 1];
    const int minLongSide = (choice & 0x80) ? 0 : 8 + choice % 120;
    const QByteArray file = fuzz::bytesOf(data, size);

    const heif::DecodedHeif decoded = heif::decode(file, minLongSide, Thumbnailer::kMaxDecodedPixels);
    QBuffer device;
    device.setData(file);
    device.open(QIODevice::ReadOnly);
    const heif::DecodedHeif read = heif::decode(device, minLongSide, Thumbnailer::kMaxDecodedPixels);
    // (The pixels decoded from damaged coded data may differ between two decodes: the
    // decoders leave what they cannot decode as they found it in memory.)
    FUZZ_CHECK(read.error == decoded.error && read.image.size() == decoded.image.size()
            && read.fromThumbnail == decoded.fromThumbnail,
        "a file reads as its bytes decode");
    if (!decoded.error.isEmpty()) {
        FUZZ_CHECK(decoded.image.isNull(), "a failed decode gives no picture");
        FUZZ_CHECK(decoded.error.endsWith(QLatin1Char('.')), "an error is a sentence");
        return 0;
    }
    const QImage &image = decoded.image;
    FUZZ_CHECK(!image.isNull(), "a decode without error gives a picture");
    FUZZ_CHECK(image.format() == QImage::Format_RGB888 || image.format() == QImage::Format_Grayscale8,
        "the picture is RGB or gray");
    FUZZ_CHECK(qint64(image.width()) * image.height() <= Thumbnailer::kMaxDecodedPixels,
        "no decode is larger than the pixel limit");
    FUZZ_CHECK(qint64(decoded.fullSize.width()) * decoded.fullSize.height() <= Thumbnailer::kMaxDecodedPixels,
        "no picture above the pixel limit is taken");
    FUZZ_CHECK(!decoded.fromThumbnail || std::max(image.width(), image.height()) >= minLongSide,
        "a thumbnail is used only when it covers the size asked for");

    ImageSettings settings;
    settings.boxSize = 8 + (size * 7 + choice) % 120;
    settings.frame = choice & 1;
    const QImage thumbnail = Thumbnailer::makeThumbnail(image, settings);
    FUZZ_CHECK(!thumbnail.isNull(), "a picture gives a thumbnail");
    FUZZ_CHECK(
        thumbnail.width() <= settings.boxSize && thumbnail.height() <= settings.boxSize, "the thumbnail fits its box");
    QString error;
    const QByteArray jpeg = Thumbnailer::encodeJpeg(thumbnail, settings, &error);
    FUZZ_CHECK(!jpeg.isEmpty() && error.isEmpty(), "the thumbnail encodes");
    return 0;
}
