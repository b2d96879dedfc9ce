// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "imaging/imagesettings.h"

#include <QString>

namespace quorvel
{

/// The properties of an imaging control that decide the thumbnail it makes and how it
/// draws it, with the rules by which the control takes them. An ImageBox holds one;
/// ImagingOptions holds the one the main window's controls follow.
///
/// ThumbSize:
///  - N > 0: the thumbnail fits an N x N box (N rounded to a whole pixel), aspect
///    kept, never enlarged. N is remembered as the last positive size (90 at start).
///  - 0: the same size as the last positive size, without the frame ("No border").
///  - negative (or not a number): refused with an error; the previous value stays.
/// The frame, one dark pixel wide over the thumbnail's outermost pixels, is drawn
/// when the last size set was positive and BorderStyle is 1.
///
/// The JPEG settings are clamped to their ranges: Quality and Smoothing 0..100, the
/// DctMethod, DitherMethod and DitherPolicy codes 0..2.
class ImagingProperties
{
public:
    static constexpr int kInitialThumbSize = 90;

    double thumbSize() const
    {
        return m_thumbSize;
    }
    /// Sets ThumbSize; returns the error for a negative size (the value stays).
    QString changeThumbSize(double size);
    /// The last positive ThumbSize, rounded to whole pixels.
    int lastPositiveSize() const
    {
        return m_settings.boxSize;
    }

    int quality() const
    {
        return m_settings.quality;
    }
    void setQuality(int value);
    int smoothing() const
    {
        return m_settings.smoothing;
    }
    void setSmoothing(int value);
    bool optimizeCoding() const
    {
        return m_settings.optimizeCoding;
    }
    void setOptimizeCoding(bool value)
    {
        m_settings.optimizeCoding = value;
    }
    int dctMethod() const
    {
        return m_settings.dctMethod;
    }
    void setDctMethod(int value);
    int ditherMethod() const
    {
        return m_settings.ditherMethod;
    }
    void setDitherMethod(int value);
    int ditherPolicy() const
    {
        return m_settings.ditherPolicy;
    }
    void setDitherPolicy(int value);
    bool twoPassQuantize() const
    {
        return m_settings.twoPassQuantize;
    }
    void setTwoPassQuantize(bool value)
    {
        m_settings.twoPassQuantize = value;
    }
    bool fancyUpsampling() const
    {
        return m_settings.fancyUpsampling;
    }
    void setFancyUpsampling(bool value)
    {
        m_settings.fancyUpsampling = value;
    }

    /// 0 none, 1 single line: whether thumbnails get their frame.
    int borderStyle() const
    {
        return m_borderStyle;
    }
    void setBorderStyle(int value)
    {
        m_borderStyle = value != 0 ? 1 : 0;
    }
    /// 1: the picture is drawn over a background instead of the control's own; 0: opaque.
    int transparent() const
    {
        return m_transparent;
    }
    void setTransparent(int value)
    {
        m_transparent = value != 0 ? 1 : 0;
    }

    /// The settings a thumbnail is made with now: the JPEG settings, the last positive
    /// size as the box, and the frame.
    ImageSettings settings() const;

    friend bool operator==(const ImagingProperties &, const ImagingProperties &) = default;

private:
    ImageSettings m_settings; // boxSize: the last positive ThumbSize; frame: see settings()
    double m_thumbSize = kInitialThumbSize;
    int m_borderStyle = 1;
    int m_transparent = 0;
};

} // namespace quorvel
