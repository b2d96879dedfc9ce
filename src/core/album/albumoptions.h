// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace quorvel::album
{

/// The order of the album's pictures.
enum class SortOrder {
    Name, ///< natural, case-insensitive order of the file names ("pic2" before "pic10")
    CaptureDate, ///< EXIF capture date, oldest first; pictures without one follow, by name
};

/// What a web album is made with. The same for the window and the command line; the
/// window remembers it in its own file (see load() and toBytes()), never in quorvel.ins.
struct AlbumOptions {
    static constexpr int kMinWebSize = 640;
    static constexpr int kMaxWebSize = 4096;
    static constexpr int kMinThumbHeight = 60;
    static constexpr int kMaxThumbHeight = 600;
    static constexpr auto kFileName = "album-options.json";

    QString title; ///< the page's title; empty: the name of the source folder
    QString intro; ///< plain text under the title; blank lines separate paragraphs
    QString footer; ///< plain text at the end of the page
    /// The longer side of the web-size copies, kMinWebSize..kMaxWebSize; a smaller
    /// picture keeps its own size (never enlarged).
    int webSize = 2048;
    int quality = 85; ///< JPEG quality of every file the album makes, 1..100
    /// Height of the thumbnails on the page; the dense-screen copy is twice as high.
    int thumbHeight = 200;
    SortOrder sort = SortOrder::Name;
    /// Copy each original, bytes unchanged (its EXIF, GPS position included), into the
    /// album and link it as "download original".
    bool copyOriginals = false;
    bool captions = true; ///< a caption of capture date and camera under each picture

    friend bool operator==(const AlbumOptions &, const AlbumOptions &) = default;

    /// The options with every number brought into its range.
    AlbumOptions clamped() const;

    /// The remembered options: a JSON object of the fields above ("sort" is "name" or
    /// "date"), UTF-8.
    QByteArray toBytes() const;
    /// The options a remembered file holds; a field that is missing or of the wrong
    /// kind keeps its default, a number out of range is brought into it, and bytes
    /// that are no JSON object give the defaults.
    static AlbumOptions fromBytes(const QByteArray &bytes);

    /// Reads the file at path; the defaults when there is none or it cannot be read.
    static AlbumOptions load(const QString &path);
    /// Writes the file through a temporary file renamed into place. Returns an empty
    /// string on success, else a sentence naming the file and why.
    QString save(const QString &path) const;
};

/// The page style and the run choices Folder Options sets for the runs of the main
/// window, kept while the program runs (the album options are also remembered in their
/// own file when the user saves them; the style and the skip are not: every start is
/// with the classic page, writing every thumbnail).
struct PageStyleChoice {
    bool webAlbum = false; ///< "Web album": Create Thumbs and drops build an album
    bool skipUpToDate = false; ///< the classic run leaves up-to-date thumbnails alone
    AlbumOptions album;
    /// The index.html of the latest run when that run built an album; empty when the
    /// latest run wrote a classic page (or none), which the page view opens then.
    QString latestAlbumPage;
};

} // namespace quorvel::album
