// SPDX-License-Identifier: GPL-3.0-or-later
#include "pageeditor/tagtexts.h"

#include <gtest/gtest.h>

using namespace quorvel;

TEST(TagTexts, ButtonsWrapTheSelectionWithTheCaretBeforeTheClosingTag)
{
    const QString title = QStringLiteral("Title");
    const std::tuple<int, QString, TagInsertion> cases[] = {
        { 0, title, { QStringLiteral("<HR>"), 0 } },
        // "<p>" replaces the selection with an empty pair.
        { 1, title, { QStringLiteral("<P></P>"), 4 } },
        { 2, title, { QStringLiteral("<H1>Title</H1>"), 5 } },
        { 2, QString(), { QStringLiteral("<H1></H1>"), 5 } },
        { 7, title, { QStringLiteral("<H6>Title</H6>"), 5 } },
        { 8, title, { QStringLiteral("<CENTER>Title</CENTER>"), 9 } },
        { 9, title, { QStringLiteral("<BR>"), 0 } },
        { 10, title, { QStringLiteral("<B>Title</B>"), 4 } },
        { 11, QString(), { QStringLiteral("<I></I>"), 4 } },
        { 12, title, { QStringLiteral("<U>Title</U>"), 4 } },
        // A selection is taken as text, whatever it holds.
        { 10, QStringLiteral("a\r\n{ENTER}^z%~"), { QStringLiteral("<B>a\r\n{ENTER}^z%~</B>"), 4 } },
    };
    for (const auto &[index, selection, expected] : cases) {
        const TagInsertion got = tagButtonInsertion(index, selection);
        EXPECT_EQ(got.text, expected.text) << index;
        EXPECT_EQ(got.caretLeft, expected.caretLeft) << index;
    }
    EXPECT_EQ(tagButtonInsertion(kColorTagButton, title), TagInsertion());
    EXPECT_EQ(tagButtons()[13].caption, std::string_view("Body/Textcolor"));
}

TEST(TagTexts, ColourTagUsesRedGreenBlueInUppercaseHex)
{
    EXPECT_EQ(colorHex(QColor(5, 128, 255)), QStringLiteral("0580FF"));
    EXPECT_EQ(colorHex(QColor(Qt::black)), QStringLiteral("000000"));
    EXPECT_EQ(colorHex(QColor(171, 205, 239)), QStringLiteral("ABCDEF"));
    EXPECT_EQ(bodyColorTag(QColor(Qt::white), QColor(Qt::black)),
        QStringLiteral("<BODY BGCOLOR = \"#FFFFFF\" TEXT = \"#000000\">"));
}

TEST(TagTexts, FileTagsKeepSpacesAndEscapeWhatWouldBreakTheTag)
{
    EXPECT_EQ(linkTag(QStringLiteral("my page.htm")), QStringLiteral("<A HREF=\"my page.htm\">my page.htm</A>"));
    EXPECT_EQ(imageTag(QStringLiteral("a.jpg")), QStringLiteral("<IMG SRC=\"a.jpg\">"));
    EXPECT_EQ(backgroundTag(QStringLiteral("back.gif")), QStringLiteral("<BODY BACKGROUND=\"back.gif\">"));
    EXPECT_EQ(linkTag(QStringLiteral("say \"hi\" & <go>.htm")),
        QStringLiteral("<A HREF=\"say &quot;hi&quot; &amp; &lt;go>.htm\">say &quot;hi&quot; &amp; &lt;go>.htm</A>"));
    EXPECT_EQ(imageTag(QStringLiteral("R&D.jpg")), QStringLiteral("<IMG SRC=\"R&amp;D.jpg\">"));
}

TEST(TagTexts, CommonDialogFiltersBecomeQtFilters)
{
    EXPECT_EQ(qtFileFilter(QLatin1String(kInsertLinkFilter)),
        QStringLiteral("HTM (*.htm);;HTML (*.html);;Pictures (*.jpg *.gif *.pcx *.bmp)"));
    EXPECT_EQ(qtFileFilter(QLatin1String(kInsertImageFilter)), QStringLiteral("Pictures (*.jpg *.gif *.pcx)"));
    EXPECT_EQ(qtFileFilter(QStringLiteral("Text|*.txt")), QStringLiteral("Text (*.txt)"));
    // A pattern without a description pair is no filter.
    EXPECT_EQ(qtFileFilter(QStringLiteral("*.def")), QString());
}
