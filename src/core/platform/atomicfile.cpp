// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/atomicfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

namespace quorvel
{

QString writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // A folder that does not let us create the temporary file must fail, not fall
    // back to writing the target in place.
    file.setDirectWriteFallback(false);
    const auto failure = [&] {
        return QCoreApplication::translate("quorvel", "Could not write \"%1\": %2.")
            .arg(QDir::toNativeSeparators(path), file.errorString());
    };
    // Unbuffered, so a short write (a full disk) is seen here; through Qt's buffer a
    // partly failed flush can go unnoticed and a truncated file be committed.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure();
    if (file.write(bytes) != bytes.size()) {
        const QString error = failure();
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return failure();
    return {};
}

} // namespace quorvel
