// SPDX-License-Identifier: GPL-3.0-or-later
#include "gallery/uptodate.h"

#include "imaging/thumbnailer.h"

#include <QFileInfo>
#include <QImageIOHandler>
#include <QImageReader>

namespace quorvel
{

bool thumbnailIsCurrent(const QString &picturePath, const QString &thumbPath, const ImageSettings &settings)
{
    const QFileInfo picture(picturePath);
    const QFileInfo thumbnail(thumbPath);
    if (!picture.isFile() || !thumbnail.isFile() || thumbnail.lastModified() < picture.lastModified())
        return false;
    QImageReader source(picturePath);
    QSize upright = source.size();
    if (source.transformation() & QImageIOHandler::TransformationRotate90)
        upright.transpose();
    const QSize made = QImageReader(thumbPath).size();
    return upright.isValid() && made == Thumbnailer::thumbnailSize(upright, settings.boxSize);
}

} // namespace quorvel
