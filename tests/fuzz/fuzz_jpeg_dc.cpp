// SPDX-License-Identifier: GPL-3.0-or-later
// The JPEG decoder's DC-only fast paths for 1/8-scale decodes (baseline files, and
// progressive ones as far as their DC scans), from bytes. Whatever the bytes, a fast path
// either declines (and libjpeg decodes as before) or gives exactly the picture libjpeg
// gives: a file it decodes is one libjpeg decodes without error, to the same size and
// the same pixels, unless libjpeg finds damage in a progressive file's AC scans, which
// the DC reader passes over without decoding.
#include "fuzzcheck.h"
#include "imaging/jpegcodec.h"

using namespace quorvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray file = fuzz::bytesOf(data, size);
    // Progressive files as far as their DC scans, and as a whole: only the first takes
    // the fast path.
    for (const bool progressiveDcOnly : { true, false }) {
        jpeg::DecodeOptions options;
        options.minLongSide = 1; // always the 1/8 scale
        options.maxPixels = 4096L * 4096;
        options.progressiveDcOnly = progressiveDcOnly;
        const jpeg::DecodedJpeg fast = jpeg::decode(file, options);
        options.fastDc = false;
        const jpeg::DecodedJpeg reference = jpeg::decode(file, options);
        FUZZ_CHECK(!reference.fastDc, "the fast path stays off when asked");
        if (fast.fastDc && !reference.error.isEmpty()) {
            // Damage in a scan the DC reader passes over (the AC of a progressive file,
            // which libjpeg decodes up to the DC's last bit): only libjpeg sees it.
            FUZZ_CHECK(fast.progressive && fast.error.isEmpty()
                    && (reference.error.contains(QLatin1String("damaged"))
                        || reference.error.contains(QLatin1String("truncated"))),
                "only damage in the scans passed over makes the decodes differ");
            continue;
        }
        FUZZ_CHECK(fast.error == reference.error, "both decodes fail or succeed alike");
        if (!fast.fastDc)
            continue;
        FUZZ_CHECK(fast.error.isEmpty() && !fast.image.isNull(), "a fast decode gives a picture");
        FUZZ_CHECK(fast.image.size() == reference.image.size(), "the sizes agree");
        FUZZ_CHECK(fast.image.format() == reference.image.format(), "the formats agree");
        FUZZ_CHECK(fast.image == reference.image, "the pixels agree");
        FUZZ_CHECK(fast.exif == reference.exif && fast.iccProfile == reference.iccProfile, "the metadata agrees");
    }
    return 0;
}
