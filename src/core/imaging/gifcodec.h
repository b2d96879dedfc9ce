// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

class QIODevice;

namespace quorvel::gif
{

/// The first frame of a GIF.
struct DecodedGif {
    /// RGB888, the size of the logical screen (enlarged when the first frame reaches
    /// beyond it); transparent pixels and the screen area outside the frame are white.
    QImage image;
    QString error; ///< empty on success; a sentence for the user otherwise
};

/// Decodes the first frame of a GIF file held in memory. Reads no further than the end
/// of that frame, so an animation cut off after its first frame still gives a picture.
/// Interlaced frames are put back in row order. The transparent colour is taken from the
/// Graphics Control Extension before the frame. A screen or frame larger than maxPixels
/// (when > 0) is refused before any pixel memory is allocated. Damaged data gives an
/// error, never a crash.
DecodedGif decodeFirstFrame(const QByteArray &data, qint64 maxPixels);

/// The same, reading an open file from its start: only as far as the end of the first
/// frame, in small pieces, so memory does not grow with the file.
DecodedGif decodeFirstFrame(QIODevice &file, qint64 maxPixels);

} // namespace quorvel::gif
