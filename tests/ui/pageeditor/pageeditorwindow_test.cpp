// SPDX-License-Identifier: GPL-3.0-or-later
// The header and footer editor through its controls: opening from the page options,
// the template, tag buttons and menus, files, publishing, and the page it frames.
#include "app/application.h"
#include "app/mainwindow.h"
#include "app/pageoptionsdialog.h"
#include "pageeditor/headerfooter.h"
#include "pageeditor/pageeditorwindow.h"
#include "platform/filelist.h"
#include "platform/folderlist.h"
#include "platform/helpwindow.h"
#include "testsupport.h"
#include "ui/apptest.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFontDatabase>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>

using namespace quorvel;

namespace
{

class PageEditorTest : public test::AppTest
{
protected:
    /// Opens the editor the way the user does: "HTML" in the main window's toolbar,
    /// then "Custom Header & Footer Pages".
    Form4 *open()
    {
        if (!m_app)
            start();
        m_app->mainWindow()->findChild<QAction *>(QStringLiteral("HTML"))->trigger();
        saveto *options = test::required(m_app->pageOptionsIfOpen(), "Folder Options");
        control<QPushButton>(options, "Command3")->click();
        return test::required(m_app->headerFooterEditorIfOpen(), "the header and footer editor");
    }

    QPlainTextEdit *header(Form4 *editor)
    {
        return control<QPlainTextEdit>(editor, "Text1");
    }
    QPlainTextEdit *footer(Form4 *editor)
    {
        return control<QPlainTextEdit>(editor, "Text2");
    }
    QPushButton *tagButton(Form4 *editor, int index)
    {
        return editor->findChild<QPushButton *>(QStringLiteral("Command4(%1)").arg(index));
    }
    void trigger(Form4 *editor, const char *item)
    {
        auto *action = editor->findChild<QAction *>(QLatin1String(item));
        ASSERT_NE(action, nullptr) << item;
        action->trigger();
    }

    /// Puts text in a box, gives it the focus and selects characters from..to.
    void typeInto(QPlainTextEdit *box, const QString &text, int from = -1, int to = -1)
    {
        box->setPlainText(text);
        box->setFocus();
        QTextCursor cursor = box->textCursor();
        if (from >= 0) {
            cursor.setPosition(from);
            cursor.setPosition(to, QTextCursor::KeepAnchor);
        } else {
            cursor.movePosition(QTextCursor::End);
        }
        box->setTextCursor(cursor);
    }

    QString programFile(const char *name) const
    {
        return m_programDir.filePath(QLatin1String(name));
    }

    QStringList recordsOf(const char *kind) const
    {
        QStringList texts;
        for (const auto &record : m_prompts->records) {
            if (record.kind == QLatin1String(kind))
                texts += record.text;
        }
        return texts;
    }
};

} // namespace

TEST_F(PageEditorTest, OpensFromThePageOptionsWithItsControlsAndTheBuiltInTexts)
{
    Form4 *editor = open();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("HTML Heading and Footing"));
    // The page options stay open: both windows are modeless.
    EXPECT_NE(m_app->pageOptionsIfOpen(), nullptr);

    const char *captions[] = { "<hr>",
        "<p>",
        "<h1>",
        "<h2>",
        "<h3>",
        "<h4>",
        "<h5>",
        "<h6>",
        "<center>",
        "<br>",
        "<b>",
        "<i>",
        "<u>",
        "Body/Textcolor" };
    for (int i = 0; i < 14; ++i) {
        QPushButton *button = tagButton(editor, i);
        ASSERT_NE(button, nullptr) << i;
        EXPECT_EQ(button->text(), QLatin1String(captions[i]));
        EXPECT_FALSE(button->toolTip().isEmpty());
    }
    EXPECT_EQ(tagButton(editor, 8)->toolTip(), QStringLiteral("Center Html coding"));
    EXPECT_TRUE(control<QRadioButton>(editor, "Option1")->isChecked());
    EXPECT_EQ(control<QRadioButton>(editor, "Option2")->toolTip(), QStringLiteral("Edit the Footer below"));
    EXPECT_EQ(control<QGroupBox>(editor, "SSFrame1")->title(), QStringLiteral("HTML Header:"));
    EXPECT_EQ(control<QGroupBox>(editor, "SSFrame2")->title(), QStringLiteral("HTML Footer:"));
    EXPECT_EQ(header(editor)->accessibleName(), QStringLiteral("HTML Header"));
    EXPECT_EQ(
        control<QPushButton>(editor, "Command1")->toolTip(), QStringLiteral("use this Header/Footer in your coding"));
    EXPECT_TRUE(control<QPushButton>(editor, "Command1")->font().bold());
    EXPECT_FALSE(control<QPushButton>(editor, "Command6")->isVisible());
    for (const char *name : { "Command5", "Command3", "Command2", "Command8" })
        EXPECT_TRUE(control<QPushButton>(editor, name)->isVisible()) << name;
    for (const char *item : { "mnuOpen",
             "mnuSave",
             "mnuSaveDefHead",
             "mnuOk",
             "mnuClose",
             "mnuUndo",
             "mnuCut",
             "mnuCopy",
             "mnuPaste",
             "mnuBanner",
             "mnuTitle",
             "mnuBlink",
             "mnuSuper",
             "mnunder",
             "mnuH1",
             "mnuH6",
             "mnuImage",
             "mnuBodyBkgr",
             "mnLink" })
        EXPECT_NE(editor->findChild<QAction *>(QLatin1String(item)), nullptr) << item;

    // No default.def: the built-in texts, which refer to the logo pictures beside the page.
    const HeaderFooterTexts builtIn = builtInTexts();
    EXPECT_EQ(editor->headerText(), builtIn.header);
    EXPECT_EQ(editor->footerText(), builtIn.footer);
    EXPECT_TRUE(editor->headerText().contains(QStringLiteral("vellodeflogo.jpg")));

    // The monospace font changes only the look.
    trigger(editor, "mnuMonospace");
    EXPECT_EQ(header(editor)->font().family(), QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    EXPECT_EQ(editor->headerText(), builtIn.header);
    trigger(editor, "mnuMonospace");
    EXPECT_EQ(footer(editor)->font(), editor->font());

    // Opening it again only brings it to the front: the boxes keep their text.
    header(editor)->setPlainText(QStringLiteral("mine"));
    control<QPushButton>(m_app->pageOptionsIfOpen(), "Command3")->click();
    EXPECT_EQ(m_app->headerFooterEditorIfOpen(), editor);
    EXPECT_EQ(editor->headerText(), QStringLiteral("mine"));
}

TEST_F(PageEditorTest, StartsFromTheTemplateFileAndAnEmptyOneEmptiesBoth)
{
    ASSERT_TRUE(
        test::writeFile(programFile("default.def"), "<HTML>\r\n<BODY>\r\n<![Footer]>\r\n</BODY>\r\n</HTML>\r\n"));
    Form4 *editor = open();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->headerText(), QStringLiteral("<HTML>\r\n<BODY>\r\n"));
    EXPECT_EQ(editor->footerText(), QStringLiteral("</BODY>\r\n</HTML>\r\n"));
    // The box shows lines, not the CR characters.
    EXPECT_EQ(header(editor)->document()->blockCount(), 3);
    control<QPushButton>(editor, "Command2")->click();
    QTRY_VERIFY(m_app->headerFooterEditorIfOpen() == nullptr);

    ASSERT_TRUE(test::writeFile(programFile("default.def"), ""));
    editor = open();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->headerText(), QString());
    EXPECT_EQ(editor->footerText(), QString());
}

TEST_F(PageEditorTest, TagButtonsWrapTheTargetBoxSelectionAndUndoTakesThemBackInOneStep)
{
    Form4 *editor = open();
    ASSERT_NE(editor, nullptr);
    // "Title" selected in the header; the footer last had the focus and a selection.
    typeInto(header(editor), QStringLiteral("abc Title xyz"), 4, 9);
    typeInto(footer(editor), QStringLiteral("footer text"), 0, 6);
    tagButton(editor, 2)->click();
    EXPECT_EQ(editor->headerText(), QStringLiteral("abc <H1>Title</H1> xyz"));
    EXPECT_EQ(editor->footerText(), QStringLiteral("footer text"));
    EXPECT_EQ(header(editor)->textCursor().position(), 13);
    EXPECT_FALSE(header(editor)->textCursor().hasSelection());
    EXPECT_EQ(editor->focusWidget(), header(editor));

    // "&Undo" of the Edit menu: the whole insertion goes and the selection's text is back.
    trigger(editor, "mnuUndo");
    EXPECT_EQ(editor->headerText(), QStringLiteral("abc Title xyz"));
    trigger(editor, "mnuUndo");
    EXPECT_EQ(editor->headerText(), QStringLiteral("abc Title xyz")) << "text set before was not typed";

    // Nothing selected: an empty pair with the caret between the tags.
    typeInto(header(editor), QStringLiteral("x"));
    tagButton(editor, 10)->click();
    EXPECT_EQ(editor->headerText(), QStringLiteral("x<B></B>"));
    EXPECT_EQ(header(editor)->textCursor().position(), 4);

    // "<p>" replaces the selection; "<hr>" leaves the caret after the tag.
    typeInto(header(editor), QStringLiteral("gone"), 0, 4);
    tagButton(editor, 1)->click();
    EXPECT_EQ(editor->headerText(), QStringLiteral("<P></P>"));
    EXPECT_EQ(header(editor)->textCursor().position(), 3);
    tagButton(editor, 0)->click();
    EXPECT_EQ(editor->headerText(), QStringLiteral("<P><HR></P>"));
    EXPECT_EQ(header(editor)->textCursor().position(), 7);

    // "Edit Footer": the buttons act on the footer; a selection over a line break keeps it as CR LF.
    control<QRadioButton>(editor, "Option2")->click();
    typeInto(footer(editor), QStringLiteral("a\r\nb"), 0, 3);
    header(editor)->setFocus();
    tagButton(editor, 8)->click();
    EXPECT_EQ(editor->footerText(), QStringLiteral("<CENTER>a\r\nb</CENTER>"));
    EXPECT_EQ(editor->headerText(), QStringLiteral("<P><HR></P>"));
}

TEST_F(PageEditorTest, ColourTagAsksForBothColoursAndWritesTheirHexForm)
{
    Form4 *editor = open();
    ASSERT_NE(editor, nullptr);
    typeInto(header(editor), QString());
    footer(editor)->setFocus();
    m_prompts->colors = { QColor(5, 128, 255), QColor(Qt::black) };
    tagButton(editor, 13)->click();
    EXPECT_EQ(editor->headerText(), QStringLiteral("<BODY BGCOLOR = \"#0580FF\" TEXT = \"#000000\">"));
    EXPECT_EQ(editor->footerText(), builtInTexts().footer);
    ASSERT_EQ(
        recordsOf("color"), (QStringList { QStringLiteral("Select BodyColor"), QStringLiteral("Select TextColor") }));
    // The first opens on black, the second on the colour just chosen.
    EXPECT_EQ(m_prompts->records[0].initialColor, QColor(Qt::black));
    EXPECT_EQ(m_prompts->records[1].initialColor, QColor(5, 128, 255));

    // A cancel in the second dialog types nothing; the next one opens on the last choice.
    m_prompts->records.clear();
    m_prompts->colors = { QColor(Qt::white) };
    tagButton(editor, 13)->click();
    EXPECT_EQ(editor->headerText(), QStringLiteral("<BODY BGCOLOR = \"#0580FF\" TEXT = \"#000000\">"));
    ASSERT_EQ(m_prompts->records.size(), 2);
    EXPECT_EQ(m_prompts->records[0].initialColor, QColor(Qt::black));
    EXPECT_EQ(m_prompts->records[1].initialColor, QColor(Qt::white));
}

TEST_F(PageEditorTest, InsertMenuTypesIntoTheFocusedBox)
{
    Form4 *editor = open();
    ASSERT_NE(editor, nullptr);
    // "Edit Header" is chosen, but the user types in the footer.
    typeInto(header(editor), QStringLiteral("head"));
    typeInto(footer(editor), QStringLiteral("old"), 0, 3);
    trigger(editor, "mnuTitle");
    EXPECT_EQ(editor->footerText(), QStringLiteral("<TITLE></TITLE>"));
    EXPECT_EQ(footer(editor)->textCursor().position(), 15);
    trigger(editor, "mnunder");
    trigger(editor, "mnuH3");
    EXPECT_EQ(editor->footerText(), QStringLiteral("<TITLE></TITLE><U></U><H3></H3>"));
    EXPECT_EQ(editor->headerText(), QStringLiteral("head"));

    // A link to a name with a space keeps it; one with a quote or an ampersand is escaped.
    typeInto(footer(editor), QString());
    m_prompts->texts = { QDir(m_programDir.path()).filePath(QStringLiteral("my page.htm")) };
    trigger(editor, "mnLink");
    EXPECT_EQ(editor->footerText(), QStringLiteral("<A HREF=\"my page.htm\">my page.htm</A>"));
    ASSERT_FALSE(m_prompts->records.isEmpty());
    EXPECT_EQ(m_prompts->records.last().text, QStringLiteral("Insert Link...."));
    EXPECT_EQ(m_prompts->records.last().filter,
        QStringLiteral("HTM (*.htm);;HTML (*.html);;Pictures (*.jpg *.gif *.pcx *.bmp)"));
    EXPECT_EQ(m_prompts->records.last().folder, m_programDir.path());

    typeInto(footer(editor), QString());
    m_prompts->texts = { QStringLiteral("/pics/R&D \"best\".jpg"), QStringLiteral("/pics/back.gif") };
    trigger(editor, "mnuImage");
    trigger(editor, "mnuBodyBkgr");
    EXPECT_EQ(editor->footerText(),
        QStringLiteral("<IMG SRC=\"R&amp;D &quot;best&quot;.jpg\"><BODY BACKGROUND=\"back.gif\">"));
    EXPECT_EQ(m_prompts->records.last().text, QStringLiteral("Insert Image...."));
    EXPECT_EQ(m_prompts->records.last().filter, QStringLiteral("Pictures (*.jpg *.gif *.pcx)"));
    // The dialogs remember the folder last chosen.
    EXPECT_EQ(m_prompts->records.last().folder, QStringLiteral("/pics"));

    // A cancelled dialog types nothing.
    trigger(editor, "mnLink");
    EXPECT_EQ(editor->footerText(),
        QStringLiteral("<IMG SRC=\"R&amp;D &quot;best&quot;.jpg\"><BODY BACKGROUND=\"back.gif\">"));
}

TEST_F(PageEditorTest, CutCopyAndPasteActOnTheFocusedBox)
{
    Form4 *editor = open();
    ASSERT_NE(editor, nullptr);
    typeInto(header(editor), QStringLiteral("keep<B>"), 4, 7);
    trigger(editor, "mnuCut");
    EXPECT_EQ(editor->headerText(), QStringLiteral("keep"));
    typeInto(footer(editor), QStringLiteral("x"));
    trigger(editor, "mnuPaste");
    EXPECT_EQ(editor->footerText(), QStringLiteral("x<B>"));
}

TEST_F(PageEditorTest, SaveWritesBothFilesPublishesAndOpenReadsThemBack)
{
    Form4 *editor = open();
    ASSERT_NE(editor, nullptr);
    typeInto(header(editor), QStringLiteral("<HTML>\r\n"));
    typeInto(footer(editor), QStringLiteral("  </HTML>  "));
    const QString headerPath = programFile("header.html");
    const QString footerPath = programFile("footer.html");
    m_prompts->texts = { headerPath, footerPath };
    control<QPushButton>(editor, "Command3")->click();

    EXPECT_EQ(test::readFile(headerPath), QByteArray("<HTML>\r\n\r\n"));
    EXPECT_EQ(test::readFile(footerPath), QByteArray("</HTML>\r\n"));
    EXPECT_EQ(m_app->state().headertext, QStringLiteral("<HTML>\r\n"));
    EXPECT_EQ(m_app->state().footertext, QStringLiteral("  </HTML>  "));
    EXPECT_EQ(recordsOf("saveFile"),
        (QStringList { QStringLiteral("Save Header....."), QStringLiteral("Save Footer.....") }));
    EXPECT_EQ(m_prompts->records[0].folder, headerPath);
    EXPECT_EQ(m_prompts->records[1].folder, footerPath);
    QTRY_VERIFY(m_app->headerFooterEditorIfOpen() == nullptr);

    // Reopened: the template again, not the published texts; Open reads the files back.
    editor = open();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->headerText(), builtInTexts().header);
    m_prompts->texts = { headerPath, footerPath };
    control<QPushButton>(editor, "Command5")->click();
    EXPECT_EQ(editor->headerText(), QStringLiteral("<HTML>\r\n\r\n"));
    EXPECT_EQ(editor->footerText(), QStringLiteral("</HTML>\r\n"));
    EXPECT_EQ(recordsOf("openFile"),
        (QStringList { QStringLiteral("Open Header....."), QStringLiteral("Open Footer.....") }));
    // Nothing is published by opening, and the window stays.
    EXPECT_EQ(m_app->state().headertext, QStringLiteral("<HTML>\r\n"));
    EXPECT_TRUE(editor->isVisible());

    // A cancelled footer dialog: the header box keeps its new text.
    ASSERT_TRUE(test::writeFile(headerPath, "<H1>\r\n"));
    m_prompts->texts = { headerPath };
    trigger(editor, "mnuOpen");
    EXPECT_EQ(editor->headerText(), QStringLiteral("<H1>\r\n"));
    EXPECT_EQ(editor->footerText(), QStringLiteral("</HTML>\r\n"));
}

TEST_F(PageEditorTest, CancelledFooterSaveLeavesTheHeaderFileAndPublishesNothing)
{
    Form4 *editor = open();
    ASSERT_NE(editor, nullptr);
    m_app->state().headertext = QStringLiteral("before");
    typeInto(header(editor), QStringLiteral("<P>"));
    const QString headerPath = programFile("header.html");
    m_prompts->texts = { headerPath };
    // "Save as &Default" saves exactly like "&Save", through the hidden button.
    trigger(editor, "mnuSaveDefHead");
    EXPECT_EQ(test::readFile(headerPath), QByteArray("<P>\r\n"));
    EXPECT_FALSE(QFile::exists(programFile("default.def")));
    EXPECT_EQ(m_app->state().headertext, QStringLiteral("before"));
    EXPECT_EQ(m_app->state().footertext, QString());
    EXPECT_EQ(m_app->headerFooterEditorIfOpen(), editor);
    EXPECT_TRUE(editor->isVisible());

    // A file that cannot be written is reported; nothing is published.
    m_prompts->texts = { programFile("header.html") + QStringLiteral("/nested.html") };
    control<QPushButton>(editor, "Command3")->click();
    EXPECT_TRUE(m_prompts->lastMessage().contains(QStringLiteral("nested.html")));
    EXPECT_EQ(m_app->state().headertext, QStringLiteral("before"));
    EXPECT_TRUE(editor->isVisible());
}

TEST_F(PageEditorTest, UsePublishesCancelDoesNotAndTheCloseBoxAsksAboutChanges)
{
    Form4 *editor = open();
    ASSERT_NE(editor, nullptr);
    typeInto(header(editor), QStringLiteral("H\u00a0\t"));
    typeInto(footer(editor), QStringLiteral("F\r\nG"));
    trigger(editor, "mnuOk");
    // Exactly the box texts: the non-breaking space and the tab stay, breaks are CR LF.
    EXPECT_EQ(m_app->state().headertext, QStringLiteral("H\u00a0\t"));
    EXPECT_EQ(m_app->state().footertext, QStringLiteral("F\r\nG"));
    QTRY_VERIFY(m_app->headerFooterEditorIfOpen() == nullptr);

    editor = open();
    ASSERT_NE(editor, nullptr);
    typeInto(header(editor), QStringLiteral("other"));
    control<QPushButton>(editor, "Command2")->click();
    EXPECT_EQ(m_app->state().headertext, QStringLiteral("H\u00a0\t"));
    QTRY_VERIFY(m_app->headerFooterEditorIfOpen() == nullptr);
    EXPECT_EQ(m_prompts->lastMessage(), QString()) << "Cancel does not ask";

    // Unchanged: the close box closes at once.
    editor = open();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->close());
    EXPECT_EQ(m_prompts->lastMessage(), QString());

    // Typed changes: the close box and the program's Exit ask, and No keeps the window.
    editor = open();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(header(editor), QStringLiteral("typed"));
    m_prompts->answers = { Prompts::Answer::No };
    EXPECT_FALSE(editor->close());
    EXPECT_FALSE(m_prompts->lastMessage().isEmpty());
    m_prompts->answers = { Prompts::Answer::No };
    m_app->mainWindow()->findChild<QAction *>(QStringLiteral("mnuExit"))->trigger();
    EXPECT_TRUE(editor->isVisible());
    EXPECT_TRUE(m_app->mainWindow()->isVisible());
    m_prompts->answers = { Prompts::Answer::Yes };
    EXPECT_TRUE(editor->close());
    EXPECT_EQ(m_app->state().headertext, QStringLiteral("H\u00a0\t"));
}

TEST_F(PageEditorTest, HelpButtonAndF1ShowTheEditorsPage)
{
    Form4 *editor = open();
    ASSERT_NE(editor, nullptr);
    control<QPushButton>(editor, "Command8")->click();
    ASSERT_NE(m_app->helpWindowIfOpen(), nullptr);
    EXPECT_EQ(m_app->helpWindowIfOpen()->currentTopic(), QStringLiteral("header-footer-editor"));
    m_app->helpWindowIfOpen()->showTopic(QStringLiteral("contents"));
    // F1 while typing in a box reaches this window, not the main window's help.
    QTest::keyClick(header(editor), Qt::Key_F1);
    EXPECT_EQ(m_app->helpWindowIfOpen()->currentTopic(), QStringLiteral("header-footer-editor"));
}

TEST_F(PageEditorTest, PublishedHeaderAndFooterFrameTheNextGalleryPage)
{
    const QString source = QFileInfo(m_programDir.path()).canonicalFilePath() + QStringLiteral("/pictures");
    ASSERT_TRUE(QDir().mkpath(source + QStringLiteral("/thumbs")));
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    ASSERT_TRUE(picture.save(source + QStringLiteral("/a.jpg"), "JPEG"));

    frmForm *window = start();
    EXPECT_TRUE(control<FolderList>(window, "Dir1")->setPath(source));
    EXPECT_TRUE(control<FolderList>(window, "Dir2")->setPath(source + QStringLiteral("/thumbs")));
    auto *files = control<FileList>(window, "File1");
    files->refresh();
    const auto items = files->findItems(QStringLiteral("a.jpg"), Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1);
    items.first()->setSelected(true);
    m_app->setShellLauncher([](const QUrl &) {
        return true;
    });

    Form4 *editor = open();
    ASSERT_NE(editor, nullptr);
    typeInto(header(editor), QStringLiteral("<HTML><BODY>\r\n<H1>My pictures</H1>"));
    typeInto(footer(editor), QStringLiteral("<P>The end</P>\r\n</BODY></HTML>"));
    control<QPushButton>(editor, "Command1")->click();

    saveto *options = m_app->pageOptionsIfOpen();
    ASSERT_NE(options, nullptr);
    control<QLineEdit>(options, "imageFolder")->setText(QStringLiteral("thumbs/"));
    control<QCheckBox>(options, "chkTable")->setChecked(true);
    control<QPushButton>(options, "Command1")->click();
    control<QPushButton>(window, "Command4")->click();

    const QByteArray page = test::readFile(source + QStringLiteral("/quorvel.html"));
    EXPECT_TRUE(page.startsWith("<HTML><BODY>\r\n<H1>My pictures</H1>\r\n<TABLE border = 0>\r\n")) << page.constData();
    EXPECT_TRUE(page.endsWith("</TD></TR></TABLE>\r\n<P>The end</P>\r\n</BODY></HTML>\r\n")) << page.constData();
}
