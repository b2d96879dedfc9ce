// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace quorvel
{

/// A picture as the PNG, WebP and TIFF wrappers decode it: in its stored orientation
/// and colour space, with what is needed to turn it upright and into sRGB.
struct StoredPicture {
    /// RGB888, or Grayscale8 for a grey picture; transparent and translucent pixels are
    /// already composited over white.
    QImage image;
    QSize fullSize; ///< the stored size before any decode-time scaling
    int orientation = 1; ///< the EXIF orientation, 1..8 (1 when the file names none)
    QByteArray iccProfile; ///< the embedded ICC profile, still to be applied to image
    QByteArray exif; ///< "Exif\0\0" + the TIFF structure, when the file carries EXIF
    QString error; ///< empty on success; a sentence for the user otherwise
    QString warning; ///< the first warning the decoder went past, for the caller to report
};

namespace stored
{

/// "The picture is too large: W x H pixels is more than this program decodes."
QString tooLarge(qint64 width, qint64 height);

/// "There is not enough memory to decode the picture."
QString outOfMemory();

/// Whether width x height is more than maxPixels (when maxPixels > 0), or not a size.
bool exceeds(qint64 width, qint64 height, qint64 maxPixels);

/// Composites one row of pixels with alpha over white. channels 2: grey + alpha into
/// grey; channels 4: RGBA into RGB. premultiplied: the colour values are already
/// multiplied by alpha (associated alpha).
void rowOnWhite(const unsigned char *in, unsigned char *out, int width, int channels, bool premultiplied);

/// The EXIF payload "Exif\0\0" + tiff, from a TIFF structure that may or may not already
/// start with that signature; empty when tiff is empty.
QByteArray exifPayload(const QByteArray &tiff);

} // namespace stored
} // namespace quorvel
