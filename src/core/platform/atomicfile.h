// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFile>
#include <QIODevice>
#include <QString>

namespace quorvel
{

/// Writes bytes to path through a temporary file in the same folder that is renamed
/// into place once complete, so an unwritable folder, a full disk or a crash never
/// leaves a truncated file and any previous file stays whole. Returns an empty
/// string on success, else a sentence naming the file and the system's reason.
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

/// A file written through a temporary file of its folder that replaces the file only
/// when commit() succeeds; until then, and after a failure, the file stays as it was.
/// Every failure keeps the system's reason in errorString() ("No space left on device",
/// "File too large"), where QSaveFile forgets it after a failed write. As with
/// QSaveFile, a symbolic link is written through to its target, a file that is replaced
/// keeps its permissions, and an existing file that may not be written is refused.
/// Writes are unbuffered: each reaches the file at once, so a full disk is seen there.
class AtomicFile : public QIODevice
{
public:
    explicit AtomicFile(const QString &path);
    /// Removes the temporary file unless it was committed.
    ~AtomicFile() override;
    AtomicFile(const AtomicFile &) = delete;
    AtomicFile &operator=(const AtomicFile &) = delete;

    /// Creates the temporary file for writing (mode is taken as WriteOnly); false, with
    /// the reason in errorString(), when it cannot be.
    bool open(OpenMode mode = WriteOnly) override;
    /// Replaces the file with what was written (after writing it to disk when Synced).
    /// False, with the reason in errorString(), when any write failed or the file cannot
    /// be replaced; the temporary file is then removed.
    bool commit(Durability durability = Durability::Synced);

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    bool fail(const QString &reason);
    void discard();

    QString m_path;
    QString m_target; // m_path with its symbolic links resolved
    QFile m_temp;
    bool m_failed = false;
};

/// A new temporary file's path in folder: ".quorvel-PID-N.tmp", named after the process
/// that writes it. The temporary files of writeFileAtomically, AtomicFile and Image
/// Replace's copies have names of this shape (N may also be letters and digits).
QString temporaryFilePath(const QString &folder);

/// Removes the temporary files (see temporaryFilePath) that runs killed before they
/// could finish left in folder: those of processes that are no longer running, and
/// nothing else (not the files of a live process, nor other files, folders or links
/// of a similar name). Returns how many were removed.
int removeLeftoverTemporaryFiles(const QString &folder);

} // namespace quorvel
