// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/numbers.h"
#include "platform/paths.h"
#include "platform/programfolder.h"
#include "platform/twips.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <gtest/gtest.h>

using namespace quorvel;

TEST(Paths, JoinAddsOneSeparatorExceptAfterARoot)
{
    EXPECT_EQ(joinPath(QStringLiteral("/photos"), QStringLiteral("a.jpg")), QStringLiteral("/photos/a.jpg"));
    EXPECT_EQ(joinPath(QStringLiteral("/"), QStringLiteral("a.jpg")), QStringLiteral("/a.jpg"));
    EXPECT_EQ(joinPath(QStringLiteral("/photos/"), QStringLiteral("a.jpg")), QStringLiteral("/photos/a.jpg"));
    EXPECT_EQ(joinPath(QString(), QStringLiteral("a.jpg")), QStringLiteral("a.jpg"));
    EXPECT_EQ(withTrailingSeparator(QStringLiteral("/photos")), QStringLiteral("/photos/"));
    EXPECT_EQ(withTrailingSeparator(QStringLiteral("/")), QStringLiteral("/"));
    EXPECT_EQ(fileNameOf(QStringLiteral("/a/b/c d.jpg")), QStringLiteral("c d.jpg"));
    EXPECT_EQ(fileNameOf(QStringLiteral("plain.jpg")), QStringLiteral("plain.jpg"));
}

TEST(Paths, NaturalOrderIsByNumberAndIgnoresCase)
{
    QStringList names = { QStringLiteral("pic10.jpg"),
        QStringLiteral("Pic2.jpg"),
        QStringLiteral("pic1.jpg"),
        QStringLiteral("b.jpg"),
        QStringLiteral("A.jpg"),
        QStringLiteral("pic02.jpg"),
        QStringLiteral("img_99999999999999999999.jpg"),
        QStringLiteral("img_100000000000000000000.jpg") };
    std::sort(names.begin(), names.end(), naturalLess);
    EXPECT_EQ(names,
        QStringList({ QStringLiteral("A.jpg"),
            QStringLiteral("b.jpg"),
            QStringLiteral("img_99999999999999999999.jpg"),
            QStringLiteral("img_100000000000000000000.jpg"),
            QStringLiteral("pic1.jpg"),
            QStringLiteral("Pic2.jpg"),
            QStringLiteral("pic02.jpg"),
            QStringLiteral("pic10.jpg") }));
    // A total order: names equal but for case or leading zeros are still ordered one way.
    EXPECT_NE(naturalLess(QStringLiteral("a.jpg"), QStringLiteral("A.jpg")),
        naturalLess(QStringLiteral("A.jpg"), QStringLiteral("a.jpg")));
    EXPECT_FALSE(naturalLess(QStringLiteral("x"), QStringLiteral("x")));
}

TEST(Paths, NaturalOrderPutsAccentedLettersBesideTheirPlainOnes)
{
    QStringList names = { QStringLiteral("zoo.jpg"),
        QStringLiteral("Øresund.jpg"),
        QStringLiteral("Éclair.jpg"),
        QStringLiteral("eclipse.jpg"),
        QStringLiteral("pic10.jpg"),
        QStringLiteral("pic2.jpg") };
    std::sort(names.begin(), names.end(), naturalLess);
    EXPECT_EQ(names,
        QStringList({ QStringLiteral("Éclair.jpg"),
            QStringLiteral("eclipse.jpg"),
            QStringLiteral("Øresund.jpg"),
            QStringLiteral("pic2.jpg"),
            QStringLiteral("pic10.jpg"),
            QStringLiteral("zoo.jpg") }));
}

TEST(Paths, ListsMatchingFilesWhateverTheirCaseInNaturalOrder)
{
    QTemporaryDir dir;
    for (const char *name : { "p10.jpg", "p9.JPG", "anim.Gif", "notes.txt", "p1.jpeg", "sub.jpg.bak" }) {
        QFile file(dir.filePath(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.jpg")));
    EXPECT_EQ(listMatchingFiles(dir.path(), QStringLiteral("*.jpg;*.gif")),
        QStringList({ QStringLiteral("anim.Gif"), QStringLiteral("p9.JPG"), QStringLiteral("p10.jpg") }));
    EXPECT_TRUE(listMatchingFiles(QString(), QStringLiteral("*.jpg")).isEmpty());
}

TEST(Numbers, LeadingNumberCountsNonNumbersAsZero)
{
    EXPECT_EQ(leadingNumber(QStringLiteral("90")), 90);
    EXPECT_EQ(leadingNumber(QStringLiteral(" 12px")), 12);
    EXPECT_EQ(leadingNumber(QStringLiteral("-4.5")), -4.5);
    EXPECT_EQ(leadingNumber(QStringLiteral("abc")), 0);
    EXPECT_EQ(leadingNumber(QString()), 0);
    EXPECT_EQ(wholeNumber(QStringLiteral(" 90 ")), 90);
    EXPECT_EQ(wholeNumber(QStringLiteral("-1")), -1);
    EXPECT_FALSE(wholeNumber(QStringLiteral("90x")));
    EXPECT_FALSE(wholeNumber(QString()));
    EXPECT_EQ(plainNumber(91), QStringLiteral("91"));
    EXPECT_EQ(plainNumber(-1), QStringLiteral("-1"));
    EXPECT_EQ(plainNumber(12.5), QStringLiteral("12.5"));
}

TEST(Twips, FifteenTwipsAPixelAt96Dpi)
{
    EXPECT_DOUBLE_EQ(twipsToPixels(1440, 96), 96);
    EXPECT_DOUBLE_EQ(twipsToPixels(15, 96), 1);
    EXPECT_DOUBLE_EQ(twipsToPixels(1440, 144), 144);
    EXPECT_DOUBLE_EQ(pixelsToTwips(twipsToPixels(4710, 120), 120), 4710);
}

TEST(ProgramFolder, ReadsTheWrittenCopyFirstThenTheShippedOne)
{
    QTemporaryDir config;
    QTemporaryDir data;
    const ProgramFolder folders(config.filePath(QStringLiteral("new")), data.path(), QString());
    {
        QFile shipped(data.filePath(QStringLiteral("default.def")));
        ASSERT_TRUE(shipped.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(folders.fileForReading(QStringLiteral("default.def")), data.filePath(QStringLiteral("default.def")));
    const QString written = folders.fileForWriting(QStringLiteral("default.def"));
    EXPECT_TRUE(QDir(config.filePath(QStringLiteral("new"))).exists()); // made on demand
    {
        QFile copy(written);
        ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(folders.fileForReading(QStringLiteral("default.def")), written);
}

TEST(ProgramFolder, BuildTreeAndPortableCopyKeepEverythingInTheirOwnFolder)
{
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("bin")));
    const QString bin = root.filePath(QStringLiteral("bin"));
    const ProgramFolder folders = ProgramFolder::forExecutableIn(
        bin, root.filePath(QStringLiteral("config")), root.filePath(QStringLiteral("data")));
    EXPECT_FALSE(folders.isInstalled());
    EXPECT_EQ(folders.writableDir(), bin);
    EXPECT_EQ(folders.dataDir(), bin);
    EXPECT_EQ(folders.userDataDir(), root.filePath(QStringLiteral("data")));
}

TEST(ProgramFolder, InstalledProgramReadsShareAndWritesToTheConfigFolderEvenInAWritablePrefix)
{
    QTemporaryDir prefix; // writable, as ~/.local is
    ASSERT_TRUE(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
    ASSERT_TRUE(QDir(prefix.path()).mkpath(QStringLiteral("share/quorvel")));
    {
        QFile logo(prefix.filePath(QStringLiteral("share/quorvel/line.jpg")));
        ASSERT_TRUE(logo.open(QIODevice::WriteOnly));
    }
    const QString config = prefix.filePath(QStringLiteral("home/config"));
    const ProgramFolder folders = ProgramFolder::forExecutableIn(
        prefix.filePath(QStringLiteral("bin")), config, prefix.filePath(QStringLiteral("home/data")));
    EXPECT_TRUE(folders.isInstalled());
    EXPECT_EQ(folders.writableDir(), config);
    EXPECT_EQ(folders.dataDir(), prefix.filePath(QStringLiteral("share/quorvel")));
    EXPECT_EQ(
        folders.fileForReading(QStringLiteral("line.jpg")), prefix.filePath(QStringLiteral("share/quorvel/line.jpg")));
    EXPECT_EQ(folders.fileForWriting(QStringLiteral("quorvel.ins")), config + QStringLiteral("/quorvel.ins"));

    // The installed manual, page by page, while it is there.
    EXPECT_EQ(folders.installedManualPage(QStringLiteral("contents")), QString());
    ASSERT_TRUE(QDir(prefix.path()).mkpath(QStringLiteral("share/doc/quorvel/manual")));
    const QString page = prefix.filePath(QStringLiteral("share/doc/quorvel/manual/contents.html"));
    ASSERT_TRUE(test::writeFile(page, "<html>"));
    EXPECT_EQ(folders.installedManualPage(QStringLiteral("contents")), page);
    EXPECT_EQ(ProgramFolder(prefix.path(), prefix.path(), QString()).installedManualPage(QStringLiteral("contents")),
        QString());
}
