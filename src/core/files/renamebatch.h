// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/renamerules.h"

#include <QList>
#include <QString>

#include <functional>

namespace quorvel
{

/// Checks a whole batch of renames before the first one is made, so that a run
/// either can be done without touching any file it should not, or is refused with
/// a message (empty when the batch is sound). Moves whose new path equals the old
/// one are left out of every check (they need no rename). Refused:
/// - a file missing, or a new path that is already taken by a file that stays
///   (another entry moving away from it is fine: swaps and rotations are allowed),
///   or whose folder does not exist: the renamer's "File does not exist ..." message;
/// - the same file twice on the list, or two entries getting the same new path.
QString checkRenames(const QList<RenameMove> &moves);

/// What executeRenames did.
struct RenameRun {
    qsizetype done = 0; ///< moves of the batch completed, counted in list order
    QString error; ///< empty when every move was made
};

/// Makes a checked batch of renames without ever replacing a file. A file whose name
/// is the new name of another entry is first moved aside to a temporary name in its
/// folder, so swaps (a->b, b->a) and rotations lose nothing; so does a file whose new
/// name differs only in letter case on a volume that ignores case. Each completed move of
/// the batch is reported through `moved` (in list order). Every rename made on disk,
/// the temporary ones included, is appended to `journal`; playing the journal
/// backwards (undoRenames) restores the old names. On a failure the run stops, files
/// still under a temporary name are put back under their old name where it is free
/// (else under their new one), and error names the file.
RenameRun executeRenames(const QList<RenameMove> &moves,
    QList<RenameMove> &journal,
    const std::function<void(const RenameMove &)> &moved = {});

/// Undoes the renames of a journal, newest first, again never replacing a file.
/// Returns an empty string on success (journal emptied); on a failure the journal
/// keeps the renames not yet undone and the message names the file.
QString undoRenames(QList<RenameMove> &journal);

} // namespace quorvel
