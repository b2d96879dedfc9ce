// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/colorprofile.h"
#include "imagingtesthelpers.h"
#include "support/testsupport.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <jpeglib.h>

using namespace quorvel;

namespace
{

struct Cmyk {
    uchar c, m, y, k;
};

QImage convert(const QList<Cmyk> &pixels, bool inverted, const QByteArray &icc = {})
{
    QByteArray raw;
    for (const Cmyk &p : pixels) {
        const auto store = [inverted](uchar v) {
            return char(inverted ? 255 - v : v);
        };
        raw.append(store(p.c));
        raw.append(store(p.m));
        raw.append(store(p.y));
        raw.append(store(p.k));
    }
    return colorprofile::cmykToSrgb(
        reinterpret_cast<const uchar *>(raw.constData()), int(pixels.size()), 1, raw.size(), inverted, icc);
}

// The CMYK profile embedded (over several APP2 segments) in the real-world CMYK test file.
QByteArray embeddedCmykProfile()
{
    const QByteArray file =
        test::readBytes(test::testPicture(QStringLiteral("formats/cmyk-real-multiple-icc-segments.jpg")));
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char *>(file.constData()), (unsigned long)file.size());
    jpeg_save_markers(&cinfo, JPEG_APP0 + 2, 0xFFFF);
    jpeg_read_header(&cinfo, TRUE);
    JOCTET *icc = nullptr;
    unsigned int length = 0;
    QByteArray bytes;
    if (jpeg_read_icc_profile(&cinfo, &icc, &length))
        bytes = QByteArray(reinterpret_cast<const char *>(icc), qsizetype(length));
    std::free(icc);
    jpeg_destroy_decompress(&cinfo);
    return bytes;
}

} // namespace

TEST(ColorProfile, CmykWithoutProfileUsesThePlainFormula)
{
    const QList<Cmyk> pixels = { { 0, 0, 0, 0 },
        { 0, 0, 0, 255 },
        { 255, 0, 0, 0 },
        { 0, 255, 0, 0 },
        { 0, 0, 255, 0 },
        { 0, 0, 0, 128 },
        { 128, 0, 0, 128 } };
    const QList<QRgb> expected = { qRgb(255, 255, 255),
        qRgb(0, 0, 0),
        qRgb(0, 255, 255),
        qRgb(255, 0, 255),
        qRgb(255, 255, 0),
        qRgb(127, 127, 127),
        qRgb(63, 127, 127) };
    for (const bool inverted : { false, true }) {
        const QImage image = convert(pixels, inverted);
        ASSERT_EQ(image.format(), QImage::Format_RGB888);
        for (int i = 0; i < pixels.size(); ++i)
            EXPECT_EQ(image.pixel(i, 0), expected[i]) << "pixel " << i << (inverted ? " inverted" : "");
    }
    // An unusable profile falls back to the same formula.
    EXPECT_EQ(convert(pixels, true, QByteArray(600, 'x')), convert(pixels, true));
}

TEST(ColorProfile, EmbeddedCmykProfileIsApplied)
{
    QUORVEL_REQUIRE_TESTDATA();
    const QByteArray icc = embeddedCmykProfile();
    ASSERT_GT(icc.size(), 1000);
    const QList<Cmyk> pixels = { { 0, 0, 0, 0 }, { 0, 0, 0, 255 }, { 255, 0, 0, 0 }, { 0, 255, 255, 0 } };
    const QImage profiled = convert(pixels, true, icc);
    ASSERT_FALSE(profiled.isNull());
    EXPECT_GT(qGray(profiled.pixel(0, 0)), 235) << "paper is white";
    EXPECT_LT(qGray(profiled.pixel(1, 0)), 70) << "full black ink is dark";
    const QRgb cyan = profiled.pixel(2, 0);
    EXPECT_TRUE(qBlue(cyan) > qRed(cyan) + 80 && qGreen(cyan) > qRed(cyan) + 50) << "cyan ink looks cyan";
    const QRgb red = profiled.pixel(3, 0);
    EXPECT_TRUE(qRed(red) > qGreen(red) + 100 && qRed(red) > qBlue(red) + 100) << "magenta + yellow look red";
    // Printing inks are duller than the formula's pure primaries: the profile was used.
    EXPECT_NE(profiled, convert(pixels, true));
}
