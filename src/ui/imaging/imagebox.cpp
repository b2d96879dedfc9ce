// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/imagebox.h"

#include "imaging/thumbnailer.h"

#include <QPainter>

#include <algorithm>

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
    return saveThumbnailOf(m_pictureFile, path, settings());
}

QString ImageBox::saveThumbnailOf(const QString &source, const QString &path, const ImageSettings &settings)
{
    // Made from the file as a creation run makes it (a JPEG is reduced before its colour
    // conversion and EXIF turn), so the files written here and by a run are the same bytes.
    QString error;
    const QImage thumbnail = Thumbnailer::thumbnail(source, settings, &error);
    if (thumbnail.isNull())
        return error;
    const QByteArray bytes = Thumbnailer::encodeJpeg(thumbnail, settings, &error);
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
    const QString error = m_properties.changeThumbSize(size);
    if (error.isEmpty())
        settingsChanged();
    return error;
}

void ImageBox::setThumbSize(double size)
{
    m_lastError = changeThumbSize(size);
}

void ImageBox::setQuality(int value)
{
    m_properties.setQuality(value);
    settingsChanged();
}

void ImageBox::setSmoothing(int value)
{
    m_properties.setSmoothing(value);
    settingsChanged();
}

void ImageBox::setOptimizeCoding(bool value)
{
    m_properties.setOptimizeCoding(value);
    settingsChanged();
}

void ImageBox::setDctMethod(int value)
{
    m_properties.setDctMethod(value);
    settingsChanged();
}

void ImageBox::setDitherMethod(int value)
{
    m_properties.setDitherMethod(value);
    settingsChanged();
}

void ImageBox::setDitherPolicy(int value)
{
    m_properties.setDitherPolicy(value);
    settingsChanged();
}

void ImageBox::setTwoPassQuantize(bool value)
{
    m_properties.setTwoPassQuantize(value);
    settingsChanged();
}

void ImageBox::setFancyUpsampling(bool value)
{
    m_properties.setFancyUpsampling(value);
    settingsChanged();
}

void ImageBox::setTransparent(int value)
{
    m_properties.setTransparent(value);
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
    m_properties.setBorderStyle(value);
    settingsChanged();
}

void ImageBox::setProperties(const ImagingProperties &properties)
{
    if (properties == m_properties)
        return;
    m_properties = properties;
    settingsChanged();
}

// --- display ---------------------------------------------------------------------

QSize ImageBox::sizeHint() const
{
    const QImage &shown = const_cast<ImageBox *>(this)->previewImage();
    if (shown.isNull())
        return { lastPositiveSize(), lastPositiveSize() };
    return shown.size() * m_zoom;
}

void ImageBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (transparent() == 0) {
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
