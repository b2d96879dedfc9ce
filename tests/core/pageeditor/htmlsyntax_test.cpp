// SPDX-License-Identifier: GPL-3.0-or-later
#include "pageeditor/htmlsyntax.h"

#include <gtest/gtest.h>

using namespace quorvel;

namespace
{

/// The spans of a line as "kind:text" strings, easy to read in a failure.
QStringList described(const QString &line, HtmlSyntaxState &state)
{
    static const char *names[] = { "tag", "attr", "str", "comment" };
    QStringList out;
    for (const HtmlSyntaxSpan &span : htmlSyntaxSpans(line, state))
        out += QStringLiteral("%1:%2").arg(
            QLatin1String(names[static_cast<int>(span.kind)]), line.mid(span.start, span.length));
    return out;
}

} // namespace

TEST(HtmlSyntax, ColoursTagsAttributesStringsAndComments)
{
    HtmlSyntaxState state = HtmlSyntaxState::Text;
    EXPECT_EQ(described(QStringLiteral("<P><IMG SRC=\"a b.jpg\" WIDTH=204 ALT='x'></P> text"), state),
        (QStringList { "tag:<P",
            "tag:>",
            "tag:<IMG",
            "attr:SRC",
            "str:\"a b.jpg\"",
            "attr:WIDTH",
            "str:204",
            "attr:ALT",
            "str:'x'",
            "tag:>",
            "tag:</P",
            "tag:>" }));
    EXPECT_EQ(state, HtmlSyntaxState::Text);
    EXPECT_EQ(described(QStringLiteral("a < b <!-- note --> <BR/>"), state),
        (QStringList { "comment:<!-- note -->", "tag:<BR", "tag:/>" }));
    EXPECT_EQ(described(QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">"), state),
        (QStringList { "tag:<!DOCTYPE", "attr:HTML", "attr:PUBLIC", "str:\"-//W3C//DTD HTML 3.2//EN\"", "tag:>" }));
    EXPECT_EQ(described(QStringLiteral("<![Footer]>"), state), (QStringList { "tag:<![Footer]", "tag:>" }));
}

TEST(HtmlSyntax, CarriesTagsStringsAndCommentsOverLines)
{
    HtmlSyntaxState state = HtmlSyntaxState::Text;
    EXPECT_EQ(described(QStringLiteral("x <!-- one"), state), (QStringList { "comment:<!-- one" }));
    EXPECT_EQ(state, HtmlSyntaxState::Comment);
    EXPECT_EQ(described(QStringLiteral("two --> <A HREF=\"long"), state),
        (QStringList { "comment:two -->", "tag:<A", "attr:HREF", "str:\"long" }));
    EXPECT_EQ(state, HtmlSyntaxState::DoubleQuoted);
    EXPECT_EQ(described(QStringLiteral("name\" TARGET=top>link"), state),
        (QStringList { "str:name\"", "attr:TARGET", "str:top", "tag:>" }));
    EXPECT_EQ(state, HtmlSyntaxState::Text);
    EXPECT_EQ(described(QString(), state), QStringList());
}
