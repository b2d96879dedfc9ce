// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "imaging/imagesettings.h"
#include "platform/atomicfile.h"

#include <QImage>
#include <QString>

namespace quorvel
{

/// A decoded picture, or why it could not be decoded.
struct DecodedPicture {
    QImage image; ///< upright (EXIF orientation applied), sRGB, RGB888 or Grayscale8
    QSize fullSize; ///< the picture's upright size before any decode-time scaling
    QString error; ///< empty on success; a sentence for the user otherwise
    /// A JPEG's APP1 "Exif" payload as stored (see exif::pictureInfo); empty otherwise.
    QByteArray exif;

    bool ok() const
    {
        return error.isEmpty();
    }
};

/// What became of one thumbnail file.
struct ThumbnailResult {
    QString error; ///< empty when the thumbnail was written; else why not, naming the file
    /// The picture could not be read (a damaged file, not a picture, or one too large to
    /// decode in the memory there is); otherwise the thumbnail could not be made or written.
    bool unreadable = false;
};

/// Turns a picture file into an image or a thumbnail file. Pure and thread-safe:
/// every call owns all of its state, so creation runs call it from many threads.
///
/// Formats are recognised by their content, not by the file name: JPEG (baseline,
/// progressive, grayscale, CMYK), GIF (first frame; transparent pixels on white) and
/// whatever else Qt reads (PNG, BMP, ...). Damaged files give an error, never a crash:
/// truncated or corrupt JPEG data is an error (a JPEG whose picture data is complete but
/// lacks its end marker is not), and a GIF needs only its first frame to be complete.
/// A file is read only as far as its decoder needs (see jpeg::decodeFile), so memory
/// does not grow with what follows the picture data. The decoders' warnings about a
/// file (irregularities they go past) are reported naming it (see DecodingPicture).
class Thumbnailer
{
public:
    /// Largest number of pixels a decode may produce (8192 x 8192). A JPEG whose full
    /// size is larger can still make a thumbnail when decode-time scaling brings the
    /// decoded pixels under the limit; other formats above it are refused before any
    /// pixel memory is allocated. So is a JPEG whose file is far too short for the size
    /// its header claims.
    static constexpr qint64 kMaxDecodedPixels = qint64(8192) * 8192;

    /// Decodes the file upright and in sRGB. When minLongSide > 0 the decoder may
    /// scale down while decoding as long as the longer side stays >= minLongSide
    /// (or the picture's own size when that is smaller); 0 decodes at full size. JPEGs
    /// scale by M/8 in the DCT domain, other formats are always decoded at full size.
    /// settings give the JPEG decoding options (dctMethod, fancyUpsampling, dithering).
    /// A progressive JPEG that minLongSide lets decode at 1/8 is read only as far as its
    /// DC scans (jpeg::DecodeOptions::progressiveDcOnly): within a grey level of the
    /// full decode once scaled to a thumbnail, and much faster.
    static DecodedPicture decode(const QString &path, const ImageSettings &settings, int minLongSide = 0);

    /// The same, from bytes already in memory.
    static DecodedPicture decodeData(const QByteArray &data, const ImageSettings &settings, int minLongSide = 0);

    /// The size of the thumbnail of an upright picture of the given size: the longer side
    /// becomes boxSize, the aspect is kept, never enlarged; boxSize 0 or less keeps it.
    static QSize thumbnailSize(QSize upright, int boxSize);

    /// Scales an upright picture to fit settings.boxSize (never enlarging; a Lanczos
    /// filter, see resample::scaled) and draws the 1-pixel black frame over its outermost
    /// pixels when settings.frame is set. Returns RGB888, or Grayscale8 for a grayscale
    /// picture (transparency composited on white); the picture passed in is not changed.
    static QImage makeThumbnail(const QImage &upright, const ImageSettings &settings);

    /// The thumbnail of a picture file's bytes, as makeThumbnail() makes it from the
    /// decoded picture; a JPEG is reduced before its colour conversion and EXIF turn,
    /// which then work on the thumbnail's few pixels. A null image, with the reason in
    /// error, when the picture cannot be read.
    static QImage thumbnailFromData(const QByteArray &data, const ImageSettings &settings, QString *error = nullptr);

    /// The same from a picture file (folders, devices and pipes are refused unopened).
    static QImage thumbnail(const QString &path, const ImageSettings &settings, QString *error = nullptr);

    /// What the web album makes its files of: the picture file reduced to fit
    /// settings.boxSize as thumbnail() reduces it, but without the frame, with the
    /// picture's upright size and EXIF payload (fullSize, exif). A JPEG is decoded at the
    /// largest of the DCT scales 1/8, 1/4, 1/2 and 1/1 that covers the box (see
    /// jpeg::DecodeOptions::powerOfTwoScales): for a box of a web page's size that costs
    /// less than the smallest M/8 scale would, and comes out sharper.
    static DecodedPicture reduced(const QString &path, const ImageSettings &settings);

    /// Encodes an image as JPEG with the settings' quality (0 is taken as 1), smoothing,
    /// optimised coding and DCT method; a grayscale image gives a one-component JPEG.
    /// Returns empty bytes and sets *error on failure.
    static QByteArray encodeJpeg(const QImage &image, const ImageSettings &settings, QString *error = nullptr);

    /// Writes bytes to path through a temporary file in the same folder renamed into
    /// place, so a failure never leaves a truncated file. Refuses (error, nothing
    /// written) when path is the file named by protectedSource, under any spelling: the
    /// canonical paths are compared, and on Unix the device and inode, so "dir/../name",
    /// a symbolic link and a hard link are all caught. Returns empty on success, else the
    /// error; an existing file at path stays as it was when writing fails.
    static QString writeFileAtomically(const QString &path, const QByteArray &bytes, const QString &protectedSource);

    /// The whole job: decode sourcePath, make the thumbnail, encode it and write it
    /// to destPath. Returns an empty string on success, else the error, which names the
    /// source file. Never writes over sourcePath; writes nothing when anything fails.
    /// A JPEG is decoded DCT-scaled to no less than settings.boxSize on its longer side.
    static QString writeThumbnail(const QString &sourcePath, const QString &destPath, const ImageSettings &settings);

    /// The same, choosing when the thumbnail file reaches the disk: a run of many
    /// thumbnails writes them Deferred and syncs their file system once at its end. The
    /// result also tells a picture that could not be read from a thumbnail not written.
    static ThumbnailResult writeThumbnail(
        const QString &sourcePath, const QString &destPath, const ImageSettings &settings, Durability durability);
};

} // namespace quorvel
