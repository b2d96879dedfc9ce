// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/filelist.h"
#include "platform/folderlist.h"
#include "platform/prompts.h"
#include "platform/shellopen.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace quorvel;

namespace
{

void touch(const QString &path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

} // namespace

TEST(FileList, ListsPicturesInNaturalOrderAndDragsSelectedFilesInListOrder)
{
    QTemporaryDir dir;
    for (const char *name : { "b10.jpg", "b9.JPG", "a.gif", "c.txt" })
        touch(dir.filePath(QLatin1String(name)));
    FileList list;
    list.setPattern(QStringLiteral("*.jpg;*.gif"));
    list.setPath(dir.path());
    ASSERT_EQ(list.fileNames(),
        QStringList({ QStringLiteral("a.gif"), QStringLiteral("b9.JPG"), QStringLiteral("b10.jpg") }));

    list.item(2)->setSelected(true);
    list.item(0)->setSelected(true);
    EXPECT_EQ(list.selectedFileNames(), QStringList({ QStringLiteral("a.gif"), QStringLiteral("b10.jpg") }));
    std::unique_ptr<QMimeData> data(list.model()->mimeData(list.selectionModel()->selectedIndexes()));
    ASSERT_NE(data, nullptr);
    ASSERT_TRUE(data->hasUrls());
    EXPECT_EQ(data->urls(),
        QList<QUrl>({ QUrl::fromLocalFile(dir.filePath(QStringLiteral("a.gif"))),
            QUrl::fromLocalFile(dir.filePath(QStringLiteral("b10.jpg"))) }));
}

TEST(FileList, FollowsTheFolderAndKeepsTheSelection)
{
    QTemporaryDir dir;
    touch(dir.filePath(QStringLiteral("one.jpg")));
    FileList list;
    list.setPattern(QStringLiteral("*.jpg"));
    list.setPath(dir.path());
    list.item(0)->setSelected(true);
    touch(dir.filePath(QStringLiteral("another.jpg")));
    QTRY_COMPARE(list.count(), 2);
    EXPECT_EQ(list.selectedFileNames(), QStringList({ QStringLiteral("one.jpg") }));
}

TEST(FolderList, RefusesMissingFoldersAndSignalsRealChanges)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    FolderList folders;
    QSignalSpy spy(&folders, &FolderList::pathChanged);
    ASSERT_TRUE(folders.setPath(dir.filePath(QStringLiteral("sub"))));
    EXPECT_EQ(folders.path(), QFileInfo(dir.filePath(QStringLiteral("sub"))).canonicalFilePath());
    EXPECT_EQ(spy.count(), 1);
    EXPECT_TRUE(folders.setPath(dir.filePath(QStringLiteral("sub")))); // same folder: no signal
    EXPECT_EQ(spy.count(), 1);
    EXPECT_FALSE(folders.setPath(dir.filePath(QStringLiteral("missing"))));
    EXPECT_FALSE(folders.setPath(QString()));
    EXPECT_EQ(folders.path(), QFileInfo(dir.filePath(QStringLiteral("sub"))).canonicalFilePath());
}

TEST(ShellOpen, ReportsAMissingFileAndAFailedLaunchInTheProgramsWords)
{
    ScriptedPrompts prompts;
    int launched = 0;
    const ShellLauncher fails = [&](const QUrl &) {
        ++launched;
        return false;
    };
    EXPECT_FALSE(openWithShell(nullptr, QStringLiteral("/no/such/page.html"), prompts, fails));
    EXPECT_EQ(launched, 0);
    EXPECT_EQ(prompts.lastMessage(),
        QStringLiteral("Unable to load '/no/such/page.html' : The file or folder does not exist (Error 2)"));

    QTemporaryDir dir;
    EXPECT_FALSE(openWithShell(nullptr, dir.path(), prompts, fails));
    EXPECT_EQ(launched, 1);
    EXPECT_TRUE(prompts.lastMessage().endsWith(QStringLiteral("(Error 31)")));

    QUrl opened;
    EXPECT_TRUE(openWithShell(nullptr, QStringLiteral("https://example.org/a b"), prompts, [&](const QUrl &url) {
        opened = url;
        return true;
    }));
    EXPECT_EQ(opened.scheme(), QStringLiteral("https"));
    EXPECT_EQ(prompts.records.size(), 2);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr); // the wait cursor is always restored
}

TEST(ShellOpen, TargetsWithoutASchemeAreLocalFiles)
{
    EXPECT_TRUE(shellTargetUrl(QStringLiteral("/tmp/x y.html")).isLocalFile());
    EXPECT_TRUE(shellTargetUrl(QStringLiteral("C:\\pages\\a.html")).isLocalFile());
    EXPECT_EQ(shellTargetUrl(QStringLiteral("mailto:ann@example.org")).scheme(), QStringLiteral("mailto"));
}
