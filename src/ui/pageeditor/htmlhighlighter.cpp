// SPDX-License-Identifier: GPL-3.0-or-later
#include "pageeditor/htmlhighlighter.h"

#include "pageeditor/htmlsyntax.h"

#include <QGuiApplication>
#include <QPalette>

namespace quorvel
{

HtmlHighlighter::HtmlHighlighter(QTextDocument *document)
    : QSyntaxHighlighter(document)
{
    // Colours that read on a light and on a dark background alike.
    const bool dark = QGuiApplication::palette().color(QPalette::Base).lightness() < 128;
    m_tag.setForeground(dark ? QColor(0x6c, 0xb6, 0xff) : QColor(0x00, 0x3f, 0xa8));
    m_tag.setFontWeight(QFont::DemiBold);
    m_attribute.setForeground(dark ? QColor(0xe0, 0xa0, 0x60) : QColor(0x8a, 0x3b, 0x00));
    m_string.setForeground(dark ? QColor(0x8f, 0xd6, 0x8f) : QColor(0x1a, 0x6b, 0x1a));
    m_comment.setForeground(dark ? QColor(0x9a, 0x9a, 0x9a) : QColor(0x6b, 0x6b, 0x6b));
    m_comment.setFontItalic(true);
}

void HtmlHighlighter::highlightBlock(const QString &text)
{
    const int previous = previousBlockState();
    auto state = previous < 0 ? HtmlSyntaxState::Text : static_cast<HtmlSyntaxState>(previous);
    for (const HtmlSyntaxSpan &span : htmlSyntaxSpans(text, state)) {
        switch (span.kind) {
        case HtmlSyntaxKind::Tag:
            setFormat(span.start, span.length, m_tag);
            break;
        case HtmlSyntaxKind::Attribute:
            setFormat(span.start, span.length, m_attribute);
            break;
        case HtmlSyntaxKind::String:
            setFormat(span.start, span.length, m_string);
            break;
        case HtmlSyntaxKind::Comment:
            setFormat(span.start, span.length, m_comment);
            break;
        }
    }
    setCurrentBlockState(static_cast<int>(state));
}

} // namespace quorvel
