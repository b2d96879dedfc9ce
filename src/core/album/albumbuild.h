// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "album/albummanifest.h"
#include "album/albumoptions.h"
#include "album/albumpage.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace quorvel::album
{

/// What a web album is made of, gathered before the build starts.
struct AlbumRequest {
    QString sourceFolder; ///< the pictures' folder: never the album's, and the default title
    QString albumFolder; ///< made when missing
    QStringList pictures; ///< full paths; the album holds these and no others
    AlbumOptions options;
    int jobs = 0; ///< worker threads; 0 or less: one per core
};

struct AlbumFailure {
    QString picture; ///< the picture's path
    QString error; ///< why it is not in the album
    /// The picture could not be read (missing, damaged, not a picture); otherwise its
    /// files could not be made or written, or another picture has its name.
    bool unreadable = false;
};

/// How a build ended.
struct AlbumOutcome {
    enum class Result {
        Completed,
        Cancelled, ///< stopped by the progress callback; the album holds what was done
        Refused, ///< nothing was written; refusal says why
    };
    Result result = Result::Completed;
    QString refusal;
    int total = 0; ///< pictures asked for
    int made = 0; ///< pictures whose files were made
    int kept = 0; ///< pictures whose files were already current
    int removed = 0; ///< pictures the album held before and holds no more
    int pictures = 0; ///< pictures the album holds now
    int filesWritten = 0; ///< files written, the page and the record included
    int filesDeleted = 0;
    QList<AlbumFailure> failures; ///< in the order asked for
    /// Things the user should know that did not stop the build: files in the album
    /// folder that are not the album's (named, left alone), files that could not be
    /// deleted.
    QStringList warnings;
    QString indexPath; ///< the album's index.html
    bool pageWritten = false; ///< index.html shows what this build made (written now or already so)
    QString error; ///< why the page or the record could not be written
};

/// Called from the building thread now and then and after pictures complete, with the
/// pictures done of those that need reading; returns false to cancel.
using AlbumProgress = std::function<bool(int done, int total)>;

/// Builds or rebuilds a web album in request.albumFolder: for every picture a
/// thumbnail at the thumbnail height and one twice as high, and a web-size copy (all
/// upright, sRGB, progressive JPEG, without any metadata), a copy of the original when
/// asked, index.html with its style sheet and script, and the record (kManifestName).
///
/// A rebuild reads and writes only what changed: a picture whose size and time are
/// those recorded keeps its files; one whose time alone changed is hashed and kept when
/// its content is the same; every picture is made anew when the web size, quality or
/// thumbnail height changed. The page and the record are written only when their bytes
/// change. A picture no longer asked for loses its files.
///
/// Only files the record lists are ever written over or deleted. A build is refused,
/// before anything is written, when the album folder is the source folder, or holds a
/// file the build would write that is not the album's (an index.html of the user's),
/// or a record that is damaged. Other files of the folder are left and named in a
/// warning.
///
/// A build killed at any moment leaves an album whose record names only files that
/// exist: new files are written under new names through temporary files, the files a
/// build is about to write are recorded as pending first, the page and the record
/// follow the pictures, and files are deleted only once the record no longer names them.
/// When the page cannot be written (a full disk), the record does not name it as this
/// build's page: the page there and every file it shows stay, as pending, and nothing
/// is deleted until a build has written the page.
AlbumOutcome buildAlbum(const AlbumRequest &request, const AlbumProgress &progress = {});

/// What the page shows for a record: its pictures in order (by name or capture date),
/// each with alt text (its title, or else its name without extension) and, with
/// captions on, its capture date and camera.
PageInput pageInput(const Manifest &manifest, const AlbumOptions &options, const QString &defaultTitle);

/// The name of the album's page in its folder.
inline constexpr auto kIndexName = "index.html";

} // namespace quorvel::album
