// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/albumsources.h"

#include "imaging/pngcodec.h"
#include "imaging/tiffcodec.h"
#include "imaging/webpcodec.h"
#include "platform/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace quorvel::album
{
namespace
{

constexpr qint64 kHeadBytes = 64;
constexpr int kMaxDirectoryEntries = 512;
constexpr int kTagNewSubfileType = 254;
constexpr int kTagDngVersion = 50706;

quint32 number(const QByteArray &bytes, qsizetype at, int size, bool bigEndian)
{
    quint32 value = 0;
    for (int i = 0; i < size; ++i) {
        const quint32 byte = uchar(bytes[at + (bigEndian ? i : size - 1 - i)]);
        value = value << 8 | byte;
    }
    return value;
}

// The brands of an ISO media file's leading "ftyp" box: the major brand and the
// compatible ones.
QList<QByteArray> brandsOf(const QByteArray &head)
{
    if (head.size() < 16 || head.mid(4, 4) != "ftyp")
        return {};
    const qsizetype end = std::min<qsizetype>(head.size(), number(head, 0, 4, true));
    QList<QByteArray> brands { head.mid(8, 4) };
    for (qsizetype at = 16; at + 4 <= end; at += 4)
        brands += head.mid(at, 4);
    return brands;
}

PictureType isoType(const QByteArray &head)
{
    const QList<QByteArray> brands = brandsOf(head);
    const auto has = [&](std::initializer_list<const char *> names) {
        return std::any_of(names.begin(), names.end(), [&](const char *name) {
            return brands.contains(QByteArray(name));
        });
    };
    if (has({ "avif", "avis" }))
        return PictureType::Avif;
    if (has({ "heic", "heix", "heim", "heis", "hevc", "hevx", "mif1", "msf1" }))
        return PictureType::Heif;
    return PictureType::None;
}

// Whether a classic TIFF's first directory belongs to a camera RAW file.
bool isRawDirectory(const QByteArray &directory, bool bigEndian)
{
    if (directory.size() < 2)
        return false;
    const int entries = std::min<int>(kMaxDirectoryEntries, number(directory, 0, 2, bigEndian));
    for (int i = 0; i < entries && 2 + 12 * (i + 1) <= directory.size(); ++i) {
        const qsizetype at = 2 + 12 * i;
        const quint32 tag = number(directory, at, 2, bigEndian);
        if (tag == kTagDngVersion)
            return true;
        if (tag == kTagNewSubfileType) {
            const int type = int(number(directory, at + 2, 2, bigEndian));
            const quint32 value =
                type == 3 ? number(directory, at + 8, 2, bigEndian) : number(directory, at + 8, 4, bigEndian);
            if (value & 1) // the first directory is a reduced preview: the picture is elsewhere
                return true;
        }
    }
    return false;
}

bool namedAsPicture(const QString &path)
{
    static const QStringList suffixes = { QStringLiteral("jpg"),
        QStringLiteral("jpeg"),
        QStringLiteral("jpe"),
        QStringLiteral("jfif"),
        QStringLiteral("gif"),
        QStringLiteral("png"),
        QStringLiteral("webp"),
        QStringLiteral("heic"),
        QStringLiteral("heif"),
        QStringLiteral("hif"),
        QStringLiteral("avif"),
        QStringLiteral("tif"),
        QStringLiteral("tiff") };
    return suffixes.contains(QFileInfo(path).suffix(), Qt::CaseInsensitive);
}

} // namespace

PictureType pictureTypeOf(const QByteArray &head, const QByteArray &tiffDirectory)
{
    if (head.size() >= 3 && uchar(head[0]) == 0xFF && uchar(head[1]) == 0xD8 && uchar(head[2]) == 0xFF)
        return PictureType::Jpeg;
    if (head.startsWith("GIF87a") || head.startsWith("GIF89a"))
        return PictureType::Gif;
    if (png::isPng(head))
        return PictureType::Png;
    if (webp::isWebp(head))
        return PictureType::WebP;
    if (tiff::isTiff(head)) {
        const bool bigEndian = head.startsWith("MM");
        const bool cr2 = head.size() >= 10 && head.mid(8, 2) == "CR";
        return cr2 || isRawDirectory(tiffDirectory, bigEndian) ? PictureType::None : PictureType::Tiff;
    }
    return isoType(head);
}

PictureType albumPictureType(const QString &path)
{
    // Nothing that is not a plain file is opened (a pipe would wait for a writer), nor a
    // file that says it is empty (the kernel's files, which may wait when read).
    const QFileInfo info(path);
    QFile file(path);
    if (!info.isFile() || info.size() < 8 || !file.open(QIODevice::ReadOnly))
        return PictureType::None;
    const QByteArray head = file.read(kHeadBytes);
    QByteArray directory;
    // A classic TIFF's first directory: its entry count, then 12 bytes an entry.
    if (tiff::isTiff(head) && head.size() >= 8 && uchar(head[2]) != 0x2B && uchar(head[3]) != 0x2B) {
        const bool bigEndian = head.startsWith("MM");
        if (file.seek(number(head, 4, 4, bigEndian))) {
            directory = file.read(2);
            if (directory.size() == 2)
                directory += file.read(12 * std::min<int>(kMaxDirectoryEntries, number(directory, 0, 2, bigEndian)));
        }
    }
    return pictureTypeOf(head, directory);
}

bool isAlbumPicture(const QString &path)
{
    return albumPictureType(path) != PictureType::None || namedAsPicture(path);
}

QStringList listAlbumPictures(const QString &folder)
{
    if (folder.isEmpty())
        return {};
    QStringList names = QDir(folder).entryList(QDir::Files, QDir::NoSort);
    names.removeIf([&](const QString &name) {
        return !isAlbumPicture(joinPath(folder, name));
    });
    std::sort(names.begin(), names.end(), naturalLess);
    QStringList paths;
    for (const QString &name : names)
        paths += joinPath(folder, name);
    return paths;
}

} // namespace quorvel::album
