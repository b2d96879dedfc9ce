// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/appstate.h"
#include "imaging/imagesettings.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace quorvel
{

/// What a creation run is asked to do, gathered from the main window (or the
/// command line) before it starts; nothing is read again while it runs.
struct CreationRequest {
    QString sourceFolder; ///< the source folder: the page is written here
    QString destFolder; ///< receives the thumbnails
    QStringList pictures; ///< full paths, in the order their cells appear in the page
    /// A drop: the dropped paths are processed as they are and picturePath is left
    /// alone; otherwise picturePath follows the picture being processed.
    bool dropped = false;
    bool rename = false; ///< thumbnails are named prefix + picture name
    QString prefix;
    bool writePage = false; ///< also write the gallery page
    ImageSettings settings; ///< one snapshot of the imaging options
    /// Where the program's logo pictures are; a page whose header or footer names
    /// them gets copies beside it (see putLogoPicturesBesidePage). Empty: none.
    QString logoFolder;
    /// Leave a thumbnail that is up to date (see thumbnailIsCurrent) as it is; its page
    /// cell is written all the same. Off by default: every thumbnail is written anew.
    bool skipUpToDate = false;
    int jobs = 0; ///< worker threads; 0 or less: one per core
};

struct CreationFailure {
    QString picture; ///< the picture's path
    QString error; ///< why no thumbnail was made
    /// The picture could not be read (damaged, not a picture, or too large to decode in
    /// the memory there is); otherwise its thumbnail could not be written, or was refused
    /// because it would replace a picture.
    bool unreadable = false;
};

/// How a run ended.
struct CreationOutcome {
    enum class Result {
        Completed, ///< every picture was handed to the engine
        Cancelled, ///< stopped by the progress callback; the page holds the pictures done
        Refused, ///< nothing was written; refusal says why
    };
    Result result = Result::Completed;
    QString refusal;
    int total = 0; ///< pictures in the request
    int processed = 0; ///< pictures handed to the engine (each has its page cell)
    int written = 0; ///< thumbnails written
    int upToDate = 0; ///< thumbnails left as they were (skipUpToDate)
    QList<CreationFailure> failures; ///< in list order
    QString pagePath; ///< the page file, when one was asked for
    bool pageWritten = false;
    QString pageError; ///< why the page could not be written, naming the file
    QString logoError; ///< why logo pictures the page names are not beside it

    /// Whether a thumbnail, the page asked for or a logo picture it names could not
    /// be written (failures of pictures that could not be read do not count).
    bool writeFailed() const;
};

/// Called from the thread that runs the creation, at least every few tens of
/// milliseconds and after pictures complete; returns false to cancel the run.
using CreationProgress = std::function<bool(int done, int total)>;

/// The refusal shown when thumbnails would land beside their own pictures under the
/// same names (the line break is LF followed by CR).
QString sameFolderMessage();

/// Why a renaming prefix is refused, or empty when it is not: a prefix that holds a
/// folder separator ("/" or "\") would put the thumbnail, and the reference to it,
/// into another folder.
QString prefixRefusal(const QString &prefix);

/// The thumbnail's file name: prefix + picture name when renaming, else the
/// picture's own name.
QString thumbnailName(bool rename, const QString &prefix, const QString &pictureName);

/// A creation run: one thumbnail per picture in the destination folder and, when
/// asked, the gallery page (see GalleryWriter) in the source folder, with one cell
/// per picture in list order, whether or not its thumbnail could be made.
///
/// Refused before anything is written:
///  - thumbnails under the pictures' own names (no renaming, or an empty prefix)
///    into the source folder under any spelling of it (letter case, a link, a
///    trailing separator);
///  - a prefix holding a folder separator, which would write outside the destination.
/// A thumbnail that would replace one of the run's pictures is not written and
/// counts as a failure.
///
/// A picture that cannot be read, or that needs more memory than there is, fails alone:
/// the run goes on with the others.
///
/// The thumbnails are made on worker threads (one picture at a time per thread,
/// pictures with the same thumbnail name one after another in list order), and the
/// page is written in list order, so files and page are exactly those of a run
/// that makes one thumbnail after another. The page goes to a temporary file that
/// replaces the page only when complete; when it cannot be created or written,
/// pageError says why (with the system's reason) and the thumbnails are made all the
/// same. Before it writes, the run removes the temporary files that killed runs left in
/// the thumbnail folder and, with a page, in the source folder (see
/// removeLeftoverTemporaryFiles).
///
/// A written page whose header or footer names the program's logo pictures gets
/// them beside it (copied from logoFolder), so it shows them wherever it is
/// published; logoError says which could not be put there.
///
/// AppState: picturePath (not for drops) and pictureName are left at the last
/// picture processed, cellCount at the cells of the unfinished row, pageFolder set
/// to the source folder with a trailing separator when a page was asked for.
CreationOutcome runCreation(AppState &state, const CreationRequest &request, const CreationProgress &progress = {});

} // namespace quorvel
