// SPDX-License-Identifier: GPL-3.0-or-later
// A plain stand-in for the album's page writer while it is made elsewhere: a list of
// thumbnails linking their web-size copies, and one small style sheet. Linked only when
// core has no page writer of its own (see tests/CMakeLists.txt); delete it when it has.
#include "album/albumpage.h"

namespace quorvel::album
{

QByteArray pageHtml(const PageInput &input)
{
    QString html = QStringLiteral("<!DOCTYPE html>\n<html lang=\"%1\"><meta charset=\"utf-8\"><title>%2</title>"
                                  "<link rel=\"stylesheet\" href=\"album.css\">\n")
                       .arg(input.language, input.title.toHtmlEscaped());
    for (const PageEntry &entry : input.entries)
        html += QStringLiteral("<a href=\"%1\"><img src=\"%2\" width=\"%3\" height=\"%4\" alt=\"%5\"></a>\n")
                    .arg(entry.web.toHtmlEscaped(), entry.thumb1x.toHtmlEscaped())
                    .arg(entry.thumbWidth)
                    .arg(entry.thumbHeight)
                    .arg(entry.alt.toHtmlEscaped());
    return html.toUtf8();
}

std::vector<PageFile> pageAssets()
{
    return { { QStringLiteral("album.css"), QByteArrayLiteral("img { margin: 2px; }\n") } };
}

} // namespace quorvel::album
