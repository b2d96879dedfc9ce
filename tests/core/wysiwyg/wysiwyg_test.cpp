// SPDX-License-Identifier: GPL-3.0-or-later
// The page editor's logic that needs no browser engine: command numbers, block
// formats, colour text, table HTML, error numbers, reading and writing pages.
#include "testsupport.h"
#include "wysiwyg/blockformat.h"
#include "wysiwyg/documentfile.h"
#include "wysiwyg/editcommand.h"
#include "wysiwyg/htmlcolor.h"
#include "wysiwyg/insertablehtml.h"
#include "wysiwyg/inserttable.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quorvel;

namespace
{

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(HtmlColor, ColourValuesBecomeRedGreenBlueText)
{
    const struct {
        unsigned int value;
        const char *text;
    } cases[] = {
        { 255, "#FF0000" },
        { 0x00FF00, "#00FF00" },
        { 0xFF0000, "#0000FF" },
        { 0, "#000000" },
        { 0x123456, "#563412" },
        { 0xFFFFFF, "#FFFFFF" },
        { 0x01ABCDEF, "#EFCDAB" }, // bits above the colour are ignored
    };
    for (const auto &c : cases)
        EXPECT_EQ(htmlColor(c.value), QLatin1String(c.text)) << c.value;
    EXPECT_EQ(colorValue(QColor(255, 0, 0)), 255u);
    EXPECT_EQ(htmlColor(colorValue(QColor(0x12, 0x34, 0x56))), QStringLiteral("#123456"));
}

TEST(EditCommand, NumbersAndKeysAreOneToOne)
{
    QSet<QString> keys;
    int commands = 0;
    for (int number = 4990; number < 5060; ++number) {
        const std::optional<EditCommand> command = editCommandFromNumber(number);
        if (!command)
            continue;
        ++commands;
        EXPECT_EQ(static_cast<int>(*command), number);
        const QString key = editCommandKey(*command);
        EXPECT_FALSE(key.isEmpty()) << number;
        keys.insert(key);
    }
    EXPECT_EQ(commands, 51);
    EXPECT_EQ(keys.size(), commands);
    EXPECT_FALSE(editCommandFromNumber(5001));
    EXPECT_EQ(editCommandKey(EditCommand::InsertTable), QStringLiteral("insertTable"));
    EXPECT_EQ(static_cast<int>(EditCommand::SetForeColor), 5046);
}

TEST(EditCommand, StatusAndFontSizes)
{
    EXPECT_EQ(commandStatus(false, true), StatusDisabled);
    EXPECT_EQ(commandStatus(true, false), StatusEnabled);
    EXPECT_EQ(commandStatus(true, true), StatusLatched);
    EXPECT_EQ(htmlFontSizeFromPoints(12), 3);
    EXPECT_EQ(htmlFontSizeFromPoints(1), 1);
    EXPECT_EQ(htmlFontSizeFromPoints(100), 7);
    EXPECT_EQ(htmlFontSizeFromPoints(20), 5); // nearer 18 than 24
    EXPECT_EQ(pointsFromHtmlFontSize(0), 8);
    EXPECT_EQ(pointsFromHtmlFontSize(7), 36);
    for (int size = 1; size <= 7; ++size)
        EXPECT_EQ(htmlFontSizeFromPoints(pointsFromHtmlFontSize(size)), size);
}

TEST(BlockFormat, NamesTagsAndBack)
{
    const QStringList names = blockFormatNames();
    ASSERT_GE(names.size(), 9);
    EXPECT_EQ(names.mid(0, 9),
        QStringList({ "Normal",
            "Formatted",
            "Address",
            "Heading 1",
            "Heading 2",
            "Heading 3",
            "Heading 4",
            "Heading 5",
            "Heading 6" }));
    for (const QString &name : names) {
        const QString tag = blockFormatTag(name);
        EXPECT_FALSE(tag.isEmpty()) << name.toStdString();
        EXPECT_EQ(blockFormatName(tag), name);
    }
    EXPECT_EQ(blockFormatTag(QStringLiteral("Heading 3")), QStringLiteral("h3"));
    EXPECT_EQ(blockFormatTag(QStringLiteral("heading 3")), QString());
    EXPECT_EQ(blockFormatName(QStringLiteral("H2")), QStringLiteral("Heading 2"));
    EXPECT_EQ(blockFormatName(QStringLiteral("body")), QStringLiteral("Normal"));
    EXPECT_EQ(blockFormatName(QStringLiteral("td")), QStringLiteral("Normal"));
}

TEST(InsertTable, HtmlHasRowsColumnsAttributesAndEscapedCaption)
{
    InsertTableParams params;
    params.rows = 2;
    params.columns = 3;
    params.tableAttributes = QStringLiteral(" border=2  width=50% ");
    params.cellAttributes = QStringLiteral("bgcolor=yellow");
    params.caption = QStringLiteral("Fish & <chips>");
    const QString html = insertTableHtml(params);
    EXPECT_TRUE(
        html.startsWith(QStringLiteral("<table border=2 width=50%><caption>Fish &amp; &lt;chips&gt;</caption>")))
        << html.toStdString();
    EXPECT_EQ(html.count(QStringLiteral("<tr>")), 2);
    EXPECT_EQ(html.count(QStringLiteral("<td bgcolor=yellow>")), 6);

    params = {};
    params.rows = 0;
    params.columns = -4;
    params.tableAttributes.clear();
    const QString smallest = insertTableHtml(params);
    EXPECT_TRUE(smallest.startsWith(QStringLiteral("<table><tbody>")));
    EXPECT_EQ(smallest.count(QStringLiteral("<td>")), 1);
    EXPECT_FALSE(smallest.contains(QStringLiteral("caption")));
}

TEST(DocumentFile, ReasonTexts)
{
    EXPECT_EQ(loadErrorReason(DocumentFileNotFound), QStringLiteral("File not found"));
    EXPECT_EQ(loadErrorReason(DocumentPathNotFound), QStringLiteral("Path not found"));
    EXPECT_EQ(loadErrorReason(DocumentAccessDenied), QStringLiteral("Access denied"));
    EXPECT_EQ(loadErrorReason(DocumentFrameset), QStringLiteral("Document contains a frameset"));
    EXPECT_EQ(loadErrorReason(DocumentServerScript), QStringLiteral("Document is primarily server side script"));
    EXPECT_EQ(loadErrorReason(DocumentUnexpected), QStringLiteral("Unexpected error"));
    EXPECT_EQ(loadErrorReason(DocumentDiskFull), QStringLiteral("Unknown error")); // no load reason
    EXPECT_EQ(saveErrorReason(DocumentDiskFull), QStringLiteral("Disk is full"));
    EXPECT_EQ(saveErrorReason(DocumentInvalidArgument), QStringLiteral("Invalid argument"));
    EXPECT_EQ(saveErrorReason(DocumentFileNotFound), QStringLiteral("Unknown error")); // no save reason
    EXPECT_EQ(saveErrorReason(12345), QStringLiteral("Unknown error"));
}

TEST(DocumentFile, ReadingReportsWhatIsWrong)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QByteArray bytes;
    EXPECT_EQ(readDocumentFile(dir.filePath(QStringLiteral("none.html")), bytes), DocumentFileNotFound);
    EXPECT_EQ(readDocumentFile(dir.filePath(QStringLiteral("no/such.html")), bytes), DocumentPathNotFound);
    EXPECT_EQ(readDocumentFile(dir.path(), bytes), DocumentFileNotFound); // a folder is no page
    EXPECT_EQ(readDocumentFile(QString(), bytes), DocumentInvalidArgument);

    const QString frames = dir.filePath(QStringLiteral("frames.html"));
    writeFile(frames, "<html><FRAMESET cols=\"50%,50%\"><frame src=a.html></frameset></html>");
    EXPECT_EQ(readDocumentFile(frames, bytes), DocumentFrameset);

    const QString page = dir.filePath(QStringLiteral("page.html"));
    writeFile(page, "<html><!-- <frameset> was here --><body><p>framesets are old</p></body></html>");
    EXPECT_EQ(readDocumentFile(page, bytes), DocumentOk);
    EXPECT_TRUE(bytes.contains("framesets are old"));
}

TEST(DocumentFile, WritingIsAtomicAndReportsWhatIsWrong)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString page = dir.filePath(QStringLiteral("page.html"));
    EXPECT_EQ(writeDocumentFile(page, "<p>one</p>"), DocumentOk);
    EXPECT_EQ(readFile(page), QByteArray("<p>one</p>"));
    EXPECT_EQ(writeDocumentFile(page, "<p>two</p>"), DocumentOk);
    EXPECT_EQ(readFile(page), QByteArray("<p>two</p>"));
    EXPECT_EQ(writeDocumentFile(dir.filePath(QStringLiteral("missing/page.html")), "x"), DocumentPathNotFound);
    EXPECT_EQ(writeDocumentFile(dir.path(), "x"), DocumentAccessDenied);
    EXPECT_EQ(writeDocumentFile(QString(), "x"), DocumentInvalidArgument);

    {
        test::FileSizeLimit limit(64);
        ASSERT_TRUE(limit.active()) << "file size limits are not available here";
        EXPECT_EQ(writeDocumentFile(page, QByteArray(4096, 'x')), DocumentDiskFull);
    }
    EXPECT_EQ(readFile(page), QByteArray("<p>two</p>")); // the old page is whole
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList { QStringLiteral("page.html") });
}

// The editor opens what a file holds, whatever its name: pictures, archives and other
// binary data are refused by name, and so is text not valid in its character set.
TEST(DocumentFile, WhatAFileHoldsDecidesWhetherItIsAPage)
{
    const struct {
        QByteArray bytes;
        const char *refusal;
        const char *charset;
    } cases[] = {
        { QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF", 10), "a JPEG picture", "" },
        { QByteArray("\xFF\xD8\xFF\xE1<p>exif</p>"), "a JPEG picture", "" }, // no NUL: known by its signature
        { QByteArray("\x89PNG\r\n\x1A\n"), "a PNG picture", "" },
        { QByteArray("GIF89a<html>"), "a GIF picture", "" },
        { QByteArray("RIFF1234WEBPVP8 "), "a WebP picture", "" },
        { QByteArray("PK\x03\x04<html>"), "a ZIP archive", "" },
        { QByteArray("%PDF-1.7\n"), "a PDF document", "" },
        { QByteArray("\x1F\x8B\x08"), "a compressed archive", "" },
        { QByteArray("<p>a\0b</p>", 10), "binary data", "" },
        { QByteArray("<?xml version=\"1.0\"?>\n<!-- art -->\n<svg xmlns=\"http://www.w3.org/2000/svg\"/>"),
            "an SVG picture",
            "UTF-8" },
        { QByteArray("<meta charset=\"utf-8\"><p>caf\xe9</p>"),
            "text that is not valid UTF-8, its character set",
            "utf-8" },
        { QByteArray("<meta charset=\"iso-8859-2\"><p>\xb1</p>"), "", "iso-8859-2" },
        { QByteArray("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\"><p>\x81\xe9</p>"),
            "",
            "windows-1252" },
        { QByteArray("<meta charset=\"x-unknown-set\"><p>\xe9</p>"), "", "x-unknown-set" }, // taken on trust
        { QByteArray("<p>caf\xc3\xa9</p>"), "", "UTF-8" },
        { QByteArray("<p>caf\xe9</p>"), "", "windows-1252" }, // undeclared and not UTF-8
        { QByteArray("\xEF\xBB\xBF<p>caf\xc3\xa9</p>"), "", "UTF-8" },
        { QByteArray("\xFF\xFE<\0p\0>\0", 8), "", "UTF-16LE" }, // its NULs are the text's high bytes
        { QByteArray("\xFF\xFE<\0\0\0", 6), "binary data", "UTF-16LE" },
        { QByteArray("BZh is no archive, only text"), "", "UTF-8" },
        { QByteArray("<svg> inside a paragraph? <p>no, it leads the text</p>"), "an SVG picture", "UTF-8" },
        { QByteArray("<p>an <svg> in a page</p>"), "", "UTF-8" },
        { QByteArray(), "", "UTF-8" },
    };
    for (const auto &c : cases) {
        const DocumentContent content = inspectDocumentContent(c.bytes);
        EXPECT_EQ(content.refusal, QLatin1String(c.refusal)) << c.bytes.toStdString();
        if (content.refusal.isEmpty() || *c.charset) {
            EXPECT_EQ(content.charset, QByteArray(c.charset)) << c.bytes.toStdString();
        }
    }

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString picture = dir.filePath(QStringLiteral("page.html"));
    writeFile(picture, QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF", 10));
    QByteArray bytes;
    DocumentContent content;
    EXPECT_EQ(readDocumentFile(picture, bytes, &content), DocumentNotAPage);
    EXPECT_EQ(content.refusal, QStringLiteral("a JPEG picture"));
    EXPECT_EQ(loadErrorReason(DocumentNotAPage), QStringLiteral("Not a web page"));
}

// A page is never written over a picture, an archive or other binary data, whatever
// the picture is called; over a page, or text, it is.
TEST(DocumentFile, APageNeverReplacesAPicture)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray jpeg("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01", 12);
    const QString picture = dir.filePath(QStringLiteral("photo.jpg"));
    writeFile(picture, jpeg);
    QString refusal;
    EXPECT_EQ(writeDocumentFile(picture, "<p>page</p>", &refusal), DocumentNotAPage);
    EXPECT_EQ(refusal, QStringLiteral("a JPEG picture"));
    EXPECT_EQ(readFile(picture), jpeg);
    // Binary data further in than a page's first bytes still counts.
    const QString data = dir.filePath(QStringLiteral("data.html"));
    writeFile(data, QByteArray(70000, 'x') + QByteArray(1, '\0'));
    EXPECT_EQ(writeDocumentFile(data, "<p>page</p>"), DocumentNotAPage);
    EXPECT_EQ(saveErrorReason(DocumentNotAPage), QStringLiteral("Not a web page"));

    const QString text = dir.filePath(QStringLiteral("notes.txt"));
    writeFile(text, "milk, eggs");
    EXPECT_EQ(writeDocumentFile(text, "<p>milk, eggs</p>"), DocumentOk);
    EXPECT_EQ(readFile(text), QByteArray("<p>milk, eggs</p>"));
}

// Markup is inserted as written, less scripts and event handlers, which are named.
TEST(InsertableHtml, ScriptsAndEventHandlersAreLeftOut)
{
    const struct {
        const char *html;
        const char *inserted;
        QStringList refused;
    } cases[] = {
        { "<span id=\"qhtml\">MIDDLE</span>", "<span id=\"qhtml\">MIDDLE</span>", {} },
        { "<B> here's some <I>HTML</></B>", "<B> here's some <I>HTML</></B>", {} },
        { "<b onclick=\"steal()\" id=b>B</b>", "<b id=b>B</b>", { "onclick" } },
        { "<img src=x.png ONERROR=alert(1) alt='a > b'>", "<img src=x.png alt='a > b'>", { "onerror" } },
        { "<img/onerror=alert(1)/src=x>", "<img>", { "onerror" } }, // an unquoted value runs on over '/'
        { "<img/src=x/onerror=alert(1)>", "<img/src=x/onerror=alert(1)>", {} }, // a src of "x/onerror=alert(1)"
        { "a<script>if (a < b) x();</script>b", "ab", { "<script>" } },
        { "<<script></script>script>x()</script>", "", { "<script>" } }, // no new script out of the pieces
        { "<b o<b>nclick=x>", "<b o<b>nclick=x>", {} },
        { "a<SCRIPT type=module>x()</SCRIPT >b<script>y()", "ab", { "<script>" } },
        { "<svg><script>x()</script><circle onload=\"x()\"/></svg>", "<svg><circle/></svg>", { "<script>", "onload" } },
        { "<textarea><script>stays text</script></textarea>", "<textarea><script>stays text</script></textarea>", {} },
        { "<!-- <script>x()</script> -->", "<!-- <script>x()</script> -->", {} },
        { "<p title=\"onclick=x\">on</p>", "<p title=\"onclick=x\">on</p>", {} },
        { "1 < 2 <b on>x</b>", "1 < 2 <b on>x</b>", {} },
        { "<a href=a.html onmouseover=x() onclick=y()>a</a>", "<a href=a.html>a</a>", { "onmouseover", "onclick" } },
    };
    for (const auto &c : cases) {
        const InsertableHtml result = insertableHtml(QString::fromUtf8(c.html));
        EXPECT_EQ(result.html, QString::fromUtf8(c.inserted)) << c.html;
        EXPECT_EQ(result.refused, c.refused) << c.html;
    }
}
