// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers of the imaging tests: picture comparison and hand-made files.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

namespace quorvel::test
{

/// Mean absolute difference per channel (0..255) of two images of the same size,
/// both seen as RGB888. Returns 255 when the sizes differ.
double meanDifference(const QImage &a, const QImage &b);

/// The bytes of a file, empty when it cannot be read.
QByteArray readBytes(const QString &path);

/// Writes bytes to a file; true on success.
bool writeBytes(const QString &path, const QByteArray &bytes);

/// A JPEG that holds only a header: SOI, paddingBytes of comment segments, a 3-component
/// 4:2:0 SOF (baseline or progressive), valid tables, an SOS and a few bytes of scan
/// data, EOI.
QByteArray jpegHeaderOnly(int width, int height, bool progressive, int paddingBytes = 0);

/// A HEIF file (HEIC, or AVIF when av1) whose one picture claims width x height pixels
/// and holds a few bytes of coded data.
QByteArray heifHeaderOnly(quint32 width, quint32 height, bool av1);

/// A PNG with an IHDR claiming width x height (8-bit RGB) and an empty IDAT.
QByteArray pngHeaderOnly(quint32 width, quint32 height);

/// A WebP of a VP8X header claiming a canvas of width x height, animated (an ANIM chunk
/// and no frame) or still (a lossless VP8L header of the same size, no picture data).
QByteArray webpHeaderOnly(quint32 width, quint32 height, bool animated);

/// A little-endian TIFF whose first directory claims an 8-bit grey page of width x
/// height in one uncompressed strip, with a few bytes of picture data.
QByteArray tiffHeaderOnly(quint32 width, quint32 height);

/// One frame of a hand-made GIF. Pixels are palette indices, row by row.
struct GifFrame {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool interlaced = false;
    int transparentIndex = -1; ///< written as a Graphics Control Extension when >= 0
    QByteArray indices;
};

/// A GIF89a with a global palette (RGB triples; padded to a power of two) and the given
/// frames, LZW-coded with a clear code often enough that the code size stays at 9 bits.
QByteArray gifFile(int screenWidth, int screenHeight, const QList<QRgb> &palette, const QList<GifFrame> &frames);

} // namespace quorvel::test
