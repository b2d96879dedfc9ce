// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/fileoperations.h"
#include "files/renamebatch.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <unistd.h>

using namespace quorvel;
using quorvel::test::readFile;
using quorvel::test::writeFile;

namespace
{

class RenameBatch : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
    }
    QString path(const char *name) const
    {
        return m_dir.filePath(QLatin1String(name));
    }
    void make(const char *name, const QByteArray &content)
    {
        ASSERT_TRUE(writeFile(path(name), content));
    }
    /// The folder's file names, hidden ones included, sorted.
    QStringList names() const
    {
        return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(RenameBatch, NoReplaceRenameRefusesAnExistingTarget)
{
    make("a", "A");
    make("b", "B");
    QString reason;
    EXPECT_FALSE(renameNoReplace(path("a"), path("b"), &reason));
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_EQ(readFile(path("b")), QByteArray("B"));
    EXPECT_TRUE(renameNoReplace(path("a"), path("c")));
    EXPECT_EQ(readFile(path("c")), QByteArray("A"));
    EXPECT_FALSE(pathTaken(path("a")));
    EXPECT_FALSE(renameNoReplace(path("missing"), path("d")));
}

TEST_F(RenameBatch, SwapAndRotationLoseNothingAndUndoRestores)
{
    make("a", "A");
    make("b", "B");
    make("c", "C");
    const QList<RenameMove> rotation = { { path("a"), path("b") }, { path("b"), path("c") }, { path("c"), path("a") } };
    ASSERT_EQ(checkRenames(rotation), QString());
    QList<RenameMove> journal;
    QList<RenameMove> reported;
    const RenameRun run = executeRenames(rotation, journal, [&](const RenameMove &move) {
        reported.append(move);
    });
    EXPECT_EQ(run.error, QString());
    EXPECT_EQ(run.done, 3);
    EXPECT_EQ(reported, rotation);
    EXPECT_EQ(readFile(path("b")), QByteArray("A"));
    EXPECT_EQ(readFile(path("c")), QByteArray("B"));
    EXPECT_EQ(readFile(path("a")), QByteArray("C"));
    EXPECT_EQ(names(), QStringList({ "a", "b", "c" })) << "no temporary file is left behind";

    EXPECT_EQ(undoRenames(journal), QString());
    EXPECT_TRUE(journal.isEmpty());
    EXPECT_EQ(readFile(path("a")), QByteArray("A"));
    EXPECT_EQ(readFile(path("b")), QByteArray("B"));
    EXPECT_EQ(readFile(path("c")), QByteArray("C"));
    EXPECT_EQ(names(), QStringList({ "a", "b", "c" }));
}

TEST_F(RenameBatch, CheckRefusesWhatWouldLoseOrMisplaceAFile)
{
    make("a.jpg", "A");
    make("b.jpg", "B");
    make("keep.jpg", "K");
    // A target that exists and stays.
    EXPECT_EQ(checkRenames({ { path("a.jpg"), path("keep.jpg") } }), renameFailedMessage());
    // Two entries onto one name.
    EXPECT_TRUE(checkRenames({ { path("a.jpg"), path("x.jpg") }, { path("b.jpg"), path("x.jpg") } })
                    .startsWith(QStringLiteral("Two files on your list would both be renamed to")));
    // The same file twice.
    EXPECT_TRUE(checkRenames({ { path("a.jpg"), path("x.jpg") }, { path("a.jpg"), path("y.jpg") } })
                    .contains(QStringLiteral("more than once")));
    // A file gone, or a target folder that does not exist.
    EXPECT_EQ(checkRenames({ { path("gone.jpg"), path("x.jpg") } }), renameFailedMessage());
    EXPECT_EQ(checkRenames({ { path("a.jpg"), path("nofolder/x.jpg") } }), renameFailedMessage());
    // A name kept as it is needs nothing; a chain into a name that moves away is fine.
    EXPECT_EQ(checkRenames({ { path("a.jpg"), path("a.jpg") } }), QString());
    EXPECT_EQ(checkRenames({ { path("a.jpg"), path("b.jpg") }, { path("b.jpg"), path("c.jpg") } }), QString());
    EXPECT_EQ(names(), QStringList({ "a.jpg", "b.jpg", "keep.jpg" })) << "checking touches nothing";
}

TEST_F(RenameBatch, AFailureStopsWithoutOverwritingAndCanBeUndone)
{
    make("1.jpg", "1");
    make("2.jpg", "2");
    make("taken.jpg", "T");
    // Something else takes a name between the check and the rename.
    const QList<RenameMove> moves = { { path("1.jpg"), path("one.jpg") }, { path("2.jpg"), path("taken.jpg") } };
    QList<RenameMove> journal;
    const RenameRun run = executeRenames(moves, journal);
    EXPECT_EQ(run.done, 1);
    EXPECT_TRUE(run.error.contains(path("2.jpg")));
    EXPECT_EQ(readFile(path("taken.jpg")), QByteArray("T"));
    EXPECT_EQ(readFile(path("2.jpg")), QByteArray("2"));
    EXPECT_EQ(readFile(path("one.jpg")), QByteArray("1"));
    EXPECT_EQ(undoRenames(journal), QString());
    EXPECT_EQ(names(), QStringList({ "1.jpg", "2.jpg", "taken.jpg" }));
}

TEST_F(RenameBatch, AFailedSwapIsRolledBackRatherThanLeaveATemporaryName)
{
    make("a", "A");
    make("b", "B");
    // b moves aside for a, then b's own target folder turns out missing; its old name
    // is taken by then, so the whole run goes back.
    const QList<RenameMove> moves = { { path("a"), path("b") }, { path("b"), path("gone/a") } };
    QList<RenameMove> journal;
    const RenameRun run = executeRenames(moves, journal);
    EXPECT_TRUE(run.error.endsWith(QStringLiteral("Nothing has been renamed.")));
    EXPECT_EQ(run.done, 0);
    EXPECT_EQ(names(), QStringList({ "a", "b" }));
    EXPECT_EQ(readFile(path("a")), QByteArray("A"));
    EXPECT_EQ(readFile(path("b")), QByteArray("B"));
}

TEST_F(RenameBatch, AFileMovedAsideGoesBackWhenItsNameIsFree)
{
    make("a", "A");
    make("b", "B");
    // b moves aside for a, and a's own rename fails first: b returns to its name.
    const QList<RenameMove> moves = { { path("a"), path("gone/x") }, { path("b"), path("a") } };
    QList<RenameMove> journal;
    const RenameRun run = executeRenames(moves, journal);
    EXPECT_FALSE(run.error.isEmpty());
    EXPECT_EQ(run.done, 0);
    EXPECT_EQ(names(), QStringList({ "a", "b" }));
    EXPECT_EQ(readFile(path("b")), QByteArray("B"));
    EXPECT_EQ(undoRenames(journal), QString());
    EXPECT_EQ(names(), QStringList({ "a", "b" }));
}

TEST_F(RenameBatch, UndoStopsRatherThanReplaceAFile)
{
    make("a", "A");
    QList<RenameMove> journal;
    ASSERT_EQ(executeRenames({ { path("a"), path("b") } }, journal).error, QString());
    make("a", "new A");
    EXPECT_FALSE(undoRenames(journal).isEmpty());
    EXPECT_EQ(journal.size(), 1);
    EXPECT_EQ(readFile(path("a")), QByteArray("new A"));
    EXPECT_EQ(readFile(path("b")), QByteArray("A"));
}

TEST_F(RenameBatch, AHardLinkedTargetIsNeverReplaced)
{
    make("a", "A");
    ASSERT_EQ(::link(QFile::encodeName(path("a")).constData(), QFile::encodeName(path("b")).constData()), 0);
    // b is the same file under another name: the check lets it pass as a respelling,
    // and the rename itself then refuses without losing either name.
    QList<RenameMove> journal;
    const RenameRun run = executeRenames({ { path("a"), path("b") } }, journal);
    EXPECT_FALSE(run.error.isEmpty());
    EXPECT_EQ(names(), QStringList({ "a", "b" }));
    EXPECT_EQ(readFile(path("a")), QByteArray("A"));
}
