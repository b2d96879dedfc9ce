// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"

#include "platform/atomicfile.h"
#include "platform/paths.h"
#include "platform/programfolder.h"

#include <QDir>
#include <QFile>

namespace quorvel
{

int copyLogoPictures(const ProgramFolder &folders)
{
    if (folders.userDataDir().isEmpty() || !QDir().mkpath(folders.userDataDir()))
        return 0;
    int copied = 0;
    for (const QString &name : kLogoPictures) {
        QFile source(folders.fileForReading(name));
        if (!source.open(QIODevice::ReadOnly))
            continue;
        if (writeFileAtomically(joinPath(folders.userDataDir(), name), source.readAll()).isEmpty())
            ++copied;
    }
    return copied;
}

} // namespace quorvel
