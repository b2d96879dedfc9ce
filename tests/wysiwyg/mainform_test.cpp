// SPDX-License-Identifier: GPL-3.0-or-later
// The page editor window: menus, toolbar, font boxes, context menu, prompts and the
// insertion dialogs, over a real editing component. One window serves the suite
// except where a test needs a fresh one.
#include "app/application.h"
#include "app/mainwindow.h"
#include "editortesthelpers.h"
#include "keyboardcheck.h"
#include "platform/helpwindow.h"
#include "platform/prompts.h"
#include "platform/textareatabs.h"
#include "required.h"
#include "wysiwyg/editoropener.h"
#include "wysiwyg/inserthtmldlg.h"
#include "wysiwyg/inserttabledlg.h"
#include "wysiwyg/mainform.h"
#include "wysiwyg/webengine.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QWebEngineView>

#include <gtest/gtest.h>

using namespace quorvel;
using quorvel::test::EditorDriver;

namespace
{

class MainFormTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_prompts = new ScriptedPrompts;
        s_window = new MainForm(*s_prompts);
        s_window->show();
    }
    static void TearDownTestSuite()
    {
        delete s_window;
        delete s_prompts;
    }
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(QTest::qWaitFor(
            [] {
                return s_window->documentReady();
            },
            20000));
        // An unnamed document for every test (loading one takes a while: only when
        // the last test named it).
        if (!s_window->editor()->currentDocumentPath().isEmpty()) {
            s_window->editor()->newDocument();
            ASSERT_TRUE(driver().waitReady());
        }
        s_prompts->records.clear();
        s_prompts->answers.clear();
        s_prompts->texts.clear();
        s_prompts->colors.clear();
    }

    static MainForm &window()
    {
        return *s_window;
    }
    static EditorDriver driver()
    {
        return EditorDriver(*s_window->editor());
    }
    template <typename T>
    static T *control(const char *name, const std::source_location &where = std::source_location::current())
    {
        return test::required(s_window->findChild<T *>(QLatin1String(name)), std::string("control ") + name, where);
    }
    /// Opens a menu as the user does (its enabling rules run) without showing it.
    static QMenu *opened(const char *name)
    {
        QMenu *menu = control<QMenu>(name);
        emit menu->aboutToShow();
        return menu;
    }
    static QAction *item(const char *name)
    {
        return control<QAction>(name);
    }
    QString path(const QString &name) const
    {
        return m_dir.filePath(name);
    }
    QString writeFile(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    static QByteArray readFile(const QString &name)
    {
        QFile file(name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    /// The window active and the page focused, so that keys go to the page.
    static QWidget *focusPage()
    {
        window().activateWindow();
        QApplication::setActiveWindow(&window());
        window().editor()->setFocus();
        EXPECT_TRUE(QTest::qWaitFor([] {
            return s_window->editor()->view()->focusProxy()->hasFocus();
        }));
        return window().editor()->view()->focusProxy();
    }
    /// Makes the document dirty with a visible edit.
    static void edit(const QString &html)
    {
        window().editor()->pasteHtml(html);
        ASSERT_TRUE(QTest::qWaitFor([] {
            return s_window->editor()->isDirty();
        }));
    }

    static ScriptedPrompts *s_prompts;
    static MainForm *s_window;
    QTemporaryDir m_dir;
};

ScriptedPrompts *MainFormTest::s_prompts = nullptr;
MainForm *MainFormTest::s_window = nullptr;

TEST(MainFormStart, CaptionControlsAndFormatMenu)
{
    ScriptedPrompts prompts;
    MainForm form(prompts);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Quorvel Editor"));
    auto *fontName = form.findChild<QComboBox *>(QStringLiteral("FontCombo"));
    auto *fontSize = form.findChild<QComboBox *>(QStringLiteral("FontSizeCombo"));
    ASSERT_TRUE(fontName && fontSize);
    QStringList names;
    for (int i = 0; i < fontName->count(); ++i)
        names << fontName->itemText(i);
    EXPECT_EQ(names, QStringList({ "Times New Roman", "Arial", "Tahoma", "Courier", "Verdana", "Wingdings" }));
    EXPECT_EQ(fontSize->count(), 7);
    EXPECT_EQ(fontSize->itemText(0), QStringLiteral("1"));
    EXPECT_FALSE(fontName->isEnabled());
    EXPECT_FALSE(fontSize->isEnabled());
    QStringList keys;
    for (QAction *action : form.findChild<QToolBar *>(QStringLiteral("Toolbar1"))->actions()) {
        if (!action->objectName().isEmpty()) {
            keys << action->objectName();
            EXPECT_FALSE(action->isEnabled()) << action->objectName().toStdString();
        }
    }
    EXPECT_EQ(keys,
        QStringList({ "Bold",
            "Italic",
            "Underline",
            "Numbers",
            "Bullets",
            "Outdent",
            "Indent",
            "LeftJustify",
            "Center",
            "RightJustify",
            "Color" }));
    QStringList menus;
    for (QAction *menu : form.menuBar()->actions())
        menus << menu->text();
    EXPECT_EQ(menus, QStringList({ "&File", "&Edit", "&View", "&Insert", "F&ormat", "T&able", "&2D", "Help" }));

    auto *format = form.findChild<QMenu *>(QStringLiteral("mnuFormat"));
    EXPECT_TRUE(format->actions().isEmpty());
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return form.documentReady();
        },
        20000));
    ASSERT_GE(format->actions().size(), 9);
    EXPECT_EQ(format->actions().at(0)->text(), QStringLiteral("Normal"));
    EXPECT_EQ(format->actions().at(3)->text(), QStringLiteral("Heading 1"));
    EXPECT_EQ(format->actions().at(3)->objectName(), QStringLiteral("mnuFormatHeading1"));
    EXPECT_TRUE(fontName->isEnabled());
    EXPECT_TRUE(form.findChild<QAction *>(QStringLiteral("Bold"))->isEnabled());
    // A second completion does not add the names again.
    const qsizetype count = format->actions().size();
    form.editor()->newDocument();
    ASSERT_TRUE(EditorDriver(*form.editor()).waitReady());
    EXPECT_EQ(format->actions().size(), count);
}

TEST_F(MainFormTest, SaveNeedsAPathAndTitleFollowsIt)
{
    s_prompts->answers = { Prompts::Answer::No }; // drop what an earlier test left
    window().fileNew();
    EXPECT_EQ(window().windowTitle(), QStringLiteral("FTP Editor"));
    ASSERT_TRUE(driver().waitReady());
    opened("mnuFile");
    EXPECT_FALSE(item("mnuFileSave")->isEnabled());
    const QString file = path(QStringLiteral("titled.html"));
    s_prompts->texts = { file };
    EXPECT_TRUE(window().fileSaveAs());
    EXPECT_EQ(window().windowTitle(), QStringLiteral("FTP Editor - ") + file);
    opened("mnuFile");
    EXPECT_TRUE(item("mnuFileSave")->isEnabled());
    EXPECT_TRUE(QFile::exists(file));
}

TEST_F(MainFormTest, SaveChangesPrompt)
{
    const QString file = path(QStringLiteral("kept.html"));
    s_prompts->texts = { file };
    ASSERT_TRUE(window().fileSaveAs());
    edit(QStringLiteral("<p id=edit>changed</p>"));

    // Cancel: document and path stay.
    s_prompts->records.clear();
    s_prompts->answers = { Prompts::Answer::Cancel };
    window().fileNew();
    ASSERT_EQ(s_prompts->records.size(), 1);
    const auto &asked = s_prompts->records.first();
    EXPECT_EQ(asked.text, QStringLiteral("The current document has changed.\n\nDo you want to save changes?"));
    EXPECT_EQ(asked.icon, Prompts::Icon::Exclamation);
    EXPECT_EQ(asked.buttons, Prompts::Buttons::YesNoCancel);
    EXPECT_EQ(window().editor()->currentDocumentPath(), file);
    EXPECT_TRUE(window().editor()->isDirty());
    EXPECT_TRUE(driver().waitFor(QStringLiteral("!!document.querySelector('#edit')"), true));

    // Yes: saved to the document's own path without a dialog, then a new document.
    s_prompts->answers = { Prompts::Answer::Yes };
    window().fileNew();
    EXPECT_TRUE(QFile(file).open(QIODevice::ReadOnly));
    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains("changed"));
    EXPECT_EQ(s_prompts->records.last().kind, QStringLiteral("message")); // no save dialog
    ASSERT_TRUE(driver().waitReady());
    EXPECT_EQ(window().windowTitle(), QStringLiteral("FTP Editor"));

    // No: the changes are dropped.
    edit(QStringLiteral("<p>dropped</p>"));
    s_prompts->answers = { Prompts::Answer::No };
    window().fileNew();
    ASSERT_TRUE(driver().waitReady());
    EXPECT_FALSE(window().editor()->isDirty());
    EXPECT_TRUE(driver().waitFor(QStringLiteral("document.body.innerText.includes('dropped')"), false));

    // Yes on an unnamed document asks for a name; cancelling that stops New.
    edit(QStringLiteral("<p id=unnamed>unnamed</p>"));
    s_prompts->answers = { Prompts::Answer::Yes };
    window().fileNew();
    EXPECT_EQ(s_prompts->records.last().kind, QStringLiteral("saveFile"));
    EXPECT_TRUE(window().editor()->isDirty());
    EXPECT_TRUE(driver().waitFor(QStringLiteral("!!document.querySelector('#unnamed')"), true));
}

TEST_F(MainFormTest, LoadAndSaveErrorsAreReported)
{
    s_prompts->answers = { Prompts::Answer::No }; // drop what an earlier test left
    s_prompts->texts = { path(QStringLiteral("missing.html")) };
    window().fileOpen();
    EXPECT_EQ(s_prompts->lastMessage(), QStringLiteral("Error occurred while loading document: File not found."));
    EXPECT_EQ(s_prompts->records.last().icon, Prompts::Icon::Critical);
    ASSERT_TRUE(driver().waitReady());
    EXPECT_EQ(window().windowTitle(), QStringLiteral("FTP Editor"));
    EXPECT_TRUE(window().editor()->currentDocumentPath().isEmpty());

    QFile frames(path(QStringLiteral("frames.html")));
    ASSERT_TRUE(frames.open(QIODevice::WriteOnly));
    frames.write("<frameset cols=\"1,1\"></frameset>");
    frames.close();
    s_prompts->texts = { frames.fileName() };
    window().fileOpen();
    EXPECT_EQ(s_prompts->lastMessage(),
        QStringLiteral("Error occurred while loading document: Document contains a frameset."));
    ASSERT_TRUE(driver().waitReady());

    s_prompts->texts = { path(QStringLiteral("no/such/folder.html")) };
    EXPECT_FALSE(window().fileSaveAs());
    EXPECT_EQ(s_prompts->lastMessage(), QStringLiteral("Error occurred while saving document: Path not found."));

    // A good page opens and names the window.
    QFile page(path(QStringLiteral("good.html")));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<html><body><h1>Good</h1></body></html>");
    page.close();
    s_prompts->texts = { page.fileName() };
    window().fileOpen();
    ASSERT_TRUE(driver().waitReady());
    EXPECT_EQ(window().windowTitle(), QStringLiteral("FTP Editor - ") + page.fileName());
    EXPECT_TRUE(driver().waitFor(QStringLiteral("document.querySelector('h1').textContent"), QStringLiteral("Good")));
}

TEST_F(MainFormTest, MenuEnablingFollowsCommandStatus)
{
    driver().setBody(QStringLiteral("<p id=p>plain</p><table id=t><tbody><tr><td id=a>a</td><td>b</td></tr>"
                                    "</tbody></table>"),
        QStringLiteral("#p"));
    ASSERT_TRUE(driver().waitStatus(EditCommand::InsertRow, StatusDisabled));
    opened("mnuTable");
    EXPECT_FALSE(item("mnuTableInsertRow")->isEnabled());
    EXPECT_FALSE(item("mnuTableMergeCells")->isEnabled());
    EXPECT_TRUE(item("mnuTableInsertTable")->isEnabled());
    opened("mnu2D");
    EXPECT_FALSE(item("mnu2DBringToFront")->isEnabled());
    opened("mnuEdit");
    EXPECT_TRUE(item("mnuEditSelectAll")->isEnabled());
    EXPECT_FALSE(item("mnuEditCut")->isEnabled()); // nothing selected

    driver().caret(QStringLiteral("#a"));
    ASSERT_TRUE(driver().waitStatus(EditCommand::InsertRow, StatusEnabled));
    opened("mnuTable");
    EXPECT_TRUE(item("mnuTableInsertRow")->isEnabled());
    EXPECT_TRUE(item("mnuTableMergeCells")->isEnabled());
    item("mnuTableInsertRow")->trigger();
    EXPECT_TRUE(driver().waitFor(QStringLiteral("document.querySelector('#t').rows.length"), 2.0));

    // The first positioning item names what it does; Lock Element shows its state.
    driver().setBody(QStringLiteral("<p>x <img id=i width=20 height=20 "
                                    "src=\"data:image/gif;base64,R0lGODlhAQABAAAAACw=\"></p>"));
    driver().selectElement(QStringLiteral("#i"));
    ASSERT_TRUE(driver().waitStatus(EditCommand::MakeAbsolute, StatusEnabled));
    opened("mnu2D");
    EXPECT_EQ(item("mnu2DMakeAbsolute")->text(), QStringLiteral("Set Position Attribute To Absolute"));
    EXPECT_TRUE(item("mnu2DMakeAbsolute")->isEnabled());
    EXPECT_FALSE(item("mnu2DLockElement")->isEnabled());
    item("mnu2DMakeAbsolute")->trigger();
    ASSERT_TRUE(QTest::qWaitFor([] {
        return s_window->findChild<QAction *>(QStringLiteral("mnu2DMakeAbsolute"))->text()
            == QLatin1String("Set Position Attribute To 1D");
    }));
    opened("mnu2D");
    EXPECT_TRUE(item("mnu2DLockElement")->isEnabled());
    item("mnu2DLockElement")->trigger();
    ASSERT_TRUE(driver().waitStatus(EditCommand::LockElement, StatusLatched));
    opened("mnu2D");
    EXPECT_TRUE(item("mnu2DLockElement")->isChecked());
    EXPECT_TRUE(item("mnu2DBringToFront")->isEnabled());

    // Format: the item of the current block is checked; choosing one sets it.
    driver().setBody(QStringLiteral("<h3 id=h>head</h3>"), QStringLiteral("#h"));
    ASSERT_TRUE(QTest::qWaitFor([] {
        return s_window->findChild<QLabel *>(QStringLiteral("statusBlockFormat"))->text() == QLatin1String("Heading 3");
    }));
    QMenu *format = opened("mnuFormat");
    for (QAction *entry : format->actions())
        EXPECT_EQ(entry->isChecked(), entry->text() == QLatin1String("Heading 3")) << entry->text().toStdString();
    format->actions().at(0)->trigger(); // "Normal"
    EXPECT_TRUE(driver().waitFor(QStringLiteral("document.body.firstElementChild.tagName"), QStringLiteral("P")));
}

TEST_F(MainFormTest, ButtonAndHtmlAreDisabledWithAControlSelected)
{
    driver().setBody(QStringLiteral("<p id=p>text <button id=b>Press</button></p>"), QStringLiteral("#p"));
    ASSERT_TRUE(QTest::qWaitFor([] {
        return s_window->editor()->selectionType() == QLatin1String("None");
    }));
    opened("mnuInsert");
    EXPECT_TRUE(item("mnuInsertButton")->isEnabled());
    EXPECT_TRUE(item("mnuInsertHTML")->isEnabled());
    item("mnuInsertButton")->trigger();
    EXPECT_TRUE(driver().waitFor(QStringLiteral("document.querySelectorAll('button').length"), 2.0))
        << driver().body().toStdString();
    EXPECT_TRUE(driver().waitFor(
        QStringLiteral("document.querySelector('button[title=Button]').textContent"), QStringLiteral("Button!")));

    driver().selectElement(QStringLiteral("#b"));
    ASSERT_TRUE(QTest::qWaitFor([] {
        return s_window->editor()->selectionType() == QLatin1String("Control");
    }));
    opened("mnuInsert");
    EXPECT_FALSE(item("mnuInsertButton")->isEnabled());
    EXPECT_FALSE(item("mnuInsertHTML")->isEnabled());
    EXPECT_TRUE(item("mnuInsertPicture")->isEnabled());
}

TEST_F(MainFormTest, ContextMenuGroups)
{
    const auto captions = [](QMenu *menu) {
        QStringList list;
        for (QAction *action : menu->actions())
            list << (action->isSeparator() ? QString() : action->text());
        return list;
    };
    driver().setBody(
        QStringLiteral("<table id=t><tbody><tr><td id=a>a</td></tr></tbody></table>"), QStringLiteral("#a"));
    ASSERT_TRUE(driver().waitStatus(EditCommand::InsertRow, StatusEnabled));
    QMenu *menu = window().editor()->popupContextMenu(QPoint(10, 10));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(captions(menu),
        QStringList({ "Cut",
            "Copy",
            "Paste",
            "",
            "Select All",
            "",
            "Font...",
            "",
            "Make 2D",
            "",
            "Insert Row",
            "Insert Column",
            "",
            "Delete Row",
            "Delete Column" }));
    EXPECT_FALSE(menu->actions().at(0)->isEnabled()); // nothing to cut
    EXPECT_TRUE(menu->actions().at(4)->isEnabled());
    menu->actions().at(10)->trigger(); // Insert Row
    EXPECT_TRUE(driver().waitFor(QStringLiteral("document.querySelector('#t').rows.length"), 2.0));
    menu->close();

    // An element already positioned offers "Make 1D", which takes it back.
    driver().setBody(QStringLiteral("<p>x <img id=i style=\"position: absolute; left: 5px; top: 5px\" width=9 "
                                    "height=9 src=\"data:image/gif;base64,R0lGODlhAQABAAAAACw=\"></p>"));
    driver().selectElement(QStringLiteral("#i"));
    ASSERT_TRUE(driver().waitStatus(EditCommand::MakeAbsolute, StatusLatched));
    menu = window().editor()->popupContextMenu(QPoint(10, 10));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(captions(menu), QStringList({ "Cut", "Copy", "Paste", "", "Select All", "", "Font...", "", "Make 1D" }));
    menu->actions().at(8)->trigger();
    EXPECT_TRUE(driver().waitFor(QStringLiteral("document.querySelector('#i').style.position"), QString()));
    menu->close();
}

TEST_F(MainFormTest, ToolbarColourFontBoxesAndToggles)
{
    driver().setBody(QStringLiteral("<p id=p>colour me</p>"));
    driver().selectContents(QStringLiteral("#p"));
    ASSERT_TRUE(driver().waitStatus(EditCommand::Bold, StatusEnabled));
    s_prompts->colors = { QColor(255, 0, 0) };
    item("Color")->trigger();
    EXPECT_TRUE(driver().waitFor(
        QStringLiteral("(document.querySelector('font[color]') || {}).color"), QStringLiteral("#ff0000")));
    item("Color")->trigger(); // cancelled: nothing changes
    EXPECT_TRUE(driver().waitFor(QStringLiteral("document.querySelectorAll('font[color]').length"), 1.0));

    item("Bold")->trigger();
    EXPECT_TRUE(QTest::qWaitFor([] {
        return s_window->findChild<QAction *>(QStringLiteral("Bold"))->isChecked();
    }));

    auto *size = control<QComboBox>("FontSizeCombo");
    driver().selectContents(QStringLiteral("#p"));
    emit size->activated(0);
    EXPECT_TRUE(
        driver().waitFor(QStringLiteral("(document.querySelector('font[size]') || {}).size"), QStringLiteral("1")));
    emit size->activated(6);
    EXPECT_TRUE(
        driver().waitFor(QStringLiteral("(document.querySelector('font[size]') || {}).size"), QStringLiteral("7")));
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return size->currentText() == QLatin1String("7");
    }));

    auto *name = control<QComboBox>("FontCombo");
    emit name->activated(1); // Arial
    EXPECT_TRUE(
        driver().waitFor(QStringLiteral("(document.querySelector('font[face]') || {}).face"), QStringLiteral("Arial")));

    item("mnuViewBorders")->trigger();
    EXPECT_TRUE(item("mnuViewBorders")->isChecked());
    EXPECT_TRUE(window().editor()->showBorders());
    item("mnuViewBorders")->trigger();
    EXPECT_FALSE(window().editor()->showBorders());
    item("mnuViewDetails")->trigger();
    EXPECT_TRUE(item("mnuViewDetails")->isChecked());
    item("mnuViewDetails")->trigger();
    item("mnuEditSnapToGrid")->trigger();
    EXPECT_TRUE(item("mnuEditSnapToGrid")->isChecked());
    EXPECT_TRUE(window().editor()->snapToGrid());
    item("mnuEditSnapToGrid")->trigger();

    item("mnuHelpAbout")->trigger();
    EXPECT_EQ(s_prompts->records.last().caption, QStringLiteral("About Quorvel Editor"));
}

TEST_F(MainFormTest, InsertTableDialog)
{
    driver().setBody(QStringLiteral("<p id=p>here</p>"), QStringLiteral("#p"));
    InsertTableDlg dialog(*window().editor(), *s_prompts, &window());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Insert Table"));
    auto *rows = dialog.findChild<QLineEdit *>(QStringLiteral("Rows"));
    auto *cols = dialog.findChild<QLineEdit *>(QStringLiteral("Cols"));
    auto *tableAttrs = dialog.findChild<QLineEdit *>(QStringLiteral("TableAttrs"));
    auto *caption = dialog.findChild<QLineEdit *>(QStringLiteral("TableCaption"));
    auto *ok = dialog.findChild<QPushButton *>(QStringLiteral("OkCmd"));
    ASSERT_TRUE(rows && cols && tableAttrs && caption && ok);
    EXPECT_EQ(rows->text(), QString::number(dialog.params().rows));

    const QString rowsMessage = QStringLiteral("Please specify a positive integer for the number of table rows.");
    const QString colsMessage = QStringLiteral("Please specify a positive integer for the number of table columns.");
    cols->setText(QStringLiteral("abc")); // not looked at until the rows pass
    for (const char *bad : { "0", "-1", "abc", "" }) {
        rows->setText(QLatin1String(bad));
        s_prompts->records.clear();
        ok->click();
        ASSERT_EQ(s_prompts->records.size(), 1) << bad;
        EXPECT_EQ(s_prompts->lastMessage(), rowsMessage) << bad;
    }
    rows->setText(QStringLiteral("2.5"));
    ok->click();
    EXPECT_EQ(s_prompts->lastMessage(), colsMessage);
    EXPECT_FALSE(dialog.result() == QDialog::Accepted);
    EXPECT_EQ(rows->text(), QStringLiteral("2.5")); // the dialog keeps its contents

    // A table too large to build without freezing the editor is refused.
    rows->setText(QStringLiteral("5000"));
    cols->setText(QStringLiteral("3"));
    ok->click();
    EXPECT_TRUE(s_prompts->lastMessage().contains(QStringLiteral("too large")))
        << s_prompts->lastMessage().toStdString();
    EXPECT_FALSE(dialog.result() == QDialog::Accepted);
    rows->setText(QStringLiteral("2.5"));

    tableAttrs->setText(QString()); // empty: the parameter object keeps its value
    caption->setText(QStringLiteral("Scores"));
    const QString previousAttributes = dialog.params().tableAttributes;
    ok->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.params().rows, 2);
    EXPECT_EQ(dialog.params().tableAttributes, previousAttributes);
    EXPECT_TRUE(driver().waitFor(QStringLiteral("document.querySelectorAll('table tr').length"), 2.0));
    EXPECT_EQ(driver().eval(QStringLiteral("document.querySelector('table tr').cells.length")).toInt(), 3);
    EXPECT_EQ(driver().eval(QStringLiteral("document.querySelector('table').caption.textContent")).toString(),
        QStringLiteral("Scores"));
    EXPECT_EQ(driver().eval(QStringLiteral("document.querySelector('table').getAttribute('border')")).toString(),
        QStringLiteral("1"));

    EXPECT_EQ(InsertTableDlg::positiveCount(QStringLiteral("3.5")), 4); // halves to even
    EXPECT_EQ(InsertTableDlg::positiveCount(QStringLiteral("0.4")), 1);
    EXPECT_FALSE(InsertTableDlg::positiveCount(QStringLiteral("99999999999")));
}

TEST_F(MainFormTest, InsertHtmlDialog)
{
    driver().setBody(QStringLiteral("<p id=p>here</p>"), QStringLiteral("#p"));
    InsertHTMLDlg dialog(*window().editor(), &window());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Insert HTML"));
    auto *text = dialog.findChild<QPlainTextEdit *>(QStringLiteral("HTMLText"));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->toPlainText(), QStringLiteral("<B> here's some <I>HTML</></B>"));
    dialog.findChild<QPushButton *>(QStringLiteral("CmdCancel"))->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(driver().waitFor(QStringLiteral("!!document.querySelector('b')"), false));

    InsertHTMLDlg again(*window().editor(), &window());
    again.findChild<QPushButton *>(QStringLiteral("CmdOK"))->click();
    EXPECT_EQ(again.result(), QDialog::Accepted);
    EXPECT_TRUE(
        driver().waitFor(QStringLiteral("(document.querySelector('b i') || {}).textContent"), QStringLiteral("HTML")));
    EXPECT_EQ(driver().eval(QStringLiteral("document.querySelector('b').textContent.trim()")).toString(),
        QStringLiteral("here's some HTML"));
}

TEST(MainWindowEntry, HtmlEditorOpensTheEditor)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    auto prompts = std::make_unique<ScriptedPrompts>();
    Application app(ProgramFolder(dir.path(), dir.path(), dir.path()), std::move(prompts));
    registerHtmlEditor(app);
    frmForm *main = app.mainWindow();
    auto *file = main->findChild<QMenu *>(QStringLiteral("mnuFile"));
    ASSERT_NE(file, nullptr);
    auto *entry = main->findChild<QAction *>(QStringLiteral("mnuEditor"));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->text(), QStringLiteral("HTML Editor"));
    EXPECT_TRUE(entry->isEnabled());
    const QList<QAction *> actions = file->actions();
    const qsizetype at = actions.indexOf(entry);
    ASSERT_GE(at, 0);
    EXPECT_EQ(actions.at(at + 1)->objectName(), QStringLiteral("mnuImagereplace"));
    EXPECT_TRUE(actions.at(at + 2)->isSeparator()); // then the first separator
    EXPECT_EQ(actions.at(at + 3)->objectName(), QStringLiteral("mnuHelp"));
    entry->trigger();
    auto *editor = qobject_cast<MainForm *>(app.showHtmlEditor());
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->objectName(), QStringLiteral("MainForm"));
    entry->trigger(); // the same window, not a second one
    EXPECT_EQ(app.showHtmlEditor(), editor);

    // Its help item shows the editor's page of the manual.
    EXPECT_TRUE(HelpWindow::hasTopic(QStringLiteral("html-editor")));
    editor->findChild<QAction *>(QStringLiteral("mnuHelpTopics"))->trigger();
    ASSERT_NE(app.helpWindowIfOpen(), nullptr);
    EXPECT_TRUE(app.helpWindowIfOpen()->isVisible());
}

// The editor and its dialogs by keyboard alone: names for screen readers, unique "&"
// letters, and every control of the dialogs reached by Tab. (The page itself takes
// Tab as text, as a word processor does.)
TEST_F(MainFormTest, KeyboardAndScreenReaderReachEveryControl)
{
    // As in the program, Ctrl+Tab leaves the HTML box.
    TextAreaTabs textAreaTabs;
    QCoreApplication::instance()->installEventFilter(&textAreaTabs);
    EXPECT_EQ(test::controlsWithoutAccessibleName(&window()).join(QLatin1Char('\n')).toStdString(), "");
    EXPECT_EQ(test::mnemonicFaults(&window()).join(QLatin1Char('\n')).toStdString(), "");

    InsertTableDlg table(*window().editor(), *s_prompts, &window());
    table.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&table));
    EXPECT_EQ(test::controlsNotReachedByTab(&table).join(QLatin1Char('\n')).toStdString(), "");
    EXPECT_EQ(test::controlsWithoutAccessibleName(&table).join(QLatin1Char('\n')).toStdString(), "");
    EXPECT_EQ(test::mnemonicFaults(&table).join(QLatin1Char('\n')).toStdString(), "");
    table.close();

    InsertHTMLDlg html(*window().editor(), &window());
    html.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&html));
    EXPECT_EQ(test::controlsNotReachedByTab(&html).join(QLatin1Char('\n')).toStdString(), "");
    EXPECT_EQ(test::controlsWithoutAccessibleName(&html).join(QLatin1Char('\n')).toStdString(), "");
    EXPECT_EQ(test::mnemonicFaults(&html).join(QLatin1Char('\n')).toStdString(), "");
    html.close();
}

} // namespace

namespace
{

// File > Open takes what a file holds, whatever its name, and refuses pictures and
// other binary data by name; Save never writes over a file not opened as a page.
TEST_F(MainFormTest, OpenTakesOnlyPagesAndSaveNeverWritesOverAPicture)
{
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Qt::green);
    const QString jpeg = path(QStringLiteral("photo.jpg"));
    ASSERT_TRUE(picture.save(jpeg, "JPEG"));
    const struct {
        QString file;
        const char *holds;
    } refused[] = {
        { jpeg, "a JPEG picture" },
        { writeFile(QStringLiteral("bad.html"), "<meta charset=\"utf-8\"><p>caf\xe9</p>"),
            "text that is not valid UTF-8, its character set" },
    };
    s_prompts->answers = { Prompts::Answer::No }; // drop what an earlier test left
    for (const auto &r : refused) {
        const QByteArray before = readFile(r.file);
        s_prompts->texts = { r.file };
        window().fileOpen();
        EXPECT_EQ(s_prompts->lastMessage(),
            QStringLiteral("Error occurred while loading document: %1 holds %2, not a page the editor can open.")
                .arg(r.file, QLatin1String(r.holds)));
        ASSERT_TRUE(driver().waitReady());
        EXPECT_TRUE(window().editor()->currentDocumentPath().isEmpty()) << r.holds;
        EXPECT_EQ(window().windowTitle(), QStringLiteral("FTP Editor"));
        // Save has nowhere to write but where Save As is told: cancelled here.
        s_prompts->texts.clear();
        EXPECT_FALSE(window().fileSave());
        EXPECT_EQ(s_prompts->records.last().kind, QStringLiteral("saveFile"));
        EXPECT_EQ(readFile(r.file), before) << r.holds;
    }
    // Nor does Save As write over a picture it is pointed at.
    const QByteArray photo = readFile(jpeg);
    s_prompts->texts = { jpeg };
    EXPECT_FALSE(window().fileSaveAs());
    EXPECT_EQ(s_prompts->lastMessage(),
        QStringLiteral("Error occurred while saving document: %1 holds a JPEG picture, not a web page: the editor "
                       "does not write over it.")
            .arg(jpeg));
    EXPECT_EQ(readFile(jpeg), photo);
    EXPECT_TRUE(window().editor()->currentDocumentPath().isEmpty());

    // Text is edited as a page whatever the file is called, read in the character set
    // it declares.
    const QString text = writeFile(QStringLiteral("notes.jpg"), "<meta charset=\"iso-8859-1\"><h1>Caf\xe9</h1>");
    s_prompts->texts = { text };
    window().fileOpen();
    ASSERT_TRUE(driver().waitReady());
    EXPECT_EQ(window().editor()->currentDocumentPath(), text);
    EXPECT_TRUE(driver().waitFor(
        QStringLiteral("(document.querySelector('h1') || {}).textContent"), QStringLiteral("Caf\u00e9")));
}

// Type, press a block command, type on: the text goes where the caret was (the
// engine's list command put it at the start of the item, and "Eggs" went before
// "Milk").
TEST_F(MainFormTest, BlockCommandsLeaveTheCaretWhereItWas)
{
    QWidget *input = focusPage();
    // A selection stays selected.
    driver().setBody(QStringLiteral("<p id=p>Milk</p>"));
    driver().eval(QStringLiteral("var t = document.querySelector('#p').firstChild;"
                                 " getSelection().setBaseAndExtent(t, 1, t, 3); 1"));
    item("Bullets")->trigger();
    ASSERT_TRUE(driver().waitFor(QStringLiteral("!!document.querySelector('ul > li')"), true));
    EXPECT_EQ(driver().eval(QStringLiteral("getSelection().toString()")).toString(), QStringLiteral("il"));

    const struct {
        const char *item;
        const char *body;
        const char *done; // true once the command took effect
    } cases[] = {
        { "Numbers", "<p id=c><br></p>", "!!document.querySelector('ol > li')" },
        { "Indent", "<p id=c><br></p>", "!!document.querySelector('blockquote')" },
        { "Outdent", "<ul><li>a<ul><li id=c><br></li></ul></li></ul>", "document.querySelectorAll('ul').length == 1" },
        { "Center", "<p id=c><br></p>", "getComputedStyle(document.querySelector('p')).textAlign == 'center'" },
        { "RightJustify", "<p id=c><br></p>", "getComputedStyle(document.querySelector('p')).textAlign == 'right'" },
        { "LeftJustify",
            "<p id=c style=\"text-align: center\"><br></p>",
            "getComputedStyle(document.querySelector('p')).textAlign == 'left'" },
        { "mnuFormatHeading1", "<p id=c><br></p>", "!!document.querySelector('h1')" },
        { "mnuFormatNumberedList", "<p id=c><br></p>", "!!document.querySelector('ol > li')" },
        { "Bullets", "<p id=c><br></p>", "!!document.querySelector('ul > li')" },
    };
    const QString text = QStringLiteral("document.body.innerText.replace(/\\s+/g, ' ').trim()");
    for (const auto &c : cases) {
        driver().setBody(QLatin1String(c.body), QStringLiteral("#c"));
        QTest::keyClicks(input, QStringLiteral("Milk"));
        ASSERT_TRUE(driver().waitFor(QStringLiteral("document.querySelector('#c').textContent"), "Milk")) << c.item;
        item(c.item)->trigger();
        ASSERT_TRUE(driver().waitFor(QLatin1String(c.done), true)) << c.item << " " << driver().body().toStdString();
        QTest::keyClick(input, Qt::Key_Return);
        QTest::keyClicks(input, QStringLiteral("Eggs"));
        EXPECT_TRUE(driver().waitFor(QStringLiteral("document.body.innerText.includes('Eggs')"), true));
        EXPECT_EQ(driver().eval(text).toString().remove(QStringLiteral("a ")), QStringLiteral("Milk Eggs"))
            << c.item << " " << driver().body().toStdString();
    }
    // The saved page holds the list as typed.
    const QString file = path(QStringLiteral("list.html"));
    s_prompts->texts = { file };
    ASSERT_TRUE(window().fileSaveAs());
    EXPECT_TRUE(readFile(file).contains("<ul><li>Milk</li><li>Eggs</li></ul>")) << readFile(file).constData();
}

// Insert HTML puts in the markup given, less scripts and event handlers, which it
// names.
TEST_F(MainFormTest, InsertHtmlInsertsTheMarkupAsWritten)
{
    const auto insert = [](const QString &html) {
        driver().setBody(QStringLiteral("<p id=\"p\">LEFTRIGHT</p>"));
        driver().eval(QStringLiteral("var t = document.querySelector('#p').firstChild;"
                                     " getSelection().setBaseAndExtent(t, 4, t, 4); 1"));
        InsertHTMLDlg dialog(*window().editor(), &window());
        dialog.findChild<QPlainTextEdit *>(QStringLiteral("HTMLText"))->setPlainText(html);
        dialog.findChild<QPushButton *>(QStringLiteral("CmdOK"))->click();
    };
    const struct {
        const char *html;
        const char *middle; // what stands between LEFT and RIGHT afterwards
    } cases[] = {
        { "<span id=\"qhtml\">MIDDLE</span>", "<span id=\"qhtml\">MIDDLE</span>" },
        { "<font color=\"red\">MIDDLE</font>", "<font color=\"red\">MIDDLE</font>" },
        { "<!-- note -->MIDDLE<a name=\"here\"></a>", "<!-- note -->MIDDLE<a name=\"here\"></a>" },
        { "<button title=\"Button\">Button!</button>", "<button title=\"Button\">Button!</button>" },
        { "<b id=\"q\">MIDDLE</b>", "<b id=\"q\">MIDDLE</b>" },
    };
    for (const auto &c : cases) {
        insert(QLatin1String(c.html));
        const QString expected = QStringLiteral("<p id=\"p\">LEFT%1RIGHT</p>").arg(QLatin1String(c.middle));
        EXPECT_TRUE(driver().waitFor(QStringLiteral("document.body.innerHTML"), expected))
            << c.html << " gave " << driver().body().toStdString();
        // Where the engine rewrote the markup and the editor undid that, the engine's
        // redo of it is withheld: it would insert the markup a second time.
        EXPECT_TRUE(driver().waitStatus(EditCommand::Redo, StatusDisabled)) << c.html;
        window().editor()->execCommand(EditCommand::Redo);
        EXPECT_EQ(driver().body(), expected) << c.html;
    }
    // What the engine inserts as written stays one step of Undo.
    window().editor()->execCommand(EditCommand::Undo);
    EXPECT_TRUE(
        driver().waitFor(QStringLiteral("document.body.innerHTML"), QStringLiteral("<p id=\"p\">LEFTRIGHT</p>")));

    s_prompts->records.clear();
    insert(QStringLiteral("<b onclick=\"steal()\">B</b><script>alert(1)</script>"));
    EXPECT_TRUE(driver().waitFor(
        QStringLiteral("document.body.innerHTML"), QStringLiteral("<p id=\"p\">LEFT<b>B</b>RIGHT</p>")));
    EXPECT_EQ(s_prompts->lastMessage(),
        QStringLiteral("The editor does not insert scripts or event handlers. Left out: onclick, <script>."));
}

/// Changes a checkable item's state as an assistive technology does: a tool bar
/// button through its Toggle action, a menu item (which offers only Press) by
/// setChecked. Neither clicks.
void toggle(QToolBar *toolbar, QAction *action, bool checked)
{
    if (QWidget *button = toolbar->widgetForAction(action)) {
        QAccessibleActionInterface *actions = QAccessible::queryAccessibleInterface(button)->actionInterface();
        ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::toggleAction()));
        if (action->isChecked() != checked)
            actions->doAction(QAccessibleActionInterface::toggleAction());
    } else {
        action->setChecked(checked);
    }
}

// Every checkable item of the editor does on a change of its state what it does on
// a click, and then shows the document's state.
TEST_F(MainFormTest, EveryCheckableItemActsOnItsState)
{
    const QString align = QStringLiteral("getComputedStyle(document.querySelector('#p')).textAlign == '%1'");
    const struct {
        const char *name;
        const char *body;
        QString done; // true once the change took effect
    } cases[] = {
        { "Bold", "<p id=p>some words</p>", QStringLiteral("!!document.querySelector('#p b')") },
        { "Italic", "<p id=p>some words</p>", QStringLiteral("!!document.querySelector('#p i')") },
        { "Underline", "<p id=p>some words</p>", QStringLiteral("!!document.querySelector('#p u')") },
        { "Numbers", "<p id=p>some words</p>", QStringLiteral("!!document.querySelector('ol > li')") },
        { "Bullets", "<p id=p>some words</p>", QStringLiteral("!!document.querySelector('ul > li')") },
        { "LeftJustify", "<p id=p style=\"text-align: right\">some words</p>", align.arg(QLatin1String("left")) },
        { "Center", "<p id=p>some words</p>", align.arg(QLatin1String("center")) },
        { "RightJustify", "<p id=p>some words</p>", align.arg(QLatin1String("right")) },
        { "mnuEditSnapToGrid", "<p id=p>x</p>", QStringLiteral("window.quorvelBridge.snapshot().snap") },
        { "mnuViewBorders", "<p id=p>x</p>", QStringLiteral("window.quorvelBridge.snapshot().borders") },
        { "mnuViewDetails", "<p id=p>x</p>", QStringLiteral("window.quorvelBridge.snapshot().details") },
        { "mnu2DLockElement",
            "<div id=p style=\"position: absolute; left: 5px; top: 5px\">box</div>",
            QStringLiteral("window.quorvelBridge.snapshot().statuses.lockElement == 7") },
    };
    QToolBar *toolbar = control<QToolBar>("Toolbar1");
    QStringList covered;
    for (const auto &c : cases) {
        QAction *action = item(c.name);
        covered << action->objectName();
        driver().setBody(QLatin1String(c.body));
        driver().selectContents(QStringLiteral("#p"));
        if (QLatin1String(c.name) == QLatin1String("mnu2DLockElement"))
            driver().selectElement(QStringLiteral("#p"));
        ASSERT_TRUE(QTest::qWaitFor([&] {
            return window().editor()->selectionType() != QLatin1String("None") && action->isEnabled();
        })) << c.name;
        toggle(toolbar, action, true);
        EXPECT_TRUE(driver().waitFor(c.done, true)) << c.name << " " << driver().body().toStdString();
        EXPECT_TRUE(QTest::qWaitFor([&] {
            return action->isChecked();
        })) << c.name;
    }
    // Taking the state back takes the effect back, and the item shows it; Center on
    // centred text stays centred, and shows so.
    driver().setBody(QStringLiteral("<p id=p style=\"text-align: center\"><b>some words</b></p>"));
    driver().selectContents(QStringLiteral("#p"));
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return item("Bold")->isChecked() && item("Center")->isChecked();
    }));
    for (const char *name : { "Bold", "Center", "mnuViewBorders", "mnuViewDetails", "mnuEditSnapToGrid" }) {
        toggle(toolbar, item(name), false);
        const bool stays = QLatin1String(name) == QLatin1String("Center");
        EXPECT_TRUE(QTest::qWaitFor([&] {
            return item(name)->isChecked() == stays;
        })) << name;
    }
    EXPECT_TRUE(driver().waitFor(QStringLiteral("!!document.querySelector('b')"), false));
    EXPECT_TRUE(driver().waitFor(align.arg(QLatin1String("center")), true));
    EXPECT_FALSE(
        window().editor()->showBorders() || window().editor()->showDetails() || window().editor()->snapToGrid());

    // Each block format item, checked, sets its format.
    for (QAction *format : control<QMenu>("mnuFormat")->actions()) {
        covered << format->objectName();
        driver().setBody(QStringLiteral("<p id=p>words</p>"), QStringLiteral("#p"));
        ASSERT_TRUE(QTest::qWaitFor([&] {
            return control<QLabel>("statusBlockFormat")->text() == QLatin1String("Normal");
        }));
        format->setChecked(true);
        EXPECT_TRUE(QTest::qWaitFor([&] {
            return control<QLabel>("statusBlockFormat")->text() == format->text();
        })) << format->text().toStdString();
        EXPECT_TRUE(format->isChecked()) << format->text().toStdString();
    }

    // The tool bars' own items (the window's context menu) show and hide them.
    for (QToolBar *bar : window().findChildren<QToolBar *>()) {
        covered << bar->toggleViewAction()->objectName();
        bar->toggleViewAction()->setChecked(false);
        EXPECT_TRUE(bar->isHidden()) << bar->objectName().toStdString();
        bar->toggleViewAction()->setChecked(true);
        EXPECT_FALSE(bar->isHidden()) << bar->objectName().toStdString();
    }

    // Nothing checkable is left out above; the dialogs have no check boxes or option
    // buttons.
    QStringList checkable;
    for (QAction *action : window().findChildren<QAction *>()) {
        if (action->isCheckable())
            checkable << action->objectName();
    }
    checkable.sort();
    covered.sort();
    EXPECT_EQ(checkable, covered);
    InsertTableDlg table(*window().editor(), *s_prompts, &window());
    InsertHTMLDlg html(*window().editor(), &window());
    for (QDialog *dialog : std::initializer_list<QDialog *> { &table, &html }) {
        for (QAbstractButton *button : dialog->findChildren<QAbstractButton *>())
            EXPECT_FALSE(button->isCheckable()) << button->objectName().toStdString();
    }
}

// A screen reader reads the page, the block format with its value, the font boxes
// by their labels, and reaches every toolbar command at the window's first size.
TEST_F(MainFormTest, ScreenReaderReadsTheEditorAndReachesEveryCommand)
{
    // Set by the test main's preparation, as by the program's; a value the user set stays.
    EXPECT_EQ(qgetenv("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY"), QByteArray("1"));
    qputenv("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY", "0");
    enableEngineAccessibility();
    EXPECT_EQ(qgetenv("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY"), QByteArray("0"));
    qputenv("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY", "1");

    driver().setBody(QStringLiteral("<h1 id=h>Title</h1>"), QStringLiteral("#h"));
    auto *blockFormat = control<QLabel>("statusBlockFormat");
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return blockFormat->text() == QLatin1String("Heading 1");
    }));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(blockFormat)->text(QAccessible::Name), QStringLiteral("Heading 1"));
    EXPECT_EQ(test::screenReaderFaults(&window()).join(QLatin1Char('\n')).toStdString(), "");

    // On Linux a combo box's name is its value; what it is comes from its label,
    // whose letter leads to it, from the page too.
    const struct {
        const char *name;
        const char *label;
        Qt::Key letter;
    } boxes[] = { { "FontCombo", "Font:", Qt::Key_N }, { "FontSizeCombo", "Size:", Qt::Key_Z } };
    for (const auto &b : boxes) {
        auto *combo = control<QComboBox>(b.name);
        QAccessibleInterface *box = QAccessible::queryAccessibleInterface(combo);
        QStringList labels;
        for (const auto &[other, relation] : box->relations(QAccessible::Label))
            labels << other->text(QAccessible::Name);
        EXPECT_EQ(labels, QStringList { QLatin1String(b.label) }) << b.name;
        for (int i = 0; i < box->childCount(); ++i) {
            if (box->child(i)->role() == QAccessible::EditableText) {
                EXPECT_FALSE(box->child(i)->text(QAccessible::Name).isEmpty()) << b.name;
            }
        }
        focusPage();
        QTest::keyClick(&window(), b.letter, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] {
            return combo->hasFocus();
        })) << b.name;
    }

    ASSERT_EQ(window().size(), QSize(800, 600));
    for (QToolBar *bar : window().findChildren<QToolBar *>()) {
        for (QAction *action : bar->actions()) {
            if (!action->objectName().isEmpty()) {
                EXPECT_TRUE(bar->widgetForAction(action)->isVisible()) << action->objectName().toStdString();
            }
        }
        auto *more = bar->findChild<QToolButton *>(QStringLiteral("qt_toolbar_ext_button"));
        ASSERT_NE(more, nullptr);
        EXPECT_EQ(
            QAccessible::queryAccessibleInterface(more)->text(QAccessible::Name), QStringLiteral("More commands"));
    }
}

} // namespace
