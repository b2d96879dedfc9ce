// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace quorvel::album
{

/// The kinds of picture a web album takes.
enum class PictureType { None, Jpeg, Gif, Png, WebP, Heif, Avif, Tiff };

/// What a file's first bytes say it is: JPEG, GIF, PNG, WebP, TIFF, or HEIF/AVIF by the
/// brands of its "ftyp" box (AVIF when an AV1 brand is among them). A TIFF-structured
/// camera RAW file (a CR2 signature, a DNG version tag, or a first directory that is
/// only a reduced preview, as NEF, ARW and DNG files have) is None, as are SVG, video and
/// everything else. head: the file's first bytes (at least 64 when it has them); for a
/// TIFF, tiffDirectory is the file's first directory as read by albumPictureType(), or
/// empty.
PictureType pictureTypeOf(const QByteArray &head, const QByteArray &tiffDirectory = {});

/// The type of the picture in a file, read from its first bytes (and a TIFF's first
/// directory); None for a file that cannot be read.
PictureType albumPictureType(const QString &path);

/// Whether the web album takes the file: a picture of a type above by its content,
/// whatever its name; or a file named as one (.jpg, .jpeg, .jpe, .jfif, .gif, .png,
/// .webp, .heic, .heif, .hif, .avif, .tif, .tiff, in any letter case) whose content is
/// not, so that a damaged picture is named in the build's messages rather than passed
/// over in silence.
bool isAlbumPicture(const QString &path);

/// The full paths of the pictures of folder that the web album takes (isAlbumPicture),
/// in natural, case-insensitive name order; hidden files and folders are not looked at.
QStringList listAlbumPictures(const QString &folder);

} // namespace quorvel::album
