// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/resample.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace quorvel;
using resample::Filter;

namespace
{

QImage filled(QSize size, QImage::Format format, int level)
{
    QImage image(size, format);
    image.fill(QColor(level, level, level));
    return image;
}

// A picture with detail in every pixel: a different value per position and channel.
QImage pattern(QSize size, QImage::Format format)
{
    QImage image(size, format);
    const int rowBytes = size.width() * (image.depth() / 8);
    for (int y = 0; y < size.height(); ++y) {
        uchar *row = image.scanLine(y);
        for (int i = 0; i < rowBytes; ++i)
            row[i] = uchar((i * 37 + y * 101 + (i * y) % 13) & 0xFF);
    }
    return image;
}

} // namespace

TEST(Resample, FlatAreasStayFlatWithEitherFilter)
{
    for (const Filter filter : { Filter::Area, Filter::Lanczos3 }) {
        for (const QImage::Format format : { QImage::Format_RGB888, QImage::Format_Grayscale8 }) {
            for (const int level : { 0, 1, 128, 254, 255 }) {
                // Shrinking by a whole and an odd factor, and enlarging.
                for (const QSize to : { QSize(50, 30), QSize(37, 23), QSize(211, 131) }) {
                    const QImage out = resample::scaled(filled(QSize(200, 120), format, level), to, filter);
                    ASSERT_EQ(out.size(), to);
                    ASSERT_EQ(out.format(), format);
                    EXPECT_EQ(out, filled(to, format, level)) << "level " << level << " to " << to.width();
                }
            }
        }
    }
}

TEST(Resample, AreaFilterAveragesTheCoveredPixels)
{
    // Halving: every output pixel is the rounded mean of its 2 x 2 block.
    const QImage in = pattern(QSize(40, 20), QImage::Format_RGB888);
    const QImage out = resample::scaled(in, QSize(20, 10), Filter::Area);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 20; ++x) {
            for (int c = 0; c < 3; ++c) {
                const int sum = in.constScanLine(2 * y)[6 * x + c] + in.constScanLine(2 * y)[6 * x + 3 + c]
                    + in.constScanLine(2 * y + 1)[6 * x + c] + in.constScanLine(2 * y + 1)[6 * x + 3 + c];
                // Rows first, rounded to 8 bits, then columns: off by at most one.
                EXPECT_NEAR(out.constScanLine(y)[3 * x + c], sum / 4.0, 1.0) << x << "," << y << " c" << c;
            }
        }
    }
}

TEST(Resample, EdgesStayWhereTheyAre)
{
    // Black left half, white right half, shrunk by 3: the edge falls between output
    // pixels 49 and 50. The area filter keeps it exact; Lanczos, three input pixels
    // wide per lobe, lets a little of each side into the pixel next to it, and no more.
    QImage in(QSize(300, 30), QImage::Format_Grayscale8);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 300; ++x)
            in.scanLine(y)[x] = x < 150 ? 0 : 255;
    const QImage area = resample::scaled(in, QSize(100, 10), Filter::Area);
    const QImage lanczos = resample::scaled(in, QSize(100, 10), Filter::Lanczos3);
    EXPECT_EQ(area.constScanLine(5)[49], 0);
    EXPECT_EQ(area.constScanLine(5)[50], 255);
    EXPECT_LE(lanczos.constScanLine(5)[49], 24);
    EXPECT_GE(lanczos.constScanLine(5)[50], 231);
    for (const QImage *image : { &area, &lanczos }) {
        EXPECT_EQ(image->constScanLine(5)[40], 0); // away from the edge: the input's own values
        EXPECT_EQ(image->constScanLine(5)[60], 255);
        EXPECT_EQ(image->constScanLine(0)[45], image->constScanLine(9)[45]); // nothing changes down a column
    }
}

TEST(Resample, SameInputGivesTheSameBytesAndOtherFormatsAreRefused)
{
    const QImage in = pattern(QSize(333, 250), QImage::Format_RGB888);
    EXPECT_EQ(
        resample::scaled(in, QSize(90, 68), Filter::Lanczos3), resample::scaled(in, QSize(90, 68), Filter::Lanczos3));
    EXPECT_EQ(resample::scaled(in, in.size(), Filter::Lanczos3), in);
    // One pixel wide and tall pictures, and a picture reduced to one pixel.
    EXPECT_EQ(resample::scaled(in, QSize(1, 1), Filter::Area).size(), QSize(1, 1));
    EXPECT_EQ(
        resample::scaled(pattern(QSize(1, 400), QImage::Format_Grayscale8), QSize(1, 90), Filter::Lanczos3).size(),
        QSize(1, 90));
    EXPECT_TRUE(resample::scaled(in.convertToFormat(QImage::Format_ARGB32), QSize(90, 68), Filter::Area).isNull());
    EXPECT_TRUE(resample::scaled(QImage(), QSize(90, 68), Filter::Area).isNull());
    EXPECT_TRUE(resample::scaled(in, QSize(0, 68), Filter::Area).isNull());
}

// The colour pictures take the vector paths (three channels at once, rows two taps at a
// time); a grayscale picture of each channel alone must come out the same.
TEST(Resample, ColourChannelsComeOutAsEachChannelAlone)
{
    struct Case {
        QSize from;
        QSize to;
    };
    const Case cases[] = {
        { { 333, 250 }, { 90, 68 } }, // a large reduction: many taps
        { { 1201, 767 }, { 1024, 654 } }, // a small one: rows of odd length, few taps
        { { 37, 23 }, { 17, 11 } },
        { { 20, 9 }, { 61, 30 } }, // enlarging
        { { 300, 5 }, { 7, 5 } }, // rows only
        { { 5, 300 }, { 5, 7 } }, // columns only
    };
    for (const Filter filter : { Filter::Lanczos3, Filter::Area }) {
        for (const Case &c : cases) {
            const QImage in = pattern(c.from, QImage::Format_RGB888);
            const QImage out = resample::scaled(in, c.to, filter);
            ASSERT_EQ(out.size(), c.to);
            for (int channel = 0; channel < 3; ++channel) {
                QImage plane(c.from, QImage::Format_Grayscale8);
                for (int y = 0; y < c.from.height(); ++y)
                    for (int x = 0; x < c.from.width(); ++x)
                        plane.scanLine(y)[x] = in.constScanLine(y)[3 * x + channel];
                const QImage expected = resample::scaled(plane, c.to, filter);
                for (int y = 0; y < c.to.height(); ++y)
                    for (int x = 0; x < c.to.width(); ++x)
                        ASSERT_EQ(out.constScanLine(y)[3 * x + channel], expected.constScanLine(y)[x])
                            << c.from.width() << "->" << c.to.width() << " at " << x << "," << y << " channel "
                            << channel;
            }
        }
    }
}
