// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

class QIODevice;

namespace quorvel::jpeg
{

/// How a JPEG is decoded. The integer codes are libjpeg's own (J_DCT_METHOD, J_DITHER_MODE).
struct DecodeOptions {
    /// When > 0 the decoder scales down in the DCT domain by the smallest factor M/8
    /// (M = 1..8) whose decoded longer side is still >= minLongSide; 0 decodes at full size.
    int minLongSide = 0;
    /// With minLongSide, only the scales 1/8, 1/4, 1/2 and 1/1 are taken: the smallest of
    /// them whose longer side is still >= minLongSide. libjpeg has vector code for those
    /// transforms alone, so for a picture reduced further after decoding (the web album's
    /// copies) the larger decode costs less than the plain-C transform of an M/8 scale
    /// in between, and its reduction comes out sharper.
    bool powerOfTwoScales = false;
    int dctMethod = 1; ///< 0 slow integer, 1 fast integer, 2 floating point
    bool fancyUpsampling = false; ///< smooth chroma upsampling
    /// Colour-reduction parameters of the decompressor (dither_mode, two_pass_quantize).
    /// libjpeg applies them only when it is asked to reduce colours to a palette
    /// (quantize_colors), which this decoder never asks for, so they change no output.
    /// ditherPolicy 1 ("no dithering") selects JDITHER_NONE whatever ditherMethod says.
    int ditherMethod = 1;
    int ditherPolicy = 0;
    bool twoPassQuantize = false;
    /// Largest number of output pixels; a larger decode is refused before any pixel
    /// memory is allocated.
    qint64 maxPixels = 0;
    /// A progressive JPEG decoded at 1/8 scale needs only the DC coefficients, which its
    /// first scans carry. When set, such a decode stops reading as soon as every
    /// component's DC has all of its bits, and outputs from the coefficients read so far
    /// (without block smoothing): most of the file is skipped. The picture then lacks
    /// the AC detail of the scans not read, which shows only in the chroma of
    /// subsampled pictures (decoded at 1/8 with a 2x2 transform) and stays within a
    /// fraction of a grey level once scaled to a thumbnail. Other decodes ignore it.
    bool progressiveDcOnly = false;
    /// A baseline JPEG decoded at 1/8 scale is read for its DC coefficients only (and
    /// 4:2:0 chroma for the few the 2x2 transform libjpeg uses there), by a decoder of
    /// our own that skips the other AC codes: a third faster than libjpeg, with the same
    /// pixels. Any file the fast path does not handle, or finds damaged, goes to libjpeg
    /// as before, so errors are reported the same way. Other decodes ignore it.
    bool fastDc = true;
};

/// A decoded JPEG as stored (no EXIF orientation applied).
struct DecodedJpeg {
    /// RGB888 for colour pictures (CMYK and YCCK are converted to sRGB here),
    /// Grayscale8 for one-component pictures.
    QImage image;
    QSize fullSize; ///< stored size before decode-time scaling
    int scaleNumerator = 8; ///< the M of the M/8 scale used
    bool progressive = false; ///< the file is a progressive JPEG
    /// The decode stopped after the DC scans (DecodeOptions::progressiveDcOnly).
    bool dcOnly = false;
    /// The picture came from the DC-only decoder (DecodeOptions::fastDc).
    bool fastDc = false;
    /// The APP1 "Exif" segment's payload (starting with "Exif\0\0"), if any.
    QByteArray exif;
    /// The embedded ICC profile still to be applied to image (RGB and grayscale
    /// pictures); empty when there is none or when the decoder already applied it.
    QByteArray iccProfile;
    /// libjpeg's first warning about an irregularity the decode went past (extraneous
    /// bytes before a marker, ...), for the caller to report with the file's name.
    QString warning;
    QString error; ///< empty on success; a sentence for the user otherwise
};

/// Options of the JPEG encoder; the IJG parameters of the same names.
struct EncodeOptions {
    int quality = 85; ///< 0..100; libjpeg takes 0 as 1
    int smoothing = 0; ///< smoothing_factor, 0..100
    bool optimizeCoding = true; ///< optimize_coding (optimised Huffman tables)
    int dctMethod = 1; ///< dct_method: 0 slow integer, 1 fast integer, 2 floating point
    /// A progressive file (libjpeg's simple progression), which a browser shows
    /// coarse first and then sharper as it loads; baseline when false.
    bool progressive = false;
    /// With progressive: scans that split the coefficients by frequency alone (the DC of
    /// all components, the luma's first five AC, the chroma's AC, the luma's others),
    /// without the successive approximation of their bits that libjpeg's simple
    /// progression adds. The picture still shows whole and coarse after the first scan;
    /// encoding takes half the time, and the file is about 2% larger.
    bool spectralScansOnly = false;
};

/// Working memory libjpeg may use besides the output image. A progressive JPEG keeps
/// every DCT coefficient of the whole picture in memory (about 2 bytes per pixel and
/// component, whatever the output scale), so this caps what a hostile progressive header
/// can make the decoder allocate. 512 MiB holds a 8192 x 8192 4:4:4 progressive picture.
inline constexpr long kMaxWorkingMemory = 512L * 1024 * 1024;

/// Decodes a whole JPEG file held in memory. Never crashes on damaged data: data that
/// ends before the picture is complete ("truncated") and corrupt entropy-coded data
/// ("corrupt", also when the decoder runs into the file's own end marker) are errors,
/// while harmless irregularities (extraneous bytes before a marker, an unknown JFIF
/// revision, a bad ICC segment) are tolerated and the first is given as the warning. A
/// file far too short for the size its header claims is refused before decoding, so a
/// tiny hostile header cannot make it allocate the claimed size.
DecodedJpeg decode(const QByteArray &data, const DecodeOptions &options);

/// The same, reading an open file from its start, with the same result. Memory does not
/// grow with what follows the picture data: a file of up to 32 MB is read whole; of a
/// larger one only as far as the end marker of its picture data (which the DC-only
/// readers need whole); when that is not within 128 MB, or that much memory cannot be
/// had, libjpeg reads the rest of the file piece by piece, without the DC-only readers.
DecodedJpeg decodeFile(QIODevice &file, const DecodeOptions &options);

/// The M of the DCT scale M/8 the decoder picks for a picture of the given stored size:
/// the smallest M whose decoded longer side (rounded up, as libjpeg does) is still
/// >= minLongSide, or 8 when minLongSide <= 0 or the picture is not larger than that.
int scaleNumeratorFor(QSize fullSize, int minLongSide);

/// Encodes an RGB888 or Grayscale8 image as a baseline (or optimised, or progressive)
/// JFIF file. Nothing but the JFIF header precedes the picture: no EXIF, no profile, no
/// comment.
/// Returns empty bytes and sets *error (when given) on failure or another format.
QByteArray encode(const QImage &image, const EncodeOptions &options, QString *error = nullptr);

} // namespace quorvel::jpeg
