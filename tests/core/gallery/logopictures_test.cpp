// SPDX-License-Identifier: GPL-3.0-or-later
#include "gallery/creationrun.h"
#include "gallery/logopictures.h"
#include "pageeditor/headerfooter.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quorvel;

TEST(LogoPictures, OnlyAReferenceToTheFolderOfThePageNamesThem)
{
    const QStringList both = { QStringLiteral("vellodeflogo.jpg"), QStringLiteral("line.jpg") };
    EXPECT_EQ(logoPicturesNamedIn(builtInTexts().header), both);
    EXPECT_EQ(logoPicturesNamedIn(builtInTexts().footer), QStringList { QStringLiteral("line.jpg") });
    EXPECT_EQ(logoPicturesNamedIn(QStringLiteral("<img src='line.jpg'><IMG SRC = vellodeflogo.jpg>")), both);
    EXPECT_EQ(
        logoPicturesNamedIn(QStringLiteral("<body background=line.jpg")), QStringList { QStringLiteral("line.jpg") });
    for (const char *other : { "<IMG SRC=\"images/line.jpg\">",
             "<IMG SRC=\"file:///home/ann/line.jpg\">",
             "<IMG SRC=\"line.jpg.png\">",
             "<IMG SRC=\"Line.JPG\">",
             "line.jpg" })
        EXPECT_EQ(logoPicturesNamedIn(QLatin1String(other)), QStringList()) << other;
}

TEST(LogoPictures, ARunPutsThePicturesTheBuiltInTextsNameBesideThePageAndKeepsThePageAsWritten)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString logos = root.filePath(QStringLiteral("share"));
    const QString pictures = root.filePath(QStringLiteral("pictures"));
    const QString thumbs = root.filePath(QStringLiteral("thumbs"));
    for (const QString &folder : { logos, pictures, thumbs })
        ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(test::writeFile(QDir(logos).filePath(QStringLiteral("vellodeflogo.jpg")), "logo"));
    ASSERT_TRUE(test::writeFile(QDir(logos).filePath(QStringLiteral("line.jpg")), "line"));

    AppState state;
    state.htmlFileName = QStringLiteral("index.html");
    state.table = 1;
    state.columns = 4;
    state.headertext = builtInTexts().header;
    state.footertext = builtInTexts().footer;
    CreationRequest request;
    request.sourceFolder = pictures;
    request.destFolder = thumbs;
    request.writePage = true;
    request.logoFolder = logos;
    CreationOutcome outcome = runCreation(state, request);
    ASSERT_TRUE(outcome.pageWritten) << outcome.pageError.toStdString();
    EXPECT_EQ(outcome.logoError, QString());
    EXPECT_EQ(test::readFile(QDir(pictures).filePath(QStringLiteral("vellodeflogo.jpg"))), QByteArray("logo"));
    EXPECT_EQ(test::readFile(QDir(pictures).filePath(QStringLiteral("line.jpg"))), QByteArray("line"));
    // The page holds the header and footer as they are, nothing else changed.
    EXPECT_EQ(test::readFile(QDir(pictures).filePath(state.htmlFileName)),
        (state.headertext + QStringLiteral("\r\n<TABLE border = 0>\r\n<TR>\r\n</TD></TR></TABLE>\r\n")
            + state.footertext + QStringLiteral("\r\n"))
            .toUtf8());

    // A picture of that name already beside the page is the user's: it stays. One
    // that cannot be copied is named; a header without them gets nothing.
    ASSERT_TRUE(test::writeFile(QDir(pictures).filePath(QStringLiteral("line.jpg")), "mine"));
    ASSERT_TRUE(QFile::remove(QDir(pictures).filePath(QStringLiteral("vellodeflogo.jpg"))));
    ASSERT_TRUE(QFile::remove(QDir(logos).filePath(QStringLiteral("vellodeflogo.jpg"))));
    outcome = runCreation(state, request);
    EXPECT_TRUE(outcome.logoError.contains(QStringLiteral("vellodeflogo.jpg"))) << outcome.logoError.toStdString();
    EXPECT_FALSE(outcome.logoError.contains(QStringLiteral("line.jpg")));
    EXPECT_EQ(test::readFile(QDir(pictures).filePath(QStringLiteral("line.jpg"))), QByteArray("mine"));

    const QString plain = root.filePath(QStringLiteral("plain"));
    ASSERT_TRUE(QDir().mkpath(plain));
    request.sourceFolder = plain;
    state.headertext = QStringLiteral("<H1>Trip</H1>");
    state.footertext.clear();
    outcome = runCreation(state, request);
    EXPECT_TRUE(outcome.pageWritten);
    EXPECT_EQ(QDir(plain).entryList(QDir::Files), QStringList { QStringLiteral("index.html") });
}
