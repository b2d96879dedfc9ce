// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/appstate.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>

namespace quorvel
{

/// What Image Replace is asked to do, read from its three panes before it starts.
struct ImageReplaceRequest {
    QString sourceFolder; ///< "Select Images:"
    QStringList sources; ///< the selected file names of that list, in list order
    QString destFolder; ///< "Copy Files To:"
    QStringList destEntries; ///< every file name of that list, in list order
    QString thumbFolder; ///< "Create Thumbnails in:"
};

/// One source picture of the run: where its copy goes and where its thumbnail goes.
struct ReplaceStep {
    QString source; ///< full path of the new picture
    QString target; ///< full path that receives the copy
    QString targetName; ///< file name of the copy and of the thumbnail
    QString thumbnail; ///< full path of the thumbnail
    int destIndex = -1; ///< entry of destEntries replaced; -1: copied under its own name

    /// The source and the target are the same file: copying would read the picture
    /// while truncating it, so the copy is left out (the thumbnail is still made).
    bool sameFile = false;
    /// The thumbnail would land on one of the run's source pictures, on a file the run
    /// copies to, or on any file already in the source or destination folder (when
    /// the thumbnail folder is one of them), so it is not written.
    bool thumbnailRefused = false;
    /// The target is already the target of an earlier step (a picture copied under its
    /// own name that an earlier picture replaced): the step is left out whole, so the
    /// earlier copy and its thumbnail are kept.
    bool duplicateTarget = false;
};

/// The run's plan: the k-th source replaces the k-th destination entry under that
/// entry's name, sources beyond the destination entries are copied under their own
/// names, and each thumbnail is named like its copy. Paths are joined so that a root
/// folder gets no doubled separator. The plan also marks the steps that would destroy
/// a picture (see ReplaceStep); nothing is touched on disk.
QList<ReplaceStep> planImageReplace(const ImageReplaceRequest &request);

/// The confirmation shown before the run: one line per planned copy, "old <- new",
/// or "new (added)" for a picture copied under its own name; long lists are cut
/// after maxLines with a count of the rest. Lines end with CR LF.
QString replacementListText(const QList<ReplaceStep> &plan, int maxLines = 25);

struct ReplaceFailure {
    QString path; ///< the file concerned
    QString error; ///< a sentence for the user
};

/// How a run ended.
struct ImageReplaceOutcome {
    bool cancelled = false; ///< stopped before any picture was replaced
    int copied = 0; ///< pictures copied into place
    int thumbnails = 0; ///< thumbnails written
    QStringList refusedThumbnails; ///< thumbnails not written to protect a picture
    QStringList skippedDuplicates; ///< sources left out because their target was taken
    QList<ReplaceFailure> failures; ///< copies and thumbnails that failed, in run order
};

/// Writes the thumbnail of source to a path; returns an empty string or the error.
using ReplaceThumbnailWriter = std::function<QString(const QString &source, const QString &thumbnail)>;
/// Called before each step (index in the plan) and once more with done == total;
/// returning false cancels the run while no picture has been replaced yet.
using ReplaceProgress = std::function<bool(int done, int total)>;

/// Runs a plan. First every thumbnail is written and every copy is made into a
/// temporary file beside its target, reading the sources as they were when the run
/// started; only then are the copies renamed over their targets. So a picture that
/// is the source of one step and the target of another is read before it is
/// replaced, a failed copy leaves the old picture whole, and a cancelled run replaces
/// nothing. A copy takes over the permissions of the file it replaces (of its source
/// when new). A picture whose thumbnail or copy needs more memory than there is fails
/// alone (a failure of the outcome); the run goes on. Before it writes, the run removes
/// the temporary files killed runs left in its folders (removeLeftoverTemporaryFiles).
/// picturePath and pictureName follow the step being processed.
ImageReplaceOutcome runImageReplace(AppState &state,
    const QList<ReplaceStep> &plan,
    const ReplaceThumbnailWriter &writeThumbnail,
    const ReplaceProgress &progress = {});

/// What the user is told after a run, before its closing message: the
/// protected thumbnails (said once for all of them), the pictures left out and the
/// failures, each as one paragraph; empty when everything went through.
QString imageReplaceProblems(const ImageReplaceOutcome &outcome);

/// The preview's side in twips for a default thumbnail side: the side times 10,
/// capped at the largest 16-bit value (32767) instead of overflowing. nullopt for a
/// side of 0 or less (no default set yet), which leaves the preview as it is.
std::optional<int> replacePreviewTwips(std::int16_t defaultSide);

} // namespace quorvel
