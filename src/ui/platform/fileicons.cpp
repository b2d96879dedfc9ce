// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fileicons.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMimeDatabase>

namespace quorvel
{

QIcon NameOnlyIconProvider::icon(const QFileInfo &info) const
{
    if (info.isRoot())
        return icon(Drive);
    if (info.isDir())
        return icon(Folder);
    // By the name's extension alone: the file is not opened.
    const QMimeType kind = QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    const QIcon themed = QIcon::fromTheme(kind.iconName());
    return themed.isNull() ? icon(File) : themed;
}

QString NameOnlyIconProvider::type(const QFileInfo &info) const
{
    // The texts Qt's provider gives, in its translations.
    if (info.isRoot())
        return QCoreApplication::translate("QAbstractFileIconProvider", "Drive");
    if (info.isDir())
        return QCoreApplication::translate("QAbstractFileIconProvider", "Folder");
    const QMimeType kind = QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    return kind.comment().isEmpty() ? kind.name() : kind.comment();
}

NameOnlyIconProvider *nameOnlyIconProvider()
{
    static auto *const provider = new NameOnlyIconProvider;
    return provider;
}

} // namespace quorvel
