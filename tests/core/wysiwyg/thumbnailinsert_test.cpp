// SPDX-License-Identifier: GPL-3.0-or-later
// The thumbnail window's logic: the pasted link, web folders, where the thumbnail
// and the copied picture go, and the remembered folders of options.dat.
#include "testsupport.h"
#include "wysiwyg/inserterfolders.h"
#include "wysiwyg/thumbnaillink.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quorvel;

namespace
{

ThumbnailRequest catRequest()
{
    ThumbnailRequest request;
    request.picturePath = QStringLiteral("/pics/cat.jpg");
    request.renameThumbnail = true;
    request.prefix = QStringLiteral("th_");
    request.altText = QStringLiteral("Cat");
    request.useServerPaths = true;
    request.imageServerPath = QStringLiteral("images/");
    request.thumbnailServerPath = QStringLiteral("thumbs/");
    request.pagePath = QStringLiteral("/site/index.html");
    return request;
}

TEST(ThumbnailLink, TheCatExampleByteForByte)
{
    const ThumbnailPlan plan = planThumbnail(catRequest());
    ASSERT_EQ(plan.error, QString());
    EXPECT_EQ(plan.html.toStdString(), "<a href = images/cat.jpg><img src = thumbs/th_cat.jpg ALT=Cat></a>");
    EXPECT_EQ(plan.thumbnailFile, QStringLiteral("/site/th_cat.jpg")); // "Use Paths" off: the page's folder
    EXPECT_EQ(plan.copyTarget, QString());

    ThumbnailRequest plain = catRequest();
    plain.useServerPaths = false;
    EXPECT_EQ(planThumbnail(plain).html.toStdString(), "<a href = cat.jpg><img src = th_cat.jpg ALT=Cat></a>");
}

TEST(ThumbnailLink, ServerPathsAreNormalised)
{
    EXPECT_EQ(normaliseServerPath(QStringLiteral("images")), QStringLiteral("images/"));
    EXPECT_EQ(normaliseServerPath(QStringLiteral("images/")), QStringLiteral("images/"));
    EXPECT_EQ(normaliseServerPath(QStringLiteral("/")), QString());
    EXPECT_EQ(normaliseServerPath(QString()), QString()); // "" -> "/" -> ""
    EXPECT_EQ(
        normaliseServerPath(QStringLiteral("http://example.com/pics")), QStringLiteral("http://example.com/pics/"));

    ThumbnailRequest request = catRequest();
    request.imageServerPath = QStringLiteral("images");
    request.thumbnailServerPath = QStringLiteral("/");
    EXPECT_EQ(planThumbnail(request).html.toStdString(), "<a href = images/cat.jpg><img src = th_cat.jpg ALT=Cat></a>");
}

TEST(ThumbnailLink, ValuesThatWouldBreakTheTagAreEncoded)
{
    // Plain values stay as typed, a full web address included.
    EXPECT_EQ(urlAttributeValue(QStringLiteral("http://example.com/a_b-c.d~e/(1)+x,y;z@w!$*.jpg")),
        QStringLiteral("http://example.com/a_b-c.d~e/(1)+x,y;z@w!$*.jpg"));
    EXPECT_EQ(urlAttributeValue(QStringLiteral("my cat.jpg")), QStringLiteral("my%20cat.jpg"));
    EXPECT_EQ(
        urlAttributeValue(QStringLiteral("a>b\"c'd&e#f?g=h.jpg")), QStringLiteral("a%3Eb%22c%27d%26e%23f%3Fg%3Dh.jpg"));
    EXPECT_EQ(urlAttributeValue(QStringLiteral("100%.jpg")), QStringLiteral("100%25.jpg"));
    EXPECT_EQ(urlAttributeValue(QStringLiteral("my%20pics/"), true), QStringLiteral("my%20pics/"));
    EXPECT_EQ(urlAttributeValue(QStringLiteral("50%off/"), true), QStringLiteral("50%25off/"));
    EXPECT_EQ(
        urlAttributeValue(QStringLiteral("caf\u00e9 \U0001F431.jpg")), QStringLiteral("caf%C3%A9%20%F0%9F%90%B1.jpg"));

    EXPECT_EQ(textAttributeValue(QStringLiteral("Cat")), QStringLiteral("Cat"));
    EXPECT_EQ(textAttributeValue(QStringLiteral("Caf\u00e9")), QStringLiteral("Caf\u00e9"));
    EXPECT_EQ(textAttributeValue(QStringLiteral("Black cat")), QStringLiteral("\"Black cat\""));
    EXPECT_EQ(textAttributeValue(QStringLiteral("Tom & \"Jerry\" <3")),
        QStringLiteral("\"Tom &amp; &quot;Jerry&quot; &lt;3\""));
    EXPECT_EQ(textAttributeValue(QStringLiteral("a=b")), QStringLiteral("\"a=b\""));
    EXPECT_EQ(textAttributeValue(QString()), QStringLiteral("\"\"")); // not a bare "ALT=>"

    ThumbnailRequest request = catRequest();
    request.picturePath = QStringLiteral("/pics/my cat.jpg");
    request.altText = QStringLiteral("My cat");
    request.imageServerPath = QStringLiteral("big pics");
    EXPECT_EQ(planThumbnail(request).html.toStdString(),
        "<a href = big%20pics/my%20cat.jpg><img src = thumbs/th_my%20cat.jpg ALT=\"My cat\"></a>");
    EXPECT_EQ(planThumbnail(request).thumbnailFile, QStringLiteral("/site/th_my cat.jpg"));
}

TEST(ThumbnailLink, WhereTheThumbnailAndTheCopyGo)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pics = dir.filePath(QStringLiteral("pics"));
    ASSERT_TRUE(QDir().mkpath(pics));
    const QString picture = pics + QStringLiteral("/cat.jpg");
    ASSERT_TRUE(test::writeFile(picture, "not really a picture"));

    ThumbnailRequest request;
    request.picturePath = picture;
    request.altText = QStringLiteral("Cat");

    // Without renaming the thumbnail keeps the picture's name; for a page not yet
    // saved it would go to the picture's folder, which is the picture itself.
    ThumbnailPlan plan = planThumbnail(request);
    EXPECT_NE(plan.error, QString());
    EXPECT_TRUE(plan.error.contains(QStringLiteral("over the picture itself"))) << plan.error.toStdString();
    EXPECT_EQ(plan.html, QString());

    // A saved page elsewhere: the thumbnail goes beside the page under the same name.
    request.pagePath = dir.filePath(QStringLiteral("site/index.html"));
    plan = planThumbnail(request);
    EXPECT_EQ(plan.error, QString());
    EXPECT_EQ(plan.thumbnailFile, dir.filePath(QStringLiteral("site/cat.jpg")));
    EXPECT_EQ(plan.html, QStringLiteral("<a href = cat.jpg><img src = cat.jpg ALT=Cat></a>"));

    // A relative thumbnail folder counts from the page's folder, and the picture's
    // folder given for "Use Paths" is refused as well (another spelling of it).
    request.useThumbnailFolder = true;
    request.thumbnailFolder = QStringLiteral("thumbs/");
    EXPECT_EQ(planThumbnail(request).thumbnailFile, dir.filePath(QStringLiteral("site/thumbs/cat.jpg")));
    request.thumbnailFolder = pics + QStringLiteral("/../pics/");
    EXPECT_NE(planThumbnail(request).error, QString());
    request.thumbnailFolder = QString();
    EXPECT_TRUE(planThumbnail(request).error.contains(QStringLiteral("Use Paths when creating Thumbnails")));
    request.useThumbnailFolder = false;

    // Copying: into the image folder under the picture's name; into the picture's own
    // folder is nothing to do; an empty folder is refused before anything is written.
    request.copyPicture = true;
    request.imageFolder = dir.filePath(QStringLiteral("site/images")) + u'/';
    EXPECT_EQ(planThumbnail(request).copyTarget, dir.filePath(QStringLiteral("site/images/cat.jpg")));
    request.imageFolder = pics + u'/';
    plan = planThumbnail(request);
    EXPECT_EQ(plan.error, QString());
    EXPECT_EQ(plan.copyTarget, QString());
    request.imageFolder = QString();
    EXPECT_TRUE(planThumbnail(request).error.contains(QStringLiteral("Copy Images to Image Path")));

    request = ThumbnailRequest();
    EXPECT_NE(planThumbnail(request).error, QString()); // no picture chosen
}

TEST(ThumbnailLink, CopyingThePicture)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString picture = dir.filePath(QStringLiteral("cat.jpg"));
    ASSERT_TRUE(test::writeFile(picture, "picture bytes"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("images")));
    const QString target = dir.filePath(QStringLiteral("images/cat.jpg"));

    EXPECT_EQ(copyPictureFile(picture, target), QString());
    EXPECT_EQ(test::readFile(target), QByteArray("picture bytes"));
    // Again, over the earlier copy.
    ASSERT_TRUE(test::writeFile(picture, "newer picture"));
    EXPECT_EQ(copyPictureFile(picture, target), QString());
    EXPECT_EQ(test::readFile(target), QByteArray("newer picture"));
    // Onto itself: untouched.
    EXPECT_EQ(copyPictureFile(picture, picture), QString());
    EXPECT_EQ(test::readFile(picture), QByteArray("newer picture"));
    // A missing folder or picture is reported.
    EXPECT_NE(copyPictureFile(picture, dir.filePath(QStringLiteral("none/cat.jpg"))), QString());
    EXPECT_NE(copyPictureFile(dir.filePath(QStringLiteral("gone.jpg")), target), QString());
    EXPECT_EQ(test::readFile(target), QByteArray("newer picture"));
}

TEST(InserterFolders, FileFormatAndStoredForm)
{
    const InserterFolders folders { QStringLiteral("/home/ann/web/images"), QStringLiteral("/home/ann/web/thumbs") };
    EXPECT_EQ(formatInserterFolders(folders), QByteArray("/home/ann/web/images\r\n/home/ann/web/thumbs\r\n"));
    EXPECT_EQ(parseInserterFolders(formatInserterFolders(folders)), folders);
    // Boxes carry one trailing separator; they are stored without it.
    EXPECT_EQ(formatInserterFolders({ QStringLiteral("/a/"), QStringLiteral("/") }), QByteArray("/a\r\n/\r\n"));
    EXPECT_EQ(formatInserterFolders({}), QByteArray("\r\n\r\n"));

    EXPECT_EQ(storedFolderForm(QStringLiteral("/a/b///")), QStringLiteral("/a/b"));
    EXPECT_EQ(storedFolderForm(QStringLiteral("/")), QStringLiteral("/"));
    EXPECT_EQ(storedFolderForm(QStringLiteral("\\")), QString());
    EXPECT_EQ(storedFolderForm(QStringLiteral("C:\\")), QStringLiteral("C:\\"));
    EXPECT_EQ(storedFolderForm(QStringLiteral("C:\\web\\images\\\\")), QStringLiteral("C:\\web\\images"));
    // A folder named like a bare drive does not grow a separator from one save to the next.
    EXPECT_EQ(storedFolderForm(folderBoxText(storedFolderForm(QStringLiteral("a:")))),
        storedFolderForm(QStringLiteral("a:")));
    EXPECT_EQ(folderBoxText(QStringLiteral("/a")), QStringLiteral("/a/"));
    EXPECT_EQ(folderBoxText(QStringLiteral("/")), QStringLiteral("/"));
    EXPECT_EQ(folderBoxText(QString()), QString()); // not a lone separator
}

TEST(InserterFolders, OlderFilesAndOddContentsLoad)
{
    // Older copies: trailing separators grown by each save, an empty box stored as "\".
    EXPECT_EQ(parseInserterFolders("C:\\web\\images\\\\\r\n\\\r\n"),
        (InserterFolders { QStringLiteral("C:\\web\\images"), QString() }));
    // A comma is part of the folder; LF-only and a missing last line end.
    EXPECT_EQ(parseInserterFolders("/srv/a,b\n/srv/c, d"),
        (InserterFolders { QStringLiteral("/srv/a,b"), QStringLiteral("/srv/c, d") }));
    EXPECT_EQ(parseInserterFolders("/only\r\n"), (InserterFolders { QStringLiteral("/only"), QString() }));
    EXPECT_EQ(parseInserterFolders(""), InserterFolders());
    EXPECT_EQ(parseInserterFolders("\r\n/t\r\nextra\r\n"), (InserterFolders { QString(), QStringLiteral("/t") }));
}

TEST(InserterFolders, SaveAndReloadCyclesKeepTheFolders)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QLatin1String(kInserterFoldersFile));
    EXPECT_EQ(readInserterFolders(path), InserterFolders()); // no file: both empty

    InserterFolders boxes { QStringLiteral("/web/a,b/images/"), QStringLiteral("/web/thumbs/") };
    for (int cycle = 0; cycle < 3; ++cycle) {
        ASSERT_EQ(writeInserterFolders(path, boxes), QString());
        const InserterFolders loaded = readInserterFolders(path);
        boxes = { folderBoxText(loaded.imageFolder), folderBoxText(loaded.thumbnailFolder) };
    }
    EXPECT_EQ(boxes.imageFolder, QStringLiteral("/web/a,b/images/"));
    EXPECT_EQ(boxes.thumbnailFolder, QStringLiteral("/web/thumbs/"));
    EXPECT_EQ(test::readFile(path), QByteArray("/web/a,b/images\r\n/web/thumbs\r\n"));

    // A failed save says so and leaves the file as it was.
    EXPECT_NE(writeInserterFolders(dir.filePath(QStringLiteral("missing/options.dat")), boxes), QString());
}

} // namespace
