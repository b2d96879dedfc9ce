// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/programfolder.h"

#include "platform/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace quorvel
{

ProgramFolder::ProgramFolder(QString writableDir, QString dataDir, QString userDataDir)
    : m_writableDir(std::move(writableDir))
    , m_dataDir(std::move(dataDir))
    , m_userDataDir(std::move(userDataDir))
{
}

ProgramFolder ProgramFolder::forRunningProgram()
{
    return forExecutableIn(QCoreApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

ProgramFolder ProgramFolder::forExecutableIn(
    const QString &exeDir, const QString &configDir, const QString &userDataDir)
{
    const QString installData = QDir::cleanPath(exeDir + QStringLiteral("/../share/quorvel"));
    const bool installedLayout = QFileInfo(exeDir).fileName() == QLatin1String("bin") && QFileInfo(installData).isDir();
    if (!installedLayout && QFileInfo(exeDir).isWritable())
        return ProgramFolder(exeDir, exeDir, userDataDir);
    return ProgramFolder(configDir, installData, userDataDir);
}

QString ProgramFolder::fileForWriting(const QString &name) const
{
    // The per-user config folder may not exist yet on a fresh account.
    QDir().mkpath(m_writableDir);
    return joinPath(m_writableDir, name);
}

QString ProgramFolder::fileForReading(const QString &name) const
{
    const QString written = joinPath(m_writableDir, name);
    if (m_writableDir == m_dataDir || QFileInfo::exists(written))
        return written;
    return joinPath(m_dataDir, name);
}

QString ProgramFolder::installedManualPage(const QString &page) const
{
    if (!isInstalled())
        return {};
    const QString path =
        QDir::cleanPath(m_dataDir + QStringLiteral("/../doc/quorvel/manual/") + page + QStringLiteral(".html"));
    return QFileInfo(path).isFile() ? path : QString();
}

} // namespace quorvel
