// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/thumbnailer.h"

#include "imaging/colorprofile.h"
#include "imaging/decoderwarnings.h"
#include "imaging/exiforientation.h"
#include "imaging/gifcodec.h"
#include "imaging/heifcodec.h"
#include "imaging/jpegcodec.h"
#include "imaging/pngcodec.h"
#include "imaging/qtimagecodec.h"
#include "imaging/resample.h"
#include "imaging/tiffcodec.h"
#include "imaging/webpcodec.h"
#include "platform/atomicfile.h"
#include "platform/fileidentity.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace quorvel
{
namespace
{

// The filter that reduces a (DCT-scaled) decode to the thumbnail; chosen by measuring
// the thumbnails against a full decode reduced with Lanczos (bench/peers.sh).
constexpr resample::Filter kThumbnailFilter = resample::Filter::Lanczos3;

enum class Format { Jpeg, Gif, Png, WebP, Tiff, Heif, Other };

// By the first bytes: a JPEG begins with its start marker (libjpeg passes over and
// warns of anything between that and the next marker), a GIF with its signature, a
// HEIF file (HEIC, AVIF) with its file type box and brands.
Format sniff(const QByteArray &head)
{
    if (head.size() >= 2 && uchar(head[0]) == 0xFF && uchar(head[1]) == 0xD8)
        return Format::Jpeg;
    if (head.startsWith("GIF87a") || head.startsWith("GIF89a"))
        return Format::Gif;
    if (png::isPng(head))
        return Format::Png;
    if (webp::isWebp(head))
        return Format::WebP;
    if (tiff::isTiff(head))
        return Format::Tiff;
    if (heif::isHeif(head))
        return Format::Heif;
    return Format::Other;
}

// A picture's bytes: held in memory, or an open file that each decoder reads as far as
// it needs (so memory does not grow with what follows the picture data).
class PictureBytes
{
public:
    explicit PictureBytes(const QByteArray &data)
        : m_data(&data)
    {
    }
    explicit PictureBytes(QIODevice &file)
        : m_file(&file)
    {
    }

    Format format() const
    {
        return sniff(m_data ? m_data->left(heif::kSniffBytes) : m_file->peek(heif::kSniffBytes));
    }
    jpeg::DecodedJpeg jpeg(const jpeg::DecodeOptions &options) const
    {
        jpeg::DecodedJpeg decoded = m_data ? jpeg::decode(*m_data, options) : jpeg::decodeFile(*m_file, options);
        if (decoded.error.isEmpty())
            warnAboutPicture(decoded.warning);
        return decoded;
    }
    gif::DecodedGif gif() const
    {
        return m_data ? gif::decodeFirstFrame(*m_data, Thumbnailer::kMaxDecodedPixels)
                      : gif::decodeFirstFrame(*m_file, Thumbnailer::kMaxDecodedPixels);
    }
    StoredPicture png() const
    {
        StoredPicture decoded = m_data ? png::decode(*m_data, Thumbnailer::kMaxDecodedPixels)
                                       : png::decode(*m_file, Thumbnailer::kMaxDecodedPixels);
        if (decoded.error.isEmpty())
            warnAboutPicture(decoded.warning);
        return decoded;
    }
    StoredPicture webp(int minLongSide) const
    {
        return m_data ? webp::decode(*m_data, Thumbnailer::kMaxDecodedPixels, minLongSide)
                      : webp::decode(*m_file, Thumbnailer::kMaxDecodedPixels, minLongSide);
    }
    StoredPicture tiff(int minLongSide) const
    {
        return m_data ? tiff::decode(*m_data, Thumbnailer::kMaxDecodedPixels, minLongSide)
                      : tiff::decode(*m_file, Thumbnailer::kMaxDecodedPixels, minLongSide);
    }
    heif::DecodedHeif heif(int minLongSide) const
    {
        return m_data ? heif::decode(*m_data, minLongSide, Thumbnailer::kMaxDecodedPixels)
                      : heif::decode(*m_file, minLongSide, Thumbnailer::kMaxDecodedPixels);
    }
    qtimage::DecodedQtImage other() const
    {
        return m_data ? qtimage::decode(*m_data, Thumbnailer::kMaxDecodedPixels)
                      : qtimage::decode(*m_file, Thumbnailer::kMaxDecodedPixels);
    }

private:
    const QByteArray *m_data = nullptr;
    QIODevice *m_file = nullptr;
};

// Opens a picture file for its decoder; the reason when it cannot be read.
QString openPicture(const QString &path, QFile &file)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QCoreApplication::translate("Picture", "The file does not exist.");
    if (!info.isFile())
        return QCoreApplication::translate("Picture", "This is not a picture file but a folder or a device.");
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("Picture", "The file cannot be opened: %1.").arg(file.errorString());
    if (file.size() == 0)
        return QCoreApplication::translate("Picture", "The file is empty.");
    return {};
}

// What a thumbnail's maker may do beyond its settings, and what it gives back besides.
struct ThumbnailExtras {
    bool powerOfTwoScales = false; // see jpeg::DecodeOptions
    QSize fullSize; // the picture's upright size
    QByteArray exif; // see DecodedPicture::exif
};

jpeg::DecodeOptions jpegDecodeOptions(const ImageSettings &settings, int minLongSide)
{
    jpeg::DecodeOptions options;
    options.minLongSide = std::max(0, minLongSide);
    options.dctMethod = settings.dctMethod;
    options.fancyUpsampling = settings.fancyUpsampling;
    options.ditherMethod = settings.ditherMethod;
    options.ditherPolicy = settings.ditherPolicy;
    options.twoPassQuantize = settings.twoPassQuantize;
    options.maxPixels = Thumbnailer::kMaxDecodedPixels;
    // A decode for a size 1/8 of the picture or smaller reads a progressive file's DC
    // scans only; see DecodeOptions::progressiveDcOnly for what that costs (nothing
    // visible in a thumbnail).
    options.progressiveDcOnly = options.minLongSide > 0;
    return options;
}

DecodedPicture decodeJpeg(const PictureBytes &bytes, const ImageSettings &settings, int minLongSide)
{
    DecodedPicture picture;
    jpeg::DecodedJpeg decoded = bytes.jpeg(jpegDecodeOptions(settings, minLongSide));
    if (!decoded.error.isEmpty()) {
        picture.error = decoded.error;
        return picture;
    }
    const int orientation = exif::orientationFromApp1(decoded.exif);
    const QImage srgb = colorprofile::toSrgb(decoded.image, decoded.iccProfile);
    picture.image = exif::applyOrientation(srgb, orientation);
    picture.fullSize = exif::swapsAxes(orientation) ? decoded.fullSize.transposed() : decoded.fullSize;
    picture.exif = std::move(decoded.exif);
    return picture;
}

// A picture the PNG, WebP or TIFF wrapper decoded, turned into sRGB and upright.
DecodedPicture fromStored(StoredPicture decoded)
{
    DecodedPicture picture;
    picture.error = std::move(decoded.error);
    if (!picture.ok())
        return picture;
    const QImage srgb = colorprofile::toSrgb(decoded.image, decoded.iccProfile);
    picture.image = exif::applyOrientation(srgb, decoded.orientation);
    picture.fullSize = exif::swapsAxes(decoded.orientation) ? decoded.fullSize.transposed() : decoded.fullSize;
    picture.exif = std::move(decoded.exif);
    return picture;
}

QSize fitInBox(QSize size, int box)
{
    if (box <= 0 || (size.width() <= box && size.height() <= box))
        return size;
    // The longer side becomes exactly the box; the shorter keeps the aspect, at least 1.
    const auto shorter = [box](int shortSide, int longSide) {
        return std::max(1, int(std::lround(double(shortSide) * box / longSide)));
    };
    if (size.width() >= size.height())
        return QSize(box, shorter(size.height(), size.width()));
    return QSize(shorter(size.width(), size.height()), box);
}

// Black over the outermost pixels; works on RGB888 and Grayscale8 alike.
void drawFrame(QImage *image)
{
    const int width = image->width();
    const int height = image->height();
    const int bytesPerPixel = image->depth() / 8;
    const size_t rowBytes = size_t(width) * bytesPerPixel;
    std::memset(image->scanLine(0), 0, rowBytes);
    std::memset(image->scanLine(height - 1), 0, rowBytes);
    for (int y = 1; y < height - 1; ++y) {
        uchar *row = image->scanLine(y);
        std::memset(row, 0, bytesPerPixel);
        std::memset(row + size_t(width - 1) * bytesPerPixel, 0, bytesPerPixel);
    }
}

} // namespace

QSize Thumbnailer::thumbnailSize(QSize upright, int boxSize)
{
    return fitInBox(upright, boxSize);
}

namespace
{

// A JPEG's thumbnail, reduced while still in its stored orientation and colour space:
// the colour conversion and the turn upright then work on the few pixels of the
// thumbnail, not on the decoded picture.
QImage jpegThumbnail(const PictureBytes &bytes, const ImageSettings &settings, QString *error, ThumbnailExtras *extras)
{
    jpeg::DecodeOptions options = jpegDecodeOptions(settings, std::max(0, settings.boxSize));
    options.powerOfTwoScales = extras && extras->powerOfTwoScales;
    jpeg::DecodedJpeg decoded = bytes.jpeg(options);
    if (!decoded.error.isEmpty()) {
        *error = decoded.error;
        return {};
    }
    if (decoded.image.isNull()) {
        *error = QCoreApplication::translate("Picture", "There is not enough memory to decode the picture.");
        return {};
    }
    const int orientation = exif::orientationFromApp1(decoded.exif);
    const bool swaps = exif::swapsAxes(orientation);
    if (extras) {
        extras->fullSize = swaps ? decoded.fullSize.transposed() : decoded.fullSize;
        extras->exif = decoded.exif;
    }
    const QSize stored = decoded.image.size();
    const QSize target = fitInBox(swaps ? stored.transposed() : stored, settings.boxSize);
    QImage image = std::move(decoded.image);
    if (target != (swaps ? stored.transposed() : stored))
        image = resample::scaled(image, swaps ? target.transposed() : target, kThumbnailFilter);
    if (!image.isNull())
        image = colorprofile::toSrgb(image, decoded.iccProfile);
    if (!image.isNull())
        image = exif::applyOrientation(image, orientation);
    if (image.isNull()) {
        *error = QCoreApplication::translate("Picture", "There is not enough memory to make the thumbnail.");
        return {};
    }
    if (settings.frame)
        drawFrame(&image);
    return image;
}

DecodedPicture decodeBytes(const PictureBytes &bytes, const ImageSettings &settings, int minLongSide)
{
    DecodedPicture picture;
    switch (bytes.format()) {
    case Format::Jpeg:
        picture = decodeJpeg(bytes, settings, minLongSide);
        break;
    case Format::Gif: {
        gif::DecodedGif decoded = bytes.gif();
        picture.image = std::move(decoded.image);
        picture.error = decoded.error;
        break;
    }
    case Format::Png:
        picture = fromStored(bytes.png());
        break;
    case Format::WebP:
        picture = fromStored(bytes.webp(std::max(0, minLongSide)));
        break;
    case Format::Tiff:
        picture = fromStored(bytes.tiff(std::max(0, minLongSide)));
        break;
    case Format::Heif: {
        heif::DecodedHeif decoded = bytes.heif(minLongSide);
        picture.image = std::move(decoded.image);
        picture.fullSize = decoded.fullSize;
        picture.error = decoded.error;
        break;
    }
    case Format::Other: {
        qtimage::DecodedQtImage decoded = bytes.other();
        picture.image = std::move(decoded.image);
        picture.error = decoded.error;
        break;
    }
    }
    if (picture.ok() && picture.image.isNull())
        picture.error = QCoreApplication::translate("Picture", "There is not enough memory to decode the picture.");
    if (!picture.ok()) {
        picture.image = QImage();
        picture.fullSize = QSize();
    } else if (!picture.fullSize.isValid()) {
        picture.fullSize = picture.image.size();
    }
    return picture;
}

QImage thumbnailOfBytes(
    const PictureBytes &bytes, const ImageSettings &settings, QString *error, ThumbnailExtras *extras = nullptr)
{
    QString reason;
    QImage thumbnail;
    if (bytes.format() == Format::Jpeg) {
        thumbnail = jpegThumbnail(bytes, settings, &reason, extras);
    } else {
        const DecodedPicture picture = decodeBytes(bytes, settings, std::max(0, settings.boxSize));
        if (extras) {
            extras->fullSize = picture.fullSize;
            extras->exif = picture.exif;
        }
        if (!picture.ok()) {
            reason = picture.error;
        } else {
            thumbnail = Thumbnailer::makeThumbnail(picture.image, settings);
            if (thumbnail.isNull())
                reason = QCoreApplication::translate("Picture", "There is not enough memory to make the thumbnail.");
        }
    }
    if (error)
        *error = reason;
    return thumbnail;
}

} // namespace

DecodedPicture Thumbnailer::decode(const QString &path, const ImageSettings &settings, int minLongSide)
{
    const DecodingPicture naming(path);
    QFile file;
    if (QString error = openPicture(path, file); !error.isEmpty()) {
        DecodedPicture picture;
        picture.error = error;
        return picture;
    }
    return decodeBytes(PictureBytes(file), settings, minLongSide);
}

DecodedPicture Thumbnailer::decodeData(const QByteArray &data, const ImageSettings &settings, int minLongSide)
{
    if (data.isEmpty()) {
        DecodedPicture picture;
        picture.error = QCoreApplication::translate("Picture", "The file is empty.");
        return picture;
    }
    return decodeBytes(PictureBytes(data), settings, minLongSide);
}

QImage Thumbnailer::thumbnailFromData(const QByteArray &data, const ImageSettings &settings, QString *error)
{
    if (data.isEmpty()) {
        if (error)
            *error = QCoreApplication::translate("Picture", "The file is empty.");
        return {};
    }
    return thumbnailOfBytes(PictureBytes(data), settings, error);
}

QImage Thumbnailer::thumbnail(const QString &path, const ImageSettings &settings, QString *error)
{
    const DecodingPicture naming(path);
    QFile file;
    if (QString reason = openPicture(path, file); !reason.isEmpty()) {
        if (error)
            *error = reason;
        return {};
    }
    return thumbnailOfBytes(PictureBytes(file), settings, error);
}

DecodedPicture Thumbnailer::reduced(const QString &path, const ImageSettings &settings)
{
    DecodedPicture picture;
    const DecodingPicture naming(path);
    QFile file;
    if (picture.error = openPicture(path, file); !picture.error.isEmpty())
        return picture;
    ImageSettings unframed = settings;
    unframed.frame = false;
    ThumbnailExtras extras;
    extras.powerOfTwoScales = true;
    picture.image = thumbnailOfBytes(PictureBytes(file), unframed, &picture.error, &extras);
    if (picture.image.isNull()) {
        if (picture.error.isEmpty())
            picture.error = QCoreApplication::translate("Picture", "There is not enough memory to make the thumbnail.");
        return picture;
    }
    picture.fullSize = extras.fullSize;
    picture.exif = std::move(extras.exif);
    return picture;
}

QImage Thumbnailer::makeThumbnail(const QImage &upright, const ImageSettings &settings)
{
    QImage image = qtimage::flattened(upright);
    if (image.isNull())
        return image;
    const QSize target = fitInBox(image.size(), settings.boxSize);
    if (target != image.size()) {
        image = resample::scaled(image, target, kThumbnailFilter);
        if (image.isNull())
            return image;
    }
    if (settings.frame)
        drawFrame(&image); // scanLine() detaches: the caller's picture is never drawn on
    return image;
}

QByteArray Thumbnailer::encodeJpeg(const QImage &image, const ImageSettings &settings, QString *error)
{
    jpeg::EncodeOptions options;
    options.quality = settings.quality;
    options.smoothing = settings.smoothing;
    options.optimizeCoding = settings.optimizeCoding;
    options.dctMethod = settings.dctMethod;
    return jpeg::encode(qtimage::flattened(image), options, error);
}

QString Thumbnailer::writeFileAtomically(const QString &path, const QByteArray &bytes, const QString &protectedSource)
{
    if (!protectedSource.isEmpty() && isSameFile(path, protectedSource))
        return QCoreApplication::translate(
            "Picture", "\"%1\" is the picture the thumbnail is made from; it was not overwritten.")
            .arg(QDir::toNativeSeparators(path));
    return ::quorvel::writeFileAtomically(path, bytes);
}

QString Thumbnailer::writeThumbnail(const QString &sourcePath, const QString &destPath, const ImageSettings &settings)
{
    return writeThumbnail(sourcePath, destPath, settings, Durability::Synced).error;
}

ThumbnailResult Thumbnailer::writeThumbnail(
    const QString &sourcePath, const QString &destPath, const ImageSettings &settings, Durability durability)
{
    if (isSameFile(destPath, sourcePath))
        return { writeFileAtomically(destPath, {}, sourcePath), false }; // the refusal, with its message
    QString error;
    const QImage image = thumbnail(sourcePath, settings, &error);
    if (image.isNull())
        return { QStringLiteral("\"%1\": %2").arg(QDir::toNativeSeparators(sourcePath), error), true };
    const QByteArray bytes = encodeJpeg(image, settings, &error);
    if (bytes.isEmpty())
        return { QStringLiteral("\"%1\": %2").arg(QDir::toNativeSeparators(sourcePath), error), false };
    if (isSameFile(destPath, sourcePath)) // checked again: the file may have changed meanwhile
        return { writeFileAtomically(destPath, {}, sourcePath), false };
    return { ::quorvel::writeFileAtomically(destPath, bytes, durability), false };
}

} // namespace quorvel
