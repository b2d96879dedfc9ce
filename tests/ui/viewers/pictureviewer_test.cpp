// SPDX-License-Identifier: GPL-3.0-or-later
// The picture viewer opened from the main window and from Image Replace: stepping,
// the list it walks, zoom, keys and layout.
#include "../apptest.h"
#include "imaging/imagebox.h"
#include "imaging/imagereplacewindow.h"
#include "imaging/thumbnailer.h"
#include "platform/filelist.h"
#include "platform/folderlist.h"
#include "platform/twips.h"
#include "testsupport.h"
#include "viewers/pictureviewer.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>

using namespace quorvel;

namespace
{

QByteArray jpegOfSize(QSize size)
{
    QImage image(size, QImage::Format_RGB888);
    image.fill(Qt::darkCyan);
    return Thumbnailer::encodeJpeg(image, ImageSettings());
}

class PictureViewerTest : public test::AppTest
{
protected:
    void SetUp() override
    {
        test::AppTest::SetUp();
        ASSERT_TRUE(m_pictures.isValid());
        m_folder = QFileInfo(m_pictures.path()).canonicalFilePath();
        // Three pictures told apart by their sizes.
        ASSERT_TRUE(test::writeFile(path(QStringLiteral("p1.jpg")), jpegOfSize(QSize(300, 200))));
        ASSERT_TRUE(test::writeFile(path(QStringLiteral("p2.jpg")), jpegOfSize(QSize(200, 300))));
        ASSERT_TRUE(test::writeFile(path(QStringLiteral("p3.jpg")), jpegOfSize(QSize(250, 250))));
    }

    QString path(const QString &name) const
    {
        return QDir(m_folder).filePath(name);
    }

    /// The main window on the test folder.
    frmForm *startOnPictures()
    {
        frmForm *window = start();
        EXPECT_TRUE(control<FolderList>(window, "Dir1")->setPath(m_folder));
        control<FileList>(window, "File1")->refresh();
        return window;
    }

    /// Double-clicks an entry of a file list as the user does.
    void doubleClickEntry(FileList *list, int row)
    {
        QListWidgetItem *item = list->item(row);
        ASSERT_NE(item, nullptr);
        const QPoint at = list->visualItemRect(item).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }

    picView *viewer()
    {
        return m_app->pictureViewerIfOpen();
    }

    QTemporaryDir m_pictures;
    QString m_folder;
};

} // namespace

TEST_F(PictureViewerTest, ThreePicturesTwoStepsThenNoMorePicturesAndThePictureStays)
{
    frmForm *window = startOnPictures();
    auto *files = control<FileList>(window, "File1");
    ASSERT_EQ(files->count(), 3);
    doubleClickEntry(files, 0);
    ASSERT_NE(viewer(), nullptr);
    EXPECT_TRUE(viewer()->isVisible());
    EXPECT_EQ(viewer()->windowTitle(), QStringLiteral("Picture Viewer"));
    EXPECT_EQ(viewer()->imageBox()->pictureFile(), path(QStringLiteral("p1.jpg")));
    EXPECT_EQ(viewer()->imageBox()->pictureSize(), QSize(300, 200));
    EXPECT_EQ(viewer()->position(), 0);

    auto *position = control<QScrollBar>(viewer(), "FlatScrollBar1");
    position->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(viewer()->imageBox()->pictureFile(), path(QStringLiteral("p2.jpg")));
    // The main window's list and preview follow.
    EXPECT_EQ(files->currentRow(), 1);
    EXPECT_TRUE(files->item(1)->isSelected());
    EXPECT_FALSE(files->item(0)->isSelected());
    EXPECT_EQ(window->previewBox()->pictureFile(), path(QStringLiteral("p2.jpg")));

    position->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(viewer()->imageBox()->pictureFile(), path(QStringLiteral("p3.jpg")));
    EXPECT_TRUE(m_prompts->records.isEmpty());

    position->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(m_prompts->lastMessage(), QStringLiteral("No more Pictures!"));
    EXPECT_EQ(viewer()->imageBox()->pictureFile(), path(QStringLiteral("p3.jpg")));
    EXPECT_TRUE(viewer()->imageBox()->hasPicture());
    EXPECT_EQ(viewer()->position(), 2);
    // Another step forward says so again; a step back shows the second picture.
    viewer()->stepBy(1);
    EXPECT_EQ(m_prompts->records.size(), 2);
    viewer()->stepBy(-1);
    EXPECT_EQ(viewer()->imageBox()->pictureFile(), path(QStringLiteral("p2.jpg")));
}

TEST_F(PictureViewerTest, KeysStepZoomAndCloseAndADoubleClickStepsOnward)
{
    frmForm *window = startOnPictures();
    doubleClickEntry(control<FileList>(window, "File1"), 0);
    picView *shown = viewer();
    ASSERT_NE(shown, nullptr);
    // The keys act while the viewer is the active window.
    QApplication::setActiveWindow(shown);
    ASSERT_EQ(QApplication::activeWindow(), shown);

    QTest::keyClick(shown, Qt::Key_Right);
    EXPECT_EQ(shown->position(), 1);
    QTest::keyClick(shown, Qt::Key_PageDown);
    EXPECT_EQ(shown->position(), 2);
    QTest::keyClick(shown, Qt::Key_PageUp);
    QTest::keyClick(shown, Qt::Key_Left);
    EXPECT_EQ(shown->position(), 0);
    EXPECT_EQ(shown->imageBox()->pictureFile(), path(QStringLiteral("p1.jpg")));

    auto *zoom = control<QSlider>(shown, "Slider1");
    QTest::keyClick(shown, Qt::Key_Plus);
    QTest::keyClick(shown, Qt::Key_Plus);
    EXPECT_EQ(zoom->value(), 3);
    EXPECT_EQ(shown->imageBox()->zoom(), 3);
    QTest::keyClick(shown, Qt::Key_Minus);
    EXPECT_EQ(shown->imageBox()->zoom(), 2);

    // A double-click on the picture steps on from the picture shown, not from the
    // list's start.
    shown->stepBy(1);
    QTest::mouseDClick(shown->imageBox(), Qt::LeftButton);
    EXPECT_EQ(shown->position(), 2);
    EXPECT_EQ(shown->imageBox()->pictureFile(), path(QStringLiteral("p3.jpg")));

    QTest::keyClick(shown, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(viewer(), nullptr);
}

TEST_F(PictureViewerTest, ZoomSliderAndCloseButton)
{
    frmForm *window = startOnPictures();
    doubleClickEntry(control<FileList>(window, "File1"), 1);
    picView *shown = viewer();
    ASSERT_NE(shown, nullptr);
    auto *zoom = control<QSlider>(shown, "Slider1");
    EXPECT_EQ(zoom->toolTip(), QStringLiteral("Drag Slider to Zoom Picture"));
    EXPECT_EQ(control<QLabel>(shown, "Label1")->text(), QStringLiteral("Zoom"));
    EXPECT_EQ(control<QLabel>(shown, "Label1")->buddy(), zoom);
    const QSize atOne = shown->imageBox()->size();
    zoom->setValue(4);
    EXPECT_EQ(shown->imageBox()->zoom(), 4);
    EXPECT_EQ(shown->imageBox()->size(), atOne * 4);
    zoom->setValue(0); // the lowest position
    EXPECT_EQ(zoom->value(), 1);
    EXPECT_EQ(shown->imageBox()->zoom(), 1);

    auto *close = control<QPushButton>(shown, "Command1");
    EXPECT_EQ(close->text(), QStringLiteral("&Close"));
    close->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(viewer(), nullptr);
    // Opened again, it starts from its design positions.
    doubleClickEntry(control<FileList>(window, "File1"), 0);
    ASSERT_NE(viewer(), nullptr);
    EXPECT_EQ(control<QSlider>(viewer(), "Slider1")->value(), 1);
}

TEST_F(PictureViewerTest, OpeningFromThePreviewKeepsThePosition)
{
    frmForm *window = startOnPictures();
    auto *files = control<FileList>(window, "File1");
    doubleClickEntry(files, 0);
    ASSERT_NE(viewer(), nullptr);
    files->setCurrentRow(2); // the preview shows the third picture
    QTest::mouseDClick(window->previewBox(), Qt::LeftButton);
    EXPECT_EQ(viewer()->imageBox()->pictureFile(), path(QStringLiteral("p3.jpg")));
    EXPECT_EQ(viewer()->position(), 0);
    viewer()->stepBy(1); // relative to the old position
    EXPECT_EQ(viewer()->imageBox()->pictureFile(), path(QStringLiteral("p2.jpg")));
}

TEST_F(PictureViewerTest, APictureThatCannotBeOpenedIsSaidAndSkipped)
{
    ASSERT_TRUE(test::writeFile(path(QStringLiteral("p2.jpg")), "not a picture"));
    frmForm *window = startOnPictures();
    auto *files = control<FileList>(window, "File1");
    doubleClickEntry(files, 1);
    EXPECT_EQ(m_prompts->lastMessage(), QStringLiteral("Can not open file!"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(viewer(), nullptr);

    // Stepping over it leaves the previous picture shown, without a message.
    m_prompts->records.clear();
    doubleClickEntry(files, 0);
    ASSERT_NE(viewer(), nullptr);
    viewer()->stepBy(1);
    EXPECT_EQ(viewer()->position(), 1);
    EXPECT_EQ(viewer()->imageBox()->pictureFile(), path(QStringLiteral("p1.jpg")));
    EXPECT_TRUE(viewer()->imageBox()->hasPicture());
    EXPECT_TRUE(m_prompts->records.isEmpty());
    viewer()->stepBy(1);
    EXPECT_EQ(viewer()->imageBox()->pictureFile(), path(QStringLiteral("p3.jpg")));
}

TEST_F(PictureViewerTest, AfterAClickInImageReplaceTheViewerWalksItsListUntilItCloses)
{
    QTemporaryDir other;
    const QString otherFolder = QFileInfo(other.path()).canonicalFilePath();
    ASSERT_TRUE(test::writeFile(QDir(otherFolder).filePath(QStringLiteral("q1.jpg")), jpegOfSize(QSize(40, 30))));
    ASSERT_TRUE(test::writeFile(QDir(otherFolder).filePath(QStringLiteral("q2.jpg")), jpegOfSize(QSize(30, 40))));

    frmForm *window = startOnPictures();
    window->findChild<QAction *>(QStringLiteral("mnuImagereplace"))->trigger();
    Form2 *replace = m_app->imageReplaceWindowIfOpen();
    ASSERT_NE(replace, nullptr);
    ASSERT_TRUE(control<FolderList>(replace, "Dir3")->setPath(otherFolder));
    auto *images = control<FileList>(replace, "File1");
    ASSERT_EQ(images->count(), 2);
    EXPECT_EQ(m_app->viewerSource().viewerSource, 0);
    images->setCurrentRow(0);
    EXPECT_EQ(m_app->viewerSource().viewerSource, 2);

    // Opened from the main window, the viewer still steps through "Select Images:".
    doubleClickEntry(control<FileList>(window, "File1"), 0);
    ASSERT_NE(viewer(), nullptr);
    EXPECT_EQ(viewer()->imageBox()->pictureFile(), path(QStringLiteral("p1.jpg")));
    EXPECT_EQ(viewer()->sourceList(), images);
    viewer()->stepBy(1);
    EXPECT_EQ(viewer()->imageBox()->pictureFile(), QDir(otherFolder).filePath(QStringLiteral("q2.jpg")));
    EXPECT_EQ(images->currentRow(), 1);

    // Closed, Image Replace has no list: the viewer walks the main window's again.
    replace->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(m_app->imageReplaceWindowIfOpen(), nullptr);
    EXPECT_EQ(m_app->viewerSource().viewerSource, 2); // the flag outlives the window
    viewer()->stepBy(1);
    EXPECT_EQ(viewer()->imageBox()->pictureFile(), path(QStringLiteral("p3.jpg")));
}

TEST_F(PictureViewerTest, ARootFolderGetsTheNameDirectly)
{
    frmForm *window = start();
    auto *files = control<FileList>(window, "File1");
    files->setPath(QStringLiteral("/"));
    files->addItem(QStringLiteral("picture.jpg"));
    picView *shown = m_app->pictureViewer();
    EXPECT_EQ(shown->entryPath(files->count() - 1), QStringLiteral("/picture.jpg"));
    EXPECT_TRUE(shown->entryPath(files->count()).isEmpty());
}

TEST_F(PictureViewerTest, LayoutFollowsTheWindowAndKeepsAPixelWhenTooSmall)
{
    frmForm *window = startOnPictures();
    doubleClickEntry(control<FileList>(window, "File1"), 0);
    picView *shown = viewer();
    ASSERT_NE(shown, nullptr);
    auto *picture = control<QScrollArea>(shown, "viewport");
    const double dpi = shown->logicalDpiX();
    const auto px = [dpi](double twips) {
        return int(std::lround(twipsToPixels(twips, dpi)));
    };
    shown->resize(700, 500);
    EXPECT_EQ(picture->geometry(), QRect(px(10), px(10), 700 - px(100), 500 - px(800)));
    for (const char *name : { "Slider1", "Label1", "Command1", "FlatScrollBar1" })
        EXPECT_EQ(shown->findChild<QWidget *>(QLatin1String(name))->y(), picture->height() + px(50)) << name;
    // The picture fits the window at zoom 1.
    QTest::qWait(150);
    EXPECT_LE(shown->imageBox()->width(), picture->width());
    EXPECT_LE(shown->imageBox()->height(), picture->height());

    shown->resize(4, 4);
    EXPECT_GE(picture->width(), 1);
    EXPECT_GE(picture->height(), 1);
}

// With "Web album" chosen the main window lists every picture the album takes, by
// content, and the viewer shows each of them upright; the classic page lists *.jpg and
// *.gif again.
TEST_F(PictureViewerTest, WithTheWebAlbumChosenTheListAndTheViewerTakeEveryPictureType)
{
    const std::pair<const char *, const char *> copies[] = {
        { "webp-orientation-6.webp", "saved.WEBP" },
        { "tiff-orientation-3.tif", "scan.tif" },
        { "png-orientation-6.png", "shot.png" },
    };
    for (const auto &[from, name] : copies)
        ASSERT_TRUE(QFile::copy(test::formatPicture(QLatin1String(from)), path(QLatin1String(name))));
    ASSERT_TRUE(test::writeFile(path(QStringLiteral("drawing.svg")), "<svg xmlns=\"http://www.w3.org/2000/svg\"/>"));
    frmForm *window = startOnPictures();
    auto *files = control<FileList>(window, "File1");
    ASSERT_EQ(files->count(), 3);

    m_app->pageStyle().webAlbum = true;
    window->listPicturesOfPageStyle();
    ASSERT_EQ(files->fileNames(),
        QStringList({ QStringLiteral("p1.jpg"),
            QStringLiteral("p2.jpg"),
            QStringLiteral("p3.jpg"),
            QStringLiteral("saved.WEBP"),
            QStringLiteral("scan.tif"),
            QStringLiteral("shot.png") }));
    doubleClickEntry(files, 3);
    ASSERT_NE(viewer(), nullptr);
    for (const char *name : { "saved.WEBP", "scan.tif", "shot.png" }) {
        EXPECT_EQ(viewer()->imageBox()->pictureFile(), path(QLatin1String(name)));
        EXPECT_EQ(viewer()->imageBox()->pictureSize(), QSize(180, 120)) << name;
        viewer()->stepBy(1);
    }
    EXPECT_EQ(m_prompts->lastMessage(), QStringLiteral("No more Pictures!"));

    m_app->pageStyle().webAlbum = false;
    window->listPicturesOfPageStyle();
    EXPECT_EQ(files->count(), 3);
}
