// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

class QIODevice;

namespace quorvel::qtimage
{

/// A picture decoded by one of Qt's image readers.
struct DecodedQtImage {
    QImage image; ///< upright, sRGB, RGB888 or Grayscale8; transparency on white
    QString error; ///< empty on success; a sentence for the user otherwise
};

/// Decodes a picture in any format Qt reads (PNG, BMP, ...) from memory; the format is
/// recognised by content, never by name. The size in the file's header is checked
/// against maxPixels (when > 0) before any pixel is read, and Qt's own allocation limit
/// is held at that many 4-byte pixels for formats whose header does not tell the size.
/// EXIF orientation, where the reader supports it, is applied; an embedded colour
/// profile is converted to sRGB.
DecodedQtImage decode(const QByteArray &data, qint64 maxPixels);

/// The same, reading an open file from its start, as far as the reader needs.
DecodedQtImage decode(QIODevice &file, qint64 maxPixels);

/// A copy of image as RGB888, or Grayscale8 when it holds only grays and no
/// transparency; transparent and translucent pixels are composited over white.
/// RGB888 and Grayscale8 images are returned as they are.
QImage flattened(const QImage &image);

} // namespace quorvel::qtimage
