// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "album/albumoptions.h"
#include "app/appstate.h"
#include "gallery/creationrun.h"

#include <QStringList>

namespace quorvel::batch
{

/// quorvel-batch's exit statuses, as --help gives them.
enum ExitStatus {
    kDone = 0, ///< every thumbnail written, and the page when asked for
    kRefused = 1, ///< nothing written: thumbnails would replace the pictures
    kBadOptions = 2, ///< bad options, folders or files
    kUnreadable = 3, ///< finished, but some pictures could not be read; the rest was written
    kNotWritten = 4, ///< thumbnails or the page could not be written
};

/// What the command line asks for, checked and ready to run.
struct BatchOptions {
    AppState state; ///< the page options, header and footer
    CreationRequest request; ///< pictures not yet listed
    /// --album: a web album of SOURCE's pictures in DEST (request gives the folders,
    /// the quality and the workers) instead of thumbnails and a classic page.
    bool album = false;
    album::AlbumOptions albumOptions;
    bool quiet = false;
    bool progress = false;
    bool showHelp = false;
    bool showVersion = false;
};

/// Parses the arguments (without the program name) with QCommandLineParser: short
/// forms ("-s 90", "-s90"), "--size=90", options after SOURCE and DEST, "--" before
/// operands that begin with a dash. Returns an empty string and fills options, or the
/// message for a bad option, value, unreadable file, or a SOURCE that is no folder
/// (DEST may be missing: the run makes it; it must not be a file). The source's
/// pictures are listed by listPictures().
QString parseArguments(const QStringList &arguments, BatchOptions &options);

/// The *.jpg and *.gif files of the source folder, letter case ignored, in natural
/// order, as full paths.
QStringList listPictures(const QString &sourceFolder);

/// The pictures of a web album: the *.jpg, *.jpeg, *.png and *.gif files of the
/// source folder, letter case ignored, in natural order, as full paths.
QStringList listAlbumPictures(const QString &sourceFolder);

/// The text of --help, its option lines made from the options the parser reads.
QString helpText();

} // namespace quorvel::batch
