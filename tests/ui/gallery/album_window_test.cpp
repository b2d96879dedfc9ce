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

using AlbumWindowTest = test::AppTest;

} // namespace

TEST_F(AlbumWindowTest, WebAlbumChosenInFolderOptionsIsMadeByCreateThumbsAndOpened)
{
    QUORVEL_REQUIRE_TESTDATA();
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString source = QFileInfo(root.path()).canonicalFilePath() + QStringLiteral("/pictures");
    const QString album = QFileInfo(root.path()).canonicalFilePath() + QStringLiteral("/album");
    ASSERT_TRUE(QDir().mkpath(source));
    ASSERT_TRUE(QDir().mkpath(album));
    for (const char *name : { "nikon-e950.jpg", "htc-desire.jpg" })
        ASSERT_TRUE(QFile::copy(test::testPicture(QStringLiteral("cameras/") + QLatin1String(name)),
            QDir(source).filePath(QLatin1String(name))));

    frmForm *window = start();
    QList<QUrl> opened;
    m_app->setShellLauncher([&](const QUrl &url) {
        opened += url;
        return true;
    });
    ASSERT_TRUE(control<FolderList>(window, "Dir1")->setPath(source));
    ASSERT_TRUE(control<FolderList>(window, "Dir2")->setPath(album));
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
    const QString index = QDir(album).filePath(QStringLiteral("index.html"));
    EXPECT_TRUE(test::readFile(index).contains("<title>Holiday</title>"))
        << test::readFile(index).left(300).constData();
    EXPECT_EQ(QDir(album + QStringLiteral("/web")).entryList(QDir::Files).size(), 2);
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
