// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/paths.h"

#include <QCollator>
#include <QDir>
#include <QLocale>

#include <algorithm>

namespace quorvel
{
namespace
{

/// The collator of the natural order: the user's language, runs of digits by their
/// value, letter case ignored. The C locale has no collation of its own (Qt would
/// compare code points, digits included), so it sorts as English does. One for each
/// thread: several sort at once, and a collator prepares itself on first use.
const QCollator &nameCollator()
{
    thread_local const QCollator collator = [] {
        QLocale locale;
        if (locale.language() == QLocale::C)
            locale = QLocale(QLocale::English);
        QCollator made(locale);
        made.setNumericMode(true);
        made.setCaseSensitivity(Qt::CaseInsensitive);
        return made;
    }();
    return collator;
}

} // namespace

QString joinPath(const QString &folder, const QString &name)
{
    if (folder.isEmpty())
        return name;
    if (isPathSeparator(folder.back()))
        return folder + name;
    return folder + u'/' + name;
}

bool isPathSeparator(QChar c)
{
#ifdef Q_OS_WIN
    return c == u'/' || c == u'\\';
#else
    return c == u'/';
#endif
}

QString withTrailingSeparator(const QString &folder)
{
    if (folder.isEmpty() || isPathSeparator(folder.back()))
        return folder;
    return folder + u'/';
}

QString fileNameOf(const QString &path)
{
    for (qsizetype i = path.size() - 1; i >= 0; --i) {
        if (isPathSeparator(path[i]))
            return path.mid(i + 1);
    }
    return path;
}

bool naturalLess(const QString &a, const QString &b)
{
    const int order = nameCollator().compare(a, b);
    if (order != 0)
        return order < 0;
    return a < b;
}

QStringList listMatchingFiles(const QString &folder, const QString &patterns)
{
    if (folder.isEmpty())
        return {};
    QDir dir(folder);
    // QDir matches name filters without regard to letter case unless told otherwise,
    // so camera names such as "IMG_0001.JPG" are listed too.
    dir.setNameFilters(patterns.split(u';', Qt::SkipEmptyParts));
    QStringList names = dir.entryList(QDir::Files, QDir::NoSort);
    std::sort(names.begin(), names.end(), naturalLess);
    return names;
}

} // namespace quorvel
