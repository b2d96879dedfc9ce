// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/storedpicture.h"

#include <QCoreApplication>

#include <algorithm>

namespace quorvel::stored
{

QString tooLarge(qint64 width, qint64 height)
{
    return QCoreApplication::translate(
        "quorvel::imaging", "The picture is too large: %1 x %2 pixels is more than this program decodes.")
        .arg(width)
        .arg(height);
}

QString outOfMemory()
{
    return QCoreApplication::translate("quorvel::imaging", "There is not enough memory to decode the picture.");
}

bool exceeds(qint64 width, qint64 height, qint64 maxPixels)
{
    if (width <= 0 || height <= 0)
        return true;
    return maxPixels > 0 && width * height > maxPixels;
}

void rowOnWhite(const unsigned char *in, unsigned char *out, int width, int channels, bool premultiplied)
{
    const int colours = channels - 1;
    for (int x = 0; x < width; ++x, in += channels, out += colours) {
        const unsigned a = in[colours];
        const unsigned white = 255u * (255u - a);
        for (int c = 0; c < colours; ++c) {
            // Associated alpha: the colour over white is colour + (1 - alpha) * white.
            out[c] = premultiplied ? static_cast<unsigned char>(std::min(255u, in[c] + (255u - a)))
                                   : static_cast<unsigned char>((in[c] * a + white + 127) / 255);
        }
    }
}

QByteArray exifPayload(const QByteArray &tiff)
{
    static const QByteArray signature("Exif\0\0", 6);
    if (tiff.isEmpty() || tiff.startsWith(signature))
        return tiff;
    return signature + tiff;
}

} // namespace quorvel::stored
