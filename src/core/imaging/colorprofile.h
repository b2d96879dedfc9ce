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
