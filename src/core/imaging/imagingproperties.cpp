// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/imagingproperties.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace quorvel
{

static_assert(ImageSettings {}.boxSize == ImagingProperties::kInitialThumbSize);

QString ImagingProperties::changeThumbSize(double size)
{
    if (!std::isfinite(size) || size < 0)
        return QCoreApplication::translate(
            "quorvel::ImageBox", "The thumbnail size must be a number of pixels, 0 or more.");
    m_thumbSize = size;
    if (size > 0)
        m_settings.boxSize = std::max(1, static_cast<int>(std::lround(std::min(size, 1.0e6))));
    return {};
}

void ImagingProperties::setQuality(int value)
{
    m_settings.quality = std::clamp(value, 0, 100);
}

void ImagingProperties::setSmoothing(int value)
{
    m_settings.smoothing = std::clamp(value, 0, 100);
}

void ImagingProperties::setDctMethod(int value)
{
    m_settings.dctMethod = std::clamp(value, 0, 2);
}

void ImagingProperties::setDitherMethod(int value)
{
    m_settings.ditherMethod = std::clamp(value, 0, 2);
}

void ImagingProperties::setDitherPolicy(int value)
{
    m_settings.ditherPolicy = std::clamp(value, 0, 2);
}

ImageSettings ImagingProperties::settings() const
{
    ImageSettings result = m_settings;
    result.frame = m_thumbSize > 0 && m_borderStyle == 1;
    return result;
}

} // namespace quorvel
