// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quorvel
{

/// Whether two paths name the same file or folder: another spelling ("dir/../name",
/// a trailing separator, letter case on a volume that ignores it), a symbolic link or
/// a hard link. Paths that do not both exist are compared by their cleaned absolute
/// form.
bool isSameFile(const QString &a, const QString &b);

/// Identifies an existing file independently of how its path is spelled: on Unix the
/// device and inode, elsewhere the canonical path. Empty when the file does not exist.
QString fileIdentity(const QString &path);

} // namespace quorvel
