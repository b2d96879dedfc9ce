// SPDX-License-Identifier: GPL-3.0-or-later
#include "../apptest.h"
#include "app/application.h"
#include "app/mainwindow.h"
#include "app/settingsstore.h"
#include "imaging/imagebox.h"
#include "platform/drivelist.h"
#include "platform/filelist.h"
#include "platform/folderlist.h"
#include "platform/helpwindow.h"
#include "platform/prompts.h"
#include "platform/updownbuttons.h"
#include "testsupport.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace quorvel;

namespace
{

class MainWindowTest : public test::AppTest
{
protected:
    using test::AppTest::control;

    /// A control of the main window.
    template <typename T>
    T *control(const char *name, const std::source_location &where = std::source_location::current())
    {
        return control<T>(m_app->mainWindow(), name, where);
    }

    void showSourceFolder(const QString &folder)
    {
        ASSERT_TRUE(control<FolderList>("Dir1")->setPath(folder));
    }

    void clickFile(const QString &name)
    {
        auto *files = control<FileList>("File1");
        const auto items = files->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        files->setCurrentItem(items.first());
    }
};

} // namespace

TEST_F(MainWindowTest, StartsWithItsCaptionsAndTheStoredDefaultFolder)
{
    QTemporaryDir thumbs;
    frmForm *window = start(thumbs.path().toLocal8Bit() + "\r\n 1 \r\n45\r\n45\r\n 1 \r\n");
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quorvel"));
    EXPECT_EQ(control<FolderList>("Dir2")->path(), QFileInfo(thumbs.path()).canonicalFilePath());
    EXPECT_EQ(m_app->state().tableBorder, 1);
    EXPECT_TRUE(control<QRadioButton>("SSOption1")->isChecked());
    EXPECT_EQ(control<QLineEdit>("Text2")->text(), QStringLiteral("90"));
    EXPECT_EQ(control<QLineEdit>("Text1")->text(), QStringLiteral("t_"));
    EXPECT_EQ(control<QCheckBox>("chkRename")->text(), QStringLiteral("Rename: "));
    EXPECT_EQ(control<QCheckBox>("chkBorder")->text(), QStringLiteral("No border"));
    EXPECT_EQ(control<QPushButton>("Command2")->text(), QStringLiteral("Make Dir."));
    EXPECT_EQ(control<FileList>("File1")->pattern(), QStringLiteral("*.jpg;*.gif"));
    // Boxes are named by their labels for screen readers.
    EXPECT_EQ(control<QLabel>("Label1")->buddy(), control<QLineEdit>("Text2"));
    EXPECT_EQ(control<QLabel>("Label2")->buddy(), control<QLineEdit>("Text1"));
    EXPECT_FALSE(control<QLineEdit>("Text3")->accessibleName().isEmpty());
}

TEST_F(MainWindowTest, ListingAFolderOpensNoFileInItAndNeverWaitsOnAPipe)
{
    // As root, /proc as the stored default folder kept the start waiting on /proc/kmsg,
    // a file without end that the folder views opened to guess its kind from its first
    // bytes. Here: pipes, which block whoever opens them, and a file of no known kind.
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("sub")));
    const QStringList pipes = { folder.filePath(QStringLiteral("pipe")), folder.filePath(QStringLiteral("pipe.jpg")) };
    for (const QString &pipe : pipes)
        ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QFile notes(folder.filePath(QStringLiteral("notes")));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("no picture");
    notes.close();
    const int events = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(events, 0);
    ASSERT_GE(::inotify_add_watch(events, QFile::encodeName(folder.path()).constData(), IN_OPEN), 0);

    // Should anything wait on a pipe, a writer lets it go after a while and the test fails.
    std::atomic<bool> listed = false;
    std::atomic<bool> waited = false;
    std::thread watchdog([&] {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!listed) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            if (std::chrono::steady_clock::now() < deadline)
                continue;
            for (const QString &pipe : pipes) {
                const int writer = ::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                if (writer >= 0) {
                    waited = true;
                    ::close(writer);
                }
            }
        }
    });
    // Files opened in the folder so far (folders aside).
    QStringList opened;
    const auto readEvents = [&] {
        alignas(inotify_event) char buffer[4096];
        for (ssize_t size; (size = ::read(events, buffer, sizeof buffer)) > 0;) {
            for (char *at = buffer; at < buffer + size;) {
                const auto *event = reinterpret_cast<const inotify_event *>(at);
                if (!(event->mask & IN_ISDIR) && event->len > 0)
                    opened += QString::fromLocal8Bit(event->name);
                at += sizeof(inotify_event) + event->len;
            }
        }
        return !opened.isEmpty();
    };

    start(QFile::encodeName(folder.path()) + "\r\n 1 \r\n45\r\n45\r\n 1 \r\n");
    showSourceFolder(folder.path()); // the source side lists it too, its files included
    for (const char *name : { "Dir1", "Dir2" }) {
        auto *view = control<FolderList>(name);
        QTRY_VERIFY_WITH_TIMEOUT(readEvents() || view->model()->index(0, 0, view->currentIndex()).isValid(), 10000);
    }
    QTest::qWait(300); // what the views do once the folder is read
    listed = true;
    watchdog.join();
    readEvents();
    ::close(events);
    EXPECT_FALSE(waited);
    EXPECT_TRUE(opened.isEmpty()) << opened.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(control<FolderList>("Dir2")->path(), QFileInfo(folder.path()).canonicalFilePath());
    EXPECT_TRUE(control<FileList>("File1")->fileNames().isEmpty()); // a pipe is no picture
}

TEST_F(MainWindowTest, StartUpCopiesTheLogoPicturesOverEarlierCopiesAndSkipsMissingOnes)
{
    {
        QFile logo(m_programDir.filePath(QStringLiteral("vellodeflogo.jpg")));
        ASSERT_TRUE(logo.open(QIODevice::WriteOnly));
        logo.write("new logo");
        QFile stale(m_userData.filePath(QStringLiteral("vellodeflogo.jpg")));
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
        stale.write("an older copy");
    }
    start();
    QFile copy(m_userData.filePath(QStringLiteral("vellodeflogo.jpg")));
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), QByteArray("new logo"));
    EXPECT_FALSE(QFile::exists(m_userData.filePath(QStringLiteral("line.jpg")))); // no source: skipped
    EXPECT_TRUE(m_prompts->records.isEmpty());
}

TEST_F(MainWindowTest, MissingSettingsAndMissingDefaultFolderAreIgnored)
{
    frmForm *window = start("/no/such/folder\r\n 0 \r\n45\r\n45\r\n 0 \r\n");
    EXPECT_EQ(m_app->state().defPathToThumb, QStringLiteral("/no/such/folder"));
    EXPECT_FALSE(control<FolderList>("Dir2")->path().isEmpty()); // kept its initial folder
    EXPECT_TRUE(control<QRadioButton>("SSOption2")->isChecked());
    EXPECT_TRUE(m_prompts->records.isEmpty());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowTest, ThumbSizeAndNoBorderSequencesReachBothControlsInTurn)
{
    start();
    auto *size = control<QLineEdit>("Text2");
    auto *noBorder = control<QCheckBox>("chkBorder");
    ImageBox *preview = control<ImageBox>("Gvbox1");
    ImageBox *worker = control<ImageBox>("Gvbox2");

    size->setText(QStringLiteral("120"));
    EXPECT_EQ(preview->thumbSize(), 120);
    EXPECT_EQ(worker->thumbSize(), 120);

    // Ticking "No border" after typing a size leaves both at 0, keeping 120 as the size.
    noBorder->click();
    EXPECT_EQ(preview->thumbSize(), 0);
    EXPECT_EQ(worker->thumbSize(), 0);
    EXPECT_EQ(worker->lastPositiveSize(), 120);
    EXPECT_FALSE(worker->settings().frame);

    // Typing while "No border" is ticked keeps 0 but takes the new size.
    size->setText(QStringLiteral("64"));
    EXPECT_EQ(worker->thumbSize(), 0);
    EXPECT_EQ(worker->settings().boxSize, 64);

    // Clearing it restores the typed size.
    noBorder->click();
    EXPECT_EQ(preview->thumbSize(), 64);
    EXPECT_EQ(worker->thumbSize(), 64);
    EXPECT_TRUE(worker->settings().frame);
}

TEST_F(MainWindowTest, UpDownStepsThePlainNumberWithoutBounds)
{
    start();
    auto *size = control<QLineEdit>("Text2");
    auto *updown = control<UpDownButtons>("UpDown1");
    ImageBox *worker = control<ImageBox>("Gvbox2");

    updown->upButton()->click();
    EXPECT_EQ(size->text(), QStringLiteral("91"));
    EXPECT_EQ(worker->thumbSize(), 91);

    size->setText(QStringLiteral("0"));
    EXPECT_EQ(worker->thumbSize(), 0);
    updown->downButton()->click();
    EXPECT_EQ(size->text(), QStringLiteral("-1")); // not clamped
    // A negative size is refused: the imaging options and both controls keep the size they had.
    EXPECT_EQ(worker->thumbSize(), 0);
    EXPECT_EQ(control<ImageBox>("Gvbox1")->thumbSize(), 0);
    EXPECT_FALSE(m_app->imagingOptions().lastError().isEmpty());

    size->setText(QStringLiteral("abc"));
    updown->upButton()->click();
    EXPECT_EQ(size->text(), QStringLiteral("1")); // a non-number counts as 0
}

TEST_F(MainWindowTest, PreviewShowsTheClickedPictureUprightAsItsThumbnail)
{
    QUORVEL_REQUIRE_TESTDATA();
    start();
    showSourceFolder(test::testPicture(QStringLiteral("orientation")));
    clickFile(QStringLiteral("portrait_6.jpg"));
    ImageBox *preview = control<ImageBox>("Gvbox1");
    ImageBox *worker = control<ImageBox>("Gvbox2");
    EXPECT_EQ(preview->pictureFile(), test::testPicture(QStringLiteral("orientation/portrait_6.jpg")));
    EXPECT_EQ(worker->pictureFile(), preview->pictureFile());
    const QImage shown = preview->previewImage();
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown.size(), QSize(60, 90)); // upright: portrait
    // Framed: the corner is dark. Without border: the picture's own pixel.
    EXPECT_LT(qGray(shown.pixel(0, 0)), 40);
    control<QCheckBox>("chkBorder")->click();
    const QImage unframed = preview->previewImage();
    EXPECT_EQ(unframed.size(), QSize(60, 90));
    EXPECT_GT(qGray(unframed.pixel(0, 0)), 40);
}

TEST_F(MainWindowTest, UnreadablePicturesArePassedOverWithoutAMessage)
{
    QUORVEL_REQUIRE_TESTDATA();
    start();
    showSourceFolder(test::testPicture(QStringLiteral("broken")));
    clickFile(QStringLiteral("text.jpg"));
    EXPECT_TRUE(control<ImageBox>("Gvbox1")->previewImage().isNull());
    EXPECT_FALSE(control<ImageBox>("Gvbox2")->hasPicture());
    EXPECT_TRUE(m_prompts->records.isEmpty());
}

TEST_F(MainWindowTest, SourcePathAtTheRootGetsTheNameDirectly)
{
    frmForm *window = start();
    showSourceFolder(QStringLiteral("/"));
    EXPECT_EQ(window->sourcePathOf(QStringLiteral("a.jpg")), QStringLiteral("/a.jpg"));
    showSourceFolder(m_programDir.path());
    EXPECT_EQ(window->sourcePathOf(QStringLiteral("a.jpg")),
        QFileInfo(m_programDir.path()).canonicalFilePath() + QStringLiteral("/a.jpg"));
}

TEST_F(MainWindowTest, MakeDirCreatesOnceThenSaysTheFolderExists)
{
    frmForm *window = start();
    ASSERT_TRUE(control<FolderList>("Dir2")->setPath(m_programDir.path()));
    control<QLineEdit>("Text3")->setText(QStringLiteral("images"));
    control<QPushButton>("Command2")->click();
    EXPECT_TRUE(QDir(m_programDir.filePath(QStringLiteral("images"))).exists());
    EXPECT_TRUE(m_prompts->records.isEmpty());
    control<QPushButton>("Command2")->click();
    ASSERT_EQ(m_prompts->records.size(), 1);
    EXPECT_TRUE(m_prompts->lastMessage().contains(QStringLiteral("already exists")));
    EXPECT_EQ(m_prompts->records.last().icon, Prompts::Icon::Exclamation);
    // The folder list stays usable and where it was.
    EXPECT_EQ(control<FolderList>("Dir2")->path(), QFileInfo(m_programDir.path()).canonicalFilePath());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowTest, ToolbarCreateOnlyShowsItsMessage)
{
    frmForm *window = start();
    window->findChild<QAction *>(QStringLiteral("Create"))->trigger();
    ASSERT_EQ(m_prompts->records.size(), 1);
    EXPECT_EQ(m_prompts->lastMessage(), QStringLiteral("Drag your selected file(s) to the Selected Thumbnail Folder!"));
    EXPECT_EQ(m_prompts->records.last().caption, QStringLiteral("Quorvel"));
}

TEST_F(MainWindowTest, ResizeScalesControlsAndMinimizeLeavesThemAlone)
{
    frmForm *window = start();
    QWidget *client = window->centralWidget();
    auto *frame = control<QWidget>("Frame3");
    const QRect before = frame->geometry();
    const QSize base = client->size();

    window->resize(window->width() + base.width(), window->height() + base.height());
    QTRY_COMPARE(client->size(), base * 2);
    EXPECT_NEAR(frame->x(), before.x() * 2, 1);
    EXPECT_NEAR(frame->width(), before.width() * 2, 1);
    EXPECT_NEAR(frame->y(), before.y() * 2, 1);
    EXPECT_NEAR(frame->height(), before.height() * 2, 1);

    // While minimized, resizes change nothing; the restore scales from the size
    // recorded before the minimize.
    const QRect doubled = frame->geometry();
    window->setWindowState(Qt::WindowMinimized);
    window->scaleControls();
    EXPECT_EQ(frame->geometry(), doubled);
    window->setWindowState(Qt::WindowNoState);
    window->resize(window->width() - base.width(), window->height() - base.height());
    QTRY_COMPARE(client->size(), base);
    EXPECT_NEAR(frame->x(), before.x(), 1);
    EXPECT_NEAR(frame->width(), before.width(), 1);
}

TEST_F(MainWindowTest, HelpShowsTheMainWindowPageAndClosesWithTheWindow)
{
    frmForm *window = start();
    window->findChild<QAction *>(QStringLiteral("mnuHelp"))->trigger();
    HelpWindow *help = m_app->helpWindowIfOpen();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->currentTopic(), QStringLiteral("main-window"));
    EXPECT_EQ(window->findChild<QAction *>(QStringLiteral("mnuHelp"))->shortcut(), QKeySequence(Qt::Key_F1));
    window->close();
    QTRY_VERIFY(m_app->helpWindowIfOpen() == nullptr);
}

TEST_F(MainWindowTest, HiddenSwitchesOfTheImageOptionsExist)
{
    frmForm *window = start();
    for (const char *name : { "mnu_trans", "mnu_opt", "mnu_Fancy", "Mnu_TwoPass" }) {
        auto *entry = window->findChild<QAction *>(QLatin1String(name));
        ASSERT_NE(entry, nullptr) << name;
        EXPECT_FALSE(entry->isVisible());
        EXPECT_TRUE(entry->isCheckable());
        EXPECT_FALSE(entry->isChecked());
    }
}

TEST_F(MainWindowTest, ChoosingADriveMovesItsFolderListAndTheSourceFolderFillsTheFileList)
{
    QUORVEL_REQUIRE_TESTDATA();
    start();
    auto *drive = control<DriveList>("Drive1");
    showSourceFolder(test::testPicture(QStringLiteral("formats")));
    EXPECT_EQ(control<FileList>("File1")->fileNames(),
        QStringList({ QStringLiteral("animated.gif"),
            QStringLiteral("cmyk-real-multiple-icc-segments.jpg"),
            QStringLiteral("cmyk.jpg"),
            QStringLiteral("grayscale.jpg"),
            QStringLiteral("interlaced.gif"),
            QStringLiteral("progressive-real.jpg"),
            QStringLiteral("progressive.jpg"),
            QStringLiteral("static.gif"),
            QStringLiteral("transparent.gif") }));
    Q_EMIT drive->activated(drive->currentIndex());
    EXPECT_EQ(control<FolderList>("Dir1")->path(), drive->rootPath());
    EXPECT_EQ(control<FileList>("File1")->path(), drive->rootPath());
}

TEST_F(MainWindowTest, ExitStopsWhileAnotherWindowKeepsUnsavedWork)
{
    // A window that refuses to close, as an editor does when the user cancels its
    // save-changes question.
    class KeepsWork : public QWidget
    {
    public:
        bool refuse = true;

    protected:
        void closeEvent(QCloseEvent *event) override
        {
            event->setAccepted(!refuse);
        }
    };
    frmForm *window = start();
    KeepsWork editor;
    editor.show();
    window->exitProgram();
    EXPECT_TRUE(editor.isVisible());
    EXPECT_TRUE(window->isVisible());

    editor.refuse = false;
    window->exitProgram();
    EXPECT_FALSE(editor.isVisible());
    QTRY_VERIFY(m_app->mainWindowIfOpen() == nullptr);
}
