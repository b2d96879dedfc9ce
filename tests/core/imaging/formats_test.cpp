// SPDX-License-Identifier: GPL-3.0-or-later
// PNG, WebP and TIFF through Thumbnailer: orientation, colour profile, transparency,
// scaled decode and damaged files, one table across the three formats.
#include "imaging/pngcodec.h"
#include "imaging/thumbnailer.h"
#include "imagingtesthelpers.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace quorvel;

namespace
{

// The photograph every orientation and profile file was made from, upright and in sRGB:
// png-icc.png as stored, with its red and green swapped back by hand.
QImage uprightReference()
{
    QImage image = png::decode(test::readFile(test::formatPicture(QStringLiteral("png-icc.png"))), 0).image;
    for (int y = 0; y < image.height(); ++y) {
        uchar *row = image.scanLine(y);
        for (int x = 0; x < image.width(); ++x)
            std::swap(row[3 * x], row[3 * x + 1]);
    }
    return image;
}

bool isWhite(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y) == QColor(Qt::white);
}

struct DecodeCase {
    const char *file;
    int minLongSide;
    QSize size; ///< of the decoded picture, upright
    QSize fullSize; ///< upright
    double maxDifference; ///< from the reference photograph; < 0: not compared
};

} // namespace

TEST(PictureFormats, EachFormatComesOutUprightInSrgbAtTheSizeAsked)
{
    const QImage reference = uprightReference();
    ASSERT_EQ(reference.size(), QSize(180, 120));
    const DecodeCase cases[] = {
        { "png-orientation-6.png", 0, { 180, 120 }, { 180, 120 }, 8 },
        { "webp-orientation-6.webp", 0, { 180, 120 }, { 180, 120 }, 8 },
        { "tiff-orientation-3.tif", 0, { 180, 120 }, { 180, 120 }, 8 },
        { "png-icc.png", 0, { 180, 120 }, { 180, 120 }, 2 },
        { "webp-icc.webp", 0, { 180, 120 }, { 180, 120 }, 4 },
        { "tiff-icc.tif", 0, { 180, 120 }, { 180, 120 }, 2 },
        // a PNG has no scaled decode; a WebP scales while decoding
        { "png-orientation-6.png", 60, { 180, 120 }, { 180, 120 }, -1 },
        { "webp-orientation-6.webp", 60, { 60, 40 }, { 180, 120 }, -1 },
        // a TIFF's reduced copy when it covers the size, the page itself otherwise
        { "tiff-gray-reduced.tif", 100, { 160, 120 }, { 640, 480 }, -1 },
        { "tiff-gray-reduced.tif", 200, { 640, 480 }, { 640, 480 }, -1 },
        { "png-gray16.png", 0, { 80, 60 }, { 80, 60 }, -1 },
        { "webp-animated.webp", 60, { 160, 120 }, { 160, 120 }, -1 },
    };
    for (const DecodeCase &c : cases) {
        SCOPED_TRACE(c.file);
        const QString path = test::formatPicture(QString::fromLatin1(c.file));
        const DecodedPicture fromFile = Thumbnailer::decode(path, ImageSettings(), c.minLongSide);
        const DecodedPicture fromData = Thumbnailer::decodeData(test::readFile(path), ImageSettings(), c.minLongSide);
        ASSERT_TRUE(fromFile.ok()) << qPrintable(fromFile.error);
        EXPECT_EQ(fromFile.image, fromData.image);
        EXPECT_EQ(fromFile.image.size(), c.size);
        EXPECT_EQ(fromFile.fullSize, c.fullSize);
        if (c.maxDifference >= 0) {
            EXPECT_LT(test::meanDifference(fromFile.image, reference), c.maxDifference);
        }
    }
    // The grey pictures stay grey.
    EXPECT_EQ(
        Thumbnailer::decode(test::formatPicture(QStringLiteral("png-gray16.png")), ImageSettings()).image.format(),
        QImage::Format_Grayscale8);
    EXPECT_EQ(Thumbnailer::decode(test::formatPicture(QStringLiteral("tiff-gray-reduced.tif")), ImageSettings(), 100)
                  .image.format(),
        QImage::Format_Grayscale8);
}

TEST(PictureFormats, TransparentPixelsLieOnWhiteInEveryFormat)
{
    QImage first;
    for (const char *file : { "png-alpha-interlaced.png", "webp-alpha.webp", "tiff-alpha.tif" }) {
        SCOPED_TRACE(file);
        const DecodedPicture picture =
            Thumbnailer::decode(test::formatPicture(QString::fromLatin1(file)), ImageSettings());
        ASSERT_TRUE(picture.ok()) << qPrintable(picture.error);
        ASSERT_EQ(picture.image.size(), QSize(120, 140));
        EXPECT_EQ(picture.image.format(), QImage::Format_RGB888);
        // outside the circle white, inside the photograph
        EXPECT_TRUE(isWhite(picture.image, 0, 0));
        EXPECT_TRUE(isWhite(picture.image, 119, 139));
        EXPECT_FALSE(isWhite(picture.image, 60, 70));
        if (first.isNull())
            first = picture.image;
        EXPECT_LT(test::meanDifference(picture.image, first), 3);
    }
}

TEST(PictureFormats, DamagedFilesGiveAnErrorNamingWhatIsWrong)
{
    const std::pair<const char *, const char *> cases[] = {
        { "broken-truncated.png", "The PNG file is truncated: its data ends before the picture is complete." },
        { "broken-corrupt.png", "The PNG file is damaged (" },
        { "broken-truncated.webp", "The WebP file is truncated: its data ends before the picture is complete." },
        { "broken-truncated.tif", "The TIFF file cannot be read: " },
    };
    for (const auto &[file, error] : cases) {
        SCOPED_TRACE(file);
        const QString path = test::formatPicture(QString::fromLatin1(file));
        for (const int minLongSide : { 0, 60 }) {
            const DecodedPicture picture = Thumbnailer::decode(path, ImageSettings(), minLongSide);
            EXPECT_TRUE(picture.error.startsWith(QString::fromLatin1(error))) << qPrintable(picture.error);
            EXPECT_TRUE(picture.image.isNull());
            EXPECT_EQ(Thumbnailer::decodeData(test::readFile(path), ImageSettings(), minLongSide).error, picture.error);
        }
    }
}
