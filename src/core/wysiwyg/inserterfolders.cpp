// SPDX-License-Identifier: GPL-3.0-or-later
#include "wysiwyg/inserterfolders.h"

#include "platform/atomicfile.h"
#include "platform/paths.h"
#include "platform/plainfile.h"

namespace quorvel
{

QString storedFolderForm(const QString &folder)
{
    qsizetype end = folder.size();
    while (end > 0 && (folder[end - 1] == u'/' || folder[end - 1] == u'\\'))
        --end;
    if (end > 0) {
        // A drive root ("C:\") keeps its separator, as "/" does. A bare "C:" gets one
        // too: its box shows it with a separator, which would otherwise be kept at
        // the next save (on Linux "a:/" names the same folder as "a:").
        if (end == 2 && folder[1] == u':')
            return end < folder.size() ? folder.left(3) : folder + u'/';
        return folder.left(end);
    }
    return folder.contains(u'/') ? QStringLiteral("/") : QString();
}

QString folderBoxText(const QString &stored)
{
    return withTrailingSeparator(stored);
}

InserterFolders parseInserterFolders(const QByteArray &bytes)
{
    QList<QByteArray> lines;
    qsizetype pos = 0;
    while (pos < bytes.size() && lines.size() < 2) {
        qsizetype end = pos;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        lines.append(bytes.mid(pos, end - pos));
        if (end < bytes.size() && bytes[end] == '\r')
            ++end;
        if (end < bytes.size() && bytes[end] == '\n')
            ++end;
        pos = end;
    }
    InserterFolders folders;
    if (!lines.isEmpty())
        folders.imageFolder = storedFolderForm(QString::fromLocal8Bit(lines[0]));
    if (lines.size() > 1)
        folders.thumbnailFolder = storedFolderForm(QString::fromLocal8Bit(lines[1]));
    return folders;
}

QByteArray formatInserterFolders(const InserterFolders &folders)
{
    const QByteArray crlf("\r\n");
    return storedFolderForm(folders.imageFolder).toLocal8Bit() + crlf
        + storedFolderForm(folders.thumbnailFolder).toLocal8Bit() + crlf;
}

InserterFolders readInserterFolders(const QString &path)
{
    const std::optional<QByteArray> bytes = readPlainFile(path);
    return bytes ? parseInserterFolders(*bytes) : InserterFolders {};
}

QString writeInserterFolders(const QString &path, const InserterFolders &folders)
{
    return writeFileAtomically(path, formatInserterFolders(folders));
}

} // namespace quorvel
