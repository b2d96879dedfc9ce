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

/// When the new file reaches the disk.
enum class Durability {
    Synced, ///< before the call returns (fsync), as writeFileAtomically(path, bytes)
    /// Whenever the system writes it back: for a batch of many files, which the caller
    /// makes durable at once with syncFileSystemOf() when the batch is done. The file is
    /// still written to a temporary file renamed into place, with the permissions the
    /// file it replaces had (else the usual ones for a new file).
    Deferred,
};

/// writeFileAtomically, choosing when the file reaches the disk.
QString writeFileAtomically(const QString &path, const QByteArray &bytes, Durability durability);

/// Writes the data of the file system that holds path (a file or folder) to disk: one
/// flush for a whole batch of Deferred writes. Returns false when that is not possible.
bool syncFileSystemOf(const QString &path);

} // namespace quorvel
