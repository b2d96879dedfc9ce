// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/fileoperations.h"

#include "platform/paths.h"

#include <QFileInfo>

#include <filesystem>
#include <system_error>

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

} // namespace quorvel
