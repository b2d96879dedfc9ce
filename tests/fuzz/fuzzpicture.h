// SPDX-License-Identifier: GPL-3.0-or-later
// The property every picture decoder keeps, for the fuzz targets of one format each:
// any bytes give a picture or an error, never a crash, a hang or a huge allocation; the
// wrapper's picture is within the pixel limit and no larger than the picture's own size;
// through Thumbnailer a picture gives a thumbnail that fits its box and encodes.
#pragma once

#include "fuzzcheck.h"
#include "imaging/storedpicture.h"
#include "imaging/thumbnailer.h"

namespace quorvel::fuzz
{

inline void checkStored(const StoredPicture &picture)
{
    if (!picture.error.isEmpty()) {
        FUZZ_CHECK(picture.image.isNull(), "a failed decode gives no picture");
        return;
    }
    FUZZ_CHECK(!picture.image.isNull(), "a decode without error gives a picture");
    FUZZ_CHECK(picture.image.format() == QImage::Format_RGB888 || picture.image.format() == QImage::Format_Grayscale8,
        "the picture is RGB888 or Grayscale8");
    FUZZ_CHECK(qint64(picture.image.width()) * picture.image.height() <= Thumbnailer::kMaxDecodedPixels,
        "no decode is larger than the pixel limit");
    FUZZ_CHECK(picture.image.width() <= picture.fullSize.width() && picture.image.height() <= picture.fullSize.height(),
        "a scaled decode is no larger than the picture");
    FUZZ_CHECK(picture.orientation >= 1 && picture.orientation <= 8, "the orientation is one of EXIF's");
}

/// The whole file through Thumbnailer, as fuzz_thumbnailer checks it; the last byte
/// chooses the box and whether the decode may scale.
inline void checkThumbnail(const QByteArray &file)
{
    if (file.isEmpty())
        return;
    const uchar choice = uchar(file.back());
    ImageSettings settings;
    settings.boxSize = 8 + (file.size() * 7 + choice) % 120;
    settings.frame = choice & 1;
    const int minLongSide = (choice & 0x80) ? settings.boxSize : 0;
    const DecodedPicture picture = Thumbnailer::decodeData(file, settings, minLongSide);
    if (!picture.ok()) {
        FUZZ_CHECK(picture.image.isNull(), "a failed decode gives no picture");
        return;
    }
    FUZZ_CHECK(!picture.image.isNull(), "a decode without error gives a picture");
    const QImage thumbnail = Thumbnailer::makeThumbnail(picture.image, settings);
    FUZZ_CHECK(!thumbnail.isNull(), "a picture gives a thumbnail");
    FUZZ_CHECK(
        thumbnail.width() <= settings.boxSize && thumbnail.height() <= settings.boxSize, "the thumbnail fits its box");
    QString error;
    FUZZ_CHECK(!Thumbnailer::encodeJpeg(thumbnail, settings, &error).isEmpty(), "the thumbnail encodes");
}

} // namespace quorvel::fuzz
