// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace quorvel
{

/// Writes bytes to path through a temporary file in the same folder that is renamed
/// into place once complete, so an unwritable folder, a full disk or a crash never
/// leaves a truncated file and any previous file stays whole. Returns an empty
/// string on success, else a sentence naming the file and the reason.
QString writeFileAtomically(const QString &path, const QByteArray &bytes);

} // namespace quorvel
