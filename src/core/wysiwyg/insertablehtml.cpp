// SPDX-License-Identifier: GPL-3.0-or-later
#include "wysiwyg/insertablehtml.h"

namespace quorvel
{
namespace
{

// Tokenising as a browser does, far enough to find start tags, their attributes and
// the elements whose content is text rather than markup.

bool isSpace(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r')
        || c == QLatin1Char('\f');
}

bool isAsciiLetter(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

/// Elements whose content runs as text up to their end tag.
bool holdsText(const QString &name)
{
    return name == QLatin1String("style") || name == QLatin1String("textarea") || name == QLatin1String("title")
        || name == QLatin1String("xmp") || name == QLatin1String("iframe") || name == QLatin1String("noembed")
        || name == QLatin1String("noframes") || name == QLatin1String("script");
}

/// Where the content of a text element `name` opened before `from` ends: the start
/// of its end tag, or the end of the input.
qsizetype endTagAt(const QString &html, const QString &name, qsizetype from)
{
    const QString closing = QStringLiteral("</") + name;
    for (qsizetype at = html.indexOf(closing, from, Qt::CaseInsensitive); at >= 0;
         at = html.indexOf(closing, at + 1, Qt::CaseInsensitive)) {
        const qsizetype next = at + closing.size();
        if (next == html.size() || isSpace(html[next]) || html[next] == QLatin1Char('/')
            || html[next] == QLatin1Char('>'))
            return at;
    }
    return html.size();
}

/// Just past the '>' that closes the tag at `from` (or the end of the input).
qsizetype pastTag(const QString &html, qsizetype from)
{
    const qsizetype close = html.indexOf(QLatin1Char('>'), from);
    return close < 0 ? html.size() : close + 1;
}

void note(QStringList &refused, const QString &what)
{
    if (!refused.contains(what))
        refused += what;
}

/// One pass over the HTML: takes out the script elements and event handlers it finds.
InsertableHtml removeOnce(const QString &html)
{
    InsertableHtml result;
    QString out;
    qsizetype i = 0;
    const qsizetype n = html.size();
    while (i < n) {
        const qsizetype open = html.indexOf(QLatin1Char('<'), i);
        if (open < 0 || open + 1 >= n) {
            out += QStringView(html).sliced(i);
            break;
        }
        out += QStringView(html).sliced(i, open - i);
        const QChar next = html[open + 1];
        if (html.mid(open, 4) == QLatin1String("<!--")) {
            const qsizetype end = html.indexOf(QLatin1String("-->"), open + 4);
            i = end < 0 ? n : end + 3;
            out += QStringView(html).sliced(open, i - open);
            continue;
        }
        if (next == QLatin1Char('!') || next == QLatin1Char('?') || next == QLatin1Char('/')) {
            i = pastTag(html, open);
            out += QStringView(html).sliced(open, i - open);
            continue;
        }
        if (!isAsciiLetter(next)) {
            out += QLatin1Char('<');
            i = open + 1;
            continue;
        }
        // A start tag: its name, then its attributes one by one.
        qsizetype at = open + 1;
        while (at < n && !isSpace(html[at]) && html[at] != QLatin1Char('/') && html[at] != QLatin1Char('>'))
            ++at;
        const QString name = html.sliced(open + 1, at - open - 1).toLower();
        QString tag = html.sliced(open, at - open);
        while (at < n && html[at] != QLatin1Char('>')) {
            const qsizetype gap = at;
            while (at < n && (isSpace(html[at]) || html[at] == QLatin1Char('/')))
                ++at;
            if (at >= n || html[at] == QLatin1Char('>')) {
                tag += QStringView(html).sliced(gap, at - gap);
                break;
            }
            const qsizetype nameStart = at;
            ++at; // a first '=' belongs to the name
            while (at < n && !isSpace(html[at]) && html[at] != QLatin1Char('/') && html[at] != QLatin1Char('>')
                && html[at] != QLatin1Char('='))
                ++at;
            const QString attribute = html.sliced(nameStart, at - nameStart).toLower();
            qsizetype valueAt = at;
            while (valueAt < n && isSpace(html[valueAt]))
                ++valueAt;
            if (valueAt < n && html[valueAt] == QLatin1Char('=')) {
                at = valueAt + 1;
                while (at < n && isSpace(html[at]))
                    ++at;
                if (at < n && (html[at] == QLatin1Char('"') || html[at] == QLatin1Char('\''))) {
                    const qsizetype close = html.indexOf(html[at], at + 1);
                    at = close < 0 ? n : close + 1;
                } else {
                    while (at < n && !isSpace(html[at]) && html[at] != QLatin1Char('>'))
                        ++at;
                }
            }
            if (attribute.size() > 2 && attribute.startsWith(QLatin1String("on")))
                note(result.refused, attribute); // the handler and the blank before it go
            else
                tag += QStringView(html).sliced(gap, at - gap);
        }
        i = std::min(at + 1, n);
        if (at < n)
            tag += QLatin1Char('>');
        if (name == QLatin1String("script")) {
            note(result.refused, QStringLiteral("<script>"));
            const qsizetype end = endTagAt(html, name, i);
            i = end < n ? pastTag(html, end) : n;
            continue;
        }
        out += tag;
        if (holdsText(name)) {
            const qsizetype end = endTagAt(html, name, i);
            out += QStringView(html).sliced(i, end - i);
            i = end;
        }
    }
    result.html = result.refused.isEmpty() ? html : out;
    return result;
}

} // namespace

InsertableHtml insertableHtml(const QString &html)
{
    // What is left once something is taken out can make new markup ("<" before a
    // removed script, then "script>..." after it): again, until nothing is found.
    InsertableHtml result { html, {} };
    for (;;) {
        const InsertableHtml pass = removeOnce(result.html);
        if (pass.refused.isEmpty())
            return result;
        result.html = pass.html;
        for (const QString &what : pass.refused)
            note(result.refused, what);
    }
}

} // namespace quorvel
