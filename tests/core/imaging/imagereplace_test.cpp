// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/imagereplace.h"
#include "imaging/thumbnailer.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quorvel;

namespace
{

/// A JPEG of one colour, or of noise (which does not compress) when noisy.
QByteArray makeJpeg(QColor color, QSize size = QSize(160, 120), bool noisy = false)
{
    QImage image(size, QImage::Format_RGB888);
    image.fill(color);
    if (noisy) {
        QRandomGenerator random(7);
        for (int y = 0; y < image.height(); ++y) {
            uchar *line = image.scanLine(y);
            for (int x = 0; x < image.width() * 3; ++x)
                line[x] = uchar(random.bounded(256));
        }
    }
    ImageSettings settings;
    settings.quality = 95;
    return Thumbnailer::encodeJpeg(image, settings);
}

class ImageReplaceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_root.isValid());
        for (const char *name : { "new", "old", "thumbs" })
            ASSERT_TRUE(QDir(m_root.path()).mkdir(QLatin1String(name)));
        m_new = m_root.filePath(QStringLiteral("new"));
        m_old = m_root.filePath(QStringLiteral("old"));
        m_thumbs = m_root.filePath(QStringLiteral("thumbs"));
    }

    QString put(const QString &folder, const QString &name, const QByteArray &bytes)
    {
        const QString path = QDir(folder).filePath(name);
        EXPECT_TRUE(test::writeFile(path, bytes)) << path.toStdString();
        return path;
    }

    static QByteArray bytesOf(const QString &folder, const QString &name)
    {
        return test::readFile(QDir(folder).filePath(name));
    }

    ImageReplaceRequest request(const QStringList &sources, const QStringList &destEntries) const
    {
        return { m_new, sources, m_old, destEntries, m_thumbs };
    }

    ImageReplaceOutcome run(const QList<ReplaceStep> &plan, const ReplaceProgress &progress = {})
    {
        return runImageReplace(
            m_state,
            plan,
            [](const QString &source, const QString &thumbnail) {
                return Thumbnailer::writeThumbnail(source, thumbnail, ImageSettings());
            },
            progress);
    }

    /// Whether the file is a JPEG thumbnail (at most 90 pixels on its longer side).
    static bool isThumbnail(const QString &path)
    {
        QImageReader reader(path);
        const QSize size = reader.size();
        return reader.format() == "jpeg" && size.isValid() && std::max(size.width(), size.height()) <= 90;
    }

    static QStringList leftovers(const QString &folder)
    {
        return QDir(folder).entryList({ QStringLiteral(".quorvel-replace-*") }, QDir::Files | QDir::Hidden);
    }

    QTemporaryDir m_root;
    QString m_new, m_old, m_thumbs;
    AppState m_state;
};

} // namespace

TEST_F(ImageReplaceTest, ThreeSourcesOverTwoPicturesReplaceBothAndAddTheThird)
{
    const QByteArray red = makeJpeg(Qt::red), green = makeJpeg(Qt::green), blue = makeJpeg(Qt::blue);
    put(m_new, QStringLiteral("x1.jpg"), red);
    put(m_new, QStringLiteral("x2.jpg"), green);
    put(m_new, QStringLiteral("x3.jpg"), blue);
    put(m_old, QStringLiteral("a.jpg"), makeJpeg(Qt::white));
    put(m_old, QStringLiteral("b.jpg"), makeJpeg(Qt::black));

    const QList<ReplaceStep> plan =
        planImageReplace(request({ QStringLiteral("x1.jpg"), QStringLiteral("x2.jpg"), QStringLiteral("x3.jpg") },
            { QStringLiteral("a.jpg"), QStringLiteral("b.jpg") }));
    ASSERT_EQ(plan.size(), 3);
    EXPECT_EQ(plan[0].destIndex, 0);
    EXPECT_EQ(plan[1].destIndex, 1);
    EXPECT_EQ(plan[2].destIndex, -1);
    EXPECT_EQ(plan[2].target, QDir(m_old).filePath(QStringLiteral("x3.jpg")));
    EXPECT_EQ(replacementListText(plan).split(QStringLiteral("\r\n")).mid(1, 3),
        QStringList({ QStringLiteral("a.jpg <- x1.jpg"),
            QStringLiteral("b.jpg <- x2.jpg"),
            QStringLiteral("x3.jpg (added)") }));

    QList<int> seen;
    const ImageReplaceOutcome outcome = run(plan, [&](int done, int) {
        seen += done;
        return true;
    });
    EXPECT_EQ(seen, QList<int>({ 0, 1, 2, 3 }));
    EXPECT_FALSE(outcome.cancelled);
    EXPECT_EQ(outcome.copied, 3);
    EXPECT_EQ(outcome.thumbnails, 3);
    EXPECT_TRUE(outcome.failures.isEmpty());
    EXPECT_TRUE(imageReplaceProblems(outcome).isEmpty());

    EXPECT_EQ(bytesOf(m_old, QStringLiteral("a.jpg")), red);
    EXPECT_EQ(bytesOf(m_old, QStringLiteral("b.jpg")), green);
    EXPECT_EQ(bytesOf(m_old, QStringLiteral("x3.jpg")), blue);
    EXPECT_EQ(bytesOf(m_new, QStringLiteral("x1.jpg")), red); // the new pictures stay
    for (const char *name : { "a.jpg", "b.jpg", "x3.jpg" })
        EXPECT_TRUE(isThumbnail(QDir(m_thumbs).filePath(QLatin1String(name)))) << name;
    EXPECT_EQ(QDir(m_thumbs).entryList(QDir::Files).size(), 3);
    EXPECT_TRUE(leftovers(m_old).isEmpty());
    EXPECT_EQ(m_state.picturePath, QDir(m_new).filePath(QStringLiteral("x3.jpg")));
    EXPECT_EQ(m_state.pictureName, QStringLiteral("x3.jpg"));
}

TEST_F(ImageReplaceTest, EmptyDestinationAndNothingSelected)
{
    const QByteArray red = makeJpeg(Qt::red);
    put(m_new, QStringLiteral("p.jpg"), red);
    put(m_new, QStringLiteral("q.jpg"), makeJpeg(Qt::blue));
    const QList<ReplaceStep> plan = planImageReplace(request({ QStringLiteral("p.jpg"), QStringLiteral("q.jpg") }, {}));
    ASSERT_EQ(plan.size(), 2);
    const ImageReplaceOutcome outcome = run(plan);
    EXPECT_EQ(outcome.copied, 2);
    EXPECT_EQ(bytesOf(m_old, QStringLiteral("p.jpg")), red);
    EXPECT_TRUE(isThumbnail(QDir(m_thumbs).filePath(QStringLiteral("q.jpg"))));

    const QList<ReplaceStep> nothing = planImageReplace(request({}, { QStringLiteral("p.jpg") }));
    EXPECT_TRUE(nothing.isEmpty());
    EXPECT_TRUE(replacementListText(nothing).isEmpty());
    const ImageReplaceOutcome idle = run(nothing);
    EXPECT_EQ(idle.copied + idle.thumbnails, 0);
}

TEST_F(ImageReplaceTest, RootFoldersGetNoDoubledSeparator)
{
    const QList<ReplaceStep> plan =
        planImageReplace({ m_new, { QStringLiteral("x.jpg") }, QStringLiteral("/"), {}, QStringLiteral("/") });
    ASSERT_EQ(plan.size(), 1);
    EXPECT_EQ(plan[0].target, QStringLiteral("/x.jpg"));
    EXPECT_EQ(plan[0].thumbnail, QStringLiteral("/x.jpg"));
    EXPECT_EQ(plan[0].targetName, QStringLiteral("x.jpg"));
}

TEST_F(ImageReplaceTest, APictureCopiedOntoItselfIsKept)
{
    const QByteArray red = makeJpeg(Qt::red);
    put(m_old, QStringLiteral("a.jpg"), red);
    put(m_old, QStringLiteral("b.jpg"), makeJpeg(Qt::blue));
    // Source and destination are one folder, reached by two spellings.
    ImageReplaceRequest asked =
        request({ QStringLiteral("a.jpg") }, { QStringLiteral("a.jpg"), QStringLiteral("b.jpg") });
    asked.sourceFolder = m_old + QStringLiteral("/../old");
    const QList<ReplaceStep> plan = planImageReplace(asked);
    ASSERT_EQ(plan.size(), 1);
    EXPECT_TRUE(plan[0].sameFile);
    const ImageReplaceOutcome outcome = run(plan);
    EXPECT_EQ(bytesOf(m_old, QStringLiteral("a.jpg")), red);
    EXPECT_EQ(outcome.copied, 0);
    EXPECT_EQ(outcome.thumbnails, 1);
    EXPECT_TRUE(outcome.failures.isEmpty());
    EXPECT_TRUE(replacementListText(plan).contains(QStringLiteral("a.jpg: already in place")));
}

TEST_F(ImageReplaceTest, PicturesThatReplaceEachOtherAreReadBeforeTheyAreReplaced)
{
    const QByteArray red = makeJpeg(Qt::red), blue = makeJpeg(Qt::blue);
    put(m_old, QStringLiteral("a.jpg"), red);
    put(m_old, QStringLiteral("b.jpg"), blue);
    ImageReplaceRequest asked = request(
        { QStringLiteral("a.jpg"), QStringLiteral("b.jpg") }, { QStringLiteral("b.jpg"), QStringLiteral("a.jpg") });
    asked.sourceFolder = m_old;
    const ImageReplaceOutcome outcome = run(planImageReplace(asked));
    EXPECT_EQ(outcome.copied, 2);
    // Swapped, not both the same picture.
    EXPECT_EQ(bytesOf(m_old, QStringLiteral("b.jpg")), red);
    EXPECT_EQ(bytesOf(m_old, QStringLiteral("a.jpg")), blue);
}

TEST_F(ImageReplaceTest, ThumbnailsNeverReplaceTheRunsPictures)
{
    const QByteArray red = makeJpeg(Qt::red), green = makeJpeg(Qt::green), white = makeJpeg(Qt::white);
    put(m_new, QStringLiteral("x.jpg"), red);
    put(m_new, QStringLiteral("y.jpg"), green);
    put(m_old, QStringLiteral("a.jpg"), white);

    // Thumbnail folder = destination: each thumbnail would land on a copy.
    ImageReplaceRequest intoDest =
        request({ QStringLiteral("x.jpg"), QStringLiteral("y.jpg") }, { QStringLiteral("a.jpg") });
    intoDest.thumbFolder = m_old;
    const QList<ReplaceStep> plan = planImageReplace(intoDest);
    EXPECT_TRUE(plan[0].thumbnailRefused && plan[1].thumbnailRefused);
    EXPECT_TRUE(replacementListText(plan).contains(QStringLiteral("2 of them will not be written")));
    const ImageReplaceOutcome outcome = run(plan);
    EXPECT_EQ(outcome.copied, 2);
    EXPECT_EQ(outcome.thumbnails, 0);
    EXPECT_EQ(outcome.refusedThumbnails.size(), 2);
    EXPECT_EQ(bytesOf(m_old, QStringLiteral("a.jpg")), red);
    EXPECT_EQ(bytesOf(m_old, QStringLiteral("y.jpg")), green);
    const QString problems = imageReplaceProblems(outcome);
    EXPECT_EQ(problems.count(QStringLiteral("were not written")), 1); // said once for both
    EXPECT_TRUE(problems.contains(QDir::toNativeSeparators(QDir(m_old).filePath(QStringLiteral("a.jpg")))));

    // Thumbnail folder = source: a thumbnail named like one of the new pictures is
    // refused, any other name is written.
    ImageReplaceRequest intoSource = request({ QStringLiteral("x.jpg") }, { QStringLiteral("x.jpg") });
    intoSource.thumbFolder = m_new;
    EXPECT_TRUE(planImageReplace(intoSource)[0].thumbnailRefused);
    intoSource.destEntries = { QStringLiteral("a.jpg") };
    EXPECT_FALSE(planImageReplace(intoSource)[0].thumbnailRefused);
    intoSource.sources = { QStringLiteral("x.jpg"), QStringLiteral("y.jpg") };
    intoSource.destEntries = { QStringLiteral("y.jpg"), QStringLiteral("a.jpg") };
    const ImageReplaceOutcome guarded = run(planImageReplace(intoSource));
    EXPECT_EQ(bytesOf(m_new, QStringLiteral("y.jpg")), green);
    EXPECT_TRUE(isThumbnail(QDir(m_new).filePath(QStringLiteral("a.jpg"))));
    EXPECT_EQ(guarded.refusedThumbnails, QStringList({ QDir(m_new).filePath(QStringLiteral("y.jpg")) }));

    // A picture of that folder that is not part of the run is protected as well.
    const QByteArray blue = makeJpeg(Qt::blue);
    put(m_new, QStringLiteral("z.jpg"), blue);
    intoSource.sources = { QStringLiteral("x.jpg") };
    intoSource.destEntries = { QStringLiteral("z.jpg") };
    const ImageReplaceOutcome other = run(planImageReplace(intoSource));
    EXPECT_EQ(bytesOf(m_new, QStringLiteral("z.jpg")), blue);
    EXPECT_EQ(other.refusedThumbnails, QStringList({ QDir(m_new).filePath(QStringLiteral("z.jpg")) }));
    EXPECT_EQ(bytesOf(m_old, QStringLiteral("z.jpg")), red); // the copy is made all the same
}

TEST_F(ImageReplaceTest, ASourceWhoseNameAnEarlierCopyTookIsLeftOut)
{
    const QByteArray red = makeJpeg(Qt::red), green = makeJpeg(Qt::green);
    put(m_new, QStringLiteral("x.jpg"), red);
    put(m_new, QStringLiteral("a.jpg"), green);
    put(m_old, QStringLiteral("a.jpg"), makeJpeg(Qt::white));
    const QList<ReplaceStep> plan =
        planImageReplace(request({ QStringLiteral("x.jpg"), QStringLiteral("a.jpg") }, { QStringLiteral("a.jpg") }));
    ASSERT_EQ(plan.size(), 2);
    EXPECT_TRUE(plan[1].duplicateTarget);
    const ImageReplaceOutcome outcome = run(plan);
    EXPECT_EQ(bytesOf(m_old, QStringLiteral("a.jpg")), red);
    EXPECT_EQ(outcome.copied, 1);
    EXPECT_EQ(outcome.thumbnails, 1);
    EXPECT_EQ(outcome.skippedDuplicates, QStringList({ QDir(m_new).filePath(QStringLiteral("a.jpg")) }));
    EXPECT_TRUE(imageReplaceProblems(outcome).contains(QStringLiteral("were not copied")));
}

TEST_F(ImageReplaceTest, AFailedCopyLeavesTheOldPictureWhole)
{
    const QByteArray big = makeJpeg(Qt::gray, QSize(800, 600), true);
    ASSERT_GT(big.size(), 200000);
    const QByteArray old = makeJpeg(Qt::white);
    put(m_new, QStringLiteral("big.jpg"), big);
    put(m_old, QStringLiteral("a.jpg"), old);
    const QList<ReplaceStep> plan =
        planImageReplace(request({ QStringLiteral("big.jpg") }, { QStringLiteral("a.jpg") }));
    ImageReplaceOutcome outcome;
    {
        // The disk fills up while the copy is written; the thumbnail still fits.
        test::FileSizeLimit limit(100000);
        ASSERT_TRUE(limit.active()) << "no file size limit on this system";
        outcome = run(plan);
    }
    EXPECT_EQ(bytesOf(m_old, QStringLiteral("a.jpg")), old);
    EXPECT_EQ(outcome.copied, 0);
    ASSERT_EQ(outcome.failures.size(), 1);
    EXPECT_EQ(outcome.failures[0].path, QDir(m_old).filePath(QStringLiteral("a.jpg")));
    EXPECT_EQ(outcome.thumbnails, 1);
    EXPECT_TRUE(leftovers(m_old).isEmpty());
    EXPECT_TRUE(imageReplaceProblems(outcome).contains(QStringLiteral("could not be written")));
}

TEST_F(ImageReplaceTest, ACancelledRunReplacesNothingAndReplacedFilesKeepTheirPermissions)
{
    const QByteArray red = makeJpeg(Qt::red), white = makeJpeg(Qt::white);
    put(m_new, QStringLiteral("x.jpg"), red);
    put(m_new, QStringLiteral("y.jpg"), red);
    const QString a = put(m_old, QStringLiteral("a.jpg"), white);
    put(m_old, QStringLiteral("b.jpg"), white);
    const QList<ReplaceStep> plan = planImageReplace(request(
        { QStringLiteral("x.jpg"), QStringLiteral("y.jpg") }, { QStringLiteral("a.jpg"), QStringLiteral("b.jpg") }));

    const ImageReplaceOutcome cancelled = run(plan, [](int done, int) {
        return done < 1;
    });
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_EQ(bytesOf(m_old, QStringLiteral("a.jpg")), white);
    EXPECT_TRUE(leftovers(m_old).isEmpty());

    const auto readable = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    ASSERT_TRUE(QFile::setPermissions(a, readable));
    ASSERT_TRUE(
        QFile::setPermissions(QDir(m_new).filePath(QStringLiteral("x.jpg")), QFile::ReadOwner | QFile::WriteOwner));
    EXPECT_EQ(run(plan).copied, 2);
    EXPECT_EQ(bytesOf(m_old, QStringLiteral("a.jpg")), red);
    constexpr auto kOwnerGroupOther = QFileDevice::Permissions(0x7077);
    EXPECT_EQ((QFile::permissions(a) & kOwnerGroupOther).toInt(), QFileDevice::Permissions(readable).toInt());
}

TEST(ImageReplacePreview, DefaultSidesTimesTenAreCappedInsteadOfOverflowing)
{
    EXPECT_EQ(replacePreviewTwips(45), 450);
    EXPECT_EQ(replacePreviewTwips(3276), 32760);
    EXPECT_EQ(replacePreviewTwips(3277), 32767);
    EXPECT_EQ(replacePreviewTwips(32767), 32767);
    EXPECT_EQ(replacePreviewTwips(0), std::nullopt);
    EXPECT_EQ(replacePreviewTwips(-4), std::nullopt);
}

TEST(ImageReplaceList, LongListsAreCut)
{
    QList<ReplaceStep> plan;
    for (int i = 0; i < 30; ++i) {
        ReplaceStep step;
        step.source = QStringLiteral("/n/new%1.jpg").arg(i);
        step.target = QStringLiteral("/o/old%1.jpg").arg(i);
        step.targetName = QStringLiteral("old%1.jpg").arg(i);
        step.thumbnail = QStringLiteral("/t/old%1.jpg").arg(i);
        step.destIndex = i;
        plan += step;
    }
    const QStringList lines = replacementListText(plan, 5).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 1 + 5 + 1 + 1);
    EXPECT_EQ(lines[1], QStringLiteral("old0.jpg <- new0.jpg"));
    EXPECT_EQ(lines[6], QStringLiteral("... and 25 more"));
    EXPECT_TRUE(lines[7].startsWith(QStringLiteral("Thumbnails go to")));
}
