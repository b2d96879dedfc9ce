// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/plainfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace quorvel
{

std::optional<QByteArray> readPlainFile(const QString &path, QString *reason)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        if (reason)
            *reason = QCoreApplication::translate("quorvel", "it is not a file");
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (reason)
            *reason = file.errorString();
        return std::nullopt;
    }
    // A read failure part-way keeps what was read.
    return file.readAll();
}

} // namespace quorvel
