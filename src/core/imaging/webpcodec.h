// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "imaging/storedpicture.h"

class QIODevice;

namespace quorvel::webp
{

/// Whether bytes begin as a WebP file does ("RIFF", a size, "WEBP").
bool isWebp(const QByteArray &head);

/// Decodes a WebP file held in memory: a still picture, or the first frame of an
/// animation as its canvas shows it. When minLongSide > 0 and the picture's longer side
/// is larger, a still picture is scaled while it is decoded so that its longer side is
/// minLongSide (libwebp's scaled decode); an animation is decoded at its full size.
/// Alpha is put on white. The EXIF and ICCP chunks give the orientation, the EXIF and
/// the profile to apply. A canvas over maxPixels (when > 0) is refused from the header,
/// before any pixel memory is allocated. Damaged data gives an error, never a crash.
StoredPicture decode(const QByteArray &data, qint64 maxPixels, int minLongSide);

/// The same, reading an open file from its start: as much as the file's RIFF header
/// says it holds, and no more than the file has.
StoredPicture decode(QIODevice &file, qint64 maxPixels, int minLongSide);

} // namespace quorvel::webp
