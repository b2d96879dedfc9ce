// SPDX-License-Identifier: GPL-3.0-or-later
#include "wysiwyg/blockformat.h"

#include <QCoreApplication>

namespace quorvel
{
namespace
{

struct BlockFormat {
    const char *name;
    const char *tag;
};

constexpr BlockFormat kFormats[] = {
    { QT_TRANSLATE_NOOP("BlockFormat", "Normal"), "p" },
    { QT_TRANSLATE_NOOP("BlockFormat", "Formatted"), "pre" },
    { QT_TRANSLATE_NOOP("BlockFormat", "Address"), "address" },
    { QT_TRANSLATE_NOOP("BlockFormat", "Heading 1"), "h1" },
    { QT_TRANSLATE_NOOP("BlockFormat", "Heading 2"), "h2" },
    { QT_TRANSLATE_NOOP("BlockFormat", "Heading 3"), "h3" },
    { QT_TRANSLATE_NOOP("BlockFormat", "Heading 4"), "h4" },
    { QT_TRANSLATE_NOOP("BlockFormat", "Heading 5"), "h5" },
    { QT_TRANSLATE_NOOP("BlockFormat", "Heading 6"), "h6" },
    { QT_TRANSLATE_NOOP("BlockFormat", "Numbered List"), "ol" },
    { QT_TRANSLATE_NOOP("BlockFormat", "Bulleted List"), "ul" },
    { QT_TRANSLATE_NOOP("BlockFormat", "Definition Term"), "dt" },
    { QT_TRANSLATE_NOOP("BlockFormat", "Definition"), "dd" },
    { QT_TRANSLATE_NOOP("BlockFormat", "Paragraph"), "div" },
};

} // namespace

QString blockFormatDisplayName(const QString &name)
{
    return QCoreApplication::translate("BlockFormat", name.toUtf8().constData());
}

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
