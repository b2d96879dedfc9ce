// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/atomicfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <atomic>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quorvel
{

QString writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // A folder that does not let us create the temporary file must fail, not fall
    // back to writing the target in place.
    file.setDirectWriteFallback(false);
    const auto failure = [&] {
        return QCoreApplication::translate("quorvel", "Could not write \"%1\": %2.")
            .arg(QDir::toNativeSeparators(path), file.errorString());
    };
    // Unbuffered, so a short write (a full disk) is seen here; through Qt's buffer a
    // partly failed flush can go unnoticed and a truncated file be committed.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure();
    if (file.write(bytes) != bytes.size()) {
        const QString error = failure();
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return failure();
    return {};
}

#ifdef Q_OS_UNIX
namespace
{

std::atomic<unsigned> g_tempCounter = 0;

bool writeAll(int fd, const char *data, qsizetype size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size_t(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

} // namespace
#endif

QString writeFileAtomically(const QString &path, const QByteArray &bytes, Durability durability)
{
#ifdef Q_OS_UNIX
    if (durability == Durability::Deferred) {
        const auto failure = [&](int error) {
            return QCoreApplication::translate("quorvel", "Could not write \"%1\": %2.")
                .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(std::strerror(error)));
        };
        const QByteArray target = QFile::encodeName(path);
        struct stat existing;
        const bool replaces = ::stat(target.constData(), &existing) == 0;
        if (replaces && !S_ISREG(existing.st_mode))
            return failure(EISDIR);
        // A short name of our own in the target's folder (not the target's name plus a
        // suffix, which a long file name would push past the file system's limit);
        // O_EXCL never opens someone else's file.
        const QByteArray folder = target.left(target.lastIndexOf('/') + 1);
        QByteArray temp;
        int fd = -1;
        for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
            temp = folder + ".quorvel-" + QByteArray::number(qint64(::getpid())) + '-'
                + QByteArray::number(g_tempCounter.fetch_add(1)) + ".tmp";
            fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd < 0 && errno != EEXIST)
                return failure(errno);
        }
        if (fd < 0)
            return failure(EEXIST);
        bool ok = writeAll(fd, bytes.constData(), bytes.size());
        int error = ok ? 0 : (errno ? errno : ENOSPC);
        if (ok && replaces && ::fchmod(fd, existing.st_mode & 07777) != 0) {
            ok = false;
            error = errno;
        }
        if (::close(fd) != 0 && ok) {
            ok = false;
            error = errno;
        }
        if (ok && ::rename(temp.constData(), target.constData()) != 0) {
            ok = false;
            error = errno;
        }
        if (!ok) {
            ::unlink(temp.constData());
            return failure(error);
        }
        return {};
    }
#else
    Q_UNUSED(durability)
#endif
    return writeFileAtomically(path, bytes);
}

bool syncFileSystemOf(const QString &path)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::syncfs(fd) == 0;
    ::close(fd);
    return ok;
#else
    Q_UNUSED(path)
    return true;
#endif
}

} // namespace quorvel
