// SPDX-License-Identifier: GPL-3.0-or-later
#include "pageeditor/htmlsyntax.h"

namespace quorvel
{
namespace
{

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'-' || c == u':' || c == u'_' || c == u'.' || c == u'[' || c == u']';
}

bool isAttributeChar(QChar c)
{
    return !c.isSpace() && c != u'=' && c != u'>' && c != u'"' && c != u'\'' && c != u'/' && c != u'<';
}

} // namespace

QList<HtmlSyntaxSpan> htmlSyntaxSpans(const QString &line, HtmlSyntaxState &state)
{
    QList<HtmlSyntaxSpan> spans;
    const int size = static_cast<int>(line.size());
    const auto add = [&spans](int start, int end, HtmlSyntaxKind kind) {
        if (end > start)
            spans.append({ start, end - start, kind });
    };
    const auto closeQuote = [&](int from, QChar quote) {
        const int end = static_cast<int>(line.indexOf(quote, from));
        if (end < 0) {
            add(from, size, HtmlSyntaxKind::String);
            return size;
        }
        add(from, end + 1, HtmlSyntaxKind::String);
        state = HtmlSyntaxState::InTag;
        return end + 1;
    };

    // An unquoted value after "=" is coloured as a value.
    bool afterEquals = false;
    int i = 0;
    while (i < size) {
        switch (state) {
        case HtmlSyntaxState::Comment: {
            const int end = static_cast<int>(line.indexOf(QStringLiteral("-->"), i));
            if (end < 0) {
                add(i, size, HtmlSyntaxKind::Comment);
                i = size;
            } else {
                add(i, end + 3, HtmlSyntaxKind::Comment);
                i = end + 3;
                state = HtmlSyntaxState::Text;
            }
            break;
        }
        case HtmlSyntaxState::DoubleQuoted:
            i = closeQuote(i, u'"');
            break;
        case HtmlSyntaxState::SingleQuoted:
            i = closeQuote(i, u'\'');
            break;
        case HtmlSyntaxState::InTag: {
            const QChar c = line.at(i);
            if (c == u'>') {
                add(i, i + 1, HtmlSyntaxKind::Tag);
                state = HtmlSyntaxState::Text;
                ++i;
            } else if (c == u'/' && i + 1 < size && line.at(i + 1) == u'>') {
                add(i, i + 2, HtmlSyntaxKind::Tag);
                state = HtmlSyntaxState::Text;
                i += 2;
            } else if (c == u'"' || c == u'\'') {
                state = c == u'"' ? HtmlSyntaxState::DoubleQuoted : HtmlSyntaxState::SingleQuoted;
                const int start = i;
                i = closeQuote(i + 1, c);
                // The opening quote belongs to the string.
                if (!spans.isEmpty() && spans.last().start == start + 1) {
                    --spans.last().start;
                    ++spans.last().length;
                } else {
                    add(start, start + 1, HtmlSyntaxKind::String);
                }
            } else if (isAttributeChar(c)) {
                const int start = i;
                while (i < size && isAttributeChar(line.at(i)))
                    ++i;
                add(start, i, afterEquals ? HtmlSyntaxKind::String : HtmlSyntaxKind::Attribute);
            } else {
                ++i;
            }
            afterEquals = c == u'=' || (afterEquals && c.isSpace());
            break;
        }
        case HtmlSyntaxState::Text: {
            const int open = static_cast<int>(line.indexOf(u'<', i));
            if (open < 0) {
                i = size;
                break;
            }
            if (line.mid(open, 4) == QLatin1String("<!--")) {
                state = HtmlSyntaxState::Comment;
                const int end = static_cast<int>(line.indexOf(QStringLiteral("-->"), open + 4));
                if (end < 0) {
                    add(open, size, HtmlSyntaxKind::Comment);
                    i = size;
                } else {
                    add(open, end + 3, HtmlSyntaxKind::Comment);
                    i = end + 3;
                    state = HtmlSyntaxState::Text;
                }
                break;
            }
            int j = open + 1;
            if (j < size && (line.at(j) == u'/' || line.at(j) == u'!' || line.at(j) == u'?'))
                ++j;
            const bool declaration = j > open + 1 && line.at(j - 1) == u'!';
            if (j >= size || !(line.at(j).isLetter() || (declaration && line.at(j) == u'['))) {
                i = open + 1;
                break;
            }
            while (j < size && isNameChar(line.at(j)))
                ++j;
            add(open, j, HtmlSyntaxKind::Tag);
            state = HtmlSyntaxState::InTag;
            i = j;
            break;
        }
        }
    }
    return spans;
}

} // namespace quorvel
