// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/colorprofile.h"
#include "imagingtesthelpers.h"
#include "support/testsupport.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <lcms2.h>

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

// The profile as the bytes a file embeds; closes it.
QByteArray takeProfileBytes(cmsHPROFILE profile)
{
    cmsUInt32Number size = 0;
    cmsSaveProfileToMem(profile, nullptr, &size);
    QByteArray bytes(qsizetype(size), '\0');
    cmsSaveProfileToMem(profile, bytes.data(), &size);
    cmsCloseProfile(profile);
    return bytes;
}

// An RGB profile with the given primaries, D65 white and the given tone curve (taken).
QByteArray rgbProfile(cmsToneCurve *curve, const cmsCIExyYTRIPLE &primaries)
{
    cmsCIExyY d65;
    cmsWhitePointFromTemp(&d65, 6504);
    cmsToneCurve *curves[3] = { curve, curve, curve };
    const QByteArray bytes = takeProfileBytes(cmsCreateRGBProfile(&d65, &primaries, curves));
    cmsFreeToneCurve(curve);
    return bytes;
}

constexpr cmsCIExyYTRIPLE kSrgbPrimaries = { { 0.64, 0.33, 1 }, { 0.30, 0.60, 1 }, { 0.15, 0.06, 1 } };
constexpr cmsCIExyYTRIPLE kWidePrimaries = { { 0.64, 0.33, 1 }, { 0.21, 0.71, 1 }, { 0.15, 0.06, 1 } };

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

// Most cameras embed sRGB itself: converting changes nothing, so the picture is passed
// through. A profile that differs in its curves or its primaries is applied.
TEST(ColorProfile, OnlyProfilesOtherThanSrgbChangeTheColours)
{
    QImage image(4, 1, QImage::Format_RGB888);
    const QRgb colours[] = { qRgb(128, 128, 128), qRgb(200, 30, 30), qRgb(30, 200, 30), qRgb(10, 20, 240) };
    for (int x = 0; x < 4; ++x)
        image.setPixel(x, 0, colours[x]);
    const cmsFloat64Number srgbCurve[5] = { 2.4, 1.0 / 1.055, 0.055 / 1.055, 1.0 / 12.92, 0.04045 };
    const auto srgbTone = [&] {
        return cmsBuildParametricToneCurve(nullptr, 4, srgbCurve);
    };

    EXPECT_EQ(colorprofile::toSrgb(image, takeProfileBytes(cmsCreate_sRGBProfile())), image);
    EXPECT_EQ(colorprofile::toSrgb(image, rgbProfile(srgbTone(), kSrgbPrimaries)), image) << "sRGB made by hand";

    const QImage linear = colorprofile::toSrgb(image, rgbProfile(cmsBuildGamma(nullptr, 1.0), kSrgbPrimaries));
    EXPECT_GT(qGray(linear.pixel(0, 0)), 170) << "linear mid grey is light grey in sRGB";
    const QImage wide = colorprofile::toSrgb(image, rgbProfile(srgbTone(), kWidePrimaries));
    EXPECT_NEAR(qGray(wide.pixel(0, 0)), qGray(image.pixel(0, 0)), 1) << "grey stays grey";
    EXPECT_NE(wide.pixel(2, 0), image.pixel(2, 0)) << "a greener green";
    // The same profile again (the cached transform) gives the same picture.
    EXPECT_EQ(colorprofile::toSrgb(image, rgbProfile(cmsBuildGamma(nullptr, 1.0), kSrgbPrimaries)), linear);
}
