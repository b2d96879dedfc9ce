// SPDX-License-Identifier: GPL-3.0-or-later
// The only file that knows libexif.
#include "imaging/exiforientation.h"

#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTransform>

#include <algorithm>
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

using ExifDataPointer = std::unique_ptr<ExifData, ExifDataDeleter>;

ExifDataPointer loadApp1(const QByteArray &app1)
{
    ExifDataPointer data(exif_data_new());
    if (!data)
        return data;
    // Leave the data as stored, no fixing up to the standard.
    exif_data_unset_option(data.get(), EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
    exif_data_load_data(data.get(), reinterpret_cast<const unsigned char *>(app1.constData()), unsigned(app1.size()));
    return data;
}

QString trimmed(QString text)
{
    const qsizetype end = text.indexOf(QChar(0));
    if (end >= 0)
        text.truncate(end);
    return text.trimmed();
}

// An ASCII (or, as some cameras write, UTF-8) text tag.
QString textTag(ExifData *data, ExifIfd ifd, ExifTag tag)
{
    const ExifEntry *entry = exif_content_get_entry(data->ifd[ifd], tag);
    if (!entry || !entry->data || entry->size == 0
        || (entry->format != EXIF_FORMAT_ASCII && entry->format != EXIF_FORMAT_UNDEFINED))
        return {};
    return trimmed(QString::fromUtf8(reinterpret_cast<const char *>(entry->data), qsizetype(entry->size)));
}

// The XP tags of Windows: UTF-16 little-endian in a BYTE array.
QString xpTag(ExifData *data, ExifTag tag)
{
    const ExifEntry *entry = exif_content_get_entry(data->ifd[EXIF_IFD_0], tag);
    if (!entry || !entry->data || entry->size < 2 || entry->format != EXIF_FORMAT_BYTE)
        return {};
    QString text;
    for (unsigned int i = 0; i + 1 < entry->size; i += 2)
        text += QChar(char16_t(entry->data[i] | (entry->data[i + 1] << 8)));
    return trimmed(text);
}

QStringList words(const QString &text)
{
    static const QRegularExpression separators(QStringLiteral("[^\\p{L}\\p{N}]+"));
    return text.toLower().split(separators, Qt::SkipEmptyParts);
}

// Whether a description says nothing but the camera's make, model and kind.
bool namesOnlyTheCamera(const QString &description, const QString &make, const QString &model)
{
    QSet<QString> camera { QStringLiteral("digital"),
        QStringLiteral("camera"),
        QStringLiteral("still"),
        QStringLiteral("dsc"),
        QStringLiteral("image"),
        QStringLiteral("picture"),
        QStringLiteral("photo") };
    for (const QString &word : words(make) + words(model))
        camera.insert(word);
    const QStringList described = words(description);
    return std::all_of(described.begin(), described.end(), [&](const QString &word) {
        return camera.contains(word);
    });
}

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
    const ExifDataPointer data = loadApp1(app1);
    if (!data)
        return 1;
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

PictureInfo pictureInfo(const QByteArray &app1)
{
    PictureInfo info;
    if (app1.isEmpty())
        return info;
    const ExifDataPointer data = loadApp1(app1);
    if (!data)
        return info;
    info.make = textTag(data.get(), EXIF_IFD_0, EXIF_TAG_MAKE);
    info.model = textTag(data.get(), EXIF_IFD_0, EXIF_TAG_MODEL);
    QString title = textTag(data.get(), EXIF_IFD_0, EXIF_TAG_IMAGE_DESCRIPTION);
    if (title.isEmpty() || namesOnlyTheCamera(title, info.make, info.model))
        title = xpTag(data.get(), EXIF_TAG_XP_TITLE);
    info.title = title;
    QString taken = textTag(data.get(), EXIF_IFD_EXIF, EXIF_TAG_DATE_TIME_ORIGINAL);
    if (taken.isEmpty())
        taken = textTag(data.get(), EXIF_IFD_0, EXIF_TAG_DATE_TIME);
    info.taken = QDateTime::fromString(taken, QStringLiteral("yyyy:MM:dd HH:mm:ss"));
    return info;
}

} // namespace quorvel::exif
