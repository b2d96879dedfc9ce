// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/fileoperations.h"

#include "platform/paths.h"

#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

#ifdef Q_OS_LINUX
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quorvel
{

MakeFolderResult makeFolder(const QString &parent, const QString &name, QString *reason)
{
    if (name.trimmed().isEmpty())
        return MakeFolderResult::EmptyName;
    const QString path = joinPath(parent, name);
    if (QFileInfo(path).exists())
        return MakeFolderResult::AlreadyExists;
    std::error_code error;
    if (std::filesystem::create_directory(std::filesystem::path(path.toStdU16String()), error))
        return MakeFolderResult::Created;
    if (reason)
        *reason = error ? QString::fromLocal8Bit(error.message()) : QStringLiteral("unknown error");
    return MakeFolderResult::Failed;
}

bool pathTaken(const QString &path)
{
    std::error_code error;
    return std::filesystem::exists(
        std::filesystem::symlink_status(std::filesystem::path(path.toStdU16String()), error));
}

bool renameNoReplace(const QString &from, const QString &to, QString *reason)
{
#ifdef Q_OS_LINUX
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return true;
    int failure = errno;
    if (failure == EINVAL || failure == ENOSYS || failure == EOPNOTSUPP) {
        // The file system has no no-replace rename: a hard link fails on an existing
        // name just the same, and the old name goes once the new one is in place.
        struct stat info {
        };
        if (::lstat(source.constData(), &info) == 0 && !S_ISDIR(info.st_mode)) {
            if (::link(source.constData(), target.constData()) == 0) {
                if (::unlink(source.constData()) == 0)
                    return true;
                failure = errno;
                ::unlink(target.constData());
            } else {
                failure = errno;
            }
        } else if (!pathTaken(to) && ::rename(source.constData(), target.constData()) == 0) {
            // A folder cannot be hard-linked; checked just before, as well as can be.
            return true;
        } else {
            failure = pathTaken(to) ? EEXIST : errno;
        }
    }
    if (reason)
        *reason = QString::fromLocal8Bit(std::strerror(failure));
    return false;
#else
    std::error_code error;
    const std::filesystem::path source(from.toStdU16String());
    const std::filesystem::path target(to.toStdU16String());
    if (pathTaken(to)) {
        if (reason)
            *reason = QStringLiteral("the new name already exists");
        return false;
    }
    std::filesystem::rename(source, target, error);
    if (error && reason)
        *reason = QString::fromLocal8Bit(error.message());
    return !error;
#endif
}

} // namespace quorvel
