// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

#include <cstdint>

namespace quorvel
{

/// The program-wide flag that chooses the list the picture viewer walks: 2 after a
/// click in a file list of the Image Replace window (never reset), otherwise the main
/// window's source list. It outlives both windows.
struct ViewerSource {
    static constexpr std::int16_t kImageReplace = 2;
    std::int16_t viewerSource = 0;
};

/// What a step of the viewer to list position pos does in a list of count entries.
enum class ViewerStep {
    Show, ///< show the entry at pos
    NoMorePictures, ///< pos is past the last entry: "No more Pictures!", the picture stays
    Skip, ///< a position before the list: nothing happens
};
ViewerStep viewerStep(int pos, int count);

/// The zoom slider's value as a magnification: the lowest position (0) and anything
/// below it count as 1.
int viewerZoom(int sliderValue);

/// The viewer's layout for a client area in pixels at a logical DPI. Designed in
/// twips: the picture at left 10, top 10, width = client width - 100, height = client
/// height - 800; the other controls at top = picture height + 50. A window too small
/// for that keeps the picture at least one pixel wide and high.
struct ViewerLayout {
    QRect picture; ///< in pixels
    int controlsTop = 0; ///< in pixels
};
ViewerLayout viewerLayout(const QSize &client, double logicalDpi);

/// The longer side, in pixels, at which a picture of pictureSize fits entirely into
/// area at magnification 1: never larger than the picture's own longer side, never
/// below 1. 0 when the picture size is unknown (empty).
int viewerFitSide(const QSize &pictureSize, const QSize &area);

} // namespace quorvel
