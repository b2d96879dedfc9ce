// SPDX-License-Identifier: GPL-3.0-or-later
// Every reference the program puts in a page for a file beside it: the gallery page,
// Insert Thumbnail's link, and the header and footer editor's Link, Image and Body
// Background tags.
#include "gallery/gallerywriter.h"
#include "pageeditor/tagtexts.h"
#include "wysiwyg/thumbnaillink.h"

#include <QRegularExpression>
#include <QUrl>

#include <gtest/gtest.h>

using namespace quorvel;

namespace
{

// The values of the attributes of a generated text, character references undone.
QStringList attributeValues(const QString &html)
{
    static const QRegularExpression value(QStringLiteral("= ([^ >]+)|=\"([^\"]*)\""));
    QStringList values;
    for (const QRegularExpressionMatch &match : value.globalMatch(html)) {
        QString text = match.captured(1) + match.captured(2);
        text.replace(QLatin1String("&quot;"), QLatin1String("\""));
        text.replace(QLatin1String("&lt;"), QLatin1String("<"));
        text.replace(QLatin1String("&amp;"), QLatin1String("&"));
        values += text;
    }
    return values;
}

// Where a reference leads from a page at http://h/dir/page.html, as a browser reads it.
std::string resolvedPath(const QString &reference)
{
    const QUrl url = QUrl(QStringLiteral("http://h/dir/page.html")).resolved(QUrl(reference));
    if (url.scheme() != QLatin1String("http") || url.host() != QLatin1String("h") || url.hasQuery()
        || url.hasFragment())
        return "elsewhere: " + url.toString().toStdString();
    return url.path(QUrl::FullyDecoded).toStdString();
}

} // namespace

TEST(RelativeReference, AFileNameNeverBecomesAnAddressOfItsOwn)
{
    for (const QString &name : { QStringLiteral("javascript:alert(document.domain).jpg"),
             QStringLiteral("Note:holiday.jpg"),
             QStringLiteral("C:photo.jpg"),
             QStringLiteral("a#b?c.jpg"),
             QStringLiteral("100%41.jpg"),
             QStringLiteral(" edge .jpg "),
             QStringLiteral("back\\slash.jpg"),
             QStringLiteral("my cat.jpg") }) {
        const QString thumbnail = QStringLiteral("t_") + name;
        const QString expected = QStringLiteral("/dir/") + name;
        const QString expectedThumbnail = QStringLiteral("/dir/") + thumbnail;
        const QStringList gallery = attributeValues(GalleryWriter::anchorLine(name, QString(), thumbnail));
        const QStringList inFolder =
            attributeValues(GalleryWriter::anchorLine(name, QStringLiteral("thumbs"), QStringLiteral("x:") + name));
        const QStringList inserted =
            attributeValues(thumbnailLinkHtml(QString(), name, QString(), thumbnail, QStringLiteral("x")));
        const std::pair<QString, QString> cases[] = {
            { gallery.value(0), expected },
            { gallery.value(1), expectedThumbnail },
            { inFolder.value(1), QStringLiteral("/dir/thumbs/x:") + name },
            { inserted.value(0), expected },
            { inserted.value(1), expectedThumbnail },
            { attributeValues(linkTag(name)).value(0), expected },
            { attributeValues(imageTag(name)).value(0), expected },
            { attributeValues(backgroundTag(name)).value(0), expected },
        };
        for (const auto &[reference, path] : cases)
            EXPECT_EQ(resolvedPath(reference), path.toStdString()) << reference.toStdString();
    }
    // The link's text is the name as it is.
    EXPECT_EQ(
        linkTag(QStringLiteral("Note:a&b.htm")), QStringLiteral("<A HREF=\"Note%3Aa&amp;b.htm\">Note:a&amp;b.htm</A>"));

    // A renaming prefix cannot lead the thumbnail, or the reference to it, elsewhere.
    ThumbnailRequest request;
    request.picturePath = QStringLiteral("/pictures/a.jpg");
    request.renameThumbnail = true;
    request.prefix = QStringLiteral("//elsewhere.example/");
    const ThumbnailPlan plan = planThumbnail(request);
    EXPECT_TRUE(plan.error.contains(QStringLiteral("folder separator"))) << plan.error.toStdString();
    EXPECT_TRUE(plan.html.isEmpty());
}
