// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "imaging/imagesettings.h"

#include <QString>

namespace quorvel
{

/// Whether a run that skips up-to-date thumbnails may leave the thumbnail at thumbPath
/// as it is: a plain file, modified no earlier than its picture, and of the size these
/// settings give the picture (so a changed thumbnail size makes it anew). Reads only the
/// two files' headers. What else the settings change (the frame, the JPEG options) cannot
/// be seen in the file: after changing those, a run must not skip.
bool thumbnailIsCurrent(const QString &picturePath, const QString &thumbPath, const ImageSettings &settings);

} // namespace quorvel
