// SPDX-License-Identifier: GPL-3.0-or-later
// The core job through the windows: page options, Create Thumbs, drop on the
// destination list, progress and Cancel, and the page view.
#include "../apptest.h"
#include "app/folderpickerdialog.h"
#include "app/pageoptionsdialog.h"
#include "gallery/creationprogress.h"
#include "imaging/imagebox.h"
#include "platform/filelist.h"
#include "platform/folderlist.h"
#include "testsupport.h"
#include "viewers/pageview.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

using namespace quorvel;

namespace
{

class CreationWindowTest : public test::AppTest
{
protected:
    void SetUp() override
    {
        test::AppTest::SetUp();
        ASSERT_TRUE(m_root.isValid());
        m_source = QFileInfo(m_root.path()).canonicalFilePath() + QStringLiteral("/pictures");
        m_dest = m_source + QStringLiteral("/thumbs");
        ASSERT_TRUE(QDir().mkpath(m_dest));
    }

    void addPicture(const QString &from, const QString &name)
    {
        ASSERT_TRUE(QFile::copy(test::testPicture(from), QDir(m_source).filePath(name))) << name.toStdString();
    }

    /// The main window with the source and destination lists on the test folders
    /// and the named files selected.
    frmForm *startOn(const QStringList &selected)
    {
        frmForm *window = start();
        EXPECT_TRUE(control<FolderList>(window, "Dir1")->setPath(m_source));
        EXPECT_TRUE(control<FolderList>(window, "Dir2")->setPath(m_dest));
        auto *files = control<FileList>(window, "File1");
        files->refresh();
        for (const QString &name : selected) {
            const auto items = files->findItems(name, Qt::MatchExactly);
            EXPECT_EQ(items.size(), 1) << name.toStdString();
            if (!items.isEmpty())
                items.first()->setSelected(true);
        }
        return window;
    }

    saveto *openPageOptions(frmForm *window)
    {
        control<QPushButton>(window, "Command3")->click();
        return test::required(m_app->pageOptionsIfOpen(), "Folder Options");
    }

    /// Confirms the page options with these values.
    void usePageOptions(frmForm *window, const QString &name, const QString &folder, bool table, const QString &columns)
    {
        saveto *dialog = openPageOptions(window);
        ASSERT_NE(dialog, nullptr);
        control<QLineEdit>(dialog, "fileName")->setText(name);
        control<QLineEdit>(dialog, "imageFolder")->setText(folder);
        control<QCheckBox>(dialog, "chkTable")->setChecked(table);
        control<QLineEdit>(dialog, "txtColumns")->setText(columns);
        control<QPushButton>(dialog, "Command1")->click();
    }

    void dropOn(frmForm *window, QMimeData *data)
    {
        QWidget *target = control<FolderList>(window, "Dir2")->viewport();
        const QPoint point = target->rect().center();
        QDragEnterEvent enter(point, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent drop(point, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        EXPECT_TRUE(drop.isAccepted());
    }

    QTemporaryDir m_root;
    QString m_source;
    QString m_dest;
};

} // namespace

TEST_F(CreationWindowTest, PageOptionsStartFromTheirDesignValuesAndUseTicksHtmlCode)
{
    frmForm *window = start();
    window->findChild<QAction *>(QStringLiteral("HTML"))->trigger();
    saveto *dialog = m_app->pageOptionsIfOpen();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Folder Options"));
    EXPECT_EQ(control<QLineEdit>(dialog, "fileName")->text(), QStringLiteral("quorvel.html"));
    EXPECT_EQ(control<QLineEdit>(dialog, "txtColumns")->text(), QStringLiteral("4"));
    EXPECT_EQ(control<QLineEdit>(dialog, "txtRows")->text(), QStringLiteral("4"));
    EXPECT_EQ(control<QLabel>(dialog, "Label1")->buddy(), control<QLineEdit>(dialog, "fileName"));
    EXPECT_EQ(control<QPushButton>(dialog, "Command3")->text(), QStringLiteral("Custom Header && Footer Pages"));

    control<QCheckBox>(dialog, "chkTable")->setChecked(true);
    control<QCheckBox>(dialog, "chkBorder")->setChecked(true);
    control<QLineEdit>(dialog, "imageFolder")->setText(QStringLiteral("images/"));
    control<QPushButton>(dialog, "Command1")->click();
    const AppState &state = m_app->state();
    EXPECT_EQ(state.htmlFileName, QStringLiteral("quorvel.html"));
    EXPECT_EQ(state.imageFolderRef, QStringLiteral("images/"));
    EXPECT_EQ(state.table, 1);
    EXPECT_EQ(state.columns, 4);
    EXPECT_EQ(state.tableBorder, 1);
    EXPECT_TRUE(control<QCheckBox>(window, "chkCode")->isChecked());
    QTRY_VERIFY(m_app->pageOptionsIfOpen() == nullptr);

    // Opened again it shows its design values; without "Use Table" the table stays
    // on, and without "Use Border" the border goes to 0.
    dialog = openPageOptions(window);
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(control<QCheckBox>(dialog, "chkTable")->isChecked());
    EXPECT_TRUE(control<QLineEdit>(dialog, "imageFolder")->text().isEmpty());
    control<QPushButton>(dialog, "Command1")->click();
    EXPECT_EQ(state.table, 1);
    EXPECT_EQ(state.tableBorder, 0);
}

TEST_F(CreationWindowTest, PageOptionsRefuseAMissingNameAndColumnsThatAreNoWholeNumber)
{
    frmForm *window = start();
    m_app->state().columns = 3;
    for (const QString &name : { QStringLiteral(".html"), QString() }) {
        usePageOptions(window, name, QString(), true, QStringLiteral("5"));
        EXPECT_EQ(m_prompts->lastMessage(), QStringLiteral("No name selected for HTML file!"));
        EXPECT_NE(m_app->pageOptionsIfOpen(), nullptr); // stays open
    }
    for (const QString &columns : { QStringLiteral("abc"), QStringLiteral("2.5"), QStringLiteral("40000") }) {
        m_prompts->records.clear();
        usePageOptions(window, QStringLiteral("a.html"), QString(), true, columns);
        EXPECT_TRUE(m_prompts->lastMessage().contains(QStringLiteral("# Columns:"))) << columns.toStdString();
    }
    EXPECT_EQ(m_app->state().columns, 3);
    EXPECT_TRUE(m_app->state().htmlFileName.isEmpty());
    EXPECT_FALSE(control<QCheckBox>(window, "chkCode")->isChecked());
    usePageOptions(window, QStringLiteral("a.html"), QString(), true, QStringLiteral(" -2 "));
    EXPECT_EQ(m_app->state().columns, -2);
}

TEST_F(CreationWindowTest, FolderPickersReturnTheirFolderWithOneTrailingSeparator)
{
    start();
    savedirs first(*m_app, m_dest);
    EXPECT_EQ(first.objectName(), QStringLiteral("savedirs"));
    EXPECT_EQ(first.windowTitle(), QStringLiteral("Save to....."));
    control<QPushButton>(&first, "Command1")->click();
    EXPECT_EQ(first.chosenFolder(), m_dest + QStringLiteral("/"));
    EXPECT_EQ(m_app->state().savedir, m_dest + QStringLiteral("/"));
    EXPECT_EQ(first.result(), QDialog::Accepted);

    form21 second(*m_app, QDir::rootPath());
    EXPECT_EQ(second.objectName(), QStringLiteral("form21"));
    second.save();
    EXPECT_EQ(second.chosenFolder(), QStringLiteral("/"));
}

TEST_F(CreationWindowTest, CreateThumbsMakesTheGalleryAndThePageViewOpensIt)
{
    QUORVEL_REQUIRE_TESTDATA();
    addPicture(QStringLiteral("cameras/nikon-e950.jpg"), QStringLiteral("a.jpg"));
    addPicture(QStringLiteral("cameras/htc-desire.jpg"), QStringLiteral("b.jpg"));
    addPicture(QStringLiteral("formats/static.gif"), QStringLiteral("c.gif"));
    frmForm *window = startOn({ QStringLiteral("a.jpg"), QStringLiteral("c.gif") });
    QList<QUrl> opened;
    m_app->setShellLauncher([&](const QUrl &url) {
        opened += url;
        return true;
    });
    usePageOptions(window, QStringLiteral("index.html"), QStringLiteral("thumbs"), true, QStringLiteral("2"));
    control<QCheckBox>(window, "chkRename")->setChecked(true);
    control<QPushButton>(window, "Command4")->click();

    EXPECT_EQ(m_prompts->lastMessage(), QStringLiteral("Thumbnail Creation Completed!"));
    EXPECT_TRUE(QFile::exists(QDir(m_dest).filePath(QStringLiteral("t_a.jpg"))));
    EXPECT_TRUE(QFile::exists(QDir(m_dest).filePath(QStringLiteral("t_c.gif"))));
    EXPECT_FALSE(QFile::exists(QDir(m_dest).filePath(QStringLiteral("t_b.jpg"))));
    EXPECT_EQ(test::readFile(QDir(m_source).filePath(QStringLiteral("index.html"))),
        QByteArray("\r\n<TABLE border = 0>\r\n<TR>\r\n"
                   "<TD>\r\n<a href = a.jpg><img src = thumbs/t_a.jpg border = 0></a>\r\n</TD>\r\n"
                   "<TD>\r\n<a href = c.gif><img src = thumbs/t_c.gif border = 0></a>\r\n</TD>\r\n</TR><TR>\r\n"
                   "</TD></TR></TABLE>\r\n\r\n"));
    EXPECT_EQ(m_app->state().pageFolder, m_source + QStringLiteral("/"));

    pageView *view = m_app->pageViewIfOpen();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->windowTitle(), QStringLiteral("Page View"));
    auto *link = control<QLabel>(view, "Label1");
    EXPECT_EQ(link->text(), QStringLiteral("Click  HERE to view your Page"));
    QTest::mouseClick(link, Qt::LeftButton);
    link->setFocus();
    QTest::keyClick(link, Qt::Key_Return);
    // A screen reader presses the link as a link.
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(link);
    EXPECT_EQ(accessible->role(), QAccessible::Link);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Click  HERE to view your Page"));
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_EQ(opened.size(), 3);
    EXPECT_EQ(opened[2], opened[0]);
    EXPECT_EQ(opened[0], QUrl::fromLocalFile(QDir(m_source).filePath(QStringLiteral("index.html"))));
    control<QPushButton>(view, "Command1")->click();
    QTRY_VERIFY(m_app->pageViewIfOpen() == nullptr);
}

TEST_F(CreationWindowTest, SameFolderWithoutRenamingShowsTheMessageAndWritesNothing)
{
    QUORVEL_REQUIRE_TESTDATA();
    addPicture(QStringLiteral("cameras/nikon-e950.jpg"), QStringLiteral("a.jpg"));
    const QByteArray picture = test::readFile(QDir(m_source).filePath(QStringLiteral("a.jpg")));
    frmForm *window = startOn({ QStringLiteral("a.jpg") });
    ASSERT_TRUE(control<FolderList>(window, "Dir2")->setPath(m_source));
    control<QCheckBox>(window, "chkCode")->setChecked(true);
    control<QPushButton>(window, "Command4")->click();
    EXPECT_EQ(m_prompts->lastMessage(),
        QStringLiteral("You can NOT create thumbs in the same folder as your original pictures without \n\r"
                       "renaming the thumbnail(s). Doing so would overwrite the original picture!"));
    EXPECT_EQ(m_prompts->records.size(), 1);
    EXPECT_EQ(test::readFile(QDir(m_source).filePath(QStringLiteral("a.jpg"))), picture);
    EXPECT_EQ(m_app->pageViewIfOpen(), nullptr);
}

TEST_F(CreationWindowTest, DroppedFilesBecomeThumbnailsInDropOrderAndOtherDropsMakeAnEmptyPage)
{
    QUORVEL_REQUIRE_TESTDATA();
    const QString elsewhere = m_root.filePath(QStringLiteral("elsewhere"));
    ASSERT_TRUE(QDir().mkpath(elsewhere));
    ASSERT_TRUE(QFile::copy(test::testPicture(QStringLiteral("cameras/nikon-e950.jpg")),
        QDir(elsewhere).filePath(QStringLiteral("z.jpg"))));
    ASSERT_TRUE(QFile::copy(test::testPicture(QStringLiteral("cameras/htc-desire.jpg")),
        QDir(elsewhere).filePath(QStringLiteral("a.jpg"))));
    frmForm *window = startOn({});
    m_app->state().htmlFileName = QStringLiteral("dropped.html");
    control<QCheckBox>(window, "chkCode")->setChecked(true);

    auto *files = new QMimeData;
    files->setUrls({ QUrl::fromLocalFile(QDir(elsewhere).filePath(QStringLiteral("z.jpg"))),
        QUrl::fromLocalFile(QDir(elsewhere).filePath(QStringLiteral("a.jpg"))),
        QUrl(QStringLiteral("https://example.org/x.jpg")) });
    dropOn(window, files);
    QTRY_COMPARE(m_prompts->lastMessage(), QStringLiteral("Thumbnail Creation Completed!"));
    EXPECT_TRUE(QFile::exists(QDir(m_dest).filePath(QStringLiteral("z.jpg"))));
    EXPECT_TRUE(QFile::exists(QDir(m_dest).filePath(QStringLiteral("a.jpg"))));
    // The page lies in the source folder and names the files in drop order.
    EXPECT_EQ(test::readFile(QDir(m_source).filePath(QStringLiteral("dropped.html"))),
        QByteArray("\r\n<a href = z.jpg><img src = z.jpg border = 0></a>\r\n"
                   "<a href = a.jpg><img src = a.jpg border = 0></a>\r\n"));
    delete files;

    m_prompts->records.clear();
    auto *text = new QMimeData;
    text->setText(QStringLiteral("just text"));
    dropOn(window, text);
    QTRY_COMPARE(m_prompts->lastMessage(), QStringLiteral("Thumbnail Creation Completed!"));
    EXPECT_EQ(test::readFile(QDir(m_source).filePath(QStringLiteral("dropped.html"))), QByteArray("\r\n"));
    delete text;
}

TEST_F(CreationWindowTest, ProgressDialogCancelsAndTheClosingMessageSaysWhatWasWritten)
{
    QUORVEL_REQUIRE_TESTDATA();
    QStringList names;
    for (int i = 0; i < 6; ++i) {
        names += QStringLiteral("p%1.jpg").arg(i);
        addPicture(QStringLiteral("cameras/kodak-dx4330.jpg"), names.last());
    }
    start();
    CreationRequest request;
    request.sourceFolder = m_source;
    request.destFolder = m_dest;
    for (const QString &name : names)
        request.pictures += QDir(m_source).filePath(name);
    // The dialog shows at once here; Cancel is pressed as soon as it is up.
    QTimer::singleShot(0, [] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *dialog = qobject_cast<QProgressDialog *>(widget); dialog && dialog->isVisible())
                dialog->cancel();
        }
    });
    const CreationOutcome outcome = runCreationWithProgress(m_app->mainWindow(), m_app->state(), request, 0);
    EXPECT_EQ(outcome.result, CreationOutcome::Result::Cancelled);
    EXPECT_EQ(outcome.processed, 0);
    reportCreation(nullptr, *m_prompts, outcome);
    EXPECT_EQ(
        m_prompts->lastMessage(), QStringLiteral("Thumbnail creation was cancelled: 0 of 6 thumbnails were made."));

    // Pictures that could not be read are listed before the completion message.
    CreationOutcome unread;
    unread.processed = 2;
    unread.written = 1;
    unread.failures = { { QStringLiteral("/p/x.jpg"), QStringLiteral("\"/p/x.jpg\": Not a picture."), true } };
    m_prompts->records.clear();
    reportCreation(nullptr, *m_prompts, unread);
    ASSERT_EQ(m_prompts->records.size(), 2);
    EXPECT_EQ(m_prompts->records[0].text,
        QStringLiteral("1 of 2 pictures gave no thumbnail:\r\n\"/p/x.jpg\": Not a picture."));
    EXPECT_EQ(m_prompts->records[1].text, QStringLiteral("Thumbnail Creation Completed!"));

    // A thumbnail or a page that could not be written is never reported as completed.
    CreationOutcome failed = unread;
    failed.failures +=
        { QStringLiteral("/p/y.jpg"), QStringLiteral("Could not write \"/t/y.jpg\": Disk full."), false };
    failed.processed = 3;
    m_prompts->records.clear();
    reportCreation(nullptr, *m_prompts, failed);
    ASSERT_EQ(m_prompts->records.size(), 2);
    EXPECT_EQ(m_prompts->records[1].text,
        QStringLiteral(
            "Thumbnail creation finished, but not everything could be written: 1 of 3 thumbnails were written."));
    EXPECT_EQ(m_prompts->records[1].icon, Prompts::Icon::Exclamation);
    failed = unread;
    failed.pageError = QStringLiteral("The gallery page \"/p/g.html\" could not be written: Disk full.");
    m_prompts->records.clear();
    reportCreation(nullptr, *m_prompts, failed);
    ASSERT_EQ(m_prompts->records.size(), 3);
    EXPECT_EQ(m_prompts->records[0].text, failed.pageError);
    EXPECT_EQ(m_prompts->records[2].text,
        QStringLiteral("Thumbnail creation finished, but not everything could be written: 1 of 2 thumbnails were "
                       "written. The gallery page was not written."));
}

TEST_F(CreationWindowTest, CommandLineMakesTheSameThumbnailsAndPageAsTheWindow)
{
    QUORVEL_REQUIRE_TESTDATA();
    addPicture(QStringLiteral("cameras/canon-powershot-sx60hs-orientation-6.jpg"), QStringLiteral("rot.jpg"));
    addPicture(QStringLiteral("formats/transparent.gif"), QStringLiteral("t.gif"));
    addPicture(QStringLiteral("formats/cmyk.jpg"), QStringLiteral("cmyk.jpg"));
    frmForm *window = startOn({ QStringLiteral("cmyk.jpg"), QStringLiteral("rot.jpg"), QStringLiteral("t.gif") });
    usePageOptions(window, QStringLiteral("gui.html"), QStringLiteral("thumbs/"), true, QStringLiteral("2"));
    control<QLineEdit>(window, "Text2")->setText(QStringLiteral("120"));
    control<QCheckBox>(window, "chkBorder")->setChecked(true);
    control<QCheckBox>(window, "chkRename")->setChecked(true);
    control<QLineEdit>(window, "Text1")->setText(QStringLiteral("th_"));
    m_app->imagingOptions().change([](ImagingProperties &properties) {
        properties.setQuality(60);
    });
    control<QPushButton>(window, "Command4")->click();
    ASSERT_EQ(m_prompts->lastMessage(), QStringLiteral("Thumbnail Creation Completed!"));

    const QString cliDest = m_root.filePath(QStringLiteral("cli"));
    ASSERT_TRUE(QDir().mkpath(cliDest));
    QProcess batch;
    batch.start(QStringLiteral(QUORVEL_BATCH_EXE),
        { QStringLiteral("--size"),
            QStringLiteral("120"),
            QStringLiteral("--no-border"),
            QStringLiteral("--prefix"),
            QStringLiteral("th_"),
            QStringLiteral("--page"),
            QStringLiteral("cli.html"),
            QStringLiteral("--image-folder"),
            QStringLiteral("thumbs/"),
            QStringLiteral("--columns"),
            QStringLiteral("2"),
            QStringLiteral("-q"),
            QStringLiteral("60"),
            QStringLiteral("--quiet"),
            m_source,
            cliDest });
    ASSERT_TRUE(batch.waitForFinished(60000));
    ASSERT_EQ(batch.exitCode(), 0) << batch.readAllStandardError().toStdString();

    EXPECT_EQ(test::readFile(QDir(m_source).filePath(QStringLiteral("gui.html"))),
        test::readFile(QDir(m_source).filePath(QStringLiteral("cli.html"))));
    for (const QString &name :
        { QStringLiteral("th_cmyk.jpg"), QStringLiteral("th_rot.jpg"), QStringLiteral("th_t.gif") }) {
        const QByteArray gui = test::readFile(QDir(m_dest).filePath(name));
        EXPECT_FALSE(gui.isEmpty()) << name.toStdString();
        EXPECT_EQ(gui, test::readFile(QDir(cliDest).filePath(name))) << name.toStdString();
    }
}
