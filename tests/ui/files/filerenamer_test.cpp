// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"
#include "files/filemanagerwindow.h"
#include "files/filerenamerwindow.h"
#include "files/renamechoicedialog.h"
#include "modaldriver.h"
#include "platform/filelist.h"
#include "platform/folderlist.h"
#include "testsupport.h"
#include "ui/apptest.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

using namespace quorvel;
using test::ModalAction;
using test::readFile;
using test::runWithModals;

namespace
{

/// A rule-window answer: choose a rule, type its text, and press "&Rename!".
ModalAction chooseRule(int code, const QString &text, int caseCode = 11, const QString &start = QStringLiteral("1"))
{
    return [=](QWidget *window) {
        ASSERT_EQ(window->objectName(), QStringLiteral("frmRenameChoice"));
        window->findChild<QRadioButton *>(QStringLiteral("Option%1").arg(code))->click();
        window->findChild<QLineEdit *>(QStringLiteral("Text2"))->setText(text);
        window->findChild<QRadioButton *>(QStringLiteral("Option%1").arg(caseCode))->click();
        window->findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(start);
        window->findChild<QPushButton *>(QStringLiteral("Command2"))->click();
    };
}

/// A confirm-window answer by its button name, or by its close box ("close").
ModalAction confirm(const char *button)
{
    return [=](QWidget *window) {
        ASSERT_EQ(window->objectName(), QStringLiteral("frmAskRename"));
        if (QLatin1String(button) == QLatin1String("close"))
            window->close();
        else
            window->findChild<QPushButton *>(QLatin1String(button))->click();
    };
}

const char *const kRename = "Command1";
const char *const kRenameAll = "Command3";
const char *const kCancel = "Command2";
const char *const kSkip = "Command4";

class FileRenamerTest : public test::AppTest
{
protected:
    void SetUp() override
    {
        test::AppTest::SetUp();
        ASSERT_TRUE(m_pics.isValid());
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
    QStringList files() const
    {
        return QDir(m_pics.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    /// Opens the File Renamer as the user does: main menu, file manager, "&Advanced Renaming".
    frmFileManageRename *open()
    {
        start();
        m_app->mainWindow()->findChild<QAction *>(QStringLiteral("mnuCreate3D"))->trigger();
        frmFileManage *manager = test::required(m_app->fileManagerIfOpen(), "the file manager");
        control<QPushButton>(manager, "Command8")->click();
        return test::required(m_app->fileRenamerIfOpen(), "the File Renamer");
    }

    /// Shows the test folder and adds the named files (in that order) to the rename list.
    void add(frmFileManageRename *renamer, const QStringList &names)
    {
        control<FolderList>(renamer, "Dir1")->setPath(m_pics.path());
        auto *files = control<FileList>(renamer, "File1");
        for (const QString &name : names) {
            files->clearSelection();
            const auto found = files->findItems(name, Qt::MatchExactly);
            ASSERT_EQ(found.size(), 1) << name.toStdString();
            found.first()->setSelected(true);
            control<QPushButton>(renamer, "Command3")->click();
        }
    }

    QStringList run(frmFileManageRename *renamer, std::vector<ModalAction> actions)
    {
        return runWithModals(
            [&] {
                control<QPushButton>(renamer, "Command1")->click();
            },
            std::move(actions));
    }

    QTemporaryDir m_pics;
};

} // namespace

TEST_F(FileRenamerTest, RenameAllRenamesEveryFileThenEmptiesTheList)
{
    make({ "a.jpg", "b.jpg", "c.jpg" });
    frmFileManageRename *renamer = open();
    EXPECT_EQ(renamer->windowTitle(), QStringLiteral("File Renamer"));
    add(renamer, { "a.jpg", "b.jpg", "c.jpg" });
    EXPECT_EQ(control<QLabel>(renamer, "Label3")->text(), QStringLiteral("3"));
    EXPECT_EQ(renamer->entries().first(), pic(QStringLiteral("a.jpg")));

    const QStringList met = run(renamer, { chooseRule(7, QStringLiteral("_x")), confirm(kRenameAll) });
    EXPECT_EQ(met, QStringList({ "frmRenameChoice", "frmAskRename" }));
    EXPECT_EQ(files(), QStringList({ "a_x.jpg", "b_x.jpg", "c_x.jpg" }));
    EXPECT_TRUE(renamer->entries().isEmpty());
    EXPECT_EQ(control<QLabel>(renamer, "Label3")->text(), QStringLiteral("0"));
    EXPECT_EQ(m_prompts->lastMessage(), QStringLiteral("All file have been renamed successfully!"));
    EXPECT_EQ(control<QLineEdit>(renamer, "Text1")->text(), pic(QStringLiteral("c_x.jpg")));
}

TEST_F(FileRenamerTest, CancelOnTheThirdFileKeepsTwoRenamedAndTheList)
{
    make({ "a.jpg", "b.jpg", "c.jpg" });
    frmFileManageRename *renamer = open();
    add(renamer, { "a.jpg", "b.jpg", "c.jpg" });
    const qsizetype messages = m_prompts->records.size();
    run(renamer, { chooseRule(2, QStringLiteral("new_")), confirm(kRename), confirm(kRename), confirm(kCancel) });
    EXPECT_EQ(files(), QStringList({ "c.jpg", "new_a.jpg", "new_b.jpg" }));
    EXPECT_EQ(renamer->entries(),
        QStringList({ pic(QStringLiteral("a.jpg")), pic(QStringLiteral("b.jpg")), pic(QStringLiteral("c.jpg")) }));
    EXPECT_EQ(m_prompts->records.size(), messages) << "no message";
}

TEST_F(FileRenamerTest, TheCloseBoxRenamesAndAsksAgain)
{
    make({ "a.jpg", "b.jpg" });
    frmFileManageRename *renamer = open();
    add(renamer, { "a.jpg", "b.jpg" });
    const QStringList met = run(renamer, { chooseRule(12, {}, 9), confirm("close"), confirm("close") });
    EXPECT_EQ(met.size(), 3);
    EXPECT_EQ(files(), QStringList({ "A.JPG", "B.JPG" }));
}

TEST_F(FileRenamerTest, SkipLeavesOneFileAndAsksForTheNext)
{
    make({ "a.jpg", "b.jpg", "c.jpg" });
    frmFileManageRename *renamer = open();
    add(renamer, { "a.jpg", "b.jpg", "c.jpg" });
    run(renamer, { chooseRule(3, QStringLiteral("jpeg")), confirm(kRename), confirm(kSkip), confirm(kRename) });
    EXPECT_EQ(files(), QStringList({ "a.jpeg", "b.jpg", "c.jpeg" }));
    EXPECT_EQ(renamer->entries(), QStringList({ pic(QStringLiteral("b.jpg")) }));
    EXPECT_EQ(m_prompts->lastMessage(),
        QStringLiteral("2 of 3 files have been renamed; the skipped files stay on your list."));
}

TEST_F(FileRenamerTest, AnExistingTargetStopsTheRunBeforeAnyRename)
{
    make({ "a.jpg", "b.jpg", "b.gif" });
    frmFileManageRename *renamer = open();
    add(renamer, { "a.jpg", "b.jpg" });
    const QStringList met = run(renamer, { chooseRule(3, QStringLiteral("gif")) });
    EXPECT_EQ(met, QStringList({ "frmRenameChoice" })) << "no confirmation for a run that cannot be done";
    EXPECT_EQ(m_prompts->lastMessage(),
        QStringLiteral("File does not exist perhaps it has already been renamed, or your renaming it to an "
                       "exisiting filename!"));
    EXPECT_EQ(m_prompts->records.last().icon, Prompts::Icon::Exclamation);
    EXPECT_EQ(files(), QStringList({ "a.jpg", "b.gif", "b.jpg" }));
    EXPECT_EQ(readFile(pic(QStringLiteral("b.gif"))), QByteArray("b.gif"));
    EXPECT_EQ(renamer->entries().size(), 2);
}

TEST_F(FileRenamerTest, ASwapCompletesWithoutLossAndUndoRestoresIt)
{
    make({ "1.jpg", "2.jpg" });
    frmFileManageRename *renamer = open();
    // Numbering from 1 in this order swaps the two names.
    add(renamer, { "2.jpg", "1.jpg" });
    run(renamer, { chooseRule(5, QString()), confirm(kRenameAll) });
    EXPECT_EQ(files(), QStringList({ "1.jpg", "2.jpg" }));
    EXPECT_EQ(readFile(pic(QStringLiteral("1.jpg"))), QByteArray("2.jpg"));
    EXPECT_EQ(readFile(pic(QStringLiteral("2.jpg"))), QByteArray("1.jpg"));

    auto *undo = renamer->findChild<QAction *>(QStringLiteral("mnuUndo"));
    ASSERT_NE(undo, nullptr);
    renamer->findChild<QMenu *>(QStringLiteral("mnuOptions"))->aboutToShow();
    EXPECT_TRUE(undo->isEnabled());
    undo->trigger();
    EXPECT_EQ(readFile(pic(QStringLiteral("1.jpg"))), QByteArray("1.jpg"));
    EXPECT_EQ(readFile(pic(QStringLiteral("2.jpg"))), QByteArray("2.jpg"));
    EXPECT_EQ(m_prompts->lastMessage(), QStringLiteral("The last renaming has been undone."));
    renamer->findChild<QMenu *>(QStringLiteral("mnuOptions"))->aboutToShow();
    EXPECT_FALSE(undo->isEnabled());
}

TEST_F(FileRenamerTest, TwoEntriesOntoOneNameAreCaughtFirst)
{
    make({ "ab.jpg", "xb.jpg" });
    frmFileManageRename *renamer = open();
    add(renamer, { "ab.jpg", "xb.jpg" });
    run(renamer, { chooseRule(6, QStringLiteral("z")) });
    EXPECT_TRUE(m_prompts->lastMessage().startsWith(QStringLiteral("Two files on your list would both be renamed")));
    EXPECT_EQ(files(), QStringList({ "ab.jpg", "xb.jpg" }));
}

TEST_F(FileRenamerTest, EmptyListRuleCancelAndNoRule)
{
    make({ "a.jpg" });
    frmFileManageRename *renamer = open();
    EXPECT_EQ(run(renamer, {}), QStringList());
    EXPECT_EQ(m_prompts->lastMessage(), QStringLiteral("There are no files on your list!"));

    add(renamer, { "a.jpg" });
    const qsizetype messages = m_prompts->records.size();
    // Cancel in the rule window: nothing renamed, no message.
    run(renamer, { [](QWidget *window) {
        window->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    } });
    EXPECT_EQ(m_app->renameState().renameConfirm, RenameState::Cancel);
    // "&Rename!" with no rule on first use: no rule stored, nothing renamed.
    run(renamer, { [](QWidget *window) {
        window->findChild<QPushButton *>(QStringLiteral("Command2"))->click();
    } });
    EXPECT_FALSE(m_app->renameState().renameRule.has_value());
    EXPECT_EQ(files(), QStringList({ "a.jpg" }));
    EXPECT_EQ(m_prompts->records.size(), messages);
}

TEST_F(FileRenamerTest, ARuleThatCannotNameAFileRenamesNothing)
{
    make({ "longname.jpg", "ab.jpg" });
    frmFileManageRename *renamer = open();
    add(renamer, { "longname.jpg", "ab.jpg" });
    run(renamer, { chooseRule(4, QStringLiteral("3")) });
    EXPECT_EQ(m_prompts->lastMessage(), QStringLiteral("This is not a valid filename, cannot rename!"));
    EXPECT_EQ(files(), QStringList({ "ab.jpg", "longname.jpg" }));
}

TEST_F(FileRenamerTest, SequentialNumbersFromTheStartNumberAndCase)
{
    make({ "a.JPG", "b.gif" });
    frmFileManageRename *renamer = open();
    add(renamer, { "a.JPG", "b.gif" });
    run(renamer, { chooseRule(5, QStringLiteral("img"), 9, QStringLiteral("9")), confirm(kRenameAll) });
    EXPECT_EQ(files(), QStringList({ "IMG10.GIF", "IMG9.JPG" }));
    EXPECT_EQ(m_app->renameState().renameStart, 9);

    // Unloaded by "&Cancel", the window comes back with the start number as left.
    add(renamer, { "IMG9.JPG" });
    const auto cancel = [](QWidget *window) {
        window->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    };
    run(renamer, { cancel });
    run(renamer, { [&](QWidget *window) {
        EXPECT_TRUE(control<QRadioButton>(window, "Option5")->isChecked());
        EXPECT_TRUE(control<QLineEdit>(window, "Text1")->isVisible());
        EXPECT_EQ(control<QLineEdit>(window, "Text1")->text(), QStringLiteral("9"));
        cancel(window);
    } });
}

TEST_F(FileRenamerTest, RenameAllHoldsForOneRunOnly)
{
    make({ "a.jpg", "b.jpg" });
    frmFileManageRename *renamer = open();
    add(renamer, { "a.jpg" });
    run(renamer, { chooseRule(7, QStringLiteral("1")), confirm(kRenameAll) });
    add(renamer, { "b.jpg" });
    // The rule window is still loaded and returns as left; the next run asks again.
    const QStringList met = run(renamer,
        { [](QWidget *window) {
             EXPECT_TRUE(window->findChild<QRadioButton *>(QStringLiteral("Option7"))->isChecked());
             window->findChild<QPushButton *>(QStringLiteral("Command2"))->click();
         },
            confirm(kRename) });
    EXPECT_EQ(met.size(), 2);
    EXPECT_EQ(files(), QStringList({ "a1.jpg", "b1.jpg" }));
}

TEST_F(FileRenamerTest, AddingTheSameFileTwiceAsksFirst)
{
    make({ "a.jpg", "b.jpg" });
    frmFileManageRename *renamer = open();
    add(renamer, { "a.jpg" });
    control<FolderList>(renamer, "Dir1")->setPath(m_pics.path());
    auto *files = control<FileList>(renamer, "File1");
    files->selectAll();
    m_prompts->answers = { Prompts::Answer::No };
    control<QPushButton>(renamer, "Command3")->click();
    EXPECT_EQ(m_prompts->records.last().caption, QStringLiteral("Add File..."));
    EXPECT_EQ(m_prompts->lastMessage(),
        QStringLiteral("File already on the List. To avoid errors you really should'nt add it. Add it anyway?"));
    EXPECT_EQ(renamer->entries(), QStringList({ pic(QStringLiteral("a.jpg")), pic(QStringLiteral("b.jpg")) }));
    // Yes adds it and ends the operation: b.jpg, selected after it, is not considered.
    m_prompts->answers = { Prompts::Answer::Yes };
    control<QPushButton>(renamer, "Command3")->click();
    EXPECT_EQ(renamer->entries(),
        QStringList({ pic(QStringLiteral("a.jpg")), pic(QStringLiteral("b.jpg")), pic(QStringLiteral("a.jpg")) }));
    EXPECT_EQ(control<QLabel>(renamer, "Label3")->text(), QStringLiteral("3"));
    // A screen reader reads the count that shows.
    const auto readCount = [&] {
        return QAccessible::queryAccessibleInterface(control<QLabel>(renamer, "Label3"))->text(QAccessible::Name);
    };
    EXPECT_EQ(readCount(), QStringLiteral("Files on list: 3"));

    // Remove takes the current entry; Clear List empties the list.
    auto *list = control<QListWidget>(renamer, "List1");
    list->setCurrentRow(0);
    control<QPushButton>(renamer, "Command5")->click();
    EXPECT_EQ(renamer->entries(), QStringList({ pic(QStringLiteral("b.jpg")), pic(QStringLiteral("a.jpg")) }));
    EXPECT_EQ(list->currentRow(), 1);
    control<QPushButton>(renamer, "Command4")->click();
    EXPECT_TRUE(renamer->entries().isEmpty());
    EXPECT_EQ(control<QLabel>(renamer, "Label3")->text(), QStringLiteral("0"));
    EXPECT_EQ(readCount(), QStringLiteral("Files on list: 0"));
}

TEST_F(FileRenamerTest, MoveSelectedFileToTheEntryClickedNext)
{
    make({ "a.jpg", "b.jpg", "c.jpg" });
    frmFileManageRename *renamer = open();
    add(renamer, { "a.jpg", "b.jpg", "c.jpg" });
    auto *list = control<QListWidget>(renamer, "List1");
    auto *moveSelected = renamer->findChild<QAction *>(QStringLiteral("mnuMoveSelected"));
    auto *moveHere = renamer->findChild<QAction *>(QStringLiteral("mnuMoveHere"));
    auto *moveButton = control<QPushButton>(renamer, "Command7");
    EXPECT_FALSE(moveButton->isVisible());
    EXPECT_FALSE(moveHere->isEnabled());
    list->setCurrentRow(2);
    moveSelected->trigger();
    EXPECT_TRUE(moveHere->isEnabled());
    EXPECT_FALSE(moveSelected->isEnabled());
    EXPECT_TRUE(moveButton->isVisible());
    list->setCurrentRow(0);
    moveHere->trigger();
    EXPECT_EQ(renamer->entries(),
        QStringList({ pic(QStringLiteral("c.jpg")), pic(QStringLiteral("a.jpg")), pic(QStringLiteral("b.jpg")) }));
    EXPECT_FALSE(moveButton->isVisible());
    EXPECT_TRUE(moveSelected->isEnabled());
    EXPECT_FALSE(moveHere->isEnabled());
}

TEST_F(FileRenamerTest, FileAttributesShowSizeAndTime)
{
    make({ "a.jpg", "bb.jpg" });
    frmFileManageRename *renamer = open();
    add(renamer, { "a.jpg", "bb.jpg" });
    control<QListWidget>(renamer, "List1")->selectAll();
    renamer->findChild<QAction *>(QStringLiteral("mnuListAttributes"))->trigger();
    // Each selected file replaces the previous one's text: the last one shows.
    const QString text = m_prompts->lastMessage();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Filename: ") + pic(QStringLiteral("bb.jpg"))
        + QStringLiteral("\r\nFilesize: 6 bytes\r\nDate: ")))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n")));
    EXPECT_EQ(m_prompts->records.last().icon, Prompts::Icon::None);
}

TEST_F(FileRenamerTest, RuleWindowRowsAndWhatItRestores)
{
    make({ "a.jpg" });
    frmFileManageRename *renamer = open();
    add(renamer, { "a.jpg" });
    std::vector<ModalAction> firstOpening = { [this](QWidget *window) {
        EXPECT_EQ(window->windowTitle(), QStringLiteral("Renaming Selections"));
        for (const char *name :
            { "Option1", "Option2", "Option3", "Option4", "Option5", "Option6", "Option7", "Option8", "Option12" })
            EXPECT_FALSE(control<QRadioButton>(window, name)->isChecked()) << name;
        EXPECT_TRUE(control<QRadioButton>(window, "Option11")->isChecked());
        EXPECT_FALSE(control<QLineEdit>(window, "Text1")->isVisible());
        EXPECT_FALSE(control<QLabel>(window, "Label3")->isVisible());
        EXPECT_EQ(control<QLineEdit>(window, "Text2")->text(), QStringLiteral(".ren"));
        EXPECT_EQ(control<QLabel>(window, "Label5")->text(), QStringLiteral("Shorten by how many characters:"));

        control<QRadioButton>(window, "Option12")->click();
        EXPECT_FALSE(control<QLineEdit>(window, "Text2")->isVisible());
        EXPECT_FALSE(control<QLabel>(window, "Label5")->isVisible());
        EXPECT_TRUE(control<QGroupBox>(window, "Frame2")->isVisible());
        control<QRadioButton>(window, "Option8")->click();
        EXPECT_TRUE(control<QLineEdit>(window, "Text2")->isVisible());
        EXPECT_EQ(control<QLabel>(window, "Label5")->text(), QStringLiteral("Replace file suffix with:"));
        EXPECT_FALSE(control<QGroupBox>(window, "Frame2")->isVisible());
        control<QLineEdit>(window, "Text2")->setText(QStringLiteral("abc"));
        control<QRadioButton>(window, "Option5")->click();
        EXPECT_EQ(control<QLineEdit>(window, "Text2")->text(), QStringLiteral("ren"));
        EXPECT_TRUE(control<QLineEdit>(window, "Text1")->isVisible());
        control<QCheckBox>(window, "Check1")->click();
        EXPECT_TRUE(control<QLabel>(window, "Label3")->isVisible());
        EXPECT_EQ(control<QLabel>(window, "Label3")->text(),
            QStringLiteral("Renames files entirely and numbers them. example: xxx1.jpg"));

        // A start number that is not a whole number is refused and the window stays.
        control<QLineEdit>(window, "Text1")->setText(QStringLiteral("1.5"));
        control<QPushButton>(window, "Command2")->click();
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(
            m_prompts->lastMessage(), QStringLiteral("Please type a whole number of 0 or more at \"Start at #:\"."));
        control<QRadioButton>(window, "Option12")->click();
        control<QRadioButton>(window, "Option9")->click();
        control<QLineEdit>(window, "Text2")->setText(QStringLiteral("kept"));
        control<QPushButton>(window, "Command2")->click();
    } };
    run(renamer, { firstOpening[0], confirm(kCancel) });
    EXPECT_EQ(m_app->renameState().renameRule, std::optional<std::int16_t>(12));
    EXPECT_EQ(m_app->renameState().renameCase, 9);

    // Cancel unloads the window; the next opening restores rule, text and case.
    run(renamer, { [](QWidget *window) {
        window->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    } });
    EXPECT_EQ(m_app->renameChoiceWindowIfOpen(), nullptr);
    run(renamer, { [this](QWidget *window) {
        EXPECT_TRUE(control<QRadioButton>(window, "Option12")->isChecked());
        EXPECT_TRUE(control<QRadioButton>(window, "Option9")->isChecked());
        EXPECT_EQ(control<QLineEdit>(window, "Text2")->text(), QStringLiteral("kept"));
        EXPECT_FALSE(control<QLabel>(window, "Label3")->isVisible());
        window->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    } });
}
