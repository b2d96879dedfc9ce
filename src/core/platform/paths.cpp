// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/paths.h"

#include <QDir>

#include <algorithm>

namespace quorvel
{
namespace
{

/// Compares two runs of digits by value without converting them (no overflow on
/// long runs): leading zeros are skipped, then the longer run is the larger number.
int compareDigitRuns(QStringView a, QStringView b)
{
    auto stripZeros = [](QStringView run) {
        qsizetype i = 0;
        while (i + 1 < run.size() && run[i] == u'0')
            ++i;
        return run.mid(i);
    };
    const QStringView x = stripZeros(a);
    const QStringView y = stripZeros(b);
    if (x.size() != y.size())
        return x.size() < y.size() ? -1 : 1;
    return x.compare(y);
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
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            qsizetype endA = i;
            qsizetype endB = j;
            while (endA < a.size() && a[endA].isDigit())
                ++endA;
            while (endB < b.size() && b[endB].isDigit())
                ++endB;
            const int byValue = compareDigitRuns(QStringView(a).mid(i, endA - i), QStringView(b).mid(j, endB - j));
            if (byValue != 0)
                return byValue < 0;
            i = endA;
            j = endB;
            continue;
        }
        const QChar x = a[i].toCaseFolded();
        const QChar y = b[j].toCaseFolded();
        if (x != y)
            return x < y;
        ++i;
        ++j;
    }
    if ((a.size() - i) != (b.size() - j))
        return (a.size() - i) < (b.size() - j);
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
