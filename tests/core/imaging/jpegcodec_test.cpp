// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/jpegcodec.h"
#include "imaging/resample.h"
#include "imaging/thumbnailer.h"
#include "imagingtesthelpers.h"
#include "support/testsupport.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <lcms2.h>

using namespace quorvel;
using quorvel::test::meanDifference;
using quorvel::test::readBytes;
using quorvel::test::testPicture;

namespace
{

// Serialised ICC profile with the given colour space and a linear (gamma 1.0) curve.
// Linear data shown on an sRGB display must get brighter: linear 0.5 is sRGB 188.
QByteArray linearProfile(bool gray)
{
    cmsToneCurve *linear = cmsBuildGamma(nullptr, 1.0);
    cmsHPROFILE profile = nullptr;
    if (gray) {
        profile = cmsCreateGrayProfile(cmsD50_xyY(), linear);
    } else {
        const cmsCIExyYTRIPLE srgbPrimaries = { { 0.64, 0.33, 1.0 }, { 0.30, 0.60, 1.0 }, { 0.15, 0.06, 1.0 } };
        cmsCIExyY d65;
        cmsWhitePointFromTemp(&d65, 6504);
        cmsToneCurve *curves[3] = { linear, linear, linear };
        profile = cmsCreateRGBProfile(&d65, &srgbPrimaries, curves);
    }
    cmsUInt32Number size = 0;
    cmsSaveProfileToMem(profile, nullptr, &size);
    QByteArray bytes(qsizetype(size), '\0');
    cmsSaveProfileToMem(profile, bytes.data(), &size);
    cmsCloseProfile(profile);
    cmsFreeToneCurve(linear);
    return bytes;
}

// A uniform JPEG written with libjpeg directly, optionally carrying an ICC profile.
QByteArray uniformJpeg(int width, int height, bool gray, int level, const QByteArray &icc)
{
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char *out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &out, &size);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = gray ? 1 : 3;
    cinfo.in_color_space = gray ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    if (!icc.isEmpty())
        jpeg_write_icc_profile(&cinfo, reinterpret_cast<const JOCTET *>(icc.constData()), unsigned(icc.size()));
    QByteArray row(qsizetype(width) * cinfo.input_components, char(level));
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW rowPointer = reinterpret_cast<JSAMPROW>(row.data());
        jpeg_write_scanlines(&cinfo, &rowPointer, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    const QByteArray bytes(reinterpret_cast<const char *>(out), qsizetype(size));
    std::free(out);
    return bytes;
}

int centreLevel(const QImage &image)
{
    return qRed(image.pixel(image.width() / 2, image.height() / 2));
}

jpeg::DecodeOptions limited(int minLongSide)
{
    jpeg::DecodeOptions options;
    options.minLongSide = minLongSide;
    options.maxPixels = Thumbnailer::kMaxDecodedPixels;
    return options;
}

} // namespace

TEST(JpegScale, PicksTheSmallestEighthThatKeepsTheLongerSide)
{
    struct Case {
        QSize size;
        int minLongSide;
        int numerator;
    };
    const Case cases[] = {
        { { 2048, 1536 }, 90, 1 }, // 256
        { { 2048, 1536 }, 256, 1 },
        { { 2048, 1536 }, 257, 2 }, // 512
        { { 1536, 2048 }, 600, 3 }, // 768: the longer side counts, whichever it is
        { { 800, 600 }, 90, 1 }, // 100
        { { 800, 600 }, 101, 2 },
        { { 140, 140 }, 90, 6 }, // 5/8 gives ceil(87.5) = 88
        { { 100, 50 }, 200, 8 }, // never enlarged: full size
        { { 4000, 3000 }, 0, 8 }, // 0: full size
        { { 1, 1 }, 1, 1 }, // rounding up keeps a pixel
    };
    for (const Case &c : cases)
        EXPECT_EQ(jpeg::scaleNumeratorFor(c.size, c.minLongSide), c.numerator)
            << c.size.width() << "x" << c.size.height() << " min " << c.minLongSide;
}

TEST(JpegDecode, ScalesInTheDctDomainToTheSizeAskedFor)
{
    QUORVEL_REQUIRE_TESTDATA();
    const QByteArray data = readBytes(testPicture(QStringLiteral("cameras/casio-ex-z3.jpg")));
    struct Case {
        int minLongSide;
        QSize decoded;
    };
    const Case cases[] = { { 90, { 256, 192 } },
        { 257, { 512, 384 } },
        { 600, { 768, 576 } },
        { 1500, { 1536, 1152 } },
        { 0, { 2048, 1536 } },
        { 5000, { 2048, 1536 } } };
    for (const Case &c : cases) {
        const jpeg::DecodedJpeg decoded = jpeg::decode(data, limited(c.minLongSide));
        ASSERT_TRUE(decoded.error.isEmpty()) << qPrintable(decoded.error);
        EXPECT_EQ(decoded.image.size(), c.decoded) << "min " << c.minLongSide;
        EXPECT_EQ(decoded.fullSize, QSize(2048, 1536));
        EXPECT_EQ(decoded.image.format(), QImage::Format_RGB888);
        EXPECT_FALSE(decoded.exif.isEmpty()); // the camera's APP1 segment is handed on
    }
    // The scaled decode is the same picture: compare against a scaled-down full decode.
    const QImage full = jpeg::decode(data, limited(0)).image;
    const QImage eighth = jpeg::decode(data, limited(90)).image;
    EXPECT_LT(meanDifference(full.scaled(eighth.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation), eighth), 4.0);
}

TEST(JpegDecode, DecodingOptionsReachTheDecoder)
{
    QUORVEL_REQUIRE_TESTDATA();
    // A 4:2:0 photo at full size: the chroma upsampling and the inverse DCT both matter.
    const QByteArray data = readBytes(testPicture(QStringLiteral("cameras/canon-eos-d60.jpg")));
    const QImage base = jpeg::decode(data, limited(0)).image;
    ASSERT_FALSE(base.isNull());

    struct Case {
        const char *name;
        void (*change)(jpeg::DecodeOptions &);
        bool changesPixels;
    };
    const Case cases[] = {
        { "fancy upsampling",
            [](jpeg::DecodeOptions &o) {
                o.fancyUpsampling = true;
            },
            true },
        { "slow integer DCT",
            [](jpeg::DecodeOptions &o) {
                o.dctMethod = 0;
            },
            true },
        { "floating-point DCT",
            [](jpeg::DecodeOptions &o) {
                o.dctMethod = 2;
            },
            true },
        // Colour reduction is never asked for, so the dithering settings change nothing.
        { "Floyd-Steinberg dithering",
            [](jpeg::DecodeOptions &o) {
                o.ditherMethod = 2;
            },
            false },
        { "always dither",
            [](jpeg::DecodeOptions &o) {
                o.ditherPolicy = 2;
            },
            false },
        { "two-pass quantize",
            [](jpeg::DecodeOptions &o) {
                o.twoPassQuantize = true;
            },
            false },
    };
    for (const Case &c : cases) {
        jpeg::DecodeOptions options = limited(0);
        c.change(options);
        const jpeg::DecodedJpeg decoded = jpeg::decode(data, options);
        ASSERT_TRUE(decoded.error.isEmpty()) << c.name << ": " << qPrintable(decoded.error);
        EXPECT_EQ(decoded.image != base, c.changesPixels) << c.name;
        EXPECT_LT(meanDifference(decoded.image, base), 2.0) << c.name; // still the same picture
    }
}

TEST(JpegDecode, DamagedDataIsAnErrorButHarmlessIrregularitiesAreNot)
{
    QUORVEL_REQUIRE_TESTDATA();
    const QByteArray intact = readBytes(testPicture(QStringLiteral("cameras/nikon-e950.jpg")));
    const QImage expected = jpeg::decode(intact, limited(0)).image;
    ASSERT_FALSE(expected.isNull());
    const qsizetype dqt = intact.indexOf(QByteArray("\xFF\xDB", 2));
    ASSERT_GT(dqt, 0);

    QByteArray overwritten = intact;
    overwritten.replace(overwritten.size() * 2 / 5, 4096, QByteArray(4096, char(0xA5)));

    struct Case {
        const char *name;
        QByteArray data;
        const char *errorPart; ///< nullptr: decodes to the intact picture
    };
    const Case cases[] = {
        { "cut in half", intact.left(intact.size() / 2), "truncated" },
        { "cut a byte before the end marker", intact.left(intact.size() - 3), "truncated" },
        { "scan data overwritten", overwritten, "corrupt" },
        { "only the start marker", intact.left(2), "cannot be read" },
        { "start marker and garbage", intact.left(2) + QByteArray(500, char(0x5A)), "cannot be read" },
        { "headers only", intact.left(dqt + 200), "truncated" },
        // Complete picture data without the end marker: the picture is all there.
        { "no end marker", intact.left(intact.size() - 2), nullptr },
        // libjpeg warns about extraneous bytes and skips them.
        { "bytes before a marker", intact.left(dqt) + QByteArray(7, '\0') + intact.mid(dqt), nullptr },
    };
    for (const Case &c : cases) {
        const jpeg::DecodedJpeg decoded = jpeg::decode(c.data, limited(0));
        if (!c.errorPart) {
            EXPECT_TRUE(decoded.error.isEmpty()) << c.name << ": " << qPrintable(decoded.error);
            EXPECT_EQ(decoded.image, expected) << c.name;
        } else {
            EXPECT_TRUE(decoded.error.contains(QLatin1String(c.errorPart)))
                << c.name << ": " << qPrintable(decoded.error);
            EXPECT_TRUE(decoded.image.isNull()) << c.name;
        }
    }
}

TEST(JpegDecode, PixelLimitCountsThePixelsActuallyDecoded)
{
    struct Case {
        const char *name;
        QByteArray data;
        int minLongSide;
        const char *errorPart;
    };
    const Case cases[] = {
        // Beyond the format's own maximum of 65500: libjpeg refuses.
        { "65535 x 65535", test::jpegHeaderOnly(65535, 65535, false), 90, "too large" },
        { "60000 x 60000 at full size", test::jpegHeaderOnly(60000, 60000, false), 0, "too large" },
        { "9000 x 8000 progressive at full size", test::jpegHeaderOnly(9000, 8000, true), 0, "too large" },
        // At 1/8 it would fit the limit, but a few bytes cannot hold 56 million blocks.
        { "60000 x 60000 scaled", test::jpegHeaderOnly(60000, 60000, false), 90, "far too short" },
        { "60000 x 60000 progressive scaled", test::jpegHeaderOnly(60000, 60000, true), 90, "far too short" },
    };
    for (const Case &c : cases) {
        const jpeg::DecodedJpeg decoded = jpeg::decode(c.data, limited(c.minLongSide));
        EXPECT_TRUE(decoded.image.isNull()) << c.name;
        EXPECT_TRUE(decoded.error.contains(QLatin1String(c.errorPart))) << c.name << ": " << qPrintable(decoded.error);
    }
}

TEST(JpegDecode, ProgressiveHeaderCannotMakeTheDecoderAllocateGigabytes)
{
    // 30000 x 30000 progressive decodes to 3750 x 3750 at 1/8, under the pixel limit, and
    // the comment padding makes the file long enough to pass the length check; but all
    // coefficients of the full picture would need about 2.7 GB.
    const QByteArray data = test::jpegHeaderOnly(30000, 30000, true, 1'800'000);
    const jpeg::DecodedJpeg decoded = jpeg::decode(data, limited(90));
    EXPECT_TRUE(decoded.image.isNull());
    EXPECT_TRUE(decoded.error.contains(QLatin1String("more memory"))) << qPrintable(decoded.error);
}

TEST(JpegDecode, PictureAboveTheLimitIsDecodedWhenDctScalingBringsItUnder)
{
    // 8200 x 8200 is just above the 8192 x 8192 limit. Grayscale keeps the test light.
    QImage big(8200, 8200, QImage::Format_Grayscale8);
    for (int y = 0; y < big.height(); ++y)
        std::memset(big.scanLine(y), y * 256 / big.height(), size_t(big.width()));
    jpeg::EncodeOptions encodeOptions;
    encodeOptions.quality = 50;
    encodeOptions.optimizeCoding = false;
    const QByteArray data = jpeg::encode(big, encodeOptions);
    ASSERT_FALSE(data.isEmpty());
    big = QImage();

    const jpeg::DecodedJpeg full = jpeg::decode(data, limited(0));
    EXPECT_TRUE(full.error.contains(QLatin1String("too large"))) << qPrintable(full.error);

    const DecodedPicture scaled = Thumbnailer::decodeData(data, ImageSettings(), 90);
    ASSERT_TRUE(scaled.ok()) << qPrintable(scaled.error);
    EXPECT_EQ(scaled.image.size(), QSize(1025, 1025));
    EXPECT_EQ(scaled.fullSize, QSize(8200, 8200));
    EXPECT_EQ(scaled.image.format(), QImage::Format_Grayscale8);
    EXPECT_NEAR(qGray(scaled.image.pixel(500, 10)), 1, 3);
    EXPECT_NEAR(qGray(scaled.image.pixel(500, 1015)), 254, 3);
}

TEST(JpegDecode, EmbeddedProfileIsConvertedToSrgb)
{
    struct Case {
        const char *name;
        bool gray;
        QByteArray icc;
        int expectedLevel;
    };
    const Case cases[] = {
        { "no profile", false, {}, 128 },
        { "linear RGB profile", false, linearProfile(false), 188 },
        { "linear gray profile", true, linearProfile(true), 188 },
        { "broken profile is ignored", false, QByteArray("acspjunk").repeated(40), 128 },
        { "gray profile on a colour picture is ignored", false, linearProfile(true), 128 },
    };
    for (const Case &c : cases) {
        const DecodedPicture picture =
            Thumbnailer::decodeData(uniformJpeg(64, 48, c.gray, 128, c.icc), ImageSettings());
        ASSERT_TRUE(picture.ok()) << c.name << ": " << qPrintable(picture.error);
        EXPECT_EQ(picture.image.format(), c.gray ? QImage::Format_Grayscale8 : QImage::Format_RGB888) << c.name;
        EXPECT_NEAR(centreLevel(picture.image), c.expectedLevel, 2) << c.name;
    }
}

TEST(JpegEncode, RoundTripKeepsSizeKindAndPixels)
{
    QImage rgb(37, 23, QImage::Format_RGB888);
    rgb.fill(QColor(200, 40, 90));
    QImage gray(37, 23, QImage::Format_Grayscale8);
    gray.fill(QColor(99, 99, 99));
    for (const QImage &image : { rgb, gray }) {
        QString error;
        const QByteArray bytes = jpeg::encode(image, jpeg::EncodeOptions(), &error);
        ASSERT_FALSE(bytes.isEmpty()) << qPrintable(error);
        const jpeg::DecodedJpeg back = jpeg::decode(bytes, limited(0));
        ASSERT_TRUE(back.error.isEmpty()) << qPrintable(back.error);
        EXPECT_EQ(back.image.format(), image.format());
        EXPECT_EQ(back.image.size(), image.size());
        EXPECT_LT(meanDifference(back.image, image), 3.0);
    }
}

TEST(JpegEncode, RefusesWhatItCannotWrite)
{
    QString error;
    EXPECT_TRUE(jpeg::encode(QImage(), jpeg::EncodeOptions(), &error).isEmpty());
    EXPECT_FALSE(error.isEmpty());
    QImage argb(10, 10, QImage::Format_ARGB32);
    argb.fill(Qt::red);
    EXPECT_TRUE(jpeg::encode(argb, jpeg::EncodeOptions(), &error).isEmpty());
    EXPECT_FALSE(error.isEmpty());
    QImage tooWide(70000, 1, QImage::Format_Grayscale8);
    tooWide.fill(0);
    EXPECT_TRUE(jpeg::encode(tooWide, jpeg::EncodeOptions(), &error).isEmpty());
    EXPECT_TRUE(error.contains(QLatin1String("65500"))) << qPrintable(error);
}

// A progressive file decoded at 1/8 for a thumbnail stops after its DC scans: the same
// size, within a grey level of the full decode once reduced to the thumbnail, and
// still refused when the DC scans themselves are cut short.
TEST(JpegDecode, ProgressiveDcOnlyDecodeStaysWithinAGreyLevel)
{
    QUORVEL_REQUIRE_TESTDATA();
    for (const char *name : { "formats/progressive.jpg", "formats/progressive-real.jpg" }) {
        const QByteArray data = readBytes(testPicture(QString::fromLatin1(name)));
        jpeg::DecodeOptions options = limited(90);
        const jpeg::DecodedJpeg full = jpeg::decode(data, options);
        options.progressiveDcOnly = true;
        const jpeg::DecodedJpeg dc = jpeg::decode(data, options);
        ASSERT_TRUE(full.error.isEmpty() && dc.error.isEmpty()) << name;
        EXPECT_TRUE(full.progressive) << name;
        EXPECT_FALSE(full.dcOnly) << name;
        EXPECT_TRUE(dc.dcOnly) << name;
        EXPECT_EQ(dc.scaleNumerator, 1) << name;
        EXPECT_EQ(dc.image.size(), full.image.size()) << name;
        EXPECT_EQ(dc.fullSize, full.fullSize) << name;
        EXPECT_EQ(dc.exif, full.exif) << name;
        const QSize box = full.image.size().scaled(90, 90, Qt::KeepAspectRatio);
        const double thumbnailDifference = meanDifference(resample::scaled(full.image, box, resample::Filter::Lanczos3),
            resample::scaled(dc.image, box, resample::Filter::Lanczos3));
        EXPECT_LT(thumbnailDifference, 1.0) << name;
        EXPECT_LT(meanDifference(full.image, dc.image), 2.0) << name;
        // Not the full decode by accident: the skipped scans leave a trace.
        EXPECT_GT(meanDifference(full.image, dc.image), 0.0) << name;

        // Cut inside the first scan: an error, as for any truncated file.
        const qsizetype firstScan = data.indexOf(QByteArray("\xFF\xDA", 2));
        ASSERT_GT(firstScan, 0);
        const jpeg::DecodedJpeg cut = jpeg::decode(data.left(firstScan + 200), options);
        EXPECT_TRUE(cut.error.contains(QLatin1String("truncated"))) << name << ": " << qPrintable(cut.error);
    }
}

TEST(JpegDecode, DcOnlyIsIgnoredWhereItWouldLoseDetail)
{
    QUORVEL_REQUIRE_TESTDATA();
    // A baseline file interleaves DC and AC: it is decoded as ever.
    const QByteArray baseline = readBytes(testPicture(QStringLiteral("cameras/casio-ex-z3.jpg")));
    jpeg::DecodeOptions options = limited(90);
    options.progressiveDcOnly = true;
    const jpeg::DecodedJpeg baselineDc = jpeg::decode(baseline, options);
    EXPECT_FALSE(baselineDc.progressive);
    EXPECT_FALSE(baselineDc.dcOnly);
    EXPECT_EQ(baselineDc.image, jpeg::decode(baseline, limited(90)).image);

    // Above 1/8 the AC coefficients make the picture: the whole file is read.
    const QByteArray progressive = readBytes(testPicture(QStringLiteral("formats/progressive.jpg")));
    options.minLongSide = 300;
    const jpeg::DecodedJpeg quarter = jpeg::decode(progressive, options);
    EXPECT_EQ(quarter.scaleNumerator, 2);
    EXPECT_FALSE(quarter.dcOnly);
    EXPECT_EQ(quarter.image, jpeg::decode(baseline, limited(300)).image); // lossless copy, same pixels
}

// A file is read only as far as its picture data's end marker, found by walking its
// segments (their lengths passed over, so an end marker's bytes inside a comment or
// after fill bytes do not end it early): a large file gives exactly what its bytes
// give in memory, with the DC-only readers still taking it.
TEST(JpegDecode, AFileGivesWhatItsBytesGiveWhateverFollowsThePictureData)
{
    QUORVEL_REQUIRE_TESTDATA();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray baseline = readBytes(testPicture(QStringLiteral("cameras/nikon-e950.jpg")));
    QByteArray progressive = readBytes(testPicture(QStringLiteral("formats/progressive-real.jpg")));
    const qsizetype scan = progressive.indexOf(QByteArray("\xFF\xDA", 2));
    ASSERT_GT(scan, 0);
    progressive.insert(scan, QByteArray("\xFF\xFF\xFF\xFE\x00\x08\xFF\xD9\xFF\xD8\xFF\xD9", 12));
    constexpr qint64 kPadding = qint64(33) << 20; // beyond what is read whole
    struct Case {
        const char *name;
        QByteArray bytes;
        bool fastDc; ///< the 1/8 decode is the DC-only reader's
    };
    const Case cases[] = {
        { "baseline", baseline, true },
        { "progressive, an end marker in a comment", progressive, true },
        { "cut short", baseline.left(baseline.size() / 2), false },
    };
    for (const Case &c : cases) {
        const QString path = dir.filePath(QLatin1String(c.name));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.write(c.bytes) == c.bytes.size());
        ASSERT_TRUE(file.resize(c.bytes.size() + kPadding));
        const QByteArray inMemory = c.bytes + QByteArray(kPadding, '\0');
        for (const int minLongSide : { 90, 0 }) {
            jpeg::DecodeOptions options = limited(minLongSide);
            options.progressiveDcOnly = true;
            ASSERT_TRUE(file.seek(0));
            const jpeg::DecodedJpeg read = jpeg::decodeFile(file, options);
            const jpeg::DecodedJpeg held = jpeg::decode(inMemory, options);
            EXPECT_EQ(read.error, held.error) << c.name;
            EXPECT_EQ(read.image, held.image) << c.name << " at " << minLongSide;
            EXPECT_EQ(read.exif, held.exif) << c.name;
            if (minLongSide > 0) {
                EXPECT_EQ(read.fastDc, c.fastDc) << c.name;
            }
        }
    }
}
