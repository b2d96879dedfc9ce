// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/imagebox.h"

#include "imaging/thumbnailer.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace quorvel
{

ImageBox::ImageBox(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setAutoFillBackground(false);
}

// --- picture ---------------------------------------------------------------------

QString ImageBox::loadPicture(const QString &path)
{
    m_pictureFile = path;
    m_decoded = QImage();
    m_fullSize = QSize();
    m_decodedForSize = 0;
    const QString error = ensureDecoded(settings());
    settingsChanged();
    return error;
}

void ImageBox::setPictureFile(const QString &path)
{
    m_lastError = loadPicture(path);
}

void ImageBox::sharePicture(const ImageBox &other)
{
    m_pictureFile = other.m_pictureFile;
    m_decoded = other.m_decoded;
    m_fullSize = other.m_fullSize;
    m_decodedForSize = other.m_decodedForSize;
    m_decodedDctMethod = other.m_decodedDctMethod;
    m_decodedFancy = other.m_decodedFancy;
    m_lastError = other.m_lastError;
    settingsChanged();
}

bool ImageBox::hasPicture() const
{
    return !m_decoded.isNull();
}

bool ImageBox::decodedMatches(const ImageSettings &settings) const
{
    return !m_decoded.isNull() && m_decodedForSize == settings.boxSize && m_decodedDctMethod == settings.dctMethod
        && m_decodedFancy == settings.fancyUpsampling;
}

QString ImageBox::ensureDecoded(const ImageSettings &settings)
{
    if (m_pictureFile.isEmpty())
        return tr("No picture is loaded.");
    if (decodedMatches(settings))
        return {};
    // Decode for exactly this box size, as Thumbnailer::writeThumbnail does, so the
    // files written here and by a creation run are the same bytes.
    DecodedPicture picture = Thumbnailer::decode(m_pictureFile, settings, settings.boxSize);
    if (!picture.ok()) {
        m_decoded = QImage();
        m_fullSize = QSize();
        return picture.error;
    }
    m_decoded = std::move(picture.image);
    m_fullSize = picture.fullSize;
    m_decodedForSize = settings.boxSize;
    m_decodedDctMethod = settings.dctMethod;
    m_decodedFancy = settings.fancyUpsampling;
    return {};
}

QString ImageBox::saveJpeg(const QString &path)
{
    if (m_pictureFile.isEmpty() || m_decoded.isNull())
        return tr("No picture is loaded.");
    return saveThumbnailOf(m_pictureFile, path);
}

QString ImageBox::saveThumbnailOf(const QString &source, const QString &path) const
{
    // Made from the file as a creation run makes it (a JPEG is reduced before its colour
    // conversion and EXIF turn), so the files written here and by a run are the same bytes.
    const ImageSettings current = settings();
    QString error;
    const QImage thumbnail = Thumbnailer::thumbnail(source, current, &error);
    if (thumbnail.isNull())
        return error;
    const QByteArray bytes = Thumbnailer::encodeJpeg(thumbnail, current, &error);
    if (bytes.isEmpty())
        return error;
    return Thumbnailer::writeFileAtomically(path, bytes, source);
}

QImage ImageBox::previewImage()
{
    if (m_previewValid)
        return m_preview;
    m_previewValid = true;
    m_preview = QImage();
    const ImageSettings current = settings();
    if (m_pictureFile.isEmpty() || !ensureDecoded(current).isEmpty())
        return m_preview;
    const QByteArray bytes = Thumbnailer::encodeJpeg(Thumbnailer::makeThumbnail(m_decoded, current), current);
    if (!bytes.isEmpty())
        m_preview = Thumbnailer::decodeData(bytes, current).image;
    return m_preview;
}

// --- settings --------------------------------------------------------------------

ImageSettings ImageBox::settings() const
{
    ImageSettings result = m_settings;
    result.boxSize = m_lastPositive;
    result.frame = m_thumbSize > 0 && m_borderStyle == 1;
    return result;
}

void ImageBox::settingsChanged()
{
    m_previewValid = false;
    updateGeometry();
    if (isVisible())
        adjustSize();
    update();
}

QString ImageBox::changeThumbSize(double size)
{
    if (!std::isfinite(size) || size < 0)
        return tr("The thumbnail size must be a number of pixels, 0 or more.");
    m_thumbSize = size;
    if (size > 0)
        m_lastPositive = std::max(1, static_cast<int>(std::lround(std::min(size, 1.0e6))));
    settingsChanged();
    return {};
}

void ImageBox::setThumbSize(double size)
{
    m_lastError = changeThumbSize(size);
}

void ImageBox::setQuality(int value)
{
    m_settings.quality = std::clamp(value, 0, 100);
    settingsChanged();
}

void ImageBox::setSmoothing(int value)
{
    m_settings.smoothing = std::clamp(value, 0, 100);
    settingsChanged();
}

void ImageBox::setOptimizeCoding(bool value)
{
    m_settings.optimizeCoding = value;
    settingsChanged();
}

void ImageBox::setDctMethod(int value)
{
    m_settings.dctMethod = std::clamp(value, 0, 2);
    settingsChanged();
}

void ImageBox::setDitherMethod(int value)
{
    m_settings.ditherMethod = std::clamp(value, 0, 2);
    settingsChanged();
}

void ImageBox::setDitherPolicy(int value)
{
    m_settings.ditherPolicy = std::clamp(value, 0, 2);
    settingsChanged();
}

void ImageBox::setTwoPassQuantize(bool value)
{
    m_settings.twoPassQuantize = value;
    settingsChanged();
}

void ImageBox::setFancyUpsampling(bool value)
{
    m_settings.fancyUpsampling = value;
    settingsChanged();
}

void ImageBox::setTransparent(int value)
{
    m_transparent = value != 0 ? 1 : 0;
    update();
}

void ImageBox::setBackgroundWidget(QWidget *widget)
{
    m_backgroundWidget = widget;
    update();
}

void ImageBox::setBackgroundColor(const QColor &color)
{
    m_backgroundColor = color;
    update();
}

void ImageBox::setZoom(int value)
{
    m_zoom = std::max(1, value);
    settingsChanged();
}

void ImageBox::setBorderStyle(int value)
{
    m_borderStyle = value != 0 ? 1 : 0;
    settingsChanged();
}

// --- display ---------------------------------------------------------------------

QSize ImageBox::sizeHint() const
{
    const QImage &shown = const_cast<ImageBox *>(this)->previewImage();
    if (shown.isNull())
        return { m_lastPositive, m_lastPositive };
    return shown.size() * m_zoom;
}

void ImageBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_transparent == 0) {
        painter.fillRect(rect(), palette().window());
    } else if (m_backgroundColor.isValid()) {
        painter.fillRect(rect(), m_backgroundColor);
    } else if (m_backgroundWidget) {
        painter.fillRect(rect(), m_backgroundWidget->palette().window());
    }
    const QImage shown = previewImage();
    if (shown.isNull())
        return;
    const QSize size = shown.size() * m_zoom;
    const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    painter.drawImage(target, shown);
}

void ImageBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    QWidget::mouseDoubleClickEvent(event);
    Q_EMIT doubleClicked();
}

} // namespace quorvel
