// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gallery/creationrun.h"

class QWidget;

namespace quorvel
{

class Prompts;

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

} // namespace quorvel
