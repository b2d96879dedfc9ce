// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/albummanifest.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cstring>

namespace quorvel::album
{
namespace
{

constexpr int kFormat = 1;
const auto kKind = QStringLiteral("quorvel-album");

constexpr quint64 kPrime1 = 0x9E3779B185EBCA87ULL;
constexpr quint64 kPrime2 = 0xC2B2AE3D27D4EB4FULL;
constexpr quint64 kPrime3 = 0x165667B19E3779F9ULL;
constexpr quint64 kPrime4 = 0x85EBCA77C2B2AE63ULL;
constexpr quint64 kPrime5 = 0x27D4EB2F165667C5ULL;

quint64 rotl(quint64 value, int bits)
{
    return (value << bits) | (value >> (64 - bits));
}

quint64 read64(const uchar *p)
{
    quint64 value;
    std::memcpy(&value, p, sizeof value);
    return value;
}

quint64 mixLane(quint64 lane, quint64 input)
{
    return rotl(lane + input * kPrime2, 31) * kPrime1;
}

QJsonArray toArray(const QStringList &list)
{
    return QJsonArray::fromStringList(list);
}

QStringList toList(const QJsonValue &value)
{
    QStringList list;
    for (const QJsonValue &item : value.toArray())
        list += item.toString();
    return list;
}

QJsonArray sizeToJson(QSize size)
{
    return QJsonArray { size.width(), size.height() };
}

QSize sizeFromJson(const QJsonValue &value)
{
    const QJsonArray array = value.toArray();
    return array.size() == 2 ? QSize(array[0].toInt(), array[1].toInt()) : QSize();
}

QString damaged(const QString &why)
{
    return QCoreApplication::translate("Album", "It is damaged (%1).").arg(why);
}

} // namespace

// Four lanes of multiply-rotate over 32-byte stripes, then the tail and a final
// avalanche: several gigabytes a second, so hashing costs little beside decoding.
ContentHasher::ContentHasher()
    : m_lanes { kPrime1 + kPrime2, kPrime2, 0, 0 - kPrime1 }
{
}

void ContentHasher::add(QByteArrayView bytes)
{
    const auto *p = reinterpret_cast<const uchar *>(bytes.data());
    const uchar *end = p + bytes.size();
    m_length += bytes.size();
    const auto mixStripe = [this](const uchar *stripe) {
        for (int i = 0; i < 4; ++i)
            m_lanes[i] = mixLane(m_lanes[i], read64(stripe + 8 * i));
    };
    if (m_buffered > 0) {
        const int taken = int(std::min<qsizetype>(end - p, qsizetype(sizeof m_stripe) - m_buffered));
        if (taken > 0)
            std::memcpy(m_stripe + m_buffered, p, size_t(taken));
        m_buffered += taken;
        p += taken;
        if (m_buffered < int(sizeof m_stripe))
            return;
        mixStripe(m_stripe);
        m_buffered = 0;
    }
    for (; end - p >= qsizetype(sizeof m_stripe); p += sizeof m_stripe)
        mixStripe(p);
    if (p != end)
        std::memcpy(m_stripe, p, size_t(end - p));
    m_buffered = int(end - p);
}

quint64 ContentHasher::result() const
{
    quint64 hash;
    if (m_length >= qint64(sizeof m_stripe)) {
        hash = rotl(m_lanes[0], 1) + rotl(m_lanes[1], 7) + rotl(m_lanes[2], 12) + rotl(m_lanes[3], 18);
        for (const quint64 lane : m_lanes)
            hash = (hash ^ mixLane(0, lane)) * kPrime1 + kPrime4;
    } else {
        hash = kPrime5;
    }
    hash += quint64(m_length);
    const uchar *p = m_stripe;
    const uchar *end = m_stripe + m_buffered;
    for (; p + 8 <= end; p += 8)
        hash = rotl(hash ^ mixLane(0, read64(p)), 27) * kPrime1 + kPrime4;
    for (; p < end; ++p)
        hash = rotl(hash ^ (*p * kPrime5), 11) * kPrime1;
    hash ^= hash >> 33;
    hash *= kPrime2;
    hash ^= hash >> 29;
    hash *= kPrime3;
    hash ^= hash >> 32;
    return hash;
}

quint64 contentHash(QByteArrayView bytes)
{
    ContentHasher hasher;
    hasher.add(bytes);
    return hasher.result();
}

std::optional<quint64> fileContentHash(const QString &path, QString *error)
{
    // The pieces are large enough that reading costs little more than one read of the
    // whole file, and small beside what decoding a photo takes.
    constexpr qint64 kPiece = qint64(1) << 20;
    const QFileInfo info(path);
    if (!info.exists()) {
        *error = QCoreApplication::translate("Album", "The file does not exist.");
        return std::nullopt;
    }
    if (!info.isFile()) {
        *error = QCoreApplication::translate("Album", "This is not a picture file but a folder or a device.");
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QCoreApplication::translate("Album", "The file cannot be opened: %1.").arg(file.errorString());
        return std::nullopt;
    }
    ContentHasher hasher;
    QByteArray piece(kPiece, Qt::Uninitialized);
    for (;;) {
        const qint64 got = file.read(piece.data(), kPiece);
        if (got < 0) {
            *error = QCoreApplication::translate("Album", "The file cannot be read: %1.").arg(file.errorString());
            return std::nullopt;
        }
        if (got == 0)
            break;
        hasher.add(QByteArrayView(piece.constData(), got));
    }
    return hasher.result();
}

QStringList ManifestPicture::files() const
{
    QStringList list { thumb1x };
    if (thumb2x != thumb1x)
        list += thumb2x;
    list += web;
    if (!original.isEmpty())
        list += original;
    return list;
}

QSet<QString> Manifest::ownFiles() const
{
    QSet<QString> own(pageFiles.begin(), pageFiles.end());
    own.unite(QSet<QString>(pending.begin(), pending.end()));
    for (const ManifestPicture &picture : pictures) {
        for (const QString &file : picture.files())
            own.insert(file);
    }
    return own;
}

bool isAlbumPath(const QString &relative)
{
    if (relative.isEmpty() || relative == QLatin1String(kManifestName) || relative.contains(QLatin1Char('\\')))
        return false;
    const QStringList parts = relative.split(QLatin1Char('/'));
    return std::none_of(parts.begin(), parts.end(), [](const QString &part) {
        return part.isEmpty() || part == QLatin1String(".") || part == QLatin1String("..");
    });
}

QByteArray Manifest::toJson() const
{
    QJsonArray list;
    for (const ManifestPicture &picture : pictures) {
        QJsonObject entry;
        entry.insert(QStringLiteral("name"), picture.name);
        entry.insert(QStringLiteral("size"), picture.size);
        entry.insert(QStringLiteral("modified"), picture.modified);
        entry.insert(QStringLiteral("hash"), picture.hash);
        entry.insert(QStringLiteral("thumb"), picture.thumb1x);
        entry.insert(QStringLiteral("thumb2x"), picture.thumb2x);
        entry.insert(QStringLiteral("thumbSize"), sizeToJson(picture.thumbSize));
        entry.insert(QStringLiteral("web"), picture.web);
        entry.insert(QStringLiteral("webSize"), sizeToJson(picture.webSize));
        if (!picture.original.isEmpty())
            entry.insert(QStringLiteral("original"), picture.original);
        entry.insert(QStringLiteral("title"), picture.title);
        entry.insert(QStringLiteral("taken"), picture.taken);
        entry.insert(QStringLiteral("camera"), picture.camera);
        list.append(entry);
    }
    QJsonObject made;
    made.insert(QStringLiteral("webSize"), settings.webSize);
    made.insert(QStringLiteral("quality"), settings.quality);
    made.insert(QStringLiteral("thumbHeight"), settings.thumbHeight);
    made.insert(QStringLiteral("engine"), settings.engine);
    QJsonObject root;
    root.insert(QStringLiteral("kind"), kKind);
    root.insert(QStringLiteral("format"), kFormat);
    root.insert(QStringLiteral("builtAt"), builtAt);
    root.insert(QStringLiteral("madeWith"), made);
    root.insert(QStringLiteral("pictures"), list);
    root.insert(QStringLiteral("pageFiles"), toArray(pageFiles));
    if (!pending.isEmpty())
        root.insert(QStringLiteral("pending"), toArray(pending));
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<Manifest> Manifest::fromJson(const QByteArray &bytes, QString *error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(QStringLiteral("kind")).toString() != kKind) {
        *error = damaged(parseError.error != QJsonParseError::NoError
                ? parseError.errorString()
                : QCoreApplication::translate("Album", "not an album's record"));
        return std::nullopt;
    }
    if (root.value(QStringLiteral("format")).toInt() != kFormat) {
        *error = QCoreApplication::translate("Album", "It was written by a later version of the program.");
        return std::nullopt;
    }
    Manifest manifest;
    manifest.builtAt = root.value(QStringLiteral("builtAt")).toInteger();
    const QJsonObject made = root.value(QStringLiteral("madeWith")).toObject();
    manifest.settings.webSize = made.value(QStringLiteral("webSize")).toInt();
    manifest.settings.quality = made.value(QStringLiteral("quality")).toInt();
    manifest.settings.thumbHeight = made.value(QStringLiteral("thumbHeight")).toInt();
    manifest.settings.engine = made.value(QStringLiteral("engine")).toInt();
    manifest.pageFiles = toList(root.value(QStringLiteral("pageFiles")));
    manifest.pending = toList(root.value(QStringLiteral("pending")));
    QSet<QString> names;
    for (const QJsonValue &value : root.value(QStringLiteral("pictures")).toArray()) {
        const QJsonObject entry = value.toObject();
        ManifestPicture picture;
        picture.name = entry.value(QStringLiteral("name")).toString();
        picture.size = entry.value(QStringLiteral("size")).toInteger();
        picture.modified = entry.value(QStringLiteral("modified")).toInteger();
        picture.hash = entry.value(QStringLiteral("hash")).toString();
        picture.thumb1x = entry.value(QStringLiteral("thumb")).toString();
        picture.thumb2x = entry.value(QStringLiteral("thumb2x")).toString();
        picture.thumbSize = sizeFromJson(entry.value(QStringLiteral("thumbSize")));
        picture.web = entry.value(QStringLiteral("web")).toString();
        picture.webSize = sizeFromJson(entry.value(QStringLiteral("webSize")));
        picture.original = entry.value(QStringLiteral("original")).toString();
        picture.title = entry.value(QStringLiteral("title")).toString();
        picture.taken = entry.value(QStringLiteral("taken")).toString();
        picture.camera = entry.value(QStringLiteral("camera")).toString();
        if (picture.name.isEmpty() || names.contains(picture.name)) {
            *error = damaged(QStringLiteral("a picture without a name, or named twice"));
            return std::nullopt;
        }
        names.insert(picture.name);
        manifest.pictures.push_back(std::move(picture));
    }
    for (const QString &file : manifest.ownFiles()) {
        if (!isAlbumPath(file)) {
            *error = damaged(QStringLiteral("\"%1\" is no file of the album folder").arg(file));
            return std::nullopt;
        }
    }
    return manifest;
}

} // namespace quorvel::album
