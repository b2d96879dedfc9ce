// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures that are neither JPEG nor GIF go through Qt's image readers.
#include "imaging/qtimagecodec.h"

#include "imaging/colorprofile.h"

#include <QBuffer>
#include <QColorSpace>
#include <QCoreApplication>
#include <QImageReader>

#include <limits>
#include <mutex>

namespace quorvel::qtimage
{
namespace
{

// QImageReader's allocation limit is process-wide. It is lowered (never raised) once,
// so that concurrent decodes never write it.
void holdAllocationLimit(qint64 maxPixels)
{
    static std::once_flag once;
    std::call_once(once, [maxPixels] {
        const qint64 megabytes = (maxPixels * 4 + (1 << 20) - 1) >> 20;
        const int current = QImageReader::allocationLimit();
        if (maxPixels > 0 && megabytes <= std::numeric_limits<int>::max() && (current == 0 || current > megabytes))
            QImageReader::setAllocationLimit(int(megabytes));
    });
}

QString tooLarge(QSize size)
{
    return QCoreApplication::translate(
        "Picture", "The picture is too large: %1 x %2 pixels is more than this program decodes.")
        .arg(size.width())
        .arg(size.height());
}

QImage inSrgb(const QImage &flat, const QColorSpace &space)
{
    if (!space.isValid() || space == QColorSpace(QColorSpace::SRgb))
        return flat;
    const QByteArray icc = space.iccProfile();
    if (!icc.isEmpty())
        return colorprofile::toSrgb(flat, icc);
    if (flat.format() != QImage::Format_RGB888)
        return flat; // Qt 6.4 converts colour spaces of RGB pictures only
    // A profile given by gamma and primaries (PNG gAMA/cHRM) rather than ICC bytes.
    QImage rgb = flat.convertToFormat(QImage::Format_RGB32);
    rgb.setColorSpace(space);
    rgb.convertToColorSpace(QColorSpace::SRgb);
    QImage result = rgb.convertToFormat(QImage::Format_RGB888);
    result.setColorSpace(QColorSpace());
    return result;
}

} // namespace

DecodedQtImage decode(const QByteArray &data, qint64 maxPixels)
{
    QBuffer buffer;
    buffer.setData(data); // shared, not copied
    buffer.open(QIODevice::ReadOnly);
    return decode(buffer, maxPixels);
}

DecodedQtImage decode(QIODevice &file, qint64 maxPixels)
{
    DecodedQtImage result;
    if (file.atEnd()) {
        result.error = QCoreApplication::translate("Picture", "The file is empty.");
        return result;
    }
    holdAllocationLimit(maxPixels);
    QImageReader reader(&file);
    // By content only: a file's name would otherwise pick the reader (a PNG named .jpg).
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    if (!reader.canRead()) {
        result.error =
            QCoreApplication::translate("Picture", "The file is not a picture in a format this program reads.");
        return result;
    }
    const QSize size = reader.size();
    if (size.isValid() && maxPixels > 0 && qint64(size.width()) * size.height() > maxPixels) {
        result.error = tooLarge(size);
        return result;
    }
    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        result.error =
            QCoreApplication::translate("Picture", "The picture cannot be read: %1.").arg(reader.errorString());
        return result;
    }
    if (maxPixels > 0 && qint64(image.width()) * image.height() > maxPixels) {
        result.error = tooLarge(image.size());
        return result;
    }
    const QImage flat = flattened(image);
    result.image = inSrgb(flat, image.colorSpace());
    if (result.image.isNull())
        result.error = QCoreApplication::translate("Picture", "There is not enough memory to decode the picture.");
    return result;
}

QImage flattened(const QImage &image)
{
    switch (image.format()) {
    case QImage::Format_Invalid:
    case QImage::Format_RGB888:
    case QImage::Format_Grayscale8:
        return image;
    default:
        break;
    }
    if (!image.hasAlphaChannel()) {
        const bool gray = image.format() == QImage::Format_Grayscale16 || image.isGrayscale();
        return image.convertToFormat(gray ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    }
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QImage result(argb.size(), QImage::Format_RGB888);
    if (argb.isNull() || result.isNull())
        return {};
    for (int y = 0; y < argb.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        unsigned char *out = result.scanLine(y);
        for (int x = 0; x < argb.width(); ++x, out += 3) {
            const unsigned a = unsigned(qAlpha(in[x]));
            const unsigned white = 255u * (255u - a);
            out[0] = static_cast<unsigned char>((unsigned(qRed(in[x])) * a + white + 127) / 255);
            out[1] = static_cast<unsigned char>((unsigned(qGreen(in[x])) * a + white + 127) / 255);
            out[2] = static_cast<unsigned char>((unsigned(qBlue(in[x])) * a + white + 127) / 255);
        }
    }
    return result;
}

} // namespace quorvel::qtimage
