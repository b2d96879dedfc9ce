// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

namespace quorvel::colorprofile
{

/// Converts an RGB888 or Grayscale8 image from the colour space its embedded ICC profile
/// describes to sRGB (a grayscale picture stays grayscale, with the sRGB tone curve).
/// Returns the image unchanged when the profile is empty, cannot be parsed, does not
/// describe the image's colour model or gives no usable transform: a broken profile never
/// makes a picture fail. Returns a null image only when memory runs out.
QImage toSrgb(const QImage &image, const QByteArray &iccProfile);

/// An RGB colour space given by the CIE xy chromaticities of its primaries and white point
/// and by its tone curve: how HEIF and AVIF files describe their pixels when they embed no
/// ICC profile (by code points, "nclx"). The defaults are sRGB's.
struct RgbSpace {
    enum class Curve { Srgb, Gamma22, Gamma28, Linear };
    double redX = 0.64, redY = 0.33;
    double greenX = 0.30, greenY = 0.60;
    double blueX = 0.15, blueY = 0.06;
    double whiteX = 0.3127, whiteY = 0.3290;
    Curve curve = Curve::Srgb;

    bool operator==(const RgbSpace &) const = default;
};

/// An ICC profile describing space, for toSrgb(). A thread gets the same bytes for the
/// same space, so toSrgb() reuses its transform from one picture to the next. Empty when
/// the chromaticities describe no colour space (toSrgb() then leaves the picture as it is).
QByteArray iccProfileOf(const RgbSpace &space);

/// Converts rows of 4-byte CMYK pixels to an sRGB RGB888 image. inverted: the values are
/// stored as Adobe's encoders write them (0 = full ink). A usable CMYK profile is applied
/// (perceptual intent); without one the plain formula R = (1 - C)(1 - K) (and so on) is
/// used. Returns a null image only when memory runs out.
QImage cmykToSrgb(const unsigned char *cmyk,
    int width,
    int height,
    qsizetype bytesPerLine,
    bool inverted,
    const QByteArray &iccProfile);

} // namespace quorvel::colorprofile
