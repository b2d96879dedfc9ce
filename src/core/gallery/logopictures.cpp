// SPDX-License-Identifier: GPL-3.0-or-later
#include "gallery/logopictures.h"

#include "app/startup.h"
#include "platform/atomicfile.h"
#include "platform/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace quorvel
{

QStringList logoPicturesNamedIn(const QString &html)
{
    QStringList named;
    for (const QString &name : kLogoPictures) {
        const QString quoted = QRegularExpression::escape(name);
        // "=" then the bare name: in double or single quotes, or unquoted up to a
        // blank or the end of the tag.
        const QRegularExpression reference(QStringLiteral("=\\s*(?:\"%1\"|'%1'|%1(?=[\\s>]|$))").arg(quoted));
        if (reference.match(html).hasMatch())
            named += name;
    }
    return named;
}

QString putLogoPicturesBesidePage(
    const QString &pageFolder, const QString &logoFolder, const QString &header, const QString &footer)
{
    QStringList named = logoPicturesNamedIn(header);
    for (const QString &name : logoPicturesNamedIn(footer)) {
        if (!named.contains(name))
            named += name;
    }
    QStringList errors;
    for (const QString &name : named) {
        const QString target = joinPath(pageFolder, name);
        if (QFileInfo::exists(target) || QFileInfo(target).isSymLink())
            continue;
        const QString sourcePath = joinPath(logoFolder, name);
        QFile source(sourcePath);
        QString error;
        if (!source.open(QIODevice::ReadOnly)) {
            error = QCoreApplication::translate("CreationRun", "\"%1\" could not be read: %2.")
                        .arg(QDir::toNativeSeparators(sourcePath), source.errorString());
        } else {
            error = writeFileAtomically(target, source.readAll());
        }
        if (!error.isEmpty())
            errors += QCoreApplication::translate(
                "CreationRun", "The page shows the picture %1, which could not be put beside it: %2")
                          .arg(name, error);
    }
    return errors.join(QStringLiteral("\r\n"));
}

} // namespace quorvel
