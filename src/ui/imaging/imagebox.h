// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "imaging/imagingproperties.h"

#include <QColor>
#include <QImage>
#include <QPointer>
#include <QWidget>

namespace quorvel
{

/// The imaging control: loads a picture, shows it, and writes it as a JPEG
/// thumbnail through Thumbnailer. Its properties carry the names other windows set
/// (PictureFile, ThumbSize, Quality, ...); C++ code uses the camelCase accessors.
///
/// What it shows is exactly what SaveJpeg writes: the thumbnail at its size, with
/// or without the frame, after a JPEG round trip with the current settings,
/// magnified by Zoom. How it takes ThumbSize, BorderStyle and the JPEG settings is
/// ImagingProperties' rule.
///
/// DitherMethod, DitherPolicy and TwoPassQuantize are handed to the JPEG decoder;
/// they act only when the decoder reduces colours to a palette, which thumbnails
/// never need, so they do not change the pictures written.
class ImageBox : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString PictureFile READ pictureFile WRITE setPictureFile)
    Q_PROPERTY(double ThumbSize READ thumbSize WRITE setThumbSize)
    Q_PROPERTY(int Quality READ quality WRITE setQuality)
    Q_PROPERTY(int Smoothing READ smoothing WRITE setSmoothing)
    Q_PROPERTY(bool OptimizeCoding READ optimizeCoding WRITE setOptimizeCoding)
    Q_PROPERTY(int DctMethod READ dctMethod WRITE setDctMethod)
    Q_PROPERTY(int DitherMethod READ ditherMethod WRITE setDitherMethod)
    Q_PROPERTY(int DitherPolicy READ ditherPolicy WRITE setDitherPolicy)
    Q_PROPERTY(bool TwoPassQuantize READ twoPassQuantize WRITE setTwoPassQuantize)
    Q_PROPERTY(bool FancyUpsampling READ fancyUpsampling WRITE setFancyUpsampling)
    Q_PROPERTY(int Transparent READ transparent WRITE setTransparent)
    Q_PROPERTY(QWidget *BackgroundWidget READ backgroundWidget WRITE setBackgroundWidget)
    Q_PROPERTY(QColor BackgroundColor READ backgroundColor WRITE setBackgroundColor)
    Q_PROPERTY(int Zoom READ zoom WRITE setZoom)
    Q_PROPERTY(int BorderStyle READ borderStyle WRITE setBorderStyle)

public:
    explicit ImageBox(QWidget *parent = nullptr);

    QString pictureFile() const
    {
        return m_pictureFile;
    }
    /// Loads and shows a picture. Returns an empty string, or the error when the file
    /// cannot be loaded; then the control holds no picture, so a later SaveJpeg fails
    /// instead of writing the previous picture under a new name.
    QString loadPicture(const QString &path);
    /// Property setter: loadPicture, with the error kept in lastError().
    void setPictureFile(const QString &path);
    /// Takes the picture other has loaded (its file, decoded pixels, size and load
    /// error) without reading the file again; the pixels are shared, not copied. A
    /// control whose settings need another decode makes it when it next needs pixels.
    void sharePicture(const ImageBox &other);
    /// Whether a picture is loaded.
    bool hasPicture() const;
    /// The picture's upright size at full resolution (invalid without a picture).
    QSize pictureSize() const
    {
        return m_fullSize;
    }

    double thumbSize() const
    {
        return m_properties.thumbSize();
    }
    /// Sets ThumbSize; returns the error for a negative size (the value stays).
    QString changeThumbSize(double size);
    /// Property setter: changeThumbSize, with the error kept in lastError().
    void setThumbSize(double size);
    /// The last positive ThumbSize, rounded to whole pixels.
    int lastPositiveSize() const
    {
        return m_properties.lastPositiveSize();
    }

    int quality() const
    {
        return m_properties.quality();
    }
    void setQuality(int value);
    int smoothing() const
    {
        return m_properties.smoothing();
    }
    void setSmoothing(int value);
    bool optimizeCoding() const
    {
        return m_properties.optimizeCoding();
    }
    void setOptimizeCoding(bool value);
    int dctMethod() const
    {
        return m_properties.dctMethod();
    }
    void setDctMethod(int value);
    int ditherMethod() const
    {
        return m_properties.ditherMethod();
    }
    void setDitherMethod(int value);
    int ditherPolicy() const
    {
        return m_properties.ditherPolicy();
    }
    void setDitherPolicy(int value);
    bool twoPassQuantize() const
    {
        return m_properties.twoPassQuantize();
    }
    void setTwoPassQuantize(bool value);
    bool fancyUpsampling() const
    {
        return m_properties.fancyUpsampling();
    }
    void setFancyUpsampling(bool value);

    /// 1: the control draws no background of its own, so the picture appears over
    /// the background widget (or colour, or its parent); 0: opaque.
    int transparent() const
    {
        return m_properties.transparent();
    }
    void setTransparent(int value);
    QWidget *backgroundWidget() const
    {
        return m_backgroundWidget;
    }
    void setBackgroundWidget(QWidget *widget);
    QColor backgroundColor() const
    {
        return m_backgroundColor;
    }
    void setBackgroundColor(const QColor &color);

    /// Display magnification, a whole number >= 1 (smaller values are taken as 1).
    int zoom() const
    {
        return m_zoom;
    }
    void setZoom(int value);

    /// 0 none, 1 single line: whether thumbnails get their frame.
    int borderStyle() const
    {
        return m_properties.borderStyle();
    }
    void setBorderStyle(int value);

    /// The settings SaveJpeg uses now.
    ImageSettings settings() const
    {
        return m_properties.settings();
    }
    const ImagingProperties &properties() const
    {
        return m_properties;
    }
    /// Takes every property at once (one redraw), as a control that follows the
    /// program's imaging options does.
    void setProperties(const ImagingProperties &properties);

    /// Writes the loaded picture at the thumbnail size as a JPEG file. Returns an
    /// empty string on success, else the error; never writes over the picture
    /// file itself and never leaves a truncated file.
    QString saveJpeg(const QString &path);

    /// Writes the thumbnail of the picture file source with the given settings, as a
    /// creation run makes it, without loading it into a control: one decode. The same
    /// bytes and guarantees as saveJpeg; the error does not name the source.
    static QString saveThumbnailOf(const QString &source, const QString &path, const ImageSettings &settings);

    /// The picture shown, before magnification: the thumbnail as saveJpeg writes it,
    /// decoded again. Null without a picture.
    QImage previewImage();

    /// The error of the last property change that failed, or an empty string.
    QString lastError() const
    {
        return m_lastError;
    }

    QSize sizeHint() const override;

Q_SIGNALS:
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void settingsChanged();
    bool decodedMatches(const ImageSettings &settings) const;
    QString ensureDecoded(const ImageSettings &settings);

    QString m_pictureFile;
    ImagingProperties m_properties;
    int m_zoom = 1;
    QPointer<QWidget> m_backgroundWidget;
    QColor m_backgroundColor;
    QString m_lastError;

    // The picture decoded for the current box size and decoding settings.
    QImage m_decoded;
    QSize m_fullSize;
    int m_decodedForSize = 0;
    int m_decodedDctMethod = -1;
    bool m_decodedFancy = false;

    QImage m_preview;
    bool m_previewValid = false;
};

} // namespace quorvel
