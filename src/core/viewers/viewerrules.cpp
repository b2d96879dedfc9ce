// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewers/viewerrules.h"

#include "platform/twips.h"

#include <algorithm>
#include <cmath>

namespace quorvel
{

ViewerStep viewerStep(int pos, int count)
{
    if (pos < 0)
        return ViewerStep::Skip;
    if (pos >= count)
        return ViewerStep::NoMorePictures;
    return ViewerStep::Show;
}

int viewerZoom(int sliderValue)
{
    return std::max(1, sliderValue);
}

ViewerLayout viewerLayout(const QSize &client, double logicalDpi)
{
    const auto pixels = [logicalDpi](double twips) {
        return static_cast<int>(std::lround(twipsToPixels(twips, logicalDpi)));
    };
    ViewerLayout layout;
    const int margin = pixels(10);
    const int width = std::max(1, client.width() - pixels(100));
    const int height = std::max(1, client.height() - pixels(800));
    layout.picture = QRect(margin, margin, width, height);
    layout.controlsTop = height + pixels(50);
    return layout;
}

int viewerFitSide(const QSize &pictureSize, const QSize &area)
{
    if (pictureSize.isEmpty())
        return 0;
    const double scale = std::min({ 1.0,
        double(std::max(1, area.width())) / pictureSize.width(),
        double(std::max(1, area.height())) / pictureSize.height() });
    const int longSide = std::max(pictureSize.width(), pictureSize.height());
    return std::clamp(static_cast<int>(std::floor(longSide * scale)), 1, longSide);
}

} // namespace quorvel
