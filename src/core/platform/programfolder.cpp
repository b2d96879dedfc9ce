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
    const QString exeDir = QCoreApplication::applicationDirPath();
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (QFileInfo(exeDir).isWritable())
        return ProgramFolder(exeDir, exeDir, userData);
    const QString installData = QDir::cleanPath(exeDir + QStringLiteral("/../share/quorvel"));
    return ProgramFolder(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation), installData, userData);
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

} // namespace quorvel
