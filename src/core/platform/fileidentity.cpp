// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fileidentity.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace quorvel
{

QString fileIdentity(const QString &path)
{
    if (path.isEmpty())
        return {};
#ifdef Q_OS_UNIX
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return QStringLiteral("%1:%2").arg(quint64(info.st_dev)).arg(quint64(info.st_ino));
#else
    return QFileInfo(path).canonicalFilePath();
#endif
}

bool isSameFile(const QString &a, const QString &b)
{
    const QString identityA = fileIdentity(a);
    const QString identityB = fileIdentity(b);
    if (identityA.isEmpty() || identityB.isEmpty())
        return QDir::cleanPath(QFileInfo(a).absoluteFilePath()) == QDir::cleanPath(QFileInfo(b).absoluteFilePath());
    return identityA == identityB;
}

} // namespace quorvel
