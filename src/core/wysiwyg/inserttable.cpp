// SPDX-License-Identifier: GPL-3.0-or-later
#include "wysiwyg/inserttable.h"

#include <algorithm>

namespace quorvel
{
namespace
{

QString startTag(const char *name, const QString &attributes)
{
    const QString trimmed = attributes.simplified();
    if (trimmed.isEmpty())
        return QStringLiteral("<%1>").arg(QLatin1String(name));
    return QStringLiteral("<%1 %2>").arg(QLatin1String(name), trimmed);
}

} // namespace

QString insertTableHtml(const InsertTableParams &params)
{
    QString html = startTag("table", params.tableAttributes);
    if (!params.caption.isEmpty())
        html += QStringLiteral("<caption>%1</caption>").arg(params.caption.toHtmlEscaped());
    html += QStringLiteral("<tbody>");
    // An empty cell collapses in the editor; a line break keeps it clickable.
    const QString cell = startTag("td", params.cellAttributes) + QStringLiteral("<br></td>");
    for (qint32 r = 0; r < std::max(params.rows, 1); ++r) {
        html += QStringLiteral("<tr>");
        for (qint32 c = 0; c < std::max(params.columns, 1); ++c)
            html += cell;
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</tbody></table>");
    return html;
}

} // namespace quorvel
