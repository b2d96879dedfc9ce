// SPDX-License-Identifier: GPL-3.0-or-later
#include "wysiwyg/htmltidy.h"

#include <QList>
#include <QRegularExpression>
#include <QSet>

namespace quorvel
{
namespace
{

const QSet<QString> &blockElements()
{
    static const QSet<QString> names = {
        QStringLiteral("address"),
        QStringLiteral("article"),
        QStringLiteral("aside"),
        QStringLiteral("blockquote"),
        QStringLiteral("center"),
        QStringLiteral("dd"),
        QStringLiteral("details"),
        QStringLiteral("dialog"),
        QStringLiteral("dir"),
        QStringLiteral("div"),
        QStringLiteral("dl"),
        QStringLiteral("dt"),
        QStringLiteral("fieldset"),
        QStringLiteral("figcaption"),
        QStringLiteral("figure"),
        QStringLiteral("footer"),
        QStringLiteral("form"),
        QStringLiteral("h1"),
        QStringLiteral("h2"),
        QStringLiteral("h3"),
        QStringLiteral("h4"),
        QStringLiteral("h5"),
        QStringLiteral("h6"),
        QStringLiteral("header"),
        QStringLiteral("hgroup"),
        QStringLiteral("hr"),
        QStringLiteral("main"),
        QStringLiteral("menu"),
        QStringLiteral("nav"),
        QStringLiteral("ol"),
        QStringLiteral("p"),
        QStringLiteral("pre"),
        QStringLiteral("section"),
        QStringLiteral("table"),
        QStringLiteral("ul"),
    };
    return names;
}

bool isVoid(const QString &name)
{
    static const QSet<QString> names = {
        QStringLiteral("area"),
        QStringLiteral("base"),
        QStringLiteral("br"),
        QStringLiteral("col"),
        QStringLiteral("embed"),
        QStringLiteral("hr"),
        QStringLiteral("img"),
        QStringLiteral("input"),
        QStringLiteral("link"),
        QStringLiteral("meta"),
        QStringLiteral("param"),
        QStringLiteral("source"),
        QStringLiteral("track"),
        QStringLiteral("wbr"),
    };
    return names.contains(name);
}

bool isRawText(const QString &name)
{
    return name == QLatin1String("script") || name == QLatin1String("style") || name == QLatin1String("textarea")
        || name == QLatin1String("title") || name == QLatin1String("xmp") || name == QLatin1String("noembed")
        || name == QLatin1String("noframes") || name == QLatin1String("iframe");
}

bool isHeading(const QString &name)
{
    return name.size() == 2 && name[0] == QLatin1Char('h') && name[1] >= QLatin1Char('1')
        && name[1] <= QLatin1Char('6');
}

/// Whether a block starting now must first close the open container `container`.
bool blockClosesContainer(const QString &block, const QString &container)
{
    if (container == QLatin1String("p"))
        return true;
    return isHeading(container) && isHeading(block);
}

struct Open {
    QString name;
    QString startTag;
    bool open = true;
    qsizetype startPosition = 0; // where its start tag was written
};

/// The end of a tag starting at `from` ('<'), honouring quoted attribute values.
qsizetype tagEnd(const QString &html, qsizetype from)
{
    QChar quote;
    for (qsizetype i = from + 1; i < html.size(); ++i) {
        const QChar c = html[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else if (c == QLatin1Char('>')) {
            return i;
        }
    }
    return html.size() - 1;
}

QString tagName(const QString &tag, qsizetype from)
{
    qsizetype end = from;
    while (end < tag.size() && (tag[end].isLetterOrNumber() || tag[end] == QLatin1Char('-')))
        ++end;
    return tag.mid(from, end - from).toLower();
}

class Tidier
{
public:
    QString run(const QString &html)
    {
        qsizetype i = 0;
        while (i < html.size()) {
            const qsizetype lt = html.indexOf(QLatin1Char('<'), i);
            if (lt < 0) {
                text(html.mid(i));
                break;
            }
            if (lt > i)
                text(html.mid(i, lt - i));
            if (html.mid(lt, 4) == QLatin1String("<!--")) {
                qsizetype end = html.indexOf(QLatin1String("-->"), lt + 4);
                end = end < 0 ? html.size() : end + 3;
                m_out += html.mid(lt, end - lt);
                i = end;
                continue;
            }
            const qsizetype gt = tagEnd(html, lt);
            const QString tag = html.mid(lt, gt - lt + 1);
            i = gt + 1;
            if (tag.size() > 1 && tag[1] == QLatin1Char('/')) {
                endTag(tagName(tag, 2), tag);
            } else if (tag.size() > 1 && tag[1].isLetter()) {
                const QString name = tagName(tag, 1);
                startTag(name, tag);
                if (isRawText(name)) {
                    // Copied as it stands up to its end tag.
                    const QRegularExpression close(
                        QStringLiteral("</%1[\\s>/]").arg(name), QRegularExpression::CaseInsensitiveOption);
                    const QRegularExpressionMatch match = close.match(html, i);
                    const qsizetype end = match.hasMatch() ? match.capturedStart() : html.size();
                    m_out += html.mid(i, end - i);
                    i = end;
                }
            } else {
                m_out += tag; // doctype, processing instruction or a stray '<'
            }
        }
        return m_out;
    }

private:
    void text(const QString &chunk)
    {
        if (!chunk.trimmed().isEmpty())
            reopenClosed();
        m_out += chunk;
    }

    void startTag(const QString &name, const QString &tag)
    {
        if (blockElements().contains(name)) {
            closeContainerFor(name);
        } else {
            reopenClosed();
        }
        if (isVoid(name) || tag.endsWith(QLatin1String("/>"))) {
            m_out += tag;
            return;
        }
        m_stack.append({ name, tag, true, m_out.size() });
        m_out += tag;
    }

    void endTag(const QString &name, const QString &tag)
    {
        for (qsizetype k = m_stack.size() - 1; k >= 0; --k) {
            if (m_stack[k].name != name)
                continue;
            // Elements above it that were closed early end with it.
            const bool open = m_stack[k].open;
            m_stack.resize(k);
            if (open)
                m_out += tag;
            return;
        }
        m_out += tag; // an end tag without its start: left as it was
    }

    /// Closes the container a block may not sit in, with the inline elements inside it.
    void closeContainerFor(const QString &block)
    {
        qsizetype container = -1;
        for (qsizetype k = m_stack.size() - 1; k >= 0; --k) {
            if (!m_stack[k].open)
                continue;
            if (blockClosesContainer(block, m_stack[k].name)) {
                container = k;
                break;
            }
            if (blockElements().contains(m_stack[k].name) || m_stack[k].name == QLatin1String("li")
                || m_stack[k].name == QLatin1String("td") || m_stack[k].name == QLatin1String("th"))
                return; // the block is inside a block of its own: allowed
        }
        if (container < 0)
            return;
        for (qsizetype k = m_stack.size() - 1; k >= container; --k) {
            if (!m_stack[k].open)
                continue;
            if (m_out.size() == m_stack[k].startPosition + m_stack[k].startTag.size())
                m_out.truncate(m_stack[k].startPosition); // nothing in it: drop it
            else
                m_out += QStringLiteral("</%1>").arg(m_stack[k].name);
            m_stack[k].open = false;
        }
    }

    /// Opens again, in order, the elements closed early around a block, for content
    /// that followed the block inside them.
    void reopenClosed()
    {
        qsizetype first = m_stack.size();
        while (first > 0 && !m_stack[first - 1].open)
            --first;
        for (qsizetype k = first; k < m_stack.size(); ++k) {
            m_stack[k].open = true;
            m_stack[k].startPosition = m_out.size();
            m_out += m_stack[k].startTag;
        }
    }

    QString m_out;
    QList<Open> m_stack;
};

} // namespace

QString tidyEditedHtml(const QString &html)
{
    return Tidier().run(html);
}

QString declareUtf8Charset(const QString &html)
{
    static const QRegularExpression metaCharset(
        QStringLiteral("(<meta\\b[^>]*\\bcharset\\s*=\\s*[\"']?)([A-Za-z0-9_.:-]+)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = metaCharset.match(html);
    if (match.hasMatch()) {
        if (match.captured(2).compare(QLatin1String("utf-8"), Qt::CaseInsensitive) == 0)
            return html;
        QString result = html;
        result.replace(match.capturedStart(2), match.capturedLength(2), QStringLiteral("utf-8"));
        return result;
    }
    bool ascii = true;
    for (const QChar c : html) {
        if (c.unicode() > 0x7F) {
            ascii = false;
            break;
        }
    }
    if (ascii)
        return html;
    static const QRegularExpression head(QStringLiteral("<head\\b[^>]*>"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch headMatch = head.match(html);
    const QString meta = QStringLiteral("<meta charset=\"utf-8\">");
    QString result = html;
    if (headMatch.hasMatch())
        result.insert(headMatch.capturedEnd(), meta);
    else
        result.prepend(meta);
    return result;
}

} // namespace quorvel
