// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "album/albumbuild.h"
#include "gallery/creationrun.h"

#include <functional>

class QWidget;

namespace quorvel
{

class Prompts;

/// Runs work, handing it a progress callback: while it is still busy after showAfterMs
/// a modal progress dialog ("creationProgress") shows the count of pictures done with
/// the text labelText makes of the count done and the total, and Cancel, which makes
/// the callback return false.
void runWithProgressDialog(QWidget *parent,
    int total,
    const std::function<QString(int done, int total)> &labelText,
    const std::function<void(const CreationProgress &)> &work,
    int showAfterMs = 500);

/// Runs a creation. A run still busy after showAfterMs shows a modal progress
/// dialog ("creationProgress") with the count of pictures done and Cancel; the rest
/// of the program does not react meanwhile.
CreationOutcome runCreationWithProgress(
    QWidget *parent, AppState &state, const CreationRequest &request, int showAfterMs = 500);

/// Tells the user how a run ended: the refusal; or a page that could not be
/// written, the pictures that gave no thumbnail, and then "Thumbnail Creation
/// Completed!" when every thumbnail that could be made and the page were written
/// (pictures that could not be read are listed before it); else how many thumbnails
/// were written (also for a cancelled run).
void reportCreation(QWidget *parent, Prompts &prompts, const CreationOutcome &outcome);

/// Builds a web album, with the progress dialog as for a creation.
album::AlbumOutcome buildAlbumWithProgress(QWidget *parent, const album::AlbumRequest &request, int showAfterMs = 500);

/// Tells the user how an album build ended: the refusal; or the pictures left out, the
/// warnings, a page that could not be written, and then what the album holds now.
void reportAlbum(QWidget *parent, Prompts &prompts, const album::AlbumOutcome &outcome);

} // namespace quorvel
