// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace quorvel
{

/// The bytes of the plain file at path. Only a plain file is opened: a named pipe in
/// its place would keep the reader waiting for a writer forever, and a folder or a
/// device is no file of the program's. nullopt when there is no such file or it cannot
/// be read; *reason then says why ("it is not a file", or the system's reason).
std::optional<QByteArray> readPlainFile(const QString &path, QString *reason = nullptr);

} // namespace quorvel
