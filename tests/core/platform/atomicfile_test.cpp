// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/atomicfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace quorvel;

namespace
{

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

// A batch write that leaves reaching the disk for later is still a whole-file
// replacement: new files and replaced files hold exactly the bytes, nothing else is
// left in the folder, the replaced file keeps its permissions, and a folder in the
// way or a missing folder is an error that names the file.
TEST(AtomicFile, DeferredWritesReplaceWholeFilesAndLeaveNoTemporaries)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("thumb.jpg"));
    for (const Durability durability : { Durability::Deferred, Durability::Synced }) {
        EXPECT_EQ(writeFileAtomically(path, "first", durability), QString());
        EXPECT_EQ(contents(path), "first");
        EXPECT_EQ(writeFileAtomically(path, QByteArray(100000, 'x'), durability), QString());
        EXPECT_EQ(contents(path), QByteArray(100000, 'x'));
        EXPECT_EQ(writeFileAtomically(path, {}, durability), QString());
        EXPECT_EQ(contents(path), QByteArray());
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList { QStringLiteral("thumb.jpg") });

#ifdef Q_OS_UNIX
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    EXPECT_EQ(writeFileAtomically(path, "again", Durability::Deferred), QString());
    struct stat info;
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
#endif

    QDir(dir.path()).mkdir(QStringLiteral("folder.jpg"));
    const QString inTheWay = writeFileAtomically(dir.filePath(QStringLiteral("folder.jpg")), "x", Durability::Deferred);
    EXPECT_TRUE(inTheWay.contains(QLatin1String("folder.jpg"))) << qPrintable(inTheWay);
    const QString missing =
        writeFileAtomically(dir.filePath(QStringLiteral("no/such/folder/t.jpg")), "x", Durability::Deferred);
    EXPECT_TRUE(missing.contains(QLatin1String("t.jpg"))) << qPrintable(missing);
    EXPECT_TRUE(QDir(dir.filePath(QStringLiteral("folder.jpg"))).isEmpty());

    EXPECT_TRUE(syncFileSystemOf(dir.path()));
    EXPECT_FALSE(syncFileSystemOf(dir.filePath(QStringLiteral("no/such/folder"))));
}

// A name close to the file system's 255-byte limit still gets written: the temporary
// file's name does not grow from the target's.
TEST(AtomicFile, LongNamesAreWrittenInBothModes)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QString(250, QLatin1Char('n')) + QStringLiteral(".jpg"));
    for (const Durability durability : { Durability::Deferred, Durability::Synced }) {
        EXPECT_EQ(writeFileAtomically(path, "picture", durability), QString());
        EXPECT_EQ(contents(path), "picture");
        QFile::remove(path);
    }
}
