// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

#include <functional>

namespace quorvel
{

/// The path box of the file manager after a change: a drive root written with a
/// doubled separator, as choosing a root in the folder list leaves it, becomes the
/// root ("//" -> "/"; "c:\\" and "C:\\" -> "c:\", "d:\\" -> "d:\" up to g, matched
/// exactly). Anything else is returned as it is.
QString normalisedPathBox(const QString &text);

/// A path typed by the user, as a full path: a path without a folder (or relative)
/// is taken inside `folderShown`, the folder the window shows, never the program's
/// working folder.
QString resolveTypedPath(const QString &typed, const QString &folderShown);

/// Why "Create Directory" will not start with the path box holding `text` while the
/// folder list shows `folderShown`: one of the window's refusal messages, or an
/// empty string when a folder may be made.
QString createFolderRefusal(const QString &text, const QString &folderShown);

/// Makes one folder; 0 on success, else the system's error number (an existing name
/// gives the "already exists" number).
int createFolder(const QString &path);

/// Removes a folder only when it is empty; never deletes a file (a file, a link or
/// a missing path is refused). Whether it was removed.
bool removeEmptyFolder(const QString &path);

/// The text "File Attributes" shows for one file: its path, its size in bytes and
/// its last-modified time in the given short date-time form, each line ending in
/// CR LF. Empty when the file cannot be read.
QString fileAttributesText(const QString &path, const std::function<QString(const QDateTime &)> &formatTime);

} // namespace quorvel
