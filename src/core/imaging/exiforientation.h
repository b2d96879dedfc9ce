// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QImage>
#include <QString>

namespace quorvel::exif
{

/// The EXIF Orientation tag (1..8) read from the payload of a JPEG APP1 segment
/// ("Exif\0\0" followed by the TIFF structure). A missing, unreadable or out-of-range
/// tag (0 is written by some software) gives 1, "stored upright".
int orientationFromApp1(const QByteArray &app1);

/// True for the orientations 5..8, whose upright picture has width and height swapped.
bool swapsAxes(int orientation);

/// Turns an image stored with the given EXIF orientation upright: 2 mirrors left-right,
/// 3 turns 180 degrees, 4 mirrors top-bottom, 5 transposes, 6 turns 90 degrees clockwise,
/// 7 transverses, 8 turns 90 degrees counter-clockwise; 1 and anything else return the
/// image as it is. The pixel format is kept.
QImage applyOrientation(const QImage &stored, int orientation);

/// What a picture's EXIF says about it, for a page that shows it. Texts are trimmed of
/// blanks and NULs; a missing or unreadable tag leaves its field empty.
struct PictureInfo {
    /// ImageDescription, or else the XP title (UTF-16) Windows writes. A description
    /// that only names the camera ("OLYMPUS DIGITAL CAMERA", "SAMSUNG"), as many cameras
    /// write into every photo, is no title and is left out.
    QString title;
    QDateTime taken; ///< DateTimeOriginal, or else DateTime; local time as stored
    QString make;
    QString model;
};

/// The PictureInfo of the payload of a JPEG APP1 segment ("Exif\0\0" + TIFF).
PictureInfo pictureInfo(const QByteArray &app1);

} // namespace quorvel::exif
