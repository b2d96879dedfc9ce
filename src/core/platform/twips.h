// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quorvel
{

/// Twips (1/1440 inch) are the unit window layouts are designed in. They are turned
/// into pixels at the screen's logical DPI (96 on most desktops: 15 twips a pixel).
constexpr double kTwipsPerInch = 1440.0;

constexpr double twipsToPixels(double twips, double logicalDpi)
{
    return twips * logicalDpi / kTwipsPerInch;
}

constexpr double pixelsToTwips(double pixels, double logicalDpi)
{
    return pixels * kTwipsPerInch / logicalDpi;
}

} // namespace quorvel
