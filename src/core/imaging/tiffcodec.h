// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "imaging/storedpicture.h"

class QIODevice;

namespace quorvel::tiff
{

/// Whether bytes begin with a TIFF header (classic or BigTIFF, either byte order).
bool isTiff(const QByteArray &head);

/// Decodes the first page of a TIFF file from an open, seekable file. When
/// minLongSide > 0, a reduced-resolution copy of that page the file carries (a later
/// directory or a SubIFD marked as reduced, of the same aspect) is decoded instead when
/// its longer side still covers minLongSide; the smallest such copy is taken. Every
/// photometric interpretation libtiff reads (grey, palette, RGB, YCbCr, CMYK, Lab, 16
/// bits, tiles or strips) becomes RGB888, or Grayscale8 for a grey page; alpha is put on
/// white. The orientation and ICC profile are the first page's tags. A page over
/// maxPixels (when > 0) is refused from its directory, before any pixel memory is
/// allocated. Damaged data gives an error, never a crash.
StoredPicture decode(QIODevice &file, qint64 maxPixels, int minLongSide);

/// The same from bytes held in memory.
StoredPicture decode(const QByteArray &data, qint64 maxPixels, int minLongSide);

} // namespace quorvel::tiff
