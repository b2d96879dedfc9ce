// SPDX-License-Identifier: GPL-3.0-or-later
#include "wysiwyg/blockformat.h"

namespace quorvel
{
namespace
{

struct BlockFormat {
    const char *name;
    const char *tag;
};

constexpr BlockFormat kFormats[] = {
    { "Normal", "p" },
    { "Formatted", "pre" },
    { "Address", "address" },
    { "Heading 1", "h1" },
    { "Heading 2", "h2" },
    { "Heading 3", "h3" },
    { "Heading 4", "h4" },
    { "Heading 5", "h5" },
    { "Heading 6", "h6" },
    { "Numbered List", "ol" },
    { "Bulleted List", "ul" },
    { "Definition Term", "dt" },
    { "Definition", "dd" },
    { "Paragraph", "div" },
};

} // namespace

QStringList blockFormatNames()
{
    QStringList names;
    for (const BlockFormat &format : kFormats)
        names.append(QLatin1String(format.name));
    return names;
}

QString blockFormatTag(const QString &name)
{
    for (const BlockFormat &format : kFormats) {
        if (name == QLatin1String(format.name))
            return QLatin1String(format.tag);
    }
    return {};
}

QString blockFormatName(const QString &tag)
{
    const QString lower = tag.toLower();
    for (const BlockFormat &format : kFormats) {
        if (lower == QLatin1String(format.tag))
            return QLatin1String(format.name);
    }
    return QStringLiteral("Normal");
}

} // namespace quorvel
