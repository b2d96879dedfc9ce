// SPDX-License-Identifier: GPL-3.0-or-later
// Insert Thumbnail's link: whatever the picture's name, the renaming prefix, the ALT
// text and the two server paths, the link is one anchor around one image, the ALT
// text reads back as typed, and, resolved against the page's address, the link names
// exactly the picture and the image exactly the thumbnail, beside the page or in the
// server folder typed.
#include "fuzzcheck.h"
#include "platform/paths.h"
#include "wysiwyg/thumbnaillink.h"

#include <QRegularExpression>
#include <QString>

#include <algorithm>
#include <optional>

using namespace quorvel;

namespace
{

// Where a file in web folder `typed` (as typed in the window) lies below the page's
// folder, when the folder is a path of folder names; nothing for any other address.
std::optional<QString> plainFolder(const QString &typed)
{
    const QString folder = normaliseServerPath(typed);
    const QStringList names = folder.split(QLatin1Char('/'));
    const bool plain = std::all_of(names.begin(), names.end() - 1, [](const QString &name) {
        return fuzz::isFileName(name) && !name.contains(QLatin1Char('%'));
    }) && !names.first().contains(QLatin1Char(':'));
    return plain ? std::optional<QString>(QStringLiteral("/dir/") + folder) : std::nullopt;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Texts separated by NUL bytes: picture name, then (each turning its option on
    // when given) the renaming prefix, the ALT text, the image server path and the
    // thumbnail server path.
    const QList<QByteArray> parts = fuzz::bytesOf(data, size).split('\0');
    ThumbnailRequest request;
    request.picturePath = QStringLiteral("/quorvel-fuzz/") + QString::fromUtf8(parts.value(0));
    request.pagePath = QStringLiteral("/quorvel-fuzz/page.html");
    request.renameThumbnail = parts.size() > 1;
    request.prefix = QString::fromUtf8(parts.value(1));
    request.altText = QString::fromUtf8(parts.value(2));
    request.useServerPaths = parts.size() > 3;
    request.imageServerPath = QString::fromUtf8(parts.value(3));
    request.thumbnailServerPath = QString::fromUtf8(parts.value(4));

    const ThumbnailPlan plan = planThumbnail(request);
    FUZZ_CHECK(plan.error.isEmpty() != plan.html.isEmpty(), "a link, or a refusal");
    if (plan.html.isEmpty())
        return 0;

    static const QRegularExpression shape(QStringLiteral(
        "^<a href = ([^\\s<>\"'`=]+)><img src = ([^\\s<>\"'`=]+) ALT=([^\\s<>\"'`=&]+|\"[^\"<>]*\")></a>$"));
    const QRegularExpressionMatch match = shape.match(plan.html);
    FUZZ_CHECK(match.hasMatch(), "the link is one anchor around one image");

    QString alt = match.captured(3);
    if (alt.startsWith(QLatin1Char('"'))) {
        alt = alt.mid(1, alt.size() - 2);
        alt.replace(QLatin1String("&quot;"), QLatin1String("\""));
        alt.replace(QLatin1String("&lt;"), QLatin1String("<"));
        alt.replace(QLatin1String("&gt;"), QLatin1String(">"));
        alt.replace(QLatin1String("&amp;"), QLatin1String("&"));
    }
    FUZZ_CHECK(alt == request.altText, "the ALT text reads back as typed");

    const QString picture = fileNameOf(request.picturePath);
    const QString thumbnail = request.renameThumbnail ? request.prefix + picture : picture;
    const std::optional<QString> pictureFolder =
        request.useServerPaths ? plainFolder(request.imageServerPath) : QStringLiteral("/dir/");
    const std::optional<QString> thumbnailFolder =
        request.useServerPaths ? plainFolder(request.thumbnailServerPath) : QStringLiteral("/dir/");
    if (fuzz::isFileName(picture) && pictureFolder)
        FUZZ_CHECK(fuzz::pathFromPage(match.captured(1)) == *pictureFolder + picture, "the link names the picture");
    if (fuzz::isFileName(thumbnail) && thumbnailFolder)
        FUZZ_CHECK(
            fuzz::pathFromPage(match.captured(2)) == *thumbnailFolder + thumbnail, "the image names the thumbnail");
    return 0;
}
