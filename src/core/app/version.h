// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quorvel
{

/// The version as the Defaults dialog shows it: major, ".", minor, ", Build: ",
/// then the build (patch) number, each in plain decimal ("3.0, Build: 53").
QString versionText(int major, int minor, int build);

/// versionText() of this program's own version, which the build sets once.
QString programVersionText();

} // namespace quorvel
