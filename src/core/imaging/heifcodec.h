// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

class QIODevice;

namespace quorvel::heif
{

/// How many of a file's first bytes isHeif() looks at.
inline constexpr int kSniffBytes = 64;

/// Whether a file's first bytes (kSniffBytes of them, or the whole file when shorter)
/// are a HEIF picture's: HEIC from phones and cameras, AVIF, and the other still-image
/// flavours. They start with a file type box ("ftyp") whose main brand or one of whose
/// compatible brands is a HEIF image brand (heic, heix, mif1, avif, ...); a video file,
/// which starts the same way, has none of them.
bool isHeif(const QByteArray &head);

/// A HEIF file's picture.
struct DecodedHeif {
    /// Upright (the file's rotation, mirroring and crop applied; an EXIF orientation in
    /// the file is not applied again, as the file's own transformations already say how
    /// the picture stands), sRGB, RGB888 or Grayscale8; transparent pixels on white.
    QImage image;
    QSize fullSize; ///< the primary picture's upright size, also when image is its thumbnail
    bool fromThumbnail = false; ///< image is the thumbnail picture stored in the file
    QString error; ///< empty on success; a sentence for the user otherwise
};

/// Decodes the primary picture of a HEIF file (HEIC or AVIF) held in memory. When
/// minLongSide > 0 and the file stores a thumbnail of the picture whose longer side is at
/// least minLongSide (phones store one of 320 pixels), that thumbnail is decoded instead:
/// many times cheaper than the full picture, which a phone stores as a grid of tiles.
/// A picture larger than maxPixels (when > 0) is refused before any pixel memory is
/// allocated. An embedded ICC profile, or else the file's colour description by code
/// points ("nclx"), is converted to sRGB. Damaged data gives an error, never a crash.
DecodedHeif decode(const QByteArray &data, int minLongSide, qint64 maxPixels);

/// The same, reading an open file from its start: only its structure and the pieces of
/// the picture (or thumbnail) decoded, so memory does not grow with the file.
DecodedHeif decode(QIODevice &file, int minLongSide, qint64 maxPixels);

} // namespace quorvel::heif
