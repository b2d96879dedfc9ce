// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "album/albummanifest.h"

#include <QSet>
#include <QString>

#include <vector>

namespace quorvel::album
{

/// A source picture as the file system gives it, before it is read.
struct SourceFile {
    QString path;
    QString name;
    qint64 size = 0;
    qint64 modified = 0; ///< ms since the epoch (UTC)
};

/// A source file modified this close to (or after) the start of the build that recorded
/// it may have changed again within the same tick of a coarse clock (two seconds on FAT):
/// its content is compared on the next build.
inline constexpr qint64 kRacyWindowMs = 2000;

/// What a build does with one picture.
enum class PictureWork {
    Keep, ///< its files are current: nothing is read or written
    Compare, ///< same size, other time: read and hash it; the same content is kept
    Make, ///< new, changed, made with other settings, or a file of it is missing
};

struct PicturePlan {
    int source = -1; ///< index into the sources
    int previous = -1; ///< index into the previous record's pictures; -1 for a new one
    PictureWork work = PictureWork::Make;
    /// The original is to be copied: it is asked for and the previous record has no
    /// copy (or it is missing). A picture that is made copies its original anyway
    /// when originals are asked for.
    bool copyOriginal = false;
    /// The files the picture gets when it is made (thumb1x, thumb2x, web, original):
    /// named after the picture and a key of its size, time and the settings, so a
    /// remade picture never takes the names its previous files still hold.
    ManifestPicture names;
};

/// The work of a build, from the previous record (null for a new album), the sources
/// of this run, what the files are to be made with and the album folder's present
/// files (relative paths, the record excluded).
struct AlbumPlan {
    std::vector<PicturePlan> pictures; ///< one per source whose name is not taken yet
    QStringList duplicates; ///< paths of sources whose file name an earlier source has
    /// Present files the previous record does not own: never written over nor deleted.
    QStringList foreign;
};

AlbumPlan planAlbum(const Manifest *previous,
    const std::vector<SourceFile> &sources,
    const FileSettings &settings,
    bool copyOriginals,
    const QSet<QString> &present);

/// The names a picture's files get when made with these settings (see PicturePlan).
ManifestPicture fileNamesFor(const SourceFile &source, const FileSettings &settings, bool copyOriginal);

} // namespace quorvel::album
