// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/atomicfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <limits>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <filesystem>
#include <system_error>
#endif

namespace quorvel
{
namespace
{

std::atomic<unsigned> g_tempCounter = 0;

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// The name of a temporary file of this process: ".quorvel-PID-N.tmp", short, so that a
// long target name cannot push it past the file system's limit.
QString temporaryFileName()
{
    return QStringLiteral(".quorvel-%1-%2.tmp").arg(QCoreApplication::applicationPid()).arg(g_tempCounter.fetch_add(1));
}

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Whether a process of that number runs; true when that cannot be told.
bool processRuns(qint64 pid)
{
#ifdef Q_OS_UNIX
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max())
        return true; // not a process number of this system: not ours to judge
    return ::kill(pid_t(pid), 0) == 0 || errno != ESRCH;
#else
    Q_UNUSED(pid)
    return true;
#endif
}

#ifdef Q_OS_UNIX
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
#endif

} // namespace

QString temporaryFilePath(const QString &folder)
{
    return QDir(folder).filePath(temporaryFileName());
}

int removeLeftoverTemporaryFiles(const QString &folder)
{
    static const QRegularExpression ours(QStringLiteral("^\\.quorvel-([0-9]{1,18})-[0-9A-Za-z]+\\.tmp$"));
    int removed = 0;
    const QFileInfoList entries =
        QDir(folder).entryInfoList({ QStringLiteral(".quorvel-*.tmp") }, QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo &entry : entries) {
        const QRegularExpressionMatch match = ours.match(entry.fileName());
        if (!match.hasMatch() || !entry.isFile() || entry.isSymLink())
            continue;
        const qint64 pid = match.captured(1).toLongLong();
        if (pid == QCoreApplication::applicationPid() || processRuns(pid))
            continue;
        if (QFile::remove(entry.filePath()))
            ++removed;
    }
    return removed;
}

AtomicFile::AtomicFile(const QString &path)
    : m_path(path)
{
}

AtomicFile::~AtomicFile()
{
    discard();
}

bool AtomicFile::fail(const QString &reason)
{
    m_failed = true;
    setErrorString(reason);
    return false;
}

void AtomicFile::discard()
{
    if (m_temp.fileName().isEmpty())
        return;
    m_temp.close();
    QFile::remove(m_temp.fileName());
    m_temp.setFileName(QString());
}

bool AtomicFile::open(OpenMode)
{
    if (isOpen())
        return false;
    m_failed = false;
    QFileInfo target(m_path);
    for (int depth = 0; depth < 128 && target.isSymLink(); ++depth)
        target.setFile(target.symLinkTarget());
    m_target = target.filePath();
    if (target.isDir())
        return fail(systemReason(EISDIR));
    if (target.exists() && !target.isWritable())
        return fail(systemReason(EACCES));
    // A name of our own that O_EXCL (NewOnly) never takes from someone else's file.
    for (int attempt = 0; attempt < 100 && !m_temp.isOpen(); ++attempt) {
        m_temp.setFileName(temporaryFilePath(target.absolutePath()));
        if (!m_temp.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)
            && !QFileInfo::exists(m_temp.fileName())) {
            const QString reason = m_temp.errorString();
            m_temp.setFileName(QString());
            return fail(reason);
        }
    }
    if (!m_temp.isOpen()) {
        m_temp.setFileName(QString());
        return fail(systemReason(EEXIST));
    }
    if (target.exists())
        m_temp.setPermissions(target.permissions());
    return QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 AtomicFile::readData(char *, qint64)
{
    return -1;
}

qint64 AtomicFile::writeData(const char *data, qint64 size)
{
    if (m_failed)
        return -1;
    // A short write (the disk filling up part way) is written on until the system
    // answers with its reason.
    for (qint64 done = 0; done < size;) {
        const qint64 written = m_temp.write(data + done, size - done);
        if (written <= 0) {
            fail(m_temp.errorString());
            return -1;
        }
        done += written;
    }
    return size;
}

bool AtomicFile::commit(Durability durability)
{
    if (!isOpen() || m_temp.fileName().isEmpty()) {
        discard();
        return m_failed ? false : fail(systemReason(EBADF));
    }
    QIODevice::close();
#ifdef Q_OS_UNIX
    // The data is on the disk before the rename makes it the file.
    if (!m_failed && durability == Durability::Synced && ::fsync(m_temp.handle()) != 0)
        fail(systemReason(errno));
#else
    Q_UNUSED(durability)
#endif
    m_temp.close();
    if (!m_failed && m_temp.error() != QFileDevice::NoError)
        fail(m_temp.errorString());
    if (m_failed) {
        discard();
        return false;
    }
#ifdef Q_OS_UNIX
    if (::rename(QFile::encodeName(m_temp.fileName()).constData(), QFile::encodeName(m_target).constData()) != 0) {
        fail(systemReason(errno));
        discard();
        return false;
    }
#else
    std::error_code error;
    std::filesystem::rename(
        std::filesystem::path(m_temp.fileName().toStdWString()), std::filesystem::path(m_target.toStdWString()), error);
    if (error) {
        fail(QString::fromStdString(error.message()));
        discard();
        return false;
    }
#endif
    m_temp.setFileName(QString());
    return true;
}

QString writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    AtomicFile file(path);
    if (file.open() && file.write(bytes) == bytes.size() && file.commit(Durability::Synced))
        return {};
    return QCoreApplication::translate("quorvel", "Could not write \"%1\": %2.").arg(native(path), file.errorString());
}

QString writeFileAtomically(const QString &path, const QByteArray &bytes, Durability durability)
{
#ifdef Q_OS_UNIX
    if (durability == Durability::Deferred) {
        const auto failure = [&](int error) {
            return QCoreApplication::translate("quorvel", "Could not write \"%1\": %2.")
                .arg(native(path), systemReason(error));
        };
        const QByteArray target = QFile::encodeName(path);
        struct stat existing;
        const bool replaces = ::stat(target.constData(), &existing) == 0;
        if (replaces && !S_ISREG(existing.st_mode))
            return failure(EISDIR);
        // O_EXCL never opens someone else's file.
        const QByteArray folder = target.left(target.lastIndexOf('/') + 1);
        QByteArray temp;
        int fd = -1;
        for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
            temp = folder + QFile::encodeName(temporaryFileName());
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
