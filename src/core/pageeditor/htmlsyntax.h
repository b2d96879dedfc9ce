// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

namespace quorvel
{

/// What a stretch of HTML source is, for colouring it in the page editor.
enum class HtmlSyntaxKind { Tag, Attribute, String, Comment };

struct HtmlSyntaxSpan {
    int start = 0;
    int length = 0;
    HtmlSyntaxKind kind = HtmlSyntaxKind::Tag;

    bool operator==(const HtmlSyntaxSpan &) const = default;
};

/// Where a line ends up, so that a tag, a quoted value or a comment that runs over
/// several lines is coloured on the next line too.
enum class HtmlSyntaxState { Text, Comment, InTag, DoubleQuoted, SingleQuoted };

/// The coloured stretches of one line of HTML, given the state the previous line
/// ended in; `state` is updated to the state this line ends in. Only looks: the text
/// is never changed, and a "<" that starts no tag ("a < b") stays plain text.
QList<HtmlSyntaxSpan> htmlSyntaxSpans(const QString &line, HtmlSyntaxState &state);

} // namespace quorvel
