// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/filemanager.h"
#include "testsupport.h"

#include <QDir>
#include <QTemporaryDir>

#include <cerrno>
#include <gtest/gtest.h>

using namespace quorvel;

TEST(FileManager, PathBoxRootsAreNormalisedExactly)
{
    EXPECT_EQ(normalisedPathBox(QStringLiteral("//")), QStringLiteral("/"));
    EXPECT_EQ(normalisedPathBox(QStringLiteral("c:\\\\")), QStringLiteral("c:\\"));
    EXPECT_EQ(normalisedPathBox(QStringLiteral("C:\\\\")), QStringLiteral("c:\\"));
    EXPECT_EQ(normalisedPathBox(QStringLiteral("C:\\")), QStringLiteral("c:\\"));
    EXPECT_EQ(normalisedPathBox(QStringLiteral("d:\\\\")), QStringLiteral("d:\\"));
    EXPECT_EQ(normalisedPathBox(QStringLiteral("g:\\\\")), QStringLiteral("g:\\"));
    // Other letters, other cases and other paths stay as typed.
    EXPECT_EQ(normalisedPathBox(QStringLiteral("D:\\\\")), QStringLiteral("D:\\\\"));
    EXPECT_EQ(normalisedPathBox(QStringLiteral("h:\\\\")), QStringLiteral("h:\\\\"));
    EXPECT_EQ(normalisedPathBox(QStringLiteral("/pics/")), QStringLiteral("/pics/"));
    EXPECT_EQ(normalisedPathBox(QStringLiteral("///")), QStringLiteral("///"));
}

TEST(FileManager, CreateFolderRefusals)
{
    const QString shown = QStringLiteral("/pics");
    EXPECT_EQ(createFolderRefusal(QString(), shown), QStringLiteral("You must type a name of the directory!"));
    EXPECT_EQ(createFolderRefusal(QStringLiteral("\\"), shown),
        QStringLiteral("You must type in the name of your new directory!"));
    EXPECT_EQ(createFolderRefusal(QStringLiteral("/pics/"), shown),
        QStringLiteral("You must type in the name of your new directory!!!"));
    EXPECT_EQ(createFolderRefusal(QStringLiteral("/pics"), shown),
        QStringLiteral("You must type in the name of your new directory!"));
    EXPECT_EQ(createFolderRefusal(QStringLiteral("/pics/new"), shown), QString());
    EXPECT_EQ(createFolderRefusal(QStringLiteral("new"), shown), QString());
}

TEST(FileManager, TypedNamesAreTakenInTheFolderShown)
{
    EXPECT_EQ(resolveTypedPath(QStringLiteral("new"), QStringLiteral("/pics")), QStringLiteral("/pics/new"));
    EXPECT_EQ(resolveTypedPath(QStringLiteral("../x.jpg"), QStringLiteral("/pics/a")), QStringLiteral("/pics/x.jpg"));
    EXPECT_EQ(resolveTypedPath(QStringLiteral("/other/new"), QStringLiteral("/pics")), QStringLiteral("/other/new"));
}

TEST(FileManager, FoldersAreMadeAndOnlyEmptyOnesRemoved)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("new"));
    EXPECT_EQ(createFolder(folder), 0);
    EXPECT_EQ(createFolder(folder), EEXIST);
    EXPECT_NE(createFolder(dir.filePath(QStringLiteral("missing/new"))), 0);

    ASSERT_TRUE(test::writeFile(dir.filePath(QStringLiteral("new/a.jpg")), "A"));
    EXPECT_FALSE(removeEmptyFolder(folder));
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("new/a.jpg"))));
    EXPECT_FALSE(removeEmptyFolder(dir.filePath(QStringLiteral("new/a.jpg")))) << "a file is never removed";
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("new/a.jpg"))));
    EXPECT_FALSE(removeEmptyFolder(dir.filePath(QStringLiteral("nothing"))));
    ASSERT_TRUE(QFile::remove(dir.filePath(QStringLiteral("new/a.jpg"))));
    EXPECT_TRUE(removeEmptyFolder(folder));
    EXPECT_FALSE(QFileInfo::exists(folder));
}

TEST(FileManager, AttributesText)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("a.jpg"));
    ASSERT_TRUE(test::writeFile(file, "12345"));
    const QString text = fileAttributesText(file, [](const QDateTime &) {
        return QStringLiteral("1/2/26 3:04 PM");
    });
    EXPECT_EQ(text,
        QStringLiteral("Filename: ") + file + QStringLiteral("\r\nFilesize: 5 bytes\r\nDate: 1/2/26 3:04 PM\r\n"));
    EXPECT_EQ(fileAttributesText(dir.filePath(QStringLiteral("none")), {}), QString());
}
