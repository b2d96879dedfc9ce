// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "imaging/storedpicture.h"

class QIODevice;

namespace quorvel::png
{

/// Whether bytes begin with the PNG signature.
bool isPng(const QByteArray &head);

/// Decodes a PNG read from an open file at its start, as far as its picture data ends
/// (and on to its end for an EXIF chunk written after the picture data). Every colour
/// type and depth becomes 8-bit RGB888 or Grayscale8 with transparency on white; a file
/// gamma other than sRGB's is converted when no ICC profile is embedded, which is
/// returned to apply. The orientation and EXIF are the eXIf chunk's. A size over
/// maxPixels (when > 0) is refused from the header, before any pixel memory is
/// allocated. Damaged data gives an error, never a crash.
StoredPicture decode(QIODevice &file, qint64 maxPixels);

/// The same from bytes held in memory.
StoredPicture decode(const QByteArray &data, qint64 maxPixels);

} // namespace quorvel::png
