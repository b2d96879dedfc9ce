// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/gifcodec.h"
#include "imaging/thumbnailer.h"
#include "imagingtesthelpers.h"

#include <gtest/gtest.h>

using namespace quorvel;
using quorvel::test::gifFile;
using quorvel::test::GifFrame;

namespace
{

constexpr qint64 kLimit = Thumbnailer::kMaxDecodedPixels;

const QList<QRgb> kFourColours = { qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(0, 0, 0) };

QImage expectedImage(int width, int height, const QList<QList<QRgb>> &rows)
{
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(Qt::white);
    for (int y = 0; y < rows.size(); ++y)
        for (int x = 0; x < rows[y].size(); ++x)
            image.setPixel(x, y, rows[y][x]);
    return image;
}

GifFrame frame(int left, int top, int width, int height, const QByteArray &indices)
{
    GifFrame f;
    f.left = left;
    f.top = top;
    f.width = width;
    f.height = height;
    f.indices = indices;
    return f;
}

} // namespace

TEST(GifDecode, TransparentPixelsAndTheScreenAroundTheFrameAreWhite)
{
    GifFrame f = frame(1, 1, 4, 2, QByteArray("\x00\x01\x02\x03\x01\x01\x03\x02", 8));
    f.transparentIndex = 1;
    const gif::DecodedGif decoded = gif::decodeFirstFrame(gifFile(6, 4, kFourColours, { f }), kLimit);
    ASSERT_TRUE(decoded.error.isEmpty()) << qPrintable(decoded.error);

    const QRgb w = qRgb(255, 255, 255);
    const QImage expected = expectedImage(6,
        4,
        { { w, w, w, w, w, w },
            { w, kFourColours[0], w, kFourColours[2], kFourColours[3], w },
            { w, w, w, kFourColours[3], kFourColours[2], w },
            { w, w, w, w, w, w } });
    EXPECT_EQ(decoded.image, expected);
}

TEST(GifDecode, InterlacedRowsComeBackInOrder)
{
    // 11 rows reach all four interlace passes; row r has colour r.
    QList<QRgb> palette;
    QByteArray indices;
    QList<QList<QRgb>> rows;
    for (int r = 0; r < 11; ++r) {
        palette.append(qRgb(r * 20, 255 - r * 20, r * 7));
        indices.append(QByteArray(3, char(r)));
        rows.append({ palette.last(), palette.last(), palette.last() });
    }
    const QImage expected = expectedImage(3, 11, rows);
    for (const bool interlaced : { false, true }) {
        GifFrame f = frame(0, 0, 3, 11, indices);
        f.interlaced = interlaced;
        const gif::DecodedGif decoded = gif::decodeFirstFrame(gifFile(3, 11, palette, { f }), kLimit);
        ASSERT_TRUE(decoded.error.isEmpty()) << qPrintable(decoded.error);
        EXPECT_EQ(decoded.image, expected) << (interlaced ? "interlaced" : "sequential");
    }
}

TEST(GifDecode, OnlyTheFirstFrameCounts)
{
    GifFrame first = frame(0, 0, 2, 1, QByteArray("\x00\x02", 2));
    GifFrame second = frame(0, 0, 2, 1, QByteArray("\x03\x03", 2));
    second.transparentIndex = 0; // belongs to the second frame only
    const QByteArray oneFrame = gifFile(2, 1, kFourColours, { first });
    const QByteArray twoFrames = gifFile(2, 1, kFourColours, { first, second });
    const QImage expected = expectedImage(2, 1, { { kFourColours[0], kFourColours[2] } });

    struct Case {
        const char *name;
        QByteArray data;
        bool ok;
    };
    const Case cases[] = {
        { "two frames", twoFrames, true },
        { "cut in the second frame", twoFrames.left(twoFrames.size() - 4), true },
        { "cut right after the first frame", oneFrame.left(oneFrame.size() - 1), true },
        { "cut in the first frame", oneFrame.left(oneFrame.size() - 3), false },
    };
    for (const Case &c : cases) {
        const gif::DecodedGif decoded = gif::decodeFirstFrame(c.data, kLimit);
        EXPECT_EQ(decoded.error.isEmpty(), c.ok) << c.name << ": " << qPrintable(decoded.error);
        if (c.ok)
            EXPECT_EQ(decoded.image, expected) << c.name;
        else
            EXPECT_TRUE(decoded.error.contains(QLatin1String("truncated"))) << qPrintable(decoded.error);
    }
}

TEST(GifDecode, IndexBeyondThePaletteIsBlack)
{
    const QList<QRgb> twoColours = { qRgb(10, 20, 30), qRgb(40, 50, 60) };
    const gif::DecodedGif decoded =
        gif::decodeFirstFrame(gifFile(2, 1, twoColours, { frame(0, 0, 2, 1, QByteArray("\x01\x07", 2)) }), kLimit);
    ASSERT_TRUE(decoded.error.isEmpty()) << qPrintable(decoded.error);
    EXPECT_EQ(decoded.image, expectedImage(2, 1, { { twoColours[1], qRgb(0, 0, 0) } }));
}

TEST(GifDecode, SizesAboveThePixelLimitAreRefused)
{
    const QByteArray pixel("\x00", 1);
    struct Case {
        const char *name;
        QByteArray data;
    };
    const Case cases[] = {
        { "screen of 65535 x 65535", gifFile(65535, 65535, kFourColours, { frame(0, 0, 1, 1, pixel) }) },
        { "frame of 65535 x 65535", gifFile(10, 10, kFourColours, { frame(0, 0, 65535, 65535, pixel) }) },
        { "frame placed far outside the screen",
            gifFile(10, 10, kFourColours, { frame(60000, 60000, 10, 10, pixel) }) },
    };
    for (const Case &c : cases) {
        const gif::DecodedGif decoded = gif::decodeFirstFrame(c.data, kLimit);
        EXPECT_TRUE(decoded.image.isNull()) << c.name;
        EXPECT_TRUE(decoded.error.contains(QLatin1String("too large"))) << c.name << ": " << qPrintable(decoded.error);
    }
    // Well under the limit the same layout is fine: the canvas grows to hold the frame.
    const gif::DecodedGif outside =
        gif::decodeFirstFrame(gifFile(10, 10, kFourColours, { frame(20, 5, 1, 1, pixel) }), kLimit);
    ASSERT_TRUE(outside.error.isEmpty()) << qPrintable(outside.error);
    EXPECT_EQ(outside.image.size(), QSize(21, 10));
    EXPECT_EQ(outside.image.pixel(20, 5), kFourColours[0]);
}

TEST(GifDecode, DamagedFilesGiveAnError)
{
    const QByteArray good = gifFile(2, 1, kFourColours, { frame(0, 0, 2, 1, QByteArray("\x00\x01", 2)) });
    QByteArray noColourTable = good;
    noColourTable[10] = char(quint8(noColourTable[10]) & 0x7F);
    noColourTable.remove(13, 3 * 4);

    struct Case {
        const char *name;
        QByteArray data;
    };
    const Case cases[] = {
        { "signature only", QByteArray("GIF89a") },
        { "no frame at all", good.left(13 + 12) + QByteArray(1, 0x3B) },
        { "garbage after the header", good.left(13 + 12) + QByteArray(40, char(0x99)) },
        { "no colour table", noColourTable },
        { "empty", QByteArray() },
    };
    for (const Case &c : cases) {
        const gif::DecodedGif decoded = gif::decodeFirstFrame(c.data, kLimit);
        EXPECT_FALSE(decoded.error.isEmpty()) << c.name;
        EXPECT_TRUE(decoded.image.isNull()) << c.name;
    }
}
