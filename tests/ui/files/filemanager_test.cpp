// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"
#include "app/defaultsdialog.h"
#include "files/filemanagerwindow.h"
#include "modaldriver.h"
#include "platform/filelist.h"
#include "platform/folderlist.h"
#include "testsupport.h"
#include "ui/apptest.h"

#include <QAction>
#include <QDir>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

using namespace quorvel;

namespace
{

class FileManagerTest : public test::AppTest
{
protected:
    void SetUp() override
    {
        test::AppTest::SetUp();
        ASSERT_TRUE(m_pics.isValid());
    }

    /// Opens the file manager from the main menu and shows the test folder.
    frmFileManage *open()
    {
        start();
        m_app->mainWindow()->findChild<QAction *>(QStringLiteral("mnuCreate3D"))->trigger();
        frmFileManage *window = test::required(m_app->fileManagerIfOpen(), "the file manager");
        control<FolderList>(window, "Dir1")->setPath(m_pics.path());
        return window;
    }
    QString pic(const QString &name) const
    {
        return m_pics.filePath(name);
    }
    void make(const QStringList &names)
    {
        for (const QString &name : names)
            ASSERT_TRUE(test::writeFile(pic(name), name.toUtf8()));
    }

    QTemporaryDir m_pics;
};

} // namespace

TEST_F(FileManagerTest, OpensFromTheMainMenuWithItsCaptions)
{
    start();
    QAction *entry = m_app->mainWindow()->findChild<QAction *>(QStringLiteral("mnuCreate3D"));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->text(), QStringLiteral("&Rename..."));
    // In the File menu after "&Advanced Options", before "HTML Editor".
    const QList<QAction *> entries = m_app->mainWindow()->findChild<QMenu *>(QStringLiteral("mnuFile"))->actions();
    const qsizetype at = entries.indexOf(entry);
    ASSERT_GT(at, 0);
    EXPECT_EQ(entries.at(at - 1)->objectName(), QStringLiteral("mnuAdv"));
    EXPECT_EQ(entries.at(at + 1)->objectName(), QStringLiteral("mnuEditor"));
    m_app->state().imageFolderRef = QStringLiteral("images/");
    entry->trigger();
    frmFileManage *window = m_app->fileManagerIfOpen();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("File Management"));
    EXPECT_EQ(control<QLineEdit>(window, "Text2")->text(), QStringLiteral("*.*"));
    EXPECT_EQ(control<FileList>(window, "File1")->pattern(), QStringLiteral("*.*"));
    EXPECT_EQ(control<QPushButton>(window, "Command1")->toolTip(),
        QStringLiteral("Create a directory within the above textbox"));
    EXPECT_EQ(control<QPushButton>(window, "Command8")->text(), QStringLiteral("&Advanced Renaming"));
    EXPECT_EQ(m_app->state().imageFolderRef, QStringLiteral("images/")) << "opening alone changes nothing";
}

TEST_F(FileManagerTest, OpensWithItsFolderInSightAndInThePathBox)
{
    // The working folder comes late in a long list of folders.
    QDir pics(m_pics.path());
    for (int i = 0; i < 80; ++i)
        ASSERT_TRUE(pics.mkdir(QStringLiteral("a%1").arg(i, 2, 10, QLatin1Char('0'))));
    ASSERT_TRUE(pics.mkpath(QStringLiteral("z/work")));
    const QString working = QDir(pic(QStringLiteral("z/work"))).canonicalPath();
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(working));
    start();
    m_app->mainWindow()->findChild<QAction *>(QStringLiteral("mnuCreate3D"))->trigger();
    QDir::setCurrent(before);
    frmFileManage *window = m_app->fileManagerIfOpen();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    auto *folders = control<FolderList>(window, "Dir1");
    EXPECT_EQ(folders->path(), working);
    EXPECT_EQ(control<QLineEdit>(window, "Text3")->text(), working + QLatin1Char('/'));
    // In sight once the folders before it are read and sorted, which the tree does
    // in the background.
    const auto *model = qobject_cast<const QFileSystemModel *>(folders->model());
    ASSERT_NE(model, nullptr);
    const QString last = QDir(pic(QStringLiteral("z"))).canonicalPath();
    const auto sortedAndInSight = [&] {
        const QRect row = folders->visualRect(folders->currentIndex());
        return model->rowCount(model->index(last).parent()) == 81 && model->index(last).row() == 80 && row.isValid()
            && folders->viewport()->rect().contains(row);
    };
    QTRY_VERIFY(sortedAndInSight());
    EXPECT_EQ(m_app->state().imageFolderRef, QString()) << "opening alone changes nothing";
}

TEST_F(FileManagerTest, FolderChangeFillsThePathBoxAndImageFolderRef)
{
    QDir(m_pics.path()).mkdir(QStringLiteral("sub"));
    frmFileManage *window = open();
    auto *pathBox = control<QLineEdit>(window, "Text3");
    control<FolderList>(window, "Dir1")->setPath(pic(QStringLiteral("sub")));
    EXPECT_EQ(pathBox->text(), QDir(pic(QStringLiteral("sub"))).canonicalPath() + QLatin1Char('/'));
    EXPECT_EQ(m_app->state().imageFolderRef, QDir(pic(QStringLiteral("sub"))).canonicalPath());
    // The root written with a doubled separator becomes the root.
    pathBox->setText(QStringLiteral("//"));
    EXPECT_EQ(pathBox->text(), QStringLiteral("/"));
    pathBox->setText(QStringLiteral("D:\\\\"));
    EXPECT_EQ(pathBox->text(), QStringLiteral("D:\\\\"));
}

TEST_F(FileManagerTest, CreateDirectoryMessagesAndARelativeName)
{
    frmFileManage *window = open();
    auto *pathBox = control<QLineEdit>(window, "Text3");
    auto *create = control<QPushButton>(window, "Command1");
    // Right after choosing a folder the box holds the folder and a separator.
    create->click();
    EXPECT_EQ(m_prompts->lastMessage(), QStringLiteral("You must type in the name of your new directory!!!"));
    EXPECT_EQ(m_prompts->records.last().icon, Prompts::Icon::Exclamation);
    pathBox->clear();
    create->click();
    EXPECT_EQ(m_prompts->lastMessage(), QStringLiteral("You must type a name of the directory!"));
    pathBox->setText(window->folderShown());
    create->click();
    EXPECT_EQ(m_prompts->lastMessage(), QStringLiteral("You must type in the name of your new directory!"));

    // A bare name goes into the folder shown.
    pathBox->setText(QStringLiteral("New"));
    create->click();
    EXPECT_EQ(m_prompts->lastMessage(), QStringLiteral("New directory New created successfully!"));
    EXPECT_TRUE(QFileInfo(pic(QStringLiteral("New"))).isDir());
    // A full path, and the same again: the error with its number.
    pathBox->setText(pic(QStringLiteral("Full")));
    create->click();
    EXPECT_TRUE(QFileInfo(pic(QStringLiteral("Full"))).isDir());
    create->click();
    EXPECT_EQ(m_prompts->lastMessage(),
        QStringLiteral("Error #: 17 occured! Can't create Directory! Perhaps it already exisits or is not a valid "
                       "directory name."));
    EXPECT_EQ(m_prompts->records.last().icon, Prompts::Icon::Critical);
}

TEST_F(FileManagerTest, RemoveDirectoryRemovesOnlyEmptyFolders)
{
    QDir(m_pics.path()).mkdir(QStringLiteral("full"));
    QDir(m_pics.path()).mkdir(QStringLiteral("empty"));
    make({ "full/a.jpg" });
    frmFileManage *window = open();
    auto *pathBox = control<QLineEdit>(window, "Text3");
    auto *remove = control<QPushButton>(window, "Command5");

    pathBox->setText(pic(QStringLiteral("full")));
    remove->click();
    EXPECT_EQ(m_prompts->records.at(m_prompts->records.size() - 2).text,
        QStringLiteral("You are about to DELETE the directory ") + pic(QStringLiteral("full"))
            + QStringLiteral(" and ALL the files within it! This directory and these files can NOT be restored. Are "
                             "you sure you wish to delete?"));
    EXPECT_EQ(m_prompts->lastMessage(),
        QStringLiteral("This directory can not be deleted, perhaps it is not empty or doesnt exist!"));
    EXPECT_TRUE(QFileInfo::exists(pic(QStringLiteral("full/a.jpg"))));

    m_prompts->answers = { Prompts::Answer::No };
    pathBox->setText(QStringLiteral("empty"));
    remove->click();
    EXPECT_TRUE(QFileInfo(pic(QStringLiteral("empty"))).isDir());
    remove->click();
    EXPECT_EQ(m_prompts->lastMessage(), QStringLiteral("Directory empty deleted successfully!"));
    EXPECT_FALSE(QFileInfo::exists(pic(QStringLiteral("empty"))));
}

TEST_F(FileManagerTest, DeleteFileDeletesOnlyTheFirstSelected)
{
    make({ "a.jpg", "b.jpg", "c.jpg" });
    frmFileManage *window = open();
    auto *files = control<FileList>(window, "File1");
    files->selectAll();
    EXPECT_EQ(control<QLineEdit>(window, "Text1")->text(), QStringLiteral("c.jpg"));
    control<QPushButton>(window, "Command4")->click();
    const QString path = QDir(m_pics.path()).canonicalPath() + QStringLiteral("/a.jpg");
    EXPECT_EQ(m_prompts->records.at(m_prompts->records.size() - 2).text,
        QStringLiteral("You are about to DELETE the file ") + path + QStringLiteral(" Are you sure?"));
    EXPECT_EQ(m_prompts->lastMessage(), QStringLiteral("File ") + path + QStringLiteral(" deleted successfully!"));
    EXPECT_EQ(QDir(m_pics.path()).entryList(QDir::Files), QStringList({ "b.jpg", "c.jpg" }));
    EXPECT_EQ(control<QLineEdit>(window, "Text1")->text(), path);

    // "No" deletes nothing.
    files->selectAll();
    m_prompts->answers = { Prompts::Answer::No };
    control<QPushButton>(window, "Command4")->click();
    EXPECT_EQ(QDir(m_pics.path()).entryList(QDir::Files), QStringList({ "b.jpg", "c.jpg" }));
}

TEST_F(FileManagerTest, RenameFileNeverReplacesAndTakesBareNamesInTheFolderShown)
{
    make({ "a.jpg", "b.jpg" });
    frmFileManage *window = open();
    auto *files = control<FileList>(window, "File1");
    files->findItems(QStringLiteral("a.jpg"), Qt::MatchExactly).first()->setSelected(true);
    m_prompts->texts = { QStringLiteral("b.jpg") };
    control<QPushButton>(window, "Command7")->click();
    EXPECT_EQ(m_prompts->lastMessage(),
        QStringLiteral("This file can not be renamed, perhaps it already exists, or is an invalid filename!"));
    EXPECT_EQ(test::readFile(pic(QStringLiteral("b.jpg"))), QByteArray("b.jpg"));

    m_prompts->texts = { QStringLiteral("new.jpg") };
    control<QPushButton>(window, "Command7")->click();
    const QString from = QDir(m_pics.path()).canonicalPath() + QStringLiteral("/a.jpg");
    EXPECT_EQ(m_prompts->records.at(m_prompts->records.size() - 2).text,
        QStringLiteral("You are about to RENAME the file ") + from + QStringLiteral(" to new.jpg  Are you sure?"));
    EXPECT_EQ(
        m_prompts->lastMessage(), QStringLiteral("File ") + from + QStringLiteral(" renamed as new.jpg successfully!"));
    EXPECT_EQ(m_prompts->records.last().icon, Prompts::Icon::Information);
    EXPECT_EQ(test::readFile(pic(QStringLiteral("new.jpg"))), QByteArray("a.jpg"));
    EXPECT_EQ(control<QLineEdit>(window, "Text1")->text(), QStringLiteral("new.jpg"));
}

TEST_F(FileManagerTest, FtpWithoutAProgramAsksThenOpensTheDefaultsModally)
{
    frmFileManage *window = open();
    m_prompts->answers = { Prompts::Answer::No };
    control<QPushButton>(window, "Command3")->click();
    EXPECT_EQ(m_prompts->lastMessage(),
        QStringLiteral(
            "You have not defined your FTP program within the Default menu! Would you like to do this now?"));
    EXPECT_EQ(m_app->defaultsDialogIfOpen(), nullptr);

    const QStringList met = test::runWithModals(
        [&] {
            control<QPushButton>(window, "Command3")->click();
        },
        { [](QWidget *dialog) {
            dialog->close();
        } });
    EXPECT_EQ(met, QStringList({ "Form5" }));
}

TEST_F(FileManagerTest, FtpStartsTheChosenProgramOrSaysWhyNot)
{
    frmFileManage *window = open();
    m_app->state().FTPprog = m_pics.filePath(QStringLiteral("no-such-ftp-program"));
    control<QPushButton>(window, "Command3")->click();
    EXPECT_EQ(m_prompts->lastMessage(),
        QStringLiteral("The FTP program ") + m_app->state().FTPprog + QStringLiteral(" could not be started."));
    EXPECT_EQ(m_app->defaultsDialogIfOpen(), nullptr);

    const qsizetype shown = m_prompts->records.size();
    m_app->state().FTPprog = QStringLiteral("/bin/true");
    control<QPushButton>(window, "Command3")->click();
    EXPECT_EQ(m_prompts->records.size(), shown);
}
