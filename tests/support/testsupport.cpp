// SPDX-License-Identifier: GPL-3.0-or-later
#include "testsupport.h"

#include <QDir>
#include <QFileInfo>

namespace quorvel::test {

QString testdataDir()
{
    const QFileInfo dir(QStringLiteral(QUORVEL_TESTDATA_DIR));
    return dir.isDir() ? dir.canonicalFilePath() : QString();
}

QString testPicture(const QString &relativePath)
{
    return QDir(testdataDir()).filePath(relativePath);
}

} // namespace quorvel::test
