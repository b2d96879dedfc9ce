// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/albumpage.h"

#include <QRegularExpression>
#include <QUrl>

#include <gtest/gtest.h>
#include <map>

using namespace quorvel;
using album::PageEntry;

namespace
{

PageEntry entry(const QString &stem, int width = 300, int height = 200)
{
    return PageEntry { .thumb1x = QStringLiteral("thumbs/") + stem + QStringLiteral(".jpg"),
        .thumb2x = QStringLiteral("thumbs/") + stem + QStringLiteral("@2x.jpg"),
        .thumbWidth = width,
        .thumbHeight = height,
        .web = QStringLiteral("web/") + stem + QStringLiteral(".jpg"),
        .webWidth = width * 6,
        .webHeight = height * 6,
        .original = {},
        .alt = stem,
        .caption = {} };
}

using Attributes = std::map<std::string, std::string>;

/// The attributes of every tag of one name, in page order (values as written).
std::vector<Attributes> tags(const QString &page, const QString &name)
{
    std::vector<Attributes> result;
    const QRegularExpression tag(QStringLiteral("<%1(\\s[^>]*)?>").arg(name));
    const QRegularExpression attribute(QStringLiteral("([a-z-]+)(?:=\"([^\"]*)\")?"));
    for (const QRegularExpressionMatch &match : tag.globalMatch(page)) {
        Attributes attributes;
        for (const QRegularExpressionMatch &pair : attribute.globalMatch(match.captured(1)))
            attributes[pair.captured(1).toStdString()] = pair.captured(2).toStdString();
        result.push_back(attributes);
    }
    return result;
}

/// Where a reference of the page leads, as a browser resolves it against the page
/// file:///album/index.html: the decoded path, or the whole URL when it leaves file://.
std::string target(const std::string &reference)
{
    const QUrl url = QUrl(QStringLiteral("file:///album/index.html"))
                         .resolved(QUrl(QString::fromStdString(reference), QUrl::StrictMode));
    if (url.scheme() != QLatin1String("file") || !url.host().isEmpty() || url.hasQuery() || url.hasFragment())
        return url.toString().toStdString();
    return url.path(QUrl::FullyDecoded).toStdString();
}

} // namespace

// Whatever the file names and texts hold, the page's references lead to those very files
// inside the album folder, and the texts stay text.
TEST(AlbumPage, HostileNamesAndTextsStayFileReferencesAndText)
{
    const std::string hostile[] = {
        "javascript:alert(1)",
        "a b#c?d%41e&f\"g'h<i>`j=k",
        "\u03bc, 1x",
        "back\\slash",
        "data:text",
    };
    album::PageInput input;
    input.title = QStringLiteral("<script>alert(1)</script> & \"quotes\"");
    input.intro = QStringLiteral("First </p><img src=x onerror=alert(1)>\nsame paragraph\n\n \nSecond\x01 one");
    input.footer = QStringLiteral("&copy; not an entity");
    for (const std::string &name : hostile) {
        const QString stem = QString::fromStdString(name);
        PageEntry picture = entry(stem);
        picture.web = stem + QStringLiteral(".jpg"); // a name at the top, where a colon could make a scheme
        picture.original = QStringLiteral("originals/") + stem + QStringLiteral(".jpg");
        picture.alt = stem + QStringLiteral("\" onerror=\"alert(1)");
        picture.caption = QStringLiteral("</p><script>x</script>");
        input.entries.push_back(picture);
    }
    // Paths that are not names of the album's files: they still stay within it.
    PageEntry climbing = entry(QStringLiteral("x"));
    climbing.web = QStringLiteral("../../etc/passwd");
    climbing.thumb1x = QStringLiteral("//example.com/x.jpg");
    climbing.thumb2x = QStringLiteral("/etc/./x.jpg");
    input.entries.push_back(climbing);
    const QString page = QString::fromUtf8(album::pageHtml(input));

    const auto links = tags(page, QStringLiteral("a"));
    const auto images = tags(page, QStringLiteral("img"));
    ASSERT_EQ(images.size(), std::size(hostile) + 1);
    for (std::size_t i = 0; i < std::size(hostile); ++i) {
        const std::string &name = hostile[i];
        EXPECT_EQ(target(links[i].at("href")), "/album/" + name + ".jpg");
        EXPECT_EQ(target(links[i].at("data-original")), "/album/originals/" + name + ".jpg");
        EXPECT_EQ(target(images[i].at("src")), "/album/thumbs/" + name + ".jpg");
        const QStringList candidates = QString::fromStdString(images[i].at("srcset")).split(QStringLiteral(", "));
        ASSERT_EQ(candidates.size(), 2) << images[i].at("srcset");
        EXPECT_EQ(
            target(candidates[0].section(QLatin1Char(' '), 0, 0).toStdString()), "/album/thumbs/" + name + ".jpg");
        EXPECT_EQ(candidates[0].section(QLatin1Char(' '), 1), QStringLiteral("1x"));
        EXPECT_EQ(
            target(candidates[1].section(QLatin1Char(' '), 0, 0).toStdString()), "/album/thumbs/" + name + "@2x.jpg");
        EXPECT_EQ(candidates[1].section(QLatin1Char(' '), 1), QStringLiteral("2x"));
        const QString alt =
            QString::fromStdString(name).toHtmlEscaped().replace(QLatin1Char('\''), QStringLiteral("&#39;"));
        EXPECT_EQ(images[i].at("alt"), alt.toStdString() + "&quot; onerror=&quot;alert(1)");
    }
    EXPECT_EQ(target(links[std::size(hostile)].at("href")), "/album/etc/passwd");
    EXPECT_EQ(images.back().at("srcset"), "example.com/x.jpg 1x, etc/x.jpg 2x");

    // The texts: nothing but the page's own markup, escaped where it is shown.
    EXPECT_FALSE(page.contains(QStringLiteral("<script>")));
    EXPECT_FALSE(page.contains(QStringLiteral("<img src=x")));
    EXPECT_FALSE(page.contains(QLatin1Char('\x01')));
    EXPECT_EQ(
        page.count(QStringLiteral("&lt;script&gt;alert(1)&lt;/script&gt; &amp; &quot;quotes&quot;")), 2); // title, h1
    EXPECT_TRUE(
        page.contains(QStringLiteral("<p>First &lt;/p&gt;&lt;img src=x onerror=alert(1)&gt;<br>\nsame paragraph</p>\n"
                                     "<p>Second one</p>\n")));
    EXPECT_TRUE(page.contains(QStringLiteral("<footer>\n<p>&amp;copy; not an entity</p>\n</footer>")));
    EXPECT_EQ(page.count(QStringLiteral("<p>&lt;/p&gt;&lt;script&gt;x&lt;/script&gt;</p>")), int(std::size(hostile)));
}

// Every thumbnail carries what keeps the page from moving as it loads and what a screen
// reader reads; only those below the first screen wait until they are scrolled near.
TEST(AlbumPage, EveryThumbnailCarriesItsSizeAltAndDensitiesAndLoadsLazilyBelowTheFirstScreen)
{
    album::PageInput input;
    input.title = QStringLiteral("Holiday");
    input.language = QStringLiteral("de");
    for (int i = 0; i < 20; ++i)
        input.entries.push_back(entry(QStringLiteral("p%1").arg(i), 100 + i, 200));
    input.entries[3].alt.clear(); // without a title or a name it is named by its web copy
    input.entries[5].caption = QStringLiteral("12 May 2024, Camera X");
    input.entries[7].original = QStringLiteral("originals/p7.CR2");
    input.entries[9].thumb2x = input.entries[9].thumb1x; // too small for a second size
    const QString page = QString::fromUtf8(album::pageHtml(input));

    EXPECT_TRUE(
        page.startsWith(QStringLiteral("<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n"
                                       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n")));
    const auto images = tags(page, QStringLiteral("img"));
    const auto links = tags(page, QStringLiteral("a"));
    ASSERT_EQ(images.size(), input.entries.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const std::string stem = "p" + std::to_string(i);
        Attributes expected { { "src", "thumbs/" + stem + ".jpg" },
            { "srcset", "thumbs/" + stem + ".jpg 1x, thumbs/" + stem + "%402x.jpg 2x" },
            { "width", std::to_string(100 + i) },
            { "height", "200" },
            { "alt", i == 3 ? "p3.jpg" : stem },
            { "decoding", "async" } };
        if (i >= 12)
            expected["loading"] = "lazy";
        if (i == 9)
            expected.erase("srcset");
        EXPECT_EQ(images[i], expected) << "image " << i;
        Attributes link {
            { "href", "web/" + stem + ".jpg" }, { "data-width", std::to_string(600 + 6 * i) }, { "data-height", "1200" }
        };
        if (i == 7)
            link["data-original"] = "originals/p7.CR2";
        EXPECT_EQ(links[i], link) << "link " << i;
    }
    EXPECT_EQ(page.count(QStringLiteral("</a><p>")), 1);
    EXPECT_TRUE(page.contains(QStringLiteral("alt=\"p5\" decoding=\"async\"></a><p>12 May 2024, Camera X</p></li>")));

    // The page names its style sheet and script, which are the assets it comes with.
    QStringList assets;
    for (const album::PageFile &file : album::pageAssets()) {
        EXPECT_FALSE(file.bytes.isEmpty()) << file.name.toStdString();
        assets += file.name;
    }
    EXPECT_EQ(assets, (QStringList { QStringLiteral("album.css"), QStringLiteral("album.js") }));
    EXPECT_EQ(tags(page, QStringLiteral("link")).back().at("href"), "album.css");
    EXPECT_EQ(tags(page, QStringLiteral("script")).front().at("src"), "album.js");
}
