// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/heifcodec.h"
#include "imaging/thumbnailer.h"
#include "imagingtesthelpers.h"
#include "testsupport.h"

#include <QFile>
#include <QTransform>

#include <gtest/gtest.h>

using namespace quorvel;

namespace
{

constexpr qint64 kLimit = Thumbnailer::kMaxDecodedPixels;

QString heifPicture(const char *name)
{
    return test::testPicture(QLatin1String(name));
}

QImage scaledTo(const QImage &image, QSize size)
{
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The landscape photograph upright, as the sRGB HEIC with a thumbnail stores it: the
// words top, left, right and bottom at its edges, the digit 1 in its middle.
QImage uprightLandscape()
{
    return heif::decode(test::readBytes(heifPicture("formats/heic-thumbnail.heic")), 0, kLimit).image;
}

// The butterfly photograph in sRGB.
QImage srgbButterfly()
{
    return heif::decode(test::readBytes(heifPicture("formats/heic-srgb.heic")), 0, kLimit).image;
}

QImage leftPart(const QImage &image, int width)
{
    return image.copy(0, 0, width, image.height());
}

// The difference of two pictures of the same size in their colours and shapes, not in
// their fine detail (where the encoders' losses and the thumbnail's reduction show):
// both are reduced to a tenth first.
double overallDifference(const QImage &a, const QImage &b)
{
    const QSize small = a.size() / 10;
    return test::meanDifference(scaledTo(a, small), scaledTo(b, small));
}

struct DecodeCase {
    const char *file;
    int minLongSide;
    QSize size; ///< of the decoded picture
    QSize fullSize;
    bool fromThumbnail;
    /// What the decoded picture must look like; its left expectedWidth columns (all when 0)
    /// are compared.
    QImage (*expected)(QSize size);
    double maxDifference;
    int expectedWidth = 0;
};

} // namespace

// Each file is decoded from memory and through the file reader, with the same pixels;
// the picture is upright and sRGB whatever the file stores and however it says so.
TEST(HeifCodec, PicturesComeOutUprightInSrgbFromTheThumbnailWhenItIsLargeEnough)
{
    QUORVEL_REQUIRE_TESTDATA();
    const QList<DecodeCase> cases = {
        // the primary picture, and the stored 160 x 106 thumbnail when that covers the size
        { "formats/heic-thumbnail.heic", 0, { 480, 320 }, { 480, 320 }, false, nullptr, 0 },
        { "formats/heic-thumbnail.heic",
            100,
            { 160, 106 },
            { 480, 320 },
            true,
            [](QSize size) {
                return scaledTo(uprightLandscape(), size);
            },
            5 },
        { "formats/heic-thumbnail.heic", 161, { 480, 320 }, { 480, 320 }, false, nullptr, 0 },
        // rotated by the file (irot) and tagged with EXIF orientation 6 as well: turned once
        { "formats/avif-irot-exif-orientation-6.avif",
            0,
            { 360, 240 },
            { 360, 240 },
            false,
            [](QSize size) {
                return scaledTo(uprightLandscape(), size);
            },
            5 },
        // EXIF orientation 6 without a rotation of the file's own: shown as stored
        { "formats/heic-exif-orientation-6.heic",
            0,
            { 240, 360 },
            { 240, 360 },
            false,
            [](QSize size) {
                return scaledTo(uprightLandscape().transformed(QTransform().rotate(-90)), size);
            },
            5 },
        // a Display P3 ICC profile, and P3 by code points (nclx): converted to sRGB
        { "formats/heic-display-p3.heic",
            0,
            { 480, 320 },
            { 480, 320 },
            false,
            [](QSize) {
                return srgbButterfly();
            },
            1.5 }, // 3 without the conversion
        { "formats/avif-p3-nclx.avif",
            0,
            { 480, 320 },
            { 480, 320 },
            false,
            [](QSize) {
                return srgbButterfly();
            },
            1.5 },
        // the right third is transparent: white; the rest is the photograph
        { "formats/avif-transparent.avif",
            0,
            { 240, 160 },
            { 240, 160 },
            false,
            [](QSize size) {
                return scaledTo(uprightLandscape(), size);
            },
            5,
            160 },
    };
    ASSERT_FALSE(uprightLandscape().isNull());
    for (const DecodeCase &c : cases) {
        SCOPED_TRACE(std::string(c.file) + " for " + std::to_string(c.minLongSide));
        const heif::DecodedHeif decoded = heif::decode(test::readBytes(heifPicture(c.file)), c.minLongSide, kLimit);
        ASSERT_EQ(decoded.error, QString());
        EXPECT_EQ(decoded.image.size(), c.size);
        EXPECT_EQ(decoded.fullSize, c.fullSize);
        EXPECT_EQ(decoded.fromThumbnail, c.fromThumbnail);
        EXPECT_EQ(decoded.image.format(), QImage::Format_RGB888);

        const DecodedPicture fromFile = Thumbnailer::decode(heifPicture(c.file), ImageSettings(), c.minLongSide);
        ASSERT_EQ(fromFile.error, QString());
        EXPECT_EQ(fromFile.image, decoded.image);
        EXPECT_EQ(fromFile.fullSize, c.fullSize);

        if (c.expected) {
            const int width = c.expectedWidth > 0 ? c.expectedWidth : c.size.width();
            EXPECT_LT(overallDifference(leftPart(decoded.image, width), leftPart(c.expected(c.size), width)),
                c.maxDifference);
        }
        if (c.expectedWidth > 0) {
            const QImage transparent = decoded.image.copy(c.expectedWidth, 0, c.size.width() - c.expectedWidth, 160);
            QImage white(transparent.size(), QImage::Format_RGB888);
            white.fill(Qt::white);
            EXPECT_LT(test::meanDifference(transparent, white), 1.0);
        }
    }
}

TEST(HeifCodec, BrokenFilesGiveOneClearSentence)
{
    QUORVEL_REQUIRE_TESTDATA();
    const QByteArray whole = test::readBytes(heifPicture("formats/heic-thumbnail.heic"));
    ASSERT_FALSE(whole.isEmpty());
    QByteArray garbled = whole;
    for (qsizetype i = 40; i < 400; ++i)
        garbled[i] = char(0xA5);
    const struct {
        const char *name;
        QByteArray data;
        const char *says;
    } cases[] = {
        { "a real phone photo cut short",
            test::readBytes(heifPicture("broken/iphone-park-truncated.heic")),
            "truncated" },
        { "a rotated phone photo cut short",
            test::readBytes(heifPicture("broken/iphone-rotated-truncated.heic")),
            "truncated" },
        { "cut in its picture data", whole.left(whole.size() * 2 / 3), "truncated" },
        { "its structure overwritten", garbled, "damaged" },
        { "only the file type box", whole.left(40), "HEIF" },
        // longer than 8192 but within the pixel limit, as a phone's panorama is: not refused
        { "a panorama without its picture data", test::heifHeaderOnly(16000, 4000, false), "damaged" },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_FALSE(c.data.isEmpty());
        const DecodedPicture picture = Thumbnailer::decodeData(c.data, ImageSettings(), 0);
        EXPECT_TRUE(picture.image.isNull());
        EXPECT_TRUE(picture.error.contains(QLatin1String(c.says))) << qPrintable(picture.error);
        EXPECT_TRUE(picture.error.endsWith(QLatin1Char('.'))) << qPrintable(picture.error);
    }
}
