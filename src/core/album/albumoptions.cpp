// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/albumoptions.h"

#include "platform/atomicfile.h"
#include "platform/plainfile.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace quorvel::album
{
namespace
{

const auto kTitle = QStringLiteral("title");
const auto kIntro = QStringLiteral("intro");
const auto kFooter = QStringLiteral("footer");
const auto kWebSize = QStringLiteral("webSize");
const auto kQuality = QStringLiteral("quality");
const auto kThumbHeight = QStringLiteral("thumbHeight");
const auto kSort = QStringLiteral("sort");
const auto kOriginals = QStringLiteral("copyOriginals");
const auto kCaptions = QStringLiteral("captions");

void readText(const QJsonObject &object, const QString &key, QString &target)
{
    if (object.value(key).isString())
        target = object.value(key).toString();
}

void readNumber(const QJsonObject &object, const QString &key, int &target)
{
    if (object.value(key).isDouble())
        target = object.value(key).toInt(target);
}

void readFlag(const QJsonObject &object, const QString &key, bool &target)
{
    if (object.value(key).isBool())
        target = object.value(key).toBool();
}

} // namespace

AlbumOptions AlbumOptions::clamped() const
{
    AlbumOptions result = *this;
    result.webSize = std::clamp(webSize, kMinWebSize, kMaxWebSize);
    result.quality = std::clamp(quality, 1, 100);
    result.thumbHeight = std::clamp(thumbHeight, kMinThumbHeight, kMaxThumbHeight);
    return result;
}

QByteArray AlbumOptions::toBytes() const
{
    QJsonObject object;
    object.insert(kTitle, title);
    object.insert(kIntro, intro);
    object.insert(kFooter, footer);
    object.insert(kWebSize, webSize);
    object.insert(kQuality, quality);
    object.insert(kThumbHeight, thumbHeight);
    object.insert(kSort, sort == SortOrder::CaptureDate ? QStringLiteral("date") : QStringLiteral("name"));
    object.insert(kOriginals, copyOriginals);
    object.insert(kCaptions, captions);
    return QJsonDocument(object).toJson();
}

AlbumOptions AlbumOptions::fromBytes(const QByteArray &bytes)
{
    AlbumOptions options;
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    if (!document.isObject())
        return options;
    const QJsonObject object = document.object();
    readText(object, kTitle, options.title);
    readText(object, kIntro, options.intro);
    readText(object, kFooter, options.footer);
    readNumber(object, kWebSize, options.webSize);
    readNumber(object, kQuality, options.quality);
    readNumber(object, kThumbHeight, options.thumbHeight);
    if (object.value(kSort).toString() == QLatin1String("date"))
        options.sort = SortOrder::CaptureDate;
    readFlag(object, kOriginals, options.copyOriginals);
    readFlag(object, kCaptions, options.captions);
    return options.clamped();
}

AlbumOptions AlbumOptions::load(const QString &path)
{
    const std::optional<QByteArray> bytes = readPlainFile(path);
    return bytes ? fromBytes(*bytes) : AlbumOptions();
}

QString AlbumOptions::save(const QString &path) const
{
    return writeFileAtomically(path, toBytes());
}

} // namespace quorvel::album
