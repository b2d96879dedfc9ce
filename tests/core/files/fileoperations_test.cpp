// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/fileoperations.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quorvel;

TEST(MakeFolder, CreatesOnceThenReportsWhatIsWrong)
{
    QTemporaryDir dir;
    QString reason;
    EXPECT_EQ(makeFolder(dir.path(), QStringLiteral("images"), &reason), MakeFolderResult::Created);
    EXPECT_TRUE(QDir(dir.filePath(QStringLiteral("images"))).exists());
    EXPECT_EQ(makeFolder(dir.path(), QStringLiteral("images"), &reason), MakeFolderResult::AlreadyExists);
    EXPECT_EQ(makeFolder(dir.path(), QStringLiteral("  "), &reason), MakeFolderResult::EmptyName);
    EXPECT_EQ(
        makeFolder(dir.filePath(QStringLiteral("missing")), QStringLiteral("x"), &reason), MakeFolderResult::Failed);
    EXPECT_FALSE(reason.isEmpty());
}
