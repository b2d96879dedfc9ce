// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/albumpage.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QUrl>

#include <algorithm>

// The style sheet and the viewer script are compiled in from resources/album/ (album.qrc).
// A resource of a static library registers itself only when asked to.
static void initAlbumResources()
{
    Q_INIT_RESOURCE(album);
}

namespace quorvel::album
{
namespace
{

constexpr auto kStyleSheet = "album.css";
constexpr auto kScript = "album.js";
/// Thumbnails after this many are loaded only when scrolled near: the first screen of a
/// large window holds about as many.
constexpr int kEagerThumbnails = 12;
/// The row height when no entry gives one.
constexpr int kDefaultRowHeight = 200;

/// Whether a character may stand in an HTML5 document: control characters other than
/// white space and the noncharacters are parse errors.
bool allowedInHtml(char32_t c)
{
    if (c == '\t' || c == '\n' || c == '\r' || c == '\f')
        return true;
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F))
        return false;
    return !((c >= 0xFDD0 && c <= 0xFDEF) || (c & 0xFFFE) == 0xFFFE);
}

/// Text as it goes into an element's content or a quoted attribute value.
QString escaped(const QString &text)
{
    QString kept;
    kept.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        if (allowedInHtml(c))
            kept += QString::fromUcs4(&c, 1);
    }
    return kept.toHtmlEscaped().replace(QLatin1Char('\''), QLatin1String("&#39;"));
}

/// An album path as a relative reference to that file. Every byte of a name but the
/// unreserved ones (letters, digits, "-._~") is percent-encoded, so no name can become a
/// scheme ("javascript:"), a query, a fragment, a "\" folder break or a broken srcset;
/// empty, "." and ".." segments name no file and are left out, so a reference never
/// climbs out of the album folder or becomes an absolute one.
QString reference(const QString &path)
{
    QStringList segments;
    for (const QString &segment : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (segment != QLatin1String(".") && segment != QLatin1String(".."))
            segments += QString::fromLatin1(QUrl::toPercentEncoding(segment));
    }
    return segments.join(QLatin1Char('/'));
}

/// Plain text as paragraphs: blank lines separate them, a single line break stays one.
QString paragraphs(const QString &text)
{
    QString normalised = text;
    normalised.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    static const QRegularExpression blankLines(QStringLiteral("\\n[ \\t]*\\n\\s*"));
    QString html;
    for (const QString &paragraph : normalised.split(blankLines, Qt::SkipEmptyParts)) {
        const QString trimmed = paragraph.trimmed();
        if (!trimmed.isEmpty())
            html += QLatin1String("<p>") + escaped(trimmed).replace(QLatin1Char('\n'), QLatin1String("<br>\n"))
                + QLatin1String("</p>\n");
    }
    return html;
}

QString attribute(const char *name, const QString &value)
{
    return QLatin1Char(' ') + QLatin1String(name) + QLatin1String("=\"") + value + QLatin1Char('"');
}

QString entryHtml(const PageEntry &entry, int index)
{
    const double ratio =
        entry.thumbWidth > 0 && entry.thumbHeight > 0 ? static_cast<double>(entry.thumbWidth) / entry.thumbHeight : 1.0;
    // Without a title the picture is named by its file, so its link is never nameless.
    QString alt = entry.alt.trimmed();
    if (alt.isEmpty())
        alt = entry.web.section(QLatin1Char('/'), -1);

    QString html = QLatin1String("<li style=\"--r:") + QString::number(ratio, 'f', 4) + QLatin1String("\"><a")
        + attribute("href", reference(entry.web)) + attribute("data-width", QString::number(entry.webWidth))
        + attribute("data-height", QString::number(entry.webHeight));
    if (!entry.original.isEmpty())
        html += attribute("data-original", reference(entry.original));
    html += QLatin1String("><img") + attribute("src", reference(entry.thumb1x));
    if (!entry.thumb2x.isEmpty() && entry.thumb2x != entry.thumb1x)
        html += attribute("srcset",
            reference(entry.thumb1x) + QLatin1String(" 1x, ") + reference(entry.thumb2x) + QLatin1String(" 2x"));
    html += attribute("width", QString::number(entry.thumbWidth))
        + attribute("height", QString::number(entry.thumbHeight)) + attribute("alt", escaped(alt));
    if (index >= kEagerThumbnails)
        html += attribute("loading", QStringLiteral("lazy"));
    html += attribute("decoding", QStringLiteral("async"));
    html += QLatin1String("></a>");
    if (!entry.caption.trimmed().isEmpty())
        html += QLatin1String("<p>") + escaped(entry.caption.trimmed()) + QLatin1String("</p>");
    return html + QLatin1String("</li>\n");
}

/// The viewer's dialog; album.js fills it. Its texts are here so that they are
/// translated with the program's.
QString viewerHtml()
{
    return QLatin1String("<dialog id=\"viewer\" class=\"viewer\" aria-modal=\"true\" aria-labelledby=\"viewer-title\"")
        + attribute("data-position", escaped(QCoreApplication::translate("quorvel::album", "Photo %1 of %2")))
        + QLatin1String(">\n"
                        "<div class=\"viewer-bar\">\n"
                        "<h2 id=\"viewer-title\" aria-live=\"polite\"></h2>\n"
                        "<p id=\"viewer-position\" class=\"viewer-position\"></p>\n"
                        "<button type=\"button\" class=\"viewer-close\" data-action=\"close\"")
        + attribute("aria-label", escaped(QCoreApplication::translate("quorvel::album", "Close")))
        + QLatin1String(">&times;</button>\n</div>\n")
        + QLatin1String("<div class=\"viewer-photo\"></div>\n"
                        "<button type=\"button\" class=\"viewer-step viewer-previous\" data-action=\"previous\"")
        + attribute("aria-label", escaped(QCoreApplication::translate("quorvel::album", "Previous photo")))
        + QLatin1String(">&lsaquo;</button>\n"
                        "<button type=\"button\" class=\"viewer-step viewer-next\" data-action=\"next\"")
        + attribute("aria-label", escaped(QCoreApplication::translate("quorvel::album", "Next photo")))
        + QLatin1String(">&rsaquo;</button>\n"
                        "<div class=\"viewer-notes\">\n"
                        "<p id=\"viewer-caption\"></p>\n"
                        "<a id=\"viewer-original\" hidden>")
        + escaped(QCoreApplication::translate("quorvel::album", "Download original"))
        + QLatin1String("</a>\n</div>\n</dialog>\n");
}

} // namespace

QByteArray pageHtml(const PageInput &input)
{
    QString title = input.title.simplified();
    if (title.isEmpty())
        title = QCoreApplication::translate("quorvel::album", "Photos");
    const QString language = input.language.trimmed().isEmpty() ? QStringLiteral("en") : input.language.trimmed();
    int rowHeight = 0;
    for (const PageEntry &entry : input.entries)
        rowHeight = std::max(rowHeight, entry.thumbHeight);
    if (rowHeight <= 0)
        rowHeight = kDefaultRowHeight;

    QString html = QLatin1String("<!DOCTYPE html>\n<html") + attribute("lang", escaped(language))
        + QLatin1String(">\n<head>\n"
                        "<meta charset=\"utf-8\">\n"
                        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                        "<title>")
        + escaped(title)
        + QLatin1String("</title>\n"
                        // No favicon request: the album asks for nothing it does not hold.
                        "<link rel=\"icon\" href=\"data:,\">\n")
        + QLatin1String("<link rel=\"stylesheet\" href=\"") + QLatin1String(kStyleSheet)
        + QLatin1String("\">\n<script src=\"") + QLatin1String(kScript)
        + QLatin1String("\" defer></script>\n</head>\n<body>\n<header>\n<h1>") + escaped(title)
        + QLatin1String("</h1>\n") + paragraphs(input.intro) + QLatin1String("</header>\n<main>\n");
    if (!input.entries.empty()) {
        html +=
            QLatin1String("<ul class=\"album\" style=\"--row:") + QString::number(rowHeight) + QLatin1String("px\">\n");
        for (std::size_t i = 0; i < input.entries.size(); ++i)
            html += entryHtml(input.entries[i], static_cast<int>(i));
        html += QLatin1String("</ul>\n");
    }
    html += QLatin1String("</main>\n");
    const QString footer = paragraphs(input.footer);
    if (!footer.isEmpty())
        html += QLatin1String("<footer>\n") + footer + QLatin1String("</footer>\n");
    html += viewerHtml() + QLatin1String("</body>\n</html>\n");
    return html.toUtf8();
}

std::vector<PageFile> pageAssets()
{
    initAlbumResources();
    std::vector<PageFile> files;
    for (const char *name : { kStyleSheet, kScript }) {
        QFile file(QLatin1String(":/album/") + QLatin1String(name));
        const bool opened = file.open(QIODevice::ReadOnly);
        Q_ASSERT(opened); // compiled in: it cannot be missing
        files.push_back({ QLatin1String(name), opened ? file.readAll() : QByteArray() });
    }
    return files;
}

} // namespace quorvel::album
