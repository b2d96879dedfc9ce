// SPDX-License-Identifier: GPL-3.0-or-later
// The only file that knows libexif.
#include "imaging/exiforientation.h"

#include <QTransform>

#include <libexif/exif-data.h>
#include <memory>

namespace quorvel::exif
{
namespace
{

struct ExifDataDeleter {
    void operator()(ExifData *data) const
    {
        exif_data_unref(data);
    }
};

QImage rotated(const QImage &image, qreal degrees)
{
    // Multiples of 90 degrees are exact pixel moves in QImage::transformed.
    return image.transformed(QTransform().rotate(degrees));
}

} // namespace

int orientationFromApp1(const QByteArray &app1)
{
    if (app1.isEmpty())
        return 1;
    const std::unique_ptr<ExifData, ExifDataDeleter> data(exif_data_new());
    if (!data)
        return 1;
    // Only one tag is read: leave the data as stored, no fixing up to the standard.
    exif_data_unset_option(data.get(), EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
    exif_data_load_data(data.get(), reinterpret_cast<const unsigned char *>(app1.constData()), unsigned(app1.size()));
    ExifEntry *entry = exif_content_get_entry(data->ifd[EXIF_IFD_0], EXIF_TAG_ORIENTATION);
    if (!entry || !entry->data || entry->components < 1)
        return 1;
    const ExifByteOrder order = exif_data_get_byte_order(data.get());
    int value = 0;
    switch (entry->format) {
    case EXIF_FORMAT_SHORT:
        if (entry->size >= 2)
            value = exif_get_short(entry->data, order);
        break;
    case EXIF_FORMAT_LONG:
        if (entry->size >= 4)
            value = int(exif_get_long(entry->data, order));
        break;
    case EXIF_FORMAT_BYTE:
        value = entry->data[0];
        break;
    default:
        break;
    }
    return value >= 1 && value <= 8 ? value : 1;
}

bool swapsAxes(int orientation)
{
    return orientation >= 5 && orientation <= 8;
}

QImage applyOrientation(const QImage &stored, int orientation)
{
    switch (orientation) {
    case 2:
        return stored.mirrored(true, false);
    case 3:
        return rotated(stored, 180);
    case 4:
        return stored.mirrored(false, true);
    case 5: // transpose: mirror left-right, then turn counter-clockwise
        return rotated(stored.mirrored(true, false), 270);
    case 6:
        return rotated(stored, 90);
    case 7: // transverse: mirror left-right, then turn clockwise
        return rotated(stored.mirrored(true, false), 90);
    case 8:
        return rotated(stored, 270);
    default:
        return stored;
    }
}

} // namespace quorvel::exif
