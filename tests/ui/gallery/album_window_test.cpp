// SPDX-License-Identifier: GPL-3.0-or-later
// The web album through the windows: Folder Options, Create Thumbs, the page view,
// and the album options remembered in their own file.
#include "../apptest.h"
#include "app/pageoptionsdialog.h"
#include "platform/filelist.h"
#include "platform/folderlist.h"
#include "testsupport.h"
#include "viewers/pageview.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QUrl>

using namespace quorvel;

namespace
{

void toggle(QWidget *control)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
    ASSERT_TRUE(accessible && accessible->actionInterface());
    accessible->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
}

// The pictures' folder and an empty album folder beside it.
class AlbumWindowTest : public test::AppTest
{
protected:
    void SetUp() override
    {
        test::AppTest::SetUp();
        ASSERT_TRUE(m_root.isValid());
        const QString root = QFileInfo(m_root.path()).canonicalFilePath();
        m_source = root + QStringLiteral("/pictures");
        m_album = root + QStringLiteral("/album");
        ASSERT_TRUE(QDir().mkpath(m_source));
        ASSERT_TRUE(QDir().mkpath(m_album));
    }

    /// Starts the program on the pictures' folder, with the album's folder on the right.
    frmForm *startOnFolders()
    {
        frmForm *window = start();
        EXPECT_TRUE(control<FolderList>(window, "Dir1")->setPath(m_source));
        EXPECT_TRUE(control<FolderList>(window, "Dir2")->setPath(m_album));
        return window;
    }

    QTemporaryDir m_root;
    QString m_source;
    QString m_album;
};

} // namespace

TEST_F(AlbumWindowTest, WebAlbumChosenInFolderOptionsIsMadeByCreateThumbsAndOpened)
{
    QUORVEL_REQUIRE_TESTDATA();
    for (const char *name : { "nikon-e950.jpg", "htc-desire.jpg" })
        ASSERT_TRUE(QFile::copy(test::testPicture(QStringLiteral("cameras/") + QLatin1String(name)),
            QDir(m_source).filePath(QLatin1String(name))));

    frmForm *window = startOnFolders();
    QList<QUrl> opened;
    m_app->setShellLauncher([&](const QUrl &url) {
        opened += url;
        return true;
    });
    auto *files = control<FileList>(window, "File1");
    files->refresh();
    files->selectAll();

    control<QPushButton>(window, "Command3")->click();
    saveto *dialog = m_app->pageOptionsIfOpen();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(control<QRadioButton>(dialog, "optClassic")->isChecked());
    EXPECT_FALSE(control<QGroupBox>(dialog, "fraAlbum")->isEnabled());
    toggle(control<QRadioButton>(dialog, "optAlbum"));
    EXPECT_TRUE(control<QRadioButton>(dialog, "optAlbum")->isChecked());
    EXPECT_TRUE(control<QGroupBox>(dialog, "fraAlbum")->isEnabled());
    auto *title = control<QLineEdit>(dialog, "txtAlbumTitle");
    title->setText(QStringLiteral("Holiday"));
    control<QSpinBox>(dialog, "spnWebSize")->setValue(640);
    toggle(control<QCheckBox>(dialog, "chkCaptions"));
    control<QPushButton>(dialog, "cmdSaveAlbum")->click();
    control<QPushButton>(dialog, "Command1")->click();
    EXPECT_TRUE(m_app->pageStyle().webAlbum);

    control<QPushButton>(window, "Command4")->click();
    EXPECT_TRUE(m_prompts->lastMessage().contains(QStringLiteral("Pictures in it: 2;")))
        << qPrintable(m_prompts->lastMessage());
    const QString index = QDir(m_album).filePath(QStringLiteral("index.html"));
    EXPECT_TRUE(test::readFile(index).contains("<title>Holiday</title>"))
        << test::readFile(index).left(300).constData();
    EXPECT_EQ(QDir(m_album + QStringLiteral("/web")).entryList(QDir::Files).size(), 2);
    pageView *view = m_app->pageViewIfOpen();
    ASSERT_NE(view, nullptr);
    QTest::mouseClick(control<QLabel>(view, "Label1"), Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0], QUrl::fromLocalFile(index));

    // The album options are read again at the next start; the page style is not kept.
    m_app.reset();
    start();
    EXPECT_EQ(m_app->pageStyle().album.title, QStringLiteral("Holiday"));
    EXPECT_EQ(m_app->pageStyle().album.webSize, 640);
    EXPECT_FALSE(m_app->pageStyle().album.captions);
    EXPECT_FALSE(m_app->pageStyle().webAlbum);
    EXPECT_EQ(test::readFile(settingsPath()), QByteArray());
}

// With "Web album" chosen the file list shows every picture of a mixed folder by its
// content, the album takes each of them upright and names every damaged one in the
// run's messages; with "Classic page" the list is *.jpg and *.gif again.
TEST_F(AlbumWindowTest, AMixedFolderIsListedAndMadeIntoAnAlbumWithTheDamagedPicturesNamed)
{
    QUORVEL_REQUIRE_TESTDATA();
    ASSERT_TRUE(test::writeMixedPictureFolder(m_source));

    frmForm *window = startOnFolders();
    auto *files = control<FileList>(window, "File1");
    files->refresh();
    const auto listed = [&] {
        QStringList names = files->fileNames();
        names.sort();
        return names;
    };
    const auto chooseStyle = [&](const char *option) {
        control<QPushButton>(window, "Command3")->click();
        saveto *dialog = m_app->pageOptionsIfOpen();
        ASSERT_NE(dialog, nullptr);
        toggle(control<QRadioButton>(dialog, option));
        control<QPushButton>(dialog, "Command1")->click();
    };
    const QStringList classic = { QStringLiteral("Anim.GIF"),
        QStringLiteral("broken.gif"),
        QStringLiteral("broken.jpg"),
        QStringLiteral("screenshot.jpg") };
    EXPECT_EQ(listed(), classic);

    chooseStyle("optAlbum");
    QStringList pictures = test::mixedFolderPictures() + test::mixedFolderBrokenPictures();
    pictures.sort();
    EXPECT_EQ(listed(), pictures);
    files->selectAll();
    control<QPushButton>(window, "Command4")->click();
    EXPECT_TRUE(m_prompts->lastMessage().contains(QStringLiteral("Pictures in it: 9;")))
        << qPrintable(m_prompts->lastMessage());
    QString problems;
    for (const ScriptedPrompts::Record &record : m_prompts->records) {
        if (record.text.startsWith(QStringLiteral("Pictures that could not be put in the album:")))
            problems = record.text;
    }
    for (const QString &name : test::mixedFolderBrokenPictures())
        EXPECT_TRUE(problems.contains(QDir(m_source).filePath(name))) << qPrintable(name) << qPrintable(problems);
    EXPECT_EQ(test::mixedAlbumFaults(m_album), QStringList());

    chooseStyle("optClassic");
    EXPECT_EQ(listed(), classic);
}
