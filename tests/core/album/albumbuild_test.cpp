// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/albumbuild.h"
#include "platform/fileidentity.h"
#include "testsupport.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <QMap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::album;

namespace
{

class AlbumBuildTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_root.isValid());
        m_source = m_root.filePath(QStringLiteral("pictures"));
        m_album = m_root.filePath(QStringLiteral("album"));
        ASSERT_TRUE(QDir().mkpath(m_source));
    }

    /// Copies a shared picture into the source folder, modified an hour ago (long
    /// before any build, so its content is not compared again).
    void addPicture(const QString &from, const QString &name)
    {
        const QString target = QDir(m_source).filePath(name);
        QFile::remove(target);
        ASSERT_TRUE(QFile::copy(test::testPicture(from), target));
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    }

    AlbumOutcome build(const AlbumOptions &options = {})
    {
        AlbumRequest request;
        request.sourceFolder = m_source;
        request.albumFolder = m_album;
        for (const QString &name : QDir(m_source).entryList(QDir::Files, QDir::Name))
            request.pictures += QDir(m_source).filePath(name);
        request.options = options;
        return buildAlbum(request);
    }

    /// Every file of the album with what tells a rewrite: its inode and time.
    QMap<QString, QString> files() const
    {
        QMap<QString, QString> result;
        QDirIterator it(m_album, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            result.insert(QDir(m_album).relativeFilePath(path),
                fileIdentity(path) + QString::number(QFileInfo(path).lastModified().toMSecsSinceEpoch()));
        }
        return result;
    }

    Manifest record() const
    {
        QString error;
        const std::optional<Manifest> manifest =
            Manifest::fromJson(test::readFile(QDir(m_album).filePath(QLatin1String(kManifestName))), &error);
        EXPECT_TRUE(manifest) << error.toStdString();
        return manifest.value_or(Manifest());
    }

    QTemporaryDir m_root;
    QString m_source;
    QString m_album;
};

} // namespace

TEST_F(AlbumBuildTest, RebuildsOnlyWhatChangedAndDeletesOnlyItsOwnFiles)
{
    QUORVEL_REQUIRE_TESTDATA();
    addPicture(QStringLiteral("cameras/canon-eos-d60.jpg"), QStringLiteral("a.jpg"));
    addPicture(QStringLiteral("cameras/samsung-gt-i9000-orientation-6.jpg"), QStringLiteral("b.jpg"));
    addPicture(QStringLiteral("cameras/olympus-pen-e-p3.jpg"), QStringLiteral("c.jpg"));

    AlbumOutcome outcome = build();
    ASSERT_EQ(outcome.result, AlbumOutcome::Result::Completed) << outcome.refusal.toStdString();
    EXPECT_EQ(outcome.made, 3);
    EXPECT_TRUE(outcome.failures.isEmpty());
    EXPECT_TRUE(outcome.error.isEmpty()) << outcome.error.toStdString();
    const Manifest first = record();
    ASSERT_EQ(first.pictures.size(), 3u);
    // The page: upright copies, the camera's own description is no title, captions.
    const PageInput page = pageInput(first, AlbumOptions(), QStringLiteral("pictures"));
    ASSERT_EQ(page.entries.size(), 3u);
    EXPECT_EQ(page.entries[0].caption, QStringLiteral("26 October 2002, Canon EOS D60"));
    EXPECT_LT(page.entries[1].webWidth, page.entries[1].webHeight);
    EXPECT_EQ(QImageReader(QDir(m_album).filePath(page.entries[1].web)).size(), QSize(480, 640));
    EXPECT_EQ(page.entries[1].thumbHeight, 200);
    EXPECT_EQ(QImageReader(QDir(m_album).filePath(page.entries[1].thumb2x)).size(), QSize(300, 400));
    EXPECT_EQ(page.entries[2].alt, QStringLiteral("c"));
    EXPECT_EQ(page.entries[2].caption, QStringLiteral("27 August 2013, OLYMPUS E-P3"));

    // Nothing changed: nothing is written or deleted.
    const QMap<QString, QString> before = files();
    outcome = build();
    EXPECT_EQ(outcome.kept, 3);
    EXPECT_EQ(outcome.filesWritten, 0);
    EXPECT_EQ(outcome.filesDeleted, 0);
    EXPECT_EQ(files(), before);

    // One changed, one removed, and files of the user's in the album folder.
    ASSERT_TRUE(test::writeFile(QDir(m_album).filePath(QStringLiteral("notes.txt")), "mine"));
    ASSERT_TRUE(test::writeFile(QDir(m_album).filePath(QStringLiteral("web/mine.jpg")), "mine too"));
    addPicture(QStringLiteral("cameras/nikon-e950.jpg"), QStringLiteral("b.jpg"));
    ASSERT_TRUE(QFile::remove(QDir(m_source).filePath(QStringLiteral("c.jpg"))));
    outcome = build();
    EXPECT_EQ(outcome.made, 1);
    EXPECT_EQ(outcome.kept, 1);
    EXPECT_EQ(outcome.removed, 1);
    const Manifest second = record();
    ASSERT_EQ(second.pictures.size(), 2u);
    EXPECT_EQ(second.pictures[0], first.pictures[0]);
    EXPECT_EQ(second.pictures[1].webSize, QSize(800, 600));
    const QMap<QString, QString> after = files();
    for (const QString &file : first.pictures[0].files())
        EXPECT_EQ(after.value(file), before.value(file)) << qPrintable(file);
    for (const ManifestPicture &gone : { first.pictures[1], first.pictures[2] }) {
        for (const QString &file : gone.files())
            EXPECT_FALSE(after.contains(file)) << qPrintable(file);
    }
    EXPECT_TRUE(after.contains(QStringLiteral("notes.txt")));
    EXPECT_TRUE(after.contains(QStringLiteral("web/mine.jpg")));
    ASSERT_EQ(outcome.warnings.size(), 1);
    EXPECT_TRUE(outcome.warnings[0].contains(QStringLiteral("notes.txt")));
    EXPECT_TRUE(outcome.warnings[0].contains(QStringLiteral("web/mine.jpg")));
}

TEST_F(AlbumBuildTest, RefusesToWriteOverAPageThatIsNotItsOwnOrIntoThePicturesFolder)
{
    QUORVEL_REQUIRE_TESTDATA();
    addPicture(QStringLiteral("cameras/nikon-e950.jpg"), QStringLiteral("a.jpg"));
    ASSERT_TRUE(QDir().mkpath(m_album));
    const QString index = QDir(m_album).filePath(QStringLiteral("index.html"));
    ASSERT_TRUE(test::writeFile(index, "my own page"));
    AlbumOutcome outcome = build();
    EXPECT_EQ(outcome.result, AlbumOutcome::Result::Refused);
    EXPECT_TRUE(outcome.refusal.contains(QStringLiteral("index.html")));
    EXPECT_EQ(test::readFile(index), QByteArray("my own page"));
    EXPECT_EQ(QDir(m_album).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList { QStringLiteral("index.html") });

    m_album = m_source + QStringLiteral("/."); // the pictures' folder, spelled otherwise
    outcome = build();
    EXPECT_EQ(outcome.result, AlbumOutcome::Result::Refused);
    EXPECT_EQ(QDir(m_source).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList { QStringLiteral("a.jpg") });
}
