// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/exiforientation.h"

#include <gtest/gtest.h>

using namespace quorvel;

namespace
{

// "Exif\0\0" and a TIFF structure whose IFD0 holds one Orientation entry (or none).
QByteArray app1WithOrientation(int value, bool bigEndian = false, bool withTag = true)
{
    auto put16 = [bigEndian](QByteArray *out, int v) {
        const char hi = char((v >> 8) & 0xFF);
        const char lo = char(v & 0xFF);
        out->append(bigEndian ? hi : lo);
        out->append(bigEndian ? lo : hi);
    };
    auto put32 = [&put16, bigEndian](QByteArray *out, int v) {
        put16(out, bigEndian ? v >> 16 : v & 0xFFFF);
        put16(out, bigEndian ? v & 0xFFFF : v >> 16);
    };
    QByteArray out("Exif\0\0", 6);
    out.append(bigEndian ? "MM" : "II");
    put16(&out, 42);
    put32(&out, 8);
    put16(&out, withTag ? 1 : 0);
    if (withTag) {
        put16(&out, 0x0112); // Orientation
        put16(&out, 3); // SHORT
        put32(&out, 1);
        put16(&out, value);
        put16(&out, 0);
    }
    put32(&out, 0);
    return out;
}

} // namespace

TEST(ExifOrientation, TagIsReadAndOddValuesMeanUpright)
{
    for (int value = 1; value <= 8; ++value) {
        EXPECT_EQ(exif::orientationFromApp1(app1WithOrientation(value)), value);
        EXPECT_EQ(exif::orientationFromApp1(app1WithOrientation(value, true)), value) << "big-endian";
    }
    EXPECT_EQ(exif::orientationFromApp1(app1WithOrientation(0)), 1);
    EXPECT_EQ(exif::orientationFromApp1(app1WithOrientation(9)), 1);
    EXPECT_EQ(exif::orientationFromApp1(app1WithOrientation(0xFFFF, true)), 1);
    EXPECT_EQ(exif::orientationFromApp1(app1WithOrientation(6, false, false)), 1) << "no tag";
    EXPECT_EQ(exif::orientationFromApp1(QByteArray()), 1);
    EXPECT_EQ(exif::orientationFromApp1(QByteArray("Exif\0\0garbage that is no TIFF", 30)), 1);
    EXPECT_EQ(exif::orientationFromApp1(app1WithOrientation(6).left(20)), 1) << "cut short";
}
