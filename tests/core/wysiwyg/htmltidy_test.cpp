// SPDX-License-Identifier: GPL-3.0-or-later
#include "wysiwyg/htmltidy.h"

#include <gtest/gtest.h>

using namespace quorvel;

TEST(HtmlTidy, MendsBlocksInsideParagraphs)
{
    const struct {
        const char *input;
        const char *expected;
    } cases[] = {
        // A list the engine put inside a paragraph: the paragraph ends before it; an
        // empty paragraph left by the split disappears.
        { "<p><ol><li>a</li></ol></p>", "<ol><li>a</li></ol>" },
        { "<p>intro<ol><li>a</li></ol></p>", "<p>intro</p><ol><li>a</li></ol>" },
        // Text after the block goes into the paragraph again, with its attributes.
        { "<p class=\"x\">intro<ul><li>a</li></ul>after</p>",
            "<p class=\"x\">intro</p><ul><li>a</li></ul><p class=\"x\">after</p>" },
        { "<p>intro<ul><li>a</li></ul>  </p>", "<p>intro</p><ul><li>a</li></ul>  " },
        // Inline wrappers close and reopen with the paragraph.
        { "<p><b>x<table><tbody><tr><td>c</td></tr></tbody></table>y</b></p>",
            "<p><b>x</b></p><table><tbody><tr><td>c</td></tr></tbody></table><p><b>y</b></p>" },
        { "<h1>a<h2>b</h2></h1>", "<h1>a</h1><h2>b</h2>" },
        { "<p>a<hr>b</p>", "<p>a</p><hr><p>b</p>" },
    };
    for (const auto &c : cases)
        EXPECT_EQ(tidyEditedHtml(QString::fromUtf8(c.input)), QString::fromUtf8(c.expected)) << c.input;
}

TEST(HtmlTidy, LeavesValidDocumentsAlone)
{
    const char *unchanged[] = {
        "<!DOCTYPE html>\n<html><head><title>T &amp; <x></title><style>p > ol { color: red }</style></head>"
        "<body><p>a <b>b</b></p><ol><li><p>in item</p></li></ol><div><p>x</p><table><tbody><tr><td><p>c</p>"
        "<ul><li>d</li></ul></td></tr></tbody></table></div></body></html>\n",
        "<p><!-- <ol> in a comment --></p>",
        "<script>if (a < b) document.write('<p><ol>')</script><p>x</p>",
        "<p><img src=\"a.jpg\" alt=\"x > y\"><br>text</p>",
        "<blockquote><p>q</p><ol><li>a</li></ol></blockquote>",
        "<h1>title <font color=\"#ff0000\">red</font></h1>",
        "stray </span> end tag",
    };
    for (const char *html : unchanged)
        EXPECT_EQ(tidyEditedHtml(QString::fromUtf8(html)), QString::fromUtf8(html)) << html;
}

TEST(HtmlTidy, DeclaresUtf8OnlyWhereNeeded)
{
    const QString ascii = QStringLiteral("<html><head><title>t</title></head><body>plain</body></html>");
    EXPECT_EQ(declareUtf8Charset(ascii), ascii);
    EXPECT_EQ(declareUtf8Charset(QStringLiteral("<html><head><title>t</title></head><body>caf\u00e9</body></html>")),
        QStringLiteral("<html><head><meta charset=\"utf-8\"><title>t</title></head><body>caf\u00e9</body></html>"));
    EXPECT_EQ(declareUtf8Charset(QStringLiteral("<HEAD><META charset=ISO-8859-1></HEAD>x")),
        QStringLiteral("<HEAD><META charset=utf-8></HEAD>x"));
    EXPECT_EQ(declareUtf8Charset(QStringLiteral(
                  "<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\"></head>")),
        QStringLiteral("<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\"></head>"));
    const QString declared = QStringLiteral("<head><meta charset=\"UTF-8\"></head>\u00e9");
    EXPECT_EQ(declareUtf8Charset(declared), declared);
    EXPECT_EQ(
        declareUtf8Charset(QStringLiteral("<p>\u00e9</p>")), QStringLiteral("<meta charset=\"utf-8\"><p>\u00e9</p>"));
}
