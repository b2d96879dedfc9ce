// SPDX-License-Identifier: GPL-3.0-or-later
#include "wysiwyg/thumbnaillink.h"

#include "gallery/creationrun.h"
#include "platform/atomicfile.h"
#include "platform/fileidentity.h"
#include "platform/paths.h"
#include "platform/relativereference.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quorvel
{
namespace
{

bool isPlainUrlCharacter(QChar c)
{
    if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9'))
        return true;
    return QStringView(u"-._~/!$()*+,;:@").contains(c);
}

bool isHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

/// The folder a relative folder or a plain thumbnail name counts from: the page's
/// folder, or the picture's for a page not yet saved.
QString baseFolder(const ThumbnailRequest &request)
{
    const QString anchor = request.pagePath.isEmpty() ? request.picturePath : request.pagePath;
    return QFileInfo(anchor).absolutePath();
}

QString resolveFolder(const QString &base, const QString &folder)
{
    return QDir::cleanPath(QDir(base).absoluteFilePath(folder));
}

} // namespace

QString normaliseServerPath(const QString &path)
{
    QString result = path;
    if (!result.endsWith(u'/'))
        result += u'/';
    if (result == QLatin1String("/"))
        result.clear();
    return result;
}

QString urlAttributeValue(const QString &value, bool keepEscapes)
{
    QString result;
    result.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (isPlainUrlCharacter(c)) {
            result += c;
            continue;
        }
        if (keepEscapes && c == u'%' && i + 2 < value.size() && isHexDigit(value[i + 1]) && isHexDigit(value[i + 2])) {
            result += value.mid(i, 3);
            i += 2;
            continue;
        }
        // One whole character (a surrogate pair included) as its UTF-8 bytes.
        qsizetype length = 1;
        if (c.isHighSurrogate() && i + 1 < value.size() && value[i + 1].isLowSurrogate())
            length = 2;
        const QByteArray bytes = value.mid(i, length).toUtf8();
        for (const char byte : bytes)
            result += QStringLiteral("%%1").arg(static_cast<unsigned char>(byte), 2, 16, QLatin1Char('0')).toUpper();
        i += length - 1;
    }
    return result;
}

QString textAttributeValue(const QString &value)
{
    bool plain = !value.isEmpty();
    for (const QChar c : value) {
        if (c.isSpace() || QStringView(u"\"'=<>`&").contains(c)) {
            plain = false;
            break;
        }
    }
    if (plain)
        return value;
    QString escaped = value;
    escaped.replace(u'&', QLatin1String("&amp;"));
    escaped.replace(u'"', QLatin1String("&quot;"));
    escaped.replace(u'<', QLatin1String("&lt;"));
    escaped.replace(u'>', QLatin1String("&gt;"));
    return u'"' + escaped + u'"';
}

QString thumbnailLinkHtml(const QString &hrefFolder,
    const QString &pictureName,
    const QString &srcFolder,
    const QString &thumbnailName,
    const QString &altText)
{
    // A typed web folder is the author's own address; without one the name begins
    // the reference and must not read as an address of its own.
    const auto reference = [](const QString &folder, const QString &name) {
        const QString encodedName = urlAttributeValue(name);
        return folder.isEmpty() ? relativeReference(encodedName) : urlAttributeValue(folder, true) + encodedName;
    };
    const QString href = reference(hrefFolder, pictureName);
    const QString src = reference(srcFolder, thumbnailName);
    return QLatin1String("<a href = ") + href + QLatin1String("><img src = ") + src + QLatin1String(" ALT=")
        + textAttributeValue(altText) + QLatin1String("></a>");
}

ThumbnailPlan planThumbnail(const ThumbnailRequest &request)
{
    ThumbnailPlan plan;
    if (fileNameOf(request.picturePath).isEmpty()) {
        plan.error = QCoreApplication::translate("quorvel::Form1", "Choose a picture with \"Browse\" first.");
        return plan;
    }
    if (request.renameThumbnail) {
        if (QString refusal = prefixRefusal(request.prefix); !refusal.isEmpty()) {
            plan.error = std::move(refusal);
            return plan;
        }
    }
    const QString pictureName = fileNameOf(request.picturePath);
    const QString thumbnailName = quorvel::thumbnailName(request.renameThumbnail, request.prefix, pictureName);
    const QString base = baseFolder(request);

    if (request.useThumbnailFolder && request.thumbnailFolder.trimmed().isEmpty()) {
        plan.error = QCoreApplication::translate(
            "quorvel::Form1", "Choose the folder for the thumbnail, or clear \"Use Paths when creating Thumbnails\".");
        return plan;
    }
    if (request.copyPicture && request.imageFolder.trimmed().isEmpty()) {
        plan.error = QCoreApplication::translate(
            "quorvel::Form1", "Choose the folder to copy the picture to, or clear \"Copy Images to Image Path\".");
        return plan;
    }

    const QString thumbnailFolder = request.useThumbnailFolder ? resolveFolder(base, request.thumbnailFolder) : base;
    plan.thumbnailFile = joinPath(thumbnailFolder, thumbnailName);
    if (isSameFile(plan.thumbnailFile, request.picturePath)) {
        plan.error = QCoreApplication::translate("quorvel::Form1",
            "The thumbnail would be written over the picture itself (\"%1\"). Tick \"Rename "
            "Thumbnail\" or choose another folder for the thumbnail.")
                         .arg(QDir::toNativeSeparators(plan.thumbnailFile));
        plan.thumbnailFile.clear();
        return plan;
    }

    if (request.copyPicture) {
        const QString target = joinPath(resolveFolder(base, request.imageFolder), pictureName);
        if (!isSameFile(target, request.picturePath))
            plan.copyTarget = target;
    }

    const QString hrefFolder = request.useServerPaths ? normaliseServerPath(request.imageServerPath) : QString();
    const QString srcFolder = request.useServerPaths ? normaliseServerPath(request.thumbnailServerPath) : QString();
    plan.html = thumbnailLinkHtml(hrefFolder, pictureName, srcFolder, thumbnailName, request.altText);
    return plan;
}

QString copyPictureFile(const QString &source, const QString &target)
{
    if (isSameFile(source, target))
        return {};
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("quorvel::Form1", "Could not read \"%1\": %2.")
            .arg(QDir::toNativeSeparators(source), in.errorString());
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return QCoreApplication::translate("quorvel::Form1", "Could not read \"%1\": %2.")
            .arg(QDir::toNativeSeparators(source), in.errorString());
    return writeFileAtomically(target, bytes);
}

} // namespace quorvel
