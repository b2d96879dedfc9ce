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

} // namespace quorvel
