// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace quorvel
{

/// Joins a folder and a file name. A folder that already ends in a separator (the
/// root "/", or a drive root such as "C:\" on Windows) gets the name appended
/// directly; any other folder gets "/" between folder and name. An empty folder
/// gives the name alone. Every path the program builds goes through here.
QString joinPath(const QString &folder, const QString &name);

/// The folder with exactly one trailing separator ("/photos" -> "/photos/",
/// "/" -> "/"); an empty folder stays empty.
QString withTrailingSeparator(const QString &folder);

/// Whether c separates folders in a path on this system ("/"; on Windows "\\" too).
bool isPathSeparator(QChar c);

/// The file name part of a path: the text after its last separator.
QString fileNameOf(const QString &path);

/// Natural, case-insensitive order of file names in the user's language: runs of
/// digits compare by their value ("pic2" before "pic10"), letters without regard to
/// case, accented letters beside their plain ones ("Éclair" before "zoo"); names
/// that are equal that way fall back to a plain comparison so the order is total.
/// Every sorted list of names (folder listings, the album's pages) uses this order.
bool naturalLess(const QString &a, const QString &b);

/// The file names of a folder matching patterns separated by ";" ("*.jpg;*.gif"),
/// letter case ignored, in natural order. Every list of pictures the program shows
/// or processes is in this order.
QStringList listMatchingFiles(const QString &folder, const QString &patterns);

} // namespace quorvel
