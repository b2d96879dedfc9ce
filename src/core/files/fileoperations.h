// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quorvel
{

/// Why a new folder could not be made.
enum class MakeFolderResult { Created, EmptyName, AlreadyExists, Failed };

/// Makes the folder `name` inside `parent` (one level; the parent must exist).
/// On Failed, *reason (when given) says why in the system's words.
MakeFolderResult makeFolder(const QString &parent, const QString &name, QString *reason = nullptr);

/// Renames (moves within a volume) `from` to `to` unless `to` already exists: an
/// existing file is never replaced, not even in a race with another program. Uses
/// the kernel's no-replace rename where there is one, else a hard link to the new
/// name followed by removing the old one. On failure *reason (when given) says why
/// in the system's words.
bool renameNoReplace(const QString &from, const QString &to, QString *reason = nullptr);

/// Whether a path names anything on disk (a dangling symbolic link included).
bool pathTaken(const QString &path);

} // namespace quorvel
