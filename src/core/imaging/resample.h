// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>

namespace quorvel::resample
{

/// How a picture is reduced.
enum class Filter {
    /// Every output pixel is the mean of the input area it covers (partly covered
    /// pixels count by the part covered): no ringing, no aliasing.
    Area,
    /// Lanczos with three lobes, widened by the reduction factor: sharper, slight ringing.
    Lanczos3,
};

/// The picture scaled to size with a separable filter, worked in 8-bit fixed point on
/// the picture's own format: RGB888 or Grayscale8 (other formats give a null image).
/// Enlarging works too (the filter is then not widened). The result depends on the
/// input only: no threads, no shared state, the same bytes on every run.
QImage scaled(const QImage &image, QSize size, Filter filter);

} // namespace quorvel::resample
