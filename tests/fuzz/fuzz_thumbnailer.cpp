// SPDX-License-Identifier: GPL-3.0-or-later
// The picture decoders through Thumbnailer, from bytes: JPEG (baseline, progressive,
// grayscale, CMYK), GIF and the formats Qt reads. Any bytes give a picture or an
// error, never a crash, a hang or a huge allocation; a picture gives a thumbnail that
// fits its box and encodes.
#include "fuzzcheck.h"
#include "imaging/thumbnailer.h"

using namespace quorvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    // The last byte chooses the settings; the whole input is the file, so pictures seed
    // the corpus as they are (JPEG and GIF decoders stop at their end marker).
    const uint8_t choice = data[size - 1];
    ImageSettings settings;
    settings.boxSize = 8 + (size * 7 + choice) % 120;
    settings.frame = choice & 1;
    settings.fancyUpsampling = choice & 2;
    settings.dctMethod = (choice >> 2) % 3;
    settings.quality = (choice >> 4) * 6;
    const QByteArray file = fuzz::bytesOf(data, size);

    const int minLongSide = (choice & 0x80) ? settings.boxSize : 0;
    const DecodedPicture picture = Thumbnailer::decodeData(file, settings, minLongSide);
    if (!picture.ok()) {
        FUZZ_CHECK(picture.image.isNull(), "a failed decode gives no picture");
        return 0;
    }
    FUZZ_CHECK(!picture.image.isNull(), "a decode without error gives a picture");
    FUZZ_CHECK(qint64(picture.image.width()) * picture.image.height() <= Thumbnailer::kMaxDecodedPixels,
        "no decode is larger than the pixel limit");

    const QImage thumbnail = Thumbnailer::makeThumbnail(picture.image, settings);
    FUZZ_CHECK(!thumbnail.isNull(), "a picture gives a thumbnail");
    FUZZ_CHECK(
        thumbnail.width() <= settings.boxSize && thumbnail.height() <= settings.boxSize, "the thumbnail fits its box");
    QString error;
    const QByteArray jpeg = Thumbnailer::encodeJpeg(thumbnail, settings, &error);
    FUZZ_CHECK(!jpeg.isEmpty() && error.isEmpty(), "the thumbnail encodes");
    return 0;
}
