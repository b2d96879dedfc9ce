// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/filemanager.h"

#include "platform/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace quorvel
{

QString normalisedPathBox(const QString &text)
{
    static const std::pair<const char *, const char *> kRoots[] = {
        { "c:\\\\", "c:\\" },
        { "c:\\", "c:\\" },
        { "C:\\\\", "c:\\" },
        { "C:\\", "c:\\" },
        { "d:\\", "d:\\" },
        { "d:\\\\", "d:\\" },
        { "e:\\", "e:\\" },
        { "e:\\\\", "e:\\" },
        { "f:\\", "f:\\" },
        { "f:\\\\", "f:\\" },
        { "g:\\", "g:\\" },
        { "g:\\\\", "g:\\" },
        { "//", "/" },
    };
    for (const auto &[written, root] : kRoots)
        if (text == QLatin1String(written))
            return QLatin1String(root);
    return text;
}

QString resolveTypedPath(const QString &typed, const QString &folderShown)
{
    if (QDir::isAbsolutePath(typed))
        return typed;
    return QDir::cleanPath(QDir(folderShown).absoluteFilePath(typed));
}

QString createFolderRefusal(const QString &text, const QString &folderShown)
{
    if (text.isEmpty())
        return QCoreApplication::translate("quorvel::frmFileManage", "You must type a name of the directory!");
    if (text == u"\\" || text == u"/")
        return QCoreApplication::translate(
            "quorvel::frmFileManage", "You must type in the name of your new directory!");
    if (text == withTrailingSeparator(folderShown) && text != folderShown)
        return QCoreApplication::translate(
            "quorvel::frmFileManage", "You must type in the name of your new directory!!!");
    if (text == folderShown)
        return QCoreApplication::translate(
            "quorvel::frmFileManage", "You must type in the name of your new directory!");
    return {};
}

int createFolder(const QString &path)
{
    std::error_code error;
    const std::filesystem::path folder(path.toStdU16String());
    if (std::filesystem::create_directory(folder, error))
        return 0;
    if (error)
        return error.value();
    return EEXIST;
}

bool removeEmptyFolder(const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || info.isSymLink() || !info.isDir())
        return false;
    // rmdir removes nothing but an empty folder.
    return QDir().rmdir(path);
}

QString fileAttributesText(const QString &path, const std::function<QString(const QDateTime &)> &formatTime)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return QCoreApplication::translate("quorvel::frmFileManage", "Filename: %1\r\nFilesize: %2 bytes\r\nDate: %3\r\n")
        .arg(path, QString::number(info.size()), formatTime(info.lastModified()));
}

} // namespace quorvel
