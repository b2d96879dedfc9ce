// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace quorvel
{

class ProgramFolder;

/// The pictures the built-in page header refers to: the program's logo (204 x 47)
/// and a divider line (621 x 13).
inline const QStringList kLogoPictures = { QStringLiteral("vellodeflogo.jpg"), QStringLiteral("line.jpg") };

/// Copies the logo pictures from the program folder into the per-user data folder,
/// replacing earlier copies, so pages whose header refers to them there show them.
/// A missing picture is skipped and every failure is ignored: start-up never stops
/// for it. Returns how many pictures were copied.
int copyLogoPictures(const ProgramFolder &folders);

} // namespace quorvel
