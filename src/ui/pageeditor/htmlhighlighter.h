// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSyntaxHighlighter>
#include <QTextCharFormat>

namespace quorvel
{

/// Colours HTML source in a text box: tags, attribute names, quoted values and
/// comments. It changes only how the text looks, never the text.
class HtmlHighlighter : public QSyntaxHighlighter
{
    Q_OBJECT
public:
    explicit HtmlHighlighter(QTextDocument *document);

protected:
    void highlightBlock(const QString &text) override;

private:
    QTextCharFormat m_tag;
    QTextCharFormat m_attribute;
    QTextCharFormat m_string;
    QTextCharFormat m_comment;
};

} // namespace quorvel
