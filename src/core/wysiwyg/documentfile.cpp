// SPDX-License-Identifier: GPL-3.0-or-later
#include "wysiwyg/documentfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace quorvel
{

QString loadErrorReason(std::uint32_t error)
{
    switch (error) {
    case DocumentInvalidArgument:
        return QCoreApplication::translate("DocumentFile", "Invalid argument");
    case DocumentAccessDenied:
        return QCoreApplication::translate("DocumentFile", "Access denied");
    case DocumentFileNotFound:
        return QCoreApplication::translate("DocumentFile", "File not found");
    case DocumentPathNotFound:
        return QCoreApplication::translate("DocumentFile", "Path not found");
    case DocumentFrameset:
        return QCoreApplication::translate("DocumentFile", "Document contains a frameset");
    case DocumentServerScript:
        return QCoreApplication::translate("DocumentFile", "Document is primarily server side script");
    case DocumentUnexpected:
        return QCoreApplication::translate("DocumentFile", "Unexpected error");
    default:
        return QCoreApplication::translate("DocumentFile", "Unknown error");
    }
}

QString saveErrorReason(std::uint32_t error)
{
    switch (error) {
    case DocumentInvalidArgument:
        return QCoreApplication::translate("DocumentFile", "Invalid argument");
    case DocumentAccessDenied:
        return QCoreApplication::translate("DocumentFile", "Access denied");
    case DocumentDiskFull:
        return QCoreApplication::translate("DocumentFile", "Disk is full");
    case DocumentPathNotFound:
        return QCoreApplication::translate("DocumentFile", "Path not found");
    case DocumentUnexpected:
        return QCoreApplication::translate("DocumentFile", "Unexpected error");
    default:
        return QCoreApplication::translate("DocumentFile", "Unknown error");
    }
}

bool isFramesetDocument(const QByteArray &bytes)
{
    QString text = QString::fromLatin1(bytes);
    static const QRegularExpression comments(
        QStringLiteral("<!--.*?-->"), QRegularExpression::DotMatchesEverythingOption);
    text.remove(comments);
    static const QRegularExpression frameset(
        QStringLiteral("<frameset[\\s>/]"), QRegularExpression::CaseInsensitiveOption);
    return text.contains(frameset);
}

std::uint32_t readDocumentFile(const QString &path, QByteArray &bytes)
{
    if (path.isEmpty())
        return DocumentInvalidArgument;
    const QFileInfo info(path);
    if (!info.dir().exists())
        return DocumentPathNotFound;
    if (!info.exists() || info.isDir())
        return DocumentFileNotFound;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return DocumentAccessDenied;
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return DocumentUnexpected;
    if (isFramesetDocument(bytes))
        return DocumentFrameset;
    return DocumentOk;
}

std::uint32_t writeDocumentFile(const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty())
        return DocumentInvalidArgument;
    const QFileInfo info(path);
    if (!info.dir().exists())
        return DocumentPathNotFound;
    if (info.isDir() || (info.exists() && !info.isWritable()))
        return DocumentAccessDenied;
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return DocumentAccessDenied;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return DocumentDiskFull;
    }
    if (!file.commit()) {
        // The data was written; a failed rename is the folder or file refusing us.
        return file.error() == QFileDevice::RenameError ? DocumentAccessDenied : DocumentDiskFull;
    }
    return DocumentOk;
}

} // namespace quorvel
