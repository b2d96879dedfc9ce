// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/imagebox.h"
#include "imaging/thumbnailer.h"
#include "testsupport.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace quorvel;

namespace
{

} // namespace

TEST(ImageBox, ThumbSizeRulesZeroKeepsTheLastPositiveSizeNegativeIsRefused)
{
    ImageBox box;
    EXPECT_EQ(box.thumbSize(), 90);
    EXPECT_EQ(box.settings().boxSize, 90);
    EXPECT_TRUE(box.settings().frame);

    box.setThumbSize(150);
    EXPECT_EQ(box.settings().boxSize, 150);
    box.setThumbSize(0);
    EXPECT_EQ(box.thumbSize(), 0);
    EXPECT_EQ(box.settings().boxSize, 150);
    EXPECT_FALSE(box.settings().frame);

    box.setThumbSize(-5);
    EXPECT_FALSE(box.lastError().isEmpty());
    EXPECT_EQ(box.thumbSize(), 0);
    EXPECT_EQ(box.settings().boxSize, 150);

    box.setThumbSize(64.4);
    EXPECT_TRUE(box.lastError().isEmpty());
    EXPECT_EQ(box.settings().boxSize, 64);
    EXPECT_TRUE(box.settings().frame);
    box.setBorderStyle(0);
    EXPECT_FALSE(box.settings().frame);
}

TEST(ImageBox, PropertiesCarryTheirNames)
{
    ImageBox box;
    EXPECT_TRUE(box.setProperty("Quality", 40));
    EXPECT_TRUE(box.setProperty("DctMethod", 2));
    EXPECT_TRUE(box.setProperty("OptimizeCoding", false));
    EXPECT_TRUE(box.setProperty("ThumbSize", 33.0));
    EXPECT_TRUE(box.setProperty("Zoom", 0));
    EXPECT_EQ(box.settings().quality, 40);
    EXPECT_EQ(box.settings().dctMethod, 2);
    EXPECT_FALSE(box.settings().optimizeCoding);
    EXPECT_EQ(box.settings().boxSize, 33);
    EXPECT_EQ(box.zoom(), 1); // below 1 is taken as 1
}

TEST(ImageBox, SavesTheSameBytesAsThumbnailerAndShowsWhatItSaves)
{
    QUORVEL_REQUIRE_TESTDATA();
    QTemporaryDir dir;
    const QString source = test::testPicture(QStringLiteral("cameras/canon-eos-d60.jpg"));
    ImageBox box;
    box.setQuality(60);
    box.setThumbSize(120);
    ASSERT_EQ(box.loadPicture(source), QString());
    EXPECT_EQ(box.pictureSize(), QSize(1772, 1181));

    const QString mine = dir.filePath(QStringLiteral("box.jpg"));
    const QString engine = dir.filePath(QStringLiteral("engine.jpg"));
    ASSERT_EQ(box.saveJpeg(mine), QString());
    ASSERT_EQ(Thumbnailer::writeThumbnail(source, engine, box.settings()), QString());
    EXPECT_EQ(test::readFile(mine), test::readFile(engine));

    const QImage shown = box.previewImage();
    const DecodedPicture written = Thumbnailer::decode(mine, box.settings());
    ASSERT_TRUE(written.ok());
    EXPECT_EQ(shown.size(), QSize(120, 80));
    EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB888), written.image.convertToFormat(QImage::Format_RGB888));

    box.setZoom(3);
    EXPECT_EQ(box.sizeHint(), QSize(360, 240));
}

// The main window's hidden writer takes the preview's picture instead of decoding the
// file a second time; it must then save exactly what a decode of its own would.
TEST(ImageBox, SharedPictureSavesWhatItsOwnDecodeWould)
{
    QUORVEL_REQUIRE_TESTDATA();
    QTemporaryDir dir;
    const QString source = test::testPicture(QStringLiteral("orientation/landscape_6.jpg"));
    ImageBox preview;
    ImageBox writer;
    ASSERT_EQ(preview.loadPicture(source), QString());
    writer.sharePicture(preview);
    EXPECT_EQ(writer.pictureFile(), source);
    EXPECT_TRUE(writer.hasPicture());
    EXPECT_EQ(writer.pictureSize(), preview.pictureSize());
    EXPECT_EQ(writer.lastError(), QString());

    // A size the preview did not decode for: the writer decodes for it when saving.
    writer.setThumbSize(500);
    const QString shared = dir.filePath(QStringLiteral("shared.jpg"));
    const QString engine = dir.filePath(QStringLiteral("engine.jpg"));
    ASSERT_EQ(writer.saveJpeg(shared), QString());
    ASSERT_EQ(Thumbnailer::writeThumbnail(source, engine, writer.settings()), QString());
    EXPECT_EQ(test::readFile(shared), test::readFile(engine));

    // A failed load is shared too: nothing to save, the same error.
    ASSERT_NE(preview.loadPicture(test::testPicture(QStringLiteral("broken/text.jpg"))), QString());
    preview.setPictureFile(test::testPicture(QStringLiteral("broken/text.jpg")));
    writer.sharePicture(preview);
    EXPECT_FALSE(writer.hasPicture());
    EXPECT_EQ(writer.lastError(), preview.lastError());
    EXPECT_FALSE(writer.saveJpeg(dir.filePath(QStringLiteral("none.jpg"))).isEmpty());
}

TEST(ImageBox, AFailedLoadLeavesNothingToSave)
{
    QUORVEL_REQUIRE_TESTDATA();
    QTemporaryDir dir;
    ImageBox box;
    ASSERT_EQ(box.loadPicture(test::testPicture(QStringLiteral("cameras/nikon-e950.jpg"))), QString());
    box.setPictureFile(test::testPicture(QStringLiteral("broken/text.jpg")));
    EXPECT_FALSE(box.lastError().isEmpty());
    EXPECT_FALSE(box.hasPicture());
    const QString target = dir.filePath(QStringLiteral("t_text.jpg"));
    EXPECT_FALSE(box.saveJpeg(target).isEmpty());
    EXPECT_FALSE(QFile::exists(target)); // not the previous picture under the new name
}

TEST(ImageBox, NeverSavesOverItsOwnPicture)
{
    QUORVEL_REQUIRE_TESTDATA();
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("photo.jpg"));
    ASSERT_TRUE(QFile::copy(test::testPicture(QStringLiteral("cameras/nikon-e950.jpg")), copy));
    const QByteArray original = test::readFile(copy);
    ImageBox box;
    ASSERT_EQ(box.loadPicture(copy), QString());
    EXPECT_FALSE(box.saveJpeg(copy).isEmpty());
    EXPECT_FALSE(box.saveJpeg(dir.path() + QStringLiteral("/./photo.jpg")).isEmpty());
    EXPECT_EQ(test::readFile(copy), original);
}

TEST(ImageBox, DoubleClickIsSignalled)
{
    ImageBox box;
    box.resize(50, 50);
    box.show();
    QSignalSpy spy(&box, &ImageBox::doubleClicked);
    QTest::mouseDClick(&box, Qt::LeftButton);
    EXPECT_EQ(spy.count(), 1);
}
