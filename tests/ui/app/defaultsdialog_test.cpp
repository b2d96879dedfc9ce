// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"
#include "app/defaultsdialog.h"
#include "app/mainwindow.h"
#include "imaging/imagebox.h"
#include "platform/folderlist.h"
#include "platform/helpwindow.h"
#include "ui/apptest.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolBar>

using namespace quorvel;

namespace
{

class DefaultsDialogTest : public test::AppTest
{
protected:
    /// Opens the dialog the way the user does, with the toolbar's "Default".
    Form5 *open()
    {
        m_app->mainWindow()->findChild<QAction *>(QStringLiteral("Default"))->trigger();
        return test::required(m_app->defaultsDialogIfOpen(), "the Defaults dialog");
    }

    void save(Form5 *dialog)
    {
        control<QPushButton>(dialog, "Command2")->click();
    }
};

} // namespace

TEST_F(DefaultsDialogTest, OpensWithItsTabsCaptionsAndTheVersion)
{
    frmForm *main = start();
    Form5 *dialog = open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Defaults...."));
    auto *tabs = control<QTabWidget>(dialog, "SSTab1");
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("Quorvel"));
    EXPECT_EQ(tabs->tabText(2), QStringLiteral("Thumbnails options"));

    const QStringList parts = QStringLiteral(QUORVEL_VERSION).split(QLatin1Char('.'));
    ASSERT_EQ(parts.size(), 3);
    EXPECT_EQ(control<QLabel>(dialog, "Label2")->text(),
        QStringLiteral("%1.%2, Build: %3").arg(parts[0], parts[1], parts[2]));
    EXPECT_EQ(control<QLabel>(dialog, "Label1")->text(), QStringLiteral("Version:"));
    EXPECT_EQ(control<QLabel>(dialog, "Label16")->text(), QStringLiteral("Sending tips and bug reports (the manual)"));
    EXPECT_EQ(control<QPushButton>(dialog, "Command2")->text(), QStringLiteral("&Save defaults"));
    EXPECT_EQ(control<QPushButton>(dialog, "Command1")->text(), QStringLiteral("&Cancel"));
    const std::pair<const char *, const char *> options[] = {
        { "Option1", "Always overwrite" },
        { "Option2", "Always ask before overwriting" },
        { "noBorder", "No Border" },
        { "useBorder", "Use Border" },
    };
    for (const auto &[name, caption] : options)
        EXPECT_EQ(control<QRadioButton>(dialog, name)->text(), QLatin1String(caption));
    // Boxes are named by their labels.
    EXPECT_EQ(control<QLabel>(dialog, "Label4")->buddy(), control<QLineEdit>(dialog, "Text5"));
    EXPECT_EQ(control<QLabel>(dialog, "Label11")->buddy(), control<QLineEdit>(dialog, "Text7"));
    EXPECT_EQ(control<QLabel>(dialog, "Label12")->buddy(), control<QLineEdit>(dialog, "Text8"));
    EXPECT_EQ(control<QLabel>(dialog, "Label13")->buddy(), control<QLineEdit>(dialog, "Text9"));
    EXPECT_EQ(control<QLabel>(dialog, "Label13")->text(), QStringLiteral("FTP program:"));

    // "&Cancel" closes without saving; the menu entry opens it again.
    control<QPushButton>(dialog, "Command1")->click();
    QTRY_VERIFY(m_app->defaultsDialogIfOpen() == nullptr);
    EXPECT_TRUE(settingsBytes().isEmpty());
    main->findChild<QAction *>(QStringLiteral("mnuDefault"))->trigger();
    EXPECT_NE(m_app->defaultsDialogIfOpen(), nullptr);
}

TEST_F(DefaultsDialogTest, MissingFileShowsTheDesignDefaults)
{
    start();
    Form5 *dialog = open();
    EXPECT_EQ(control<QLineEdit>(dialog, "Text5")->text(), QString());
    EXPECT_TRUE(control<QRadioButton>(dialog, "noBorder")->isChecked());
    EXPECT_TRUE(control<QRadioButton>(dialog, "Option2")->isChecked());
    EXPECT_EQ(control<QLineEdit>(dialog, "Text7")->text(), QStringLiteral("45"));
    EXPECT_EQ(control<QLineEdit>(dialog, "Text8")->text(), QStringLiteral("45"));
    EXPECT_EQ(control<QLineEdit>(dialog, "Text9")->text(), QString());
}

TEST_F(DefaultsDialogTest, OpeningRereadsTheFileAndShowsAStoredZeroAs45)
{
    start("/stored/path/\r\n 1 \r\n0\r\n60\r\n 1 \r\n/usr/bin/lftp\r\n");
    // A border chosen elsewhere since the last save is replaced by the stored one.
    m_app->state().tableBorder = 0;
    Form5 *dialog = open();
    EXPECT_EQ(m_app->state().tableBorder, 1);
    EXPECT_TRUE(control<QRadioButton>(dialog, "useBorder")->isChecked());
    EXPECT_TRUE(control<QRadioButton>(dialog, "Option1")->isChecked());
    EXPECT_EQ(control<QLineEdit>(dialog, "Text7")->text(), QStringLiteral("45"));
    EXPECT_EQ(control<QLineEdit>(dialog, "Text8")->text(), QStringLiteral("60"));
    EXPECT_EQ(control<QLineEdit>(dialog, "Text5")->text(), QStringLiteral("/stored/path/"));
    EXPECT_EQ(control<QLineEdit>(dialog, "Text9")->text(), QStringLiteral("/usr/bin/lftp"));

    // A stored 0 shown as "45" is saved as "45".
    save(dialog);
    EXPECT_EQ(settingsBytes(), QByteArray("/stored/path/\r\n 1 \r\n45\r\n60\r\n 1 \r\n/usr/bin/lftp\r\n"));
}

TEST_F(DefaultsDialogTest, SaveWritesTheFilePushesIntoTheMainWindowAndSurvivesARestart)
{
    QTemporaryDir thumbs;
    const QString folder = QFileInfo(thumbs.path()).canonicalFilePath();
    frmForm *main = start();
    control<QLineEdit>(main, "Text1")->setText(QStringLiteral("pre_"));
    Form5 *dialog = open();
    control<QLineEdit>(dialog, "Text5")->setText(folder + QLatin1Char('/'));
    control<QRadioButton>(dialog, "Option1")->click();
    control<QLineEdit>(dialog, "Text7")->setText(QStringLiteral("64"));
    control<QLineEdit>(dialog, "Text8")->setText(QStringLiteral("80"));
    control<QRadioButton>(dialog, "useBorder")->click();
    save(dialog);
    QTRY_VERIFY(m_app->defaultsDialogIfOpen() == nullptr);
    EXPECT_TRUE(m_prompts->records.isEmpty());

    const QByteArray expected = (folder + QStringLiteral("/\r\n 1 \r\n64\r\n80\r\n 1 \r\n")).toLocal8Bit();
    EXPECT_EQ(settingsBytes(), expected);
    const AppState &state = m_app->state();
    EXPECT_EQ(state.defPathToThumb, folder + QLatin1Char('/'));
    EXPECT_EQ(state.overwrite, 1);
    EXPECT_EQ(state.defThumbHeight, 64);
    EXPECT_EQ(state.defThumbWidth, 80);
    EXPECT_EQ(state.tableBorder, 1);

    // The main window takes the height (not the width), the border and overwrite
    // choices and the folder; its prefix is left alone.
    EXPECT_EQ(control<QLineEdit>(main, "Text2")->text(), QStringLiteral("64"));
    EXPECT_EQ(main->workingBox()->thumbSize(), 64);
    EXPECT_EQ(main->previewBox()->thumbSize(), 64);
    EXPECT_FALSE(control<QCheckBox>(main, "chkBorder")->isChecked());
    EXPECT_TRUE(control<QRadioButton>(main, "SSOption1")->isChecked());
    EXPECT_EQ(control<FolderList>(main, "Dir2")->path(), folder);
    EXPECT_EQ(control<QLineEdit>(main, "Text1")->text(), QStringLiteral("pre_"));

    // A restart reads them back.
    m_app.reset();
    main = start();
    EXPECT_EQ(control<FolderList>(main, "Dir2")->path(), folder);
    EXPECT_TRUE(control<QRadioButton>(main, "SSOption1")->isChecked());
    dialog = open();
    EXPECT_EQ(control<QLineEdit>(dialog, "Text7")->text(), QStringLiteral("64"));
    EXPECT_EQ(control<QLineEdit>(dialog, "Text8")->text(), QStringLiteral("80"));
    EXPECT_TRUE(control<QRadioButton>(dialog, "useBorder")->isChecked());
}

TEST_F(DefaultsDialogTest, SavingNoBorderTicksTheMainWindowsBoxAndAsksBeforeOverwriting)
{
    frmForm *main = start("/x/\r\n 1 \r\n45\r\n45\r\n 1 \r\n");
    ASSERT_FALSE(control<QCheckBox>(main, "chkBorder")->isChecked());
    Form5 *dialog = open();
    control<QRadioButton>(dialog, "noBorder")->click();
    control<QRadioButton>(dialog, "Option2")->click();
    control<QLineEdit>(dialog, "Text7")->setText(QStringLiteral("50"));
    control<QLineEdit>(dialog, "Text8")->setText(QStringLiteral("120"));
    save(dialog);
    EXPECT_TRUE(control<QCheckBox>(main, "chkBorder")->isChecked());
    EXPECT_TRUE(control<QRadioButton>(main, "SSOption2")->isChecked());
    EXPECT_EQ(control<QLineEdit>(main, "Text2")->text(), QStringLiteral("50"));
    // "No border" holds the controls at 0 while keeping the height as their size.
    EXPECT_EQ(main->workingBox()->thumbSize(), 0);
    EXPECT_EQ(main->workingBox()->settings().boxSize, 50);
    EXPECT_EQ(settingsBytes(), QByteArray("/x/\r\n 0 \r\n50\r\n120\r\n 0 \r\n"));
}

TEST_F(DefaultsDialogTest, SizesThatAreNotWholeNumbersFrom1To32767AreRefusedWithNothingSaved)
{
    const QByteArray stored("/keep/\r\n 0 \r\n45\r\n45\r\n 0 \r\n");
    frmForm *main = start(stored);
    const struct {
        const char *height;
        const char *width;
        const char *message;
    } cases[] = {
        { "abc", "45", "The height must be a whole number from 1 to 32767." },
        { "0", "45", "The height must be a whole number from 1 to 32767." },
        { "32768", "45", "The height must be a whole number from 1 to 32767." },
        { "", "45", "The height must be a whole number from 1 to 32767." },
        { "45", "4.5", "The width must be a whole number from 1 to 32767." },
        { "45", "-3", "The width must be a whole number from 1 to 32767." },
    };
    Form5 *dialog = open();
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.height) + " / " + c.width);
        m_prompts->records.clear();
        control<QRadioButton>(dialog, "Option1")->click();
        control<QLineEdit>(dialog, "Text7")->setText(QLatin1String(c.height));
        control<QLineEdit>(dialog, "Text8")->setText(QLatin1String(c.width));
        save(dialog);
        ASSERT_EQ(m_prompts->records.size(), 1);
        EXPECT_EQ(m_prompts->lastMessage(), QLatin1String(c.message));
        EXPECT_EQ(m_prompts->records.last().caption, QStringLiteral("Quorvel"));
        EXPECT_EQ(settingsBytes(), stored);
        EXPECT_EQ(m_app->state().overwrite, 0);
        EXPECT_EQ(m_app->defaultsDialogIfOpen(), dialog); // stays open to be corrected
        EXPECT_EQ(control<QLineEdit>(main, "Text2")->text(), QStringLiteral("90"));
    }
    // 32767 and blanks around a number are fine.
    control<QLineEdit>(dialog, "Text7")->setText(QStringLiteral("32767"));
    control<QLineEdit>(dialog, "Text8")->setText(QStringLiteral(" 7 "));
    save(dialog);
    EXPECT_EQ(m_app->state().defThumbHeight, 32767);
    EXPECT_EQ(m_app->state().defThumbWidth, 7);
}

TEST_F(DefaultsDialogTest, AFailedSaveSaysSoAndChangesNothing)
{
    // The folder the program writes to lies below a file, so nothing can be written there.
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    frmForm *main = start("/old/\r\n 0 \r\n45\r\n45\r\n 0 \r\n", dir.filePath(QStringLiteral("file/config")));
    Form5 *dialog = open();
    EXPECT_EQ(control<QLineEdit>(dialog, "Text5")->text(), QStringLiteral("/old/")); // read from the shipped file
    control<QLineEdit>(dialog, "Text7")->setText(QStringLiteral("70"));
    control<QRadioButton>(dialog, "useBorder")->click();
    save(dialog);
    ASSERT_EQ(m_prompts->records.size(), 1);
    EXPECT_TRUE(m_prompts->lastMessage().startsWith(QStringLiteral("The defaults were not saved.")))
        << m_prompts->lastMessage().toStdString();
    EXPECT_TRUE(m_prompts->lastMessage().contains(QStringLiteral("quorvel.ins")));
    EXPECT_EQ(settingsBytes(), QByteArray("/old/\r\n 0 \r\n45\r\n45\r\n 0 \r\n"));
    EXPECT_EQ(m_app->state().tableBorder, 0);
    EXPECT_EQ(m_app->state().defThumbHeight, 45);
    EXPECT_EQ(control<QLineEdit>(main, "Text2")->text(), QStringLiteral("90"));
    EXPECT_EQ(m_app->defaultsDialogIfOpen(), dialog);
}

TEST_F(DefaultsDialogTest, FolderListWritesItsPathWithOneTrailingSeparator)
{
    start();
    Form5 *dialog = open();
    auto *folders = control<FolderList>(dialog, "Dir2");
    auto *path = control<QLineEdit>(dialog, "Text5");
    ASSERT_TRUE(folders->setPath(m_programDir.path()));
    EXPECT_EQ(path->text(), QFileInfo(m_programDir.path()).canonicalFilePath() + QLatin1Char('/'));
    ASSERT_TRUE(folders->setPath(QStringLiteral("/")));
    EXPECT_EQ(path->text(), QStringLiteral("/"));
}

TEST_F(DefaultsDialogTest, FtpProgramIsChosenSavedAsTheSixthLineAndDroppedWhenEmptied)
{
    start("/t/\r\n 0 \r\n45\r\n45\r\n 0 \r\n");
    Form5 *dialog = open();
    m_prompts->texts.append(QStringLiteral("/usr/bin/ftp"));
    control<QPushButton>(dialog, "Command3")->click();
    ASSERT_EQ(m_prompts->records.size(), 1);
    EXPECT_EQ(m_prompts->records.last().kind, QStringLiteral("openFile"));
    EXPECT_EQ(control<QLineEdit>(dialog, "Text9")->text(), QStringLiteral("/usr/bin/ftp"));
    save(dialog);
    EXPECT_EQ(settingsBytes(), QByteArray("/t/\r\n 0 \r\n45\r\n45\r\n 0 \r\n/usr/bin/ftp\r\n"));
    EXPECT_EQ(m_app->state().FTPprog, QStringLiteral("/usr/bin/ftp"));

    dialog = open();
    EXPECT_EQ(control<QLineEdit>(dialog, "Text9")->text(), QStringLiteral("/usr/bin/ftp"));
    // A cancelled chooser keeps the box as it was.
    control<QPushButton>(dialog, "Command3")->click();
    EXPECT_EQ(control<QLineEdit>(dialog, "Text9")->text(), QStringLiteral("/usr/bin/ftp"));
    control<QLineEdit>(dialog, "Text9")->clear();
    save(dialog);
    EXPECT_EQ(settingsBytes(), QByteArray("/t/\r\n 0 \r\n45\r\n45\r\n 0 \r\n"));
    EXPECT_EQ(m_app->state().FTPprog, QString());
}

TEST_F(DefaultsDialogTest, BothLinksOpenTheManualsPageOnTheLatestVersionAndBugs)
{
    start();
    Form5 *dialog = open();
    QList<QUrl> opened;
    dialog->setShellLauncher([&](const QUrl &url) {
        opened.append(url);
        return true;
    });
    control<QTabWidget>(dialog, "SSTab1")->setCurrentIndex(1);
    auto *download = control<QLabel>(dialog, "Label5");
    EXPECT_EQ(download->text(), QStringLiteral("Getting the latest version (the manual)"));
    QTest::mouseClick(download, Qt::RightButton);
    EXPECT_EQ(m_app->helpWindowIfOpen(), nullptr); // the left button only
    // Not installed: no copy of the manual to open in a browser, so the help window.
    QTest::mouseClick(download, Qt::LeftButton);
    ASSERT_NE(m_app->helpWindowIfOpen(), nullptr);
    EXPECT_EQ(m_app->helpWindowIfOpen()->currentTopic(), QStringLiteral("latest-version"));
    m_app->helpWindowIfOpen()->showTopic(QStringLiteral("contents"));
    auto *tips = control<QLabel>(dialog, "Label16");
    tips->setFocus();
    QTest::keyClick(tips, Qt::Key_Return);
    EXPECT_EQ(m_app->helpWindowIfOpen()->currentTopic(), QStringLiteral("latest-version"));
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_TRUE(m_prompts->records.isEmpty());
}

TEST_F(DefaultsDialogTest, ToolbarAndFileMenuHoldTheirEntriesInOrder)
{
    frmForm *main = start();
    QStringList toolbar;
    for (QAction *action : main->findChild<QToolBar *>(QStringLiteral("Toolbar1"))->actions())
        toolbar.append(action->text());
    const qsizetype create = toolbar.indexOf(QStringLiteral("Create"));
    EXPECT_EQ(toolbar.indexOf(QStringLiteral("Default")), create + 1);
    EXPECT_EQ(toolbar.indexOf(QStringLiteral("Options")), create + 2);
    EXPECT_EQ(toolbar.last(), QStringLiteral("Help"));
    EXPECT_EQ(main->findChild<QAction *>(QStringLiteral("Default"))->toolTip(), QStringLiteral("Default"));

    const QList<QAction *> file = main->findChild<QMenu *>(QStringLiteral("mnuFile"))->actions();
    ASSERT_GE(file.size(), 2);
    EXPECT_EQ(file[0]->objectName(), QStringLiteral("mnuDefault"));
    EXPECT_EQ(file[0]->text(), QStringLiteral("&Preferences"));
    EXPECT_EQ(file[1]->objectName(), QStringLiteral("mnuAdv"));
    EXPECT_EQ(file[1]->text(), QStringLiteral("&Advanced Options"));
}

TEST(HelpPages, BothWindowsHaveTheirPageInTheManual)
{
    EXPECT_TRUE(HelpWindow::hasTopic(QStringLiteral("defaults")));
    EXPECT_TRUE(HelpWindow::hasTopic(QStringLiteral("advanced-options")));
    EXPECT_FALSE(HelpWindow::hasTopic(QStringLiteral("no-such-window")));
}
