// SPDX-License-Identifier: GPL-3.0-or-later
// The Image Replace window: its panes, the preview, the viewer from its list and
// "Create" through the main window's working imaging control.
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
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QImageReader>
#include <QLineEdit>
#include <QPushButton>

using namespace quorvel;

namespace
{

QByteArray jpeg(QColor color, QSize size = QSize(200, 150))
{
    QImage image(size, QImage::Format_RGB888);
    image.fill(color);
    return Thumbnailer::encodeJpeg(image, ImageSettings());
}

class ImageReplaceWindowTest : public test::AppTest
{
protected:
    void SetUp() override
    {
        test::AppTest::SetUp();
        ASSERT_TRUE(m_root.isValid());
        const QString root = QFileInfo(m_root.path()).canonicalFilePath();
        m_new = root + QStringLiteral("/new");
        m_old = root + QStringLiteral("/old");
        m_thumbs = root + QStringLiteral("/thumbs");
        for (const QString &folder : { m_new, m_old, m_thumbs })
            ASSERT_TRUE(QDir().mkpath(folder));
    }

    QString put(const QString &folder, const QString &name, const QByteArray &bytes)
    {
        const QString path = QDir(folder).filePath(name);
        EXPECT_TRUE(test::writeFile(path, bytes));
        return path;
    }

    /// The main window, and Image Replace opened from its menu with its three panes
    /// on the test folders.
    Form2 *open()
    {
        frmForm *window = start();
        QAction *entry =
            test::required(window->findChild<QAction *>(QStringLiteral("mnuImagereplace")), "mnuImagereplace");
        EXPECT_EQ(entry->text(), QStringLiteral("Image Replace"));
        entry->trigger();
        Form2 *replace = test::required(m_app->imageReplaceWindowIfOpen(), "Image Replace");
        EXPECT_TRUE(control<FolderList>(replace, "Dir3")->setPath(m_new));
        EXPECT_TRUE(control<FolderList>(replace, "Dir2")->setPath(m_old));
        EXPECT_TRUE(control<FolderList>(replace, "Dir1")->setPath(m_thumbs));
        for (const char *name : { "File1", "File2", "File3" })
            control<FileList>(replace, name)->refresh();
        return replace;
    }

    void select(Form2 *replace, const QStringList &names)
    {
        auto *images = control<FileList>(replace, "File1");
        for (const QString &name : names) {
            const auto items = images->findItems(name, Qt::MatchExactly);
            ASSERT_EQ(items.size(), 1) << name.toStdString();
            items.first()->setSelected(true);
        }
    }

    static int longSide(const QString &path)
    {
        const QSize size = QImageReader(path).size();
        return size.isValid() ? std::max(size.width(), size.height()) : -1;
    }

    QTemporaryDir m_root;
    QString m_new, m_old, m_thumbs;
};

} // namespace

TEST_F(ImageReplaceWindowTest, OpensWithItsPanesAndCancelCloses)
{
    Form2 *replace = open();
    ASSERT_NE(replace, nullptr);
    EXPECT_EQ(replace->windowTitle(), QStringLiteral("Image Replace"));
    QStringList frames;
    for (const QGroupBox *frame : replace->findChildren<QGroupBox *>())
        frames += frame->title();
    EXPECT_EQ(frames,
        QStringList({ QStringLiteral("Select Images:"),
            QStringLiteral("Create Thumbnails in:"),
            QStringLiteral("Copy Files To:") }));
    for (const char *name : { "File1", "File2", "File3" })
        EXPECT_EQ(control<FileList>(replace, name)->pattern(), QStringLiteral("*.jpg")) << name;
    EXPECT_EQ(control<FileList>(replace, "File1")->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(control<FileList>(replace, "File2")->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(control<FileList>(replace, "File3")->selectionMode(), QAbstractItemView::SingleSelection);
    for (const char *name : { "Drive1", "Drive2", "Drive3", "Dir1", "Dir2", "Dir3" })
        EXPECT_FALSE(replace->findChild<QWidget *>(QLatin1String(name))->accessibleName().isEmpty()) << name;
    EXPECT_EQ(control<QPushButton>(replace, "Command1")->text(), QStringLiteral("Create"));

    // A .gif is not listed.
    put(m_new, QStringLiteral("a.gif"), jpeg(Qt::red));
    put(m_new, QStringLiteral("b.jpg"), jpeg(Qt::red));
    control<FileList>(replace, "File1")->refresh();
    EXPECT_EQ(control<FileList>(replace, "File1")->fileNames(), QStringList({ QStringLiteral("b.jpg") }));

    control<QPushButton>(replace, "Command2")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(m_app->imageReplaceWindowIfOpen(), nullptr);
}

TEST_F(ImageReplaceWindowTest, AClickPreviewsAndPointsTheViewerHereUnlessThePictureCannotBeOpened)
{
    put(m_old, QStringLiteral("broken.jpg"), "not a picture");
    put(m_old, QStringLiteral("good.jpg"), jpeg(Qt::green));
    Form2 *replace = open();
    ASSERT_NE(replace, nullptr);
    auto *dest = control<FileList>(replace, "File2");
    ASSERT_EQ(dest->count(), 2);
    dest->setCurrentRow(0); // broken.jpg
    EXPECT_EQ(m_prompts->lastMessage(), QStringLiteral("Could Not open image file."));
    EXPECT_EQ(m_app->viewerSource().viewerSource, 0);
    dest->setCurrentRow(1);
    EXPECT_EQ(m_prompts->records.size(), 1);
    EXPECT_EQ(control<ImageBox>(replace, "Gvbox1")->pictureFile(), QDir(m_old).filePath(QStringLiteral("good.jpg")));
    EXPECT_EQ(m_app->viewerSource().viewerSource, 2);
}

TEST_F(ImageReplaceWindowTest, ADoubleClickInSelectImagesOpensTheViewerThere)
{
    put(m_new, QStringLiteral("n1.jpg"), jpeg(Qt::red));
    put(m_new, QStringLiteral("n2.jpg"), jpeg(Qt::blue));
    Form2 *replace = open();
    ASSERT_NE(replace, nullptr);
    auto *images = control<FileList>(replace, "File1");
    const QPoint at = images->visualItemRect(images->item(1)).center();
    QTest::mouseClick(images->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(images->viewport(), Qt::LeftButton, {}, at);
    picView *viewer = m_app->pictureViewerIfOpen();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->imageBox()->pictureFile(), QDir(m_new).filePath(QStringLiteral("n2.jpg")));
    EXPECT_EQ(viewer->position(), 1);
    EXPECT_EQ(viewer->sourceList(), images);
    viewer->stepBy(-1);
    EXPECT_EQ(viewer->imageBox()->pictureFile(), QDir(m_new).filePath(QStringLiteral("n1.jpg")));
}

TEST_F(ImageReplaceWindowTest, CreateReplacesInListOrderWithTheMainWindowsThumbnailSize)
{
    const QByteArray red = jpeg(Qt::red), green = jpeg(Qt::green), blue = jpeg(Qt::blue);
    put(m_new, QStringLiteral("x1.jpg"), red);
    put(m_new, QStringLiteral("x2.jpg"), green);
    put(m_new, QStringLiteral("x3.jpg"), blue);
    put(m_old, QStringLiteral("a.jpg"), jpeg(Qt::white));
    put(m_old, QStringLiteral("b.jpg"), jpeg(Qt::black));
    Form2 *replace = open();
    ASSERT_NE(replace, nullptr);
    m_app->mainWindow()->setThumbSizeText(QStringLiteral("50"));
    select(replace, { QStringLiteral("x3.jpg"), QStringLiteral("x1.jpg"), QStringLiteral("x2.jpg") });

    control<QPushButton>(replace, "Command1")->click();
    ASSERT_EQ(m_prompts->records.size(), 2);
    const auto &confirm = m_prompts->records[0];
    EXPECT_EQ(confirm.buttons, Prompts::Buttons::OkCancel);
    EXPECT_TRUE(confirm.text.contains(QStringLiteral("a.jpg <- x1.jpg\r\nb.jpg <- x2.jpg\r\nx3.jpg (added)")))
        << confirm.text.toStdString();
    EXPECT_EQ(m_prompts->records[1].text, QStringLiteral("Thumbnail Creation Completed!"));

    EXPECT_EQ(test::readFile(QDir(m_old).filePath(QStringLiteral("a.jpg"))), red);
    EXPECT_EQ(test::readFile(QDir(m_old).filePath(QStringLiteral("b.jpg"))), green);
    EXPECT_EQ(test::readFile(QDir(m_old).filePath(QStringLiteral("x3.jpg"))), blue);
    for (const char *name : { "a.jpg", "b.jpg", "x3.jpg" })
        EXPECT_EQ(longSide(QDir(m_thumbs).filePath(QLatin1String(name))), 50) << name;
    // The lists show the result, and the shared state the last picture.
    EXPECT_EQ(control<FileList>(replace, "File3")->count(), 3);
    EXPECT_EQ(control<FileList>(replace, "File2")->count(), 3);
    EXPECT_EQ(m_app->state().pictureName, QStringLiteral("x3.jpg"));
    EXPECT_EQ(m_app->mainWindow()->workingBox()->pictureFile(), QDir(m_new).filePath(QStringLiteral("x3.jpg")));
}

TEST_F(ImageReplaceWindowTest, CancellingTheListChangesNothingAndNothingSelectedOnlyCompletes)
{
    const QByteArray white = jpeg(Qt::white);
    put(m_new, QStringLiteral("x.jpg"), jpeg(Qt::red));
    put(m_old, QStringLiteral("a.jpg"), white);
    Form2 *replace = open();
    ASSERT_NE(replace, nullptr);

    control<QPushButton>(replace, "Command1")->click();
    ASSERT_EQ(m_prompts->records.size(), 1);
    EXPECT_EQ(m_prompts->lastMessage(), QStringLiteral("Thumbnail Creation Completed!"));

    m_prompts->records.clear();
    select(replace, { QStringLiteral("x.jpg") });
    m_prompts->answers = { Prompts::Answer::Cancel };
    control<QPushButton>(replace, "Command1")->click();
    EXPECT_EQ(m_prompts->records.size(), 1); // the list only
    EXPECT_EQ(test::readFile(QDir(m_old).filePath(QStringLiteral("a.jpg"))), white);
    EXPECT_TRUE(QDir(m_thumbs).entryList(QDir::Files).isEmpty());
}

TEST_F(ImageReplaceWindowTest, AThumbnailFolderThatIsTheDestinationIsRefusedOnce)
{
    const QByteArray red = jpeg(Qt::red), green = jpeg(Qt::green);
    put(m_new, QStringLiteral("x.jpg"), red);
    put(m_new, QStringLiteral("y.jpg"), green);
    put(m_old, QStringLiteral("a.jpg"), jpeg(Qt::white));
    put(m_old, QStringLiteral("b.jpg"), jpeg(Qt::white));
    Form2 *replace = open();
    ASSERT_NE(replace, nullptr);
    ASSERT_TRUE(control<FolderList>(replace, "Dir1")->setPath(m_old));
    select(replace, { QStringLiteral("x.jpg"), QStringLiteral("y.jpg") });
    control<QPushButton>(replace, "Command1")->click();
    ASSERT_EQ(m_prompts->records.size(), 3);
    EXPECT_TRUE(m_prompts->records[1].text.startsWith(QStringLiteral("These thumbnails were not written")));
    EXPECT_EQ(m_prompts->records[1].icon, Prompts::Icon::Exclamation);
    EXPECT_EQ(m_prompts->records[2].text, QStringLiteral("Thumbnail Creation Completed!"));
    // The copies are whole pictures, not thumbnails written over them.
    EXPECT_EQ(test::readFile(QDir(m_old).filePath(QStringLiteral("a.jpg"))), red);
    EXPECT_EQ(test::readFile(QDir(m_old).filePath(QStringLiteral("b.jpg"))), green);
}

TEST_F(ImageReplaceWindowTest, ABrokenPictureIsReplacedWithoutStoppingTheRunAndFailedWritesAreNotCompleted)
{
    const QByteArray red = jpeg(Qt::red);
    put(m_new, QStringLiteral("x.jpg"), red);
    put(m_old, QStringLiteral("broken.jpg"), "not a picture");
    Form2 *replace = open();
    ASSERT_NE(replace, nullptr);
    select(replace, { QStringLiteral("x.jpg") });
    control<QPushButton>(replace, "Command1")->click();
    ASSERT_EQ(m_prompts->records.size(), 2);
    EXPECT_EQ(m_prompts->records[1].text, QStringLiteral("Thumbnail Creation Completed!"));
    EXPECT_EQ(test::readFile(QDir(m_old).filePath(QStringLiteral("broken.jpg"))), red);
    EXPECT_EQ(longSide(QDir(m_thumbs).filePath(QStringLiteral("broken.jpg"))), 90);

    // A full disk: the files are named with the system's reason, and the run does not
    // say it completed.
    m_prompts->records.clear();
    put(m_new, QStringLiteral("big.jpg"), jpeg(Qt::blue, QSize(800, 600)));
    control<FileList>(replace, "File1")->refresh();
    control<FileList>(replace, "File1")->clearSelection();
    select(replace, { QStringLiteral("big.jpg") });
    {
        test::FileSizeLimit full(100);
        ASSERT_TRUE(full.active());
        control<QPushButton>(replace, "Command1")->click();
    }
    ASSERT_EQ(m_prompts->records.size(), 3);
    EXPECT_TRUE(m_prompts->records[1].text.contains(QStringLiteral("File too large")))
        << m_prompts->records[1].text.toStdString();
    EXPECT_EQ(
        m_prompts->records[2].text, QStringLiteral("Image Replace finished, but 2 of the files could not be written."));
    EXPECT_EQ(m_prompts->records[2].icon, Prompts::Icon::Exclamation);
    EXPECT_EQ(test::readFile(QDir(m_old).filePath(QStringLiteral("broken.jpg"))), red);
}

TEST_F(ImageReplaceWindowTest, PreviewTakesTheDefaultSizeCappedAndNoBorder)
{
    Form2 *replace = open();
    ASSERT_NE(replace, nullptr);
    auto *preview = control<ImageBox>(replace, "Gvbox1");
    const double dpi = preview->logicalDpiX();
    const auto px = [dpi](int twips) {
        return int(std::lround(twipsToPixels(twips, dpi)));
    };
    m_app->state().defThumbWidth = 45;
    m_app->state().defThumbHeight = 3300; // 33000 twips do not fit 16 bits: capped
    control<QCheckBox>(m_app->mainWindow(), "chkBorder")->setChecked(true);
    control<QPushButton>(replace, "Command1")->click();
    EXPECT_EQ(preview->size(), QSize(px(450), px(32767)));
    EXPECT_EQ(preview->thumbSize(), 0);
}
