// SPDX-License-Identifier: GPL-3.0-or-later
// The editing component on a real browser engine, headless. One component serves
// the whole suite; each test puts its own content in place.
#include "editortesthelpers.h"
#include "platform/prompts.h"
#include "wysiwyg/documentfile.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QWebEngineView>

#include <gtest/gtest.h>
#include <memory>

using namespace quorvel;
using quorvel::test::EditorDriver;
using quorvel::test::js;

namespace
{

class DocumentEditorTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_prompts = new ScriptedPrompts;
        s_editor = new DocumentEditor(*s_prompts);
        s_editor->resize(800, 600);
        s_editor->show();
    }
    static void TearDownTestSuite()
    {
        delete s_editor;
        delete s_prompts;
        s_editor = nullptr;
        s_prompts = nullptr;
    }
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        s_prompts->records.clear();
        s_prompts->texts.clear();
        ASSERT_TRUE(driver().waitReady());
    }

    DocumentEditor &editor()
    {
        return *s_editor;
    }
    EditorDriver driver()
    {
        return EditorDriver(*s_editor);
    }
    QString path(const QString &name) const
    {
        return m_dir.filePath(name);
    }
    void writeFile(const QString &name, const QByteArray &bytes)
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray readFile(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    /// Loads a page and waits until it can be edited.
    void load(const QString &file)
    {
        ASSERT_EQ(editor().loadDocument(file, false), DocumentOk);
        ASSERT_TRUE(driver().waitReady());
    }

    static ScriptedPrompts *s_prompts;
    static DocumentEditor *s_editor;
    QTemporaryDir m_dir;
};

ScriptedPrompts *DocumentEditorTest::s_prompts = nullptr;
DocumentEditor *DocumentEditorTest::s_editor = nullptr;

TEST_F(DocumentEditorTest, FormattingCommandsChangeTheDocumentAsNamed)
{
    const struct {
        EditCommand command;
        QVariant argument;
        const char *check; // a script that is true once the command took effect
    } cases[] = {
        { EditCommand::Bold, {}, "!!document.querySelector('p b')" },
        { EditCommand::Italic, {}, "!!document.querySelector('p i')" },
        { EditCommand::Underline, {}, "!!document.querySelector('p u')" },
        { EditCommand::OrderedList, {}, "!!document.querySelector('ol > li')" },
        { EditCommand::UnorderedList, {}, "!!document.querySelector('ul > li')" },
        { EditCommand::JustifyCenter, {}, "getComputedStyle(document.body.firstElementChild).textAlign == 'center'" },
        { EditCommand::JustifyRight, {}, "getComputedStyle(document.body.firstElementChild).textAlign == 'right'" },
        { EditCommand::Indent, {}, "!!document.querySelector('blockquote') || /margin/.test(document.body.innerHTML)" },
        { EditCommand::SetForeColor,
            QStringLiteral("#FF0000"),
            "getComputedStyle(document.querySelector('p font, p span')).color == 'rgb(255, 0, 0)'" },
        { EditCommand::SetFontSize, 1, "document.querySelector('font[size]').getAttribute('size') == '1'" },
        { EditCommand::SetFontSize, 7, "document.querySelector('font[size]').getAttribute('size') == '7'" },
        { EditCommand::SetFontName, QStringLiteral("Arial"), "document.querySelector('font[face]').face == 'Arial'" },
        { EditCommand::SetBlockFormat, QStringLiteral("Heading 1"), "document.body.firstElementChild.tagName == 'H1'" },
        { EditCommand::SetBlockFormat,
            QStringLiteral("Formatted"),
            "document.body.firstElementChild.tagName == 'PRE'" },
        { EditCommand::SetBlockFormat, QStringLiteral("Numbered List"), "!!document.querySelector('ol > li')" },
        { EditCommand::SetBlockFormat, QStringLiteral("Definition Term"), "!!document.querySelector('dt')" },
        { EditCommand::SetBlockFormat,
            QStringLiteral("Paragraph"),
            "document.body.firstElementChild.tagName == 'DIV'" },
    };
    for (const auto &c : cases) {
        driver().setBody(QStringLiteral("<p>some words here</p>"));
        driver().selectContents(QStringLiteral("p"));
        ASSERT_TRUE(editor().execCommand(c.command, ExecOption::DontPromptUser, c.argument));
        EXPECT_TRUE(driver().waitFor(QLatin1String(c.check), true))
            << static_cast<int>(c.command) << " " << driver().body().toStdString();
    }
    // Outdent takes the indented list item out again.
    driver().setBody(QStringLiteral("<ul><li>a<ul><li id=inner>b</li></ul></li></ul>"), QStringLiteral("#inner"));
    editor().execCommand(EditCommand::Outdent);
    EXPECT_TRUE(driver().waitFor(QStringLiteral("document.querySelectorAll('ul').length"), 1.0));
}

TEST_F(DocumentEditorTest, UndoAndRedo)
{
    driver().setBody(QStringLiteral("<p>undo me</p>"));
    driver().selectContents(QStringLiteral("p"));
    editor().execCommand(EditCommand::Bold);
    ASSERT_TRUE(driver().waitFor(QStringLiteral("!!document.querySelector('b')"), true));
    ASSERT_TRUE(driver().waitStatus(EditCommand::Undo, StatusEnabled));
    editor().execCommand(EditCommand::Undo);
    EXPECT_TRUE(driver().waitFor(QStringLiteral("!!document.querySelector('b')"), false));
    EXPECT_TRUE(driver().waitStatus(EditCommand::Redo, StatusEnabled));
    editor().execCommand(EditCommand::Redo);
    EXPECT_TRUE(driver().waitFor(QStringLiteral("!!document.querySelector('b')"), true));
}

TEST_F(DocumentEditorTest, CutCopyAndPasteThroughTheClipboard)
{
    // The engine's clipboard actions need the window active, as it is for a user.
    editor().activateWindow();
    QApplication::setActiveWindow(&editor());
    editor().setFocus();
    driver().setBody(QStringLiteral("<p id=a>alpha</p><p id=b>beta</p>"));
    driver().selectContents(QStringLiteral("#a"));
    ASSERT_TRUE(driver().waitStatus(EditCommand::Copy, StatusEnabled));
    QGuiApplication::clipboard()->clear();
    editor().execCommand(EditCommand::Copy);
    // Copying is asynchronous: paste only once the text has reached the clipboard.
    ASSERT_TRUE(QTest::qWaitFor(
        [] {
            return QGuiApplication::clipboard()->text() == QStringLiteral("alpha");
        },
        5000));
    driver().caret(QStringLiteral("#b"));
    editor().execCommand(EditCommand::Paste);
    EXPECT_TRUE(
        driver().waitFor(QStringLiteral("document.querySelector('#b').textContent"), QStringLiteral("alphabeta")))
        << driver().body().toStdString();
    driver().selectContents(QStringLiteral("#a"));
    ASSERT_TRUE(driver().waitStatus(EditCommand::Cut, StatusEnabled));
    editor().execCommand(EditCommand::Cut);
    EXPECT_TRUE(driver().waitFor(
        QStringLiteral("document.querySelector('#a') ? document.querySelector('#a').textContent : ''"), QString()));
}

TEST_F(DocumentEditorTest, StatusIsLatchedEnabledOrUnavailable)
{
    driver().setBody(QStringLiteral("<p><b id=b>bold</b> plain <span id=plain>text</span></p>"));
    driver().caret(QStringLiteral("#plain"));
    ASSERT_TRUE(driver().waitStatus(EditCommand::Bold, StatusEnabled));
    driver().selectContents(QStringLiteral("#b"));
    EXPECT_TRUE(driver().waitStatus(EditCommand::Bold, StatusLatched));
    EXPECT_EQ(editor().queryStatus(EditCommand::InsertRow), StatusDisabled); // no table here
    EXPECT_EQ(editor().queryStatus(EditCommand::BringToFront), StatusDisabled); // nothing positioned
    EXPECT_EQ(editor().selectionType(), QStringLiteral("Text"));

    driver().setBody(QStringLiteral("<h2 id=h>Title</h2>"), QStringLiteral("#h"));
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return editor().commandValue(EditCommand::GetBlockFormat).toString() == QLatin1String("Heading 2");
    }));
    EXPECT_EQ(editor().commandValue(EditCommand::GetFontSize).toInt(), 5); // a heading's size
    BlockFormatNamesParam names;
    EXPECT_TRUE(editor().execCommand(
        EditCommand::GetBlockFormatNames, ExecOption::DontPromptUser, QVariant::fromValue(&names)));
    EXPECT_EQ(names.names.value(3), QStringLiteral("Heading 1"));
}

TEST_F(DocumentEditorTest, InsertTableWithRowsColumnsAttributesAndCaption)
{
    driver().setBody(QStringLiteral("<p id=p>before</p>"), QStringLiteral("#p"));
    InsertTableParams params;
    params.rows = 3;
    params.columns = 4;
    params.tableAttributes = QStringLiteral("border=2 id=t");
    params.cellAttributes = QStringLiteral("class=c");
    params.caption = QStringLiteral("Prices");
    editor().execCommand(EditCommand::InsertTable, ExecOption::DontPromptUser, QVariant::fromValue(params));
    ASSERT_TRUE(driver().waitFor(QStringLiteral("!!document.querySelector('#t')"), true))
        << driver().body().toStdString();
    EXPECT_EQ(driver().eval(QStringLiteral("document.querySelector('#t').rows.length")).toInt(), 3);
    EXPECT_EQ(driver().eval(QStringLiteral("document.querySelectorAll('#t td.c').length")).toInt(), 12);
    EXPECT_EQ(driver().eval(QStringLiteral("document.querySelector('#t').getAttribute('border')")).toString(),
        QStringLiteral("2"));
    EXPECT_EQ(driver().eval(QStringLiteral("document.querySelector('#t').caption.textContent")).toString(),
        QStringLiteral("Prices"));
}

TEST_F(DocumentEditorTest, RowColumnAndCellOperations)
{
    const QString table = QStringLiteral("<table id=t border=1><tbody><tr><td id=a>a</td><td id=b>b</td></tr>"
                                         "<tr><td id=c>c</td><td id=d>d</td></tr></tbody></table>");
    const QString rows = QStringLiteral("document.querySelector('#t').rows.length");
    const QString firstRowCells = QStringLiteral("document.querySelector('#t').rows[0].cells.length");
    const QString secondRowCells = QStringLiteral("document.querySelector('#t').rows[1].cells.length");
    const auto run = [&](EditCommand command, const QString &caretIn) {
        driver().setBody(table, caretIn);
        ASSERT_TRUE(driver().waitStatus(EditCommand::InsertRow, StatusEnabled));
        editor().execCommand(command);
    };

    run(EditCommand::InsertRow, QStringLiteral("#a"));
    EXPECT_TRUE(driver().waitFor(rows, 3.0));
    EXPECT_EQ(driver().eval(QStringLiteral("document.querySelector('#t').rows[1].cells.length")).toInt(), 2);
    EXPECT_EQ(driver().eval(QStringLiteral("document.querySelector('#t').rows[2].cells[0].id")).toString(),
        QStringLiteral("c")); // the new row came after the caret's row
    // Each table command is one step of Undo, and the caret stays in the table.
    EXPECT_TRUE(driver().waitStatus(EditCommand::InsertRow, StatusEnabled));
    editor().execCommand(EditCommand::Undo);
    EXPECT_TRUE(driver().waitFor(rows, 2.0));
    editor().execCommand(EditCommand::Redo);
    EXPECT_TRUE(driver().waitFor(rows, 3.0));

    run(EditCommand::InsertColumn, QStringLiteral("#a"));
    EXPECT_TRUE(driver().waitFor(firstRowCells, 3.0));
    EXPECT_EQ(driver().eval(secondRowCells).toInt(), 3);
    EXPECT_EQ(driver().eval(QStringLiteral("document.querySelector('#t').rows[0].cells[2].id")).toString(),
        QStringLiteral("b"));

    run(EditCommand::InsertCell, QStringLiteral("#d"));
    EXPECT_TRUE(driver().waitFor(secondRowCells, 3.0));
    EXPECT_EQ(driver().eval(firstRowCells).toInt(), 2);

    run(EditCommand::DeleteRows, QStringLiteral("#c"));
    EXPECT_TRUE(driver().waitFor(rows, 1.0));
    EXPECT_EQ(driver().eval(QStringLiteral("document.querySelector('#t').rows[0].cells[0].id")).toString(),
        QStringLiteral("a"));

    run(EditCommand::DeleteColumns, QStringLiteral("#a"));
    EXPECT_TRUE(driver().waitFor(firstRowCells, 1.0));
    EXPECT_EQ(driver().eval(QStringLiteral("document.querySelector('#t').rows[1].cells[0].id")).toString(),
        QStringLiteral("d"));

    run(EditCommand::DeleteCells, QStringLiteral("#b"));
    EXPECT_TRUE(driver().waitFor(firstRowCells, 1.0));
    EXPECT_EQ(driver().eval(secondRowCells).toInt(), 2);

    run(EditCommand::MergeCells, QStringLiteral("#a"));
    EXPECT_TRUE(driver().waitFor(firstRowCells, 1.0));
    EXPECT_EQ(driver().eval(QStringLiteral("document.querySelector('#a').colSpan")).toInt(), 2);
    EXPECT_EQ(
        driver().eval(QStringLiteral("document.querySelector('#a').textContent")).toString(), QStringLiteral("a b"));

    // Splitting the merged cell gives two cells again; splitting a plain cell widens
    // the cells of its column in the other rows.
    editor().execCommand(EditCommand::SplitCell);
    EXPECT_TRUE(driver().waitFor(firstRowCells, 2.0));
    EXPECT_EQ(driver().eval(QStringLiteral("document.querySelector('#a').colSpan")).toInt(), 1);
    run(EditCommand::SplitCell, QStringLiteral("#c"));
    EXPECT_TRUE(driver().waitFor(secondRowCells, 3.0));
    EXPECT_EQ(driver().eval(QStringLiteral("document.querySelector('#a').colSpan")).toInt(), 2);

    // Deleting the last row removes the table.
    driver().setBody(
        QStringLiteral("<table id=t><tbody><tr><td id=a>a</td></tr></tbody></table>"), QStringLiteral("#a"));
    ASSERT_TRUE(driver().waitStatus(EditCommand::DeleteRows, StatusEnabled));
    editor().execCommand(EditCommand::DeleteRows);
    EXPECT_TRUE(driver().waitFor(QStringLiteral("!!document.querySelector('table')"), false));
}

TEST_F(DocumentEditorTest, MakeAbsoluteZOrderAndLock)
{
    driver().setBody(QStringLiteral("<p>text <img id=one src=\"data:image/gif;base64,R0lGODlhAQABAAAAACw=\" "
                                    "width=40 height=40> <img id=two width=40 height=40 "
                                    "src=\"data:image/gif;base64,R0lGODlhAQABAAAAACw=\"></p>"));
    driver().selectElement(QStringLiteral("#one"));
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return editor().selectionType() == QLatin1String("Control");
    }));
    ASSERT_TRUE(driver().waitStatus(EditCommand::MakeAbsolute, StatusEnabled));
    EXPECT_EQ(editor().queryStatus(EditCommand::SendToBack), StatusDisabled);
    editor().execCommand(EditCommand::MakeAbsolute);
    ASSERT_TRUE(driver().waitStatus(EditCommand::MakeAbsolute, StatusLatched));
    EXPECT_EQ(driver().eval(QStringLiteral("document.querySelector('#one').style.position")).toString(),
        QStringLiteral("absolute"));
    EXPECT_EQ(editor().queryStatus(EditCommand::SendToBack), StatusEnabled);

    driver().selectElement(QStringLiteral("#two"));
    editor().execCommand(EditCommand::MakeAbsolute);
    ASSERT_TRUE(driver().waitStatus(EditCommand::MakeAbsolute, StatusLatched));
    const QString zOne = QStringLiteral("parseInt(document.querySelector('#one').style.zIndex)");
    const QString zTwo = QStringLiteral("parseInt(document.querySelector('#two').style.zIndex)");
    EXPECT_GT(driver().eval(zTwo).toInt(), driver().eval(zOne).toInt()); // the newer one is on top

    driver().selectElement(QStringLiteral("#one"));
    editor().execCommand(EditCommand::BringToFront);
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return driver().eval(zOne).toInt() > driver().eval(zTwo).toInt();
    }));
    editor().execCommand(EditCommand::SendBackward);
    editor().execCommand(EditCommand::SendBackward);
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return driver().eval(zOne).toInt() < driver().eval(zTwo).toInt();
    }));
    editor().execCommand(EditCommand::SendBelowText);
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return driver().eval(zOne).toInt() < 0;
    }));
    editor().execCommand(EditCommand::BringAboveText);
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return driver().eval(zOne).toInt() > 0;
    }));

    ASSERT_TRUE(driver().waitStatus(EditCommand::LockElement, StatusEnabled));
    editor().execCommand(EditCommand::LockElement);
    EXPECT_TRUE(driver().waitStatus(EditCommand::LockElement, StatusLatched));
    editor().execCommand(EditCommand::LockElement);
    EXPECT_TRUE(driver().waitStatus(EditCommand::LockElement, StatusEnabled));

    // Make absolute again takes the element back into the text flow.
    editor().execCommand(EditCommand::MakeAbsolute);
    EXPECT_TRUE(driver().waitFor(QStringLiteral("document.querySelector('#one').style.position"), QString()));
}

TEST_F(DocumentEditorTest, PositionedElementsDragOnTheGridUnlessLocked)
{
    QWidget *input = editor().view()->focusProxy();
    ASSERT_NE(input, nullptr);
    const auto drag = [&](QPoint from, QPoint by) {
        QTest::mousePress(input, Qt::LeftButton, {}, from);
        QTest::mouseMove(input, from + by / 2);
        QTest::mouseMove(input, from + by);
        QTest::mouseRelease(input, Qt::LeftButton, {}, from + by);
    };
    const QString left = QStringLiteral("document.querySelector('#box').style.left");
    const QString top = QStringLiteral("document.querySelector('#box').style.top");
    const QString box = QStringLiteral("<div id=box style=\"position: absolute; left: 13px; top: 17px; width: 60px; "
                                       "height: 60px; background: #ccc\">box</div><p>text</p>");
    // Grabbed at its left edge, moved by (25, 10).
    driver().setBody(box);
    drag(QPoint(14, 47), QPoint(25, 10));
    EXPECT_TRUE(driver().waitFor(left, QStringLiteral("38px")));
    EXPECT_TRUE(driver().waitFor(top, QStringLiteral("27px")));

    driver().setBody(box);
    editor().setSnapToGrid(true);
    ASSERT_TRUE(driver().waitFor(QStringLiteral("window.quorvelBridge.snapshot().snap"), true));
    drag(QPoint(14, 47), QPoint(25, 10));
    EXPECT_TRUE(driver().waitFor(left, QStringLiteral("40px")));
    EXPECT_TRUE(driver().waitFor(top, QStringLiteral("24px")));
    editor().setSnapToGrid(false);

    driver().setBody(box);
    driver().selectElement(QStringLiteral("#box"));
    editor().execCommand(EditCommand::LockElement);
    ASSERT_TRUE(driver().waitStatus(EditCommand::LockElement, StatusLatched));
    drag(QPoint(14, 47), QPoint(25, 10));
    // Unlocked, the same drag moves it once: had the locked drag moved it too, it
    // would end twice as far.
    editor().execCommand(EditCommand::LockElement);
    ASSERT_TRUE(driver().waitStatus(EditCommand::LockElement, StatusEnabled));
    drag(QPoint(14, 47), QPoint(25, 10));
    EXPECT_TRUE(driver().waitFor(left, QStringLiteral("38px")));
}

TEST_F(DocumentEditorTest, DirtyFlagFollowsEditsLoadsAndSaves)
{
    editor().newDocument();
    ASSERT_TRUE(driver().waitReady());
    EXPECT_FALSE(editor().isDirty());
    EXPECT_TRUE(editor().currentDocumentPath().isEmpty());
    editor().pasteHtml(QStringLiteral("<b> here's some <i>HTML</i></b>"));
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return editor().isDirty();
    }));
    EXPECT_TRUE(driver().waitFor(QStringLiteral("document.querySelector('b i').textContent"), QStringLiteral("HTML")));
    const QString file = path(QStringLiteral("dirty.html"));
    ASSERT_EQ(editor().saveDocument(file, false), DocumentOk);
    EXPECT_FALSE(editor().isDirty());
    EXPECT_EQ(editor().currentDocumentPath(), file);
    // Showing borders changes the display, not the document.
    editor().setShowBorders(true);
    EXPECT_TRUE(driver().waitFor(QStringLiteral("document.adoptedStyleSheets.length"), 2.0));
    editor().setShowBorders(false);
    EXPECT_FALSE(editor().isDirty());
    EXPECT_FALSE(readFile(file).contains("quorvel"));
}

TEST_F(DocumentEditorTest, RoundTripKeepsHeadTextLinksAndImages)
{
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    ASSERT_TRUE(picture.save(path(QStringLiteral("blue.png"))));
    writeFile(QStringLiteral("style.css"), "h1 { color: green; }");
    const QByteArray page = "<!DOCTYPE html>\n"
                            "<html lang=\"en\"><head><meta charset=\"utf-8\"><title>My page</title>"
                            "<link rel=\"stylesheet\" href=\"style.css\"><style>p.note { font-style: italic }</style>"
                            "<script>document.title = 'scripts ran';</script></head>\n"
                            "<body><h1>Holiday</h1><p class=\"note\">Caf\xc3\xa9 &amp; beach, "
                            "<a href=\"other.html#top\">next page</a></p>"
                            "<p><img src=\"blue.png\" alt=\"A blue square\" width=\"8\" height=\"8\"></p>"
                            "<ul><li>one</li><li>two</li></ul></body></html>\n";
    writeFile(QStringLiteral("page.html"), page);
    load(path(QStringLiteral("page.html")));
    EXPECT_EQ(editor().currentDocumentPath(), path(QStringLiteral("page.html")));
    EXPECT_FALSE(editor().isDirty());
    // The page's own script did not run while editing; its picture did load.
    EXPECT_EQ(driver().eval(QStringLiteral("document.title")).toString(), QStringLiteral("My page"));
    EXPECT_TRUE(driver().waitFor(QStringLiteral("document.querySelector('img').naturalWidth"), 8.0));
    EXPECT_TRUE(driver().waitFor(
        QStringLiteral("getComputedStyle(document.querySelector('h1')).color"), QStringLiteral("rgb(0, 128, 0)")));

    const QString facts = QStringLiteral(
        "JSON.stringify([document.doctype && document.doctype.name, document.title, document.body.innerText,"
        " Array.from(document.links).map(a => a.getAttribute('href')),"
        " Array.from(document.images).map(i => i.getAttribute('src') + '|' + i.alt),"
        " document.head.querySelectorAll('link, style, script, meta').length,"
        " getComputedStyle(document.querySelector('h1')).color])");
    const QString before = driver().eval(facts).toString();
    const QString copy = path(QStringLiteral("copy.html"));
    ASSERT_EQ(editor().saveDocument(copy, false), DocumentOk);
    const QByteArray saved = readFile(copy);
    EXPECT_TRUE(saved.startsWith("<!DOCTYPE html>")) << saved.constData();
    EXPECT_TRUE(saved.contains("<script>document.title = 'scripts ran';</script>"));
    EXPECT_TRUE(saved.contains("<link rel=\"stylesheet\" href=\"style.css\">"));
    EXPECT_TRUE(saved.contains("Caf\xc3\xa9 &amp; beach"));

    load(copy);
    // The picture and the style sheet arrive in either order: wait for both.
    EXPECT_TRUE(driver().waitFor(facts, before)) << driver().eval(facts).toString().toStdString();
    EXPECT_TRUE(before.contains(QStringLiteral("rgb(0, 128, 0)"))) << before.toStdString(); // the style sheet applied
}

TEST_F(DocumentEditorTest, SavingTidiesTheEnginesNesting)
{
    driver().setBody(QStringLiteral("<p id=p>intro</p>"));
    // The nesting list commands can leave: a list inside a paragraph.
    driver().eval(QStringLiteral("var ol = document.createElement('ol'); ol.innerHTML = '<li>item</li>';"
                                 " var p = document.querySelector('#p'); p.appendChild(ol);"
                                 " p.appendChild(document.createTextNode('after')); 1"));
    const QString file = path(QStringLiteral("tidy.html"));
    ASSERT_EQ(editor().saveDocument(file, false), DocumentOk);
    const QByteArray saved = readFile(file);
    EXPECT_TRUE(saved.contains("<p id=\"p\">intro</p><ol><li>item</li></ol><p id=\"p\">after</p>"))
        << saved.constData();
    load(file);
    EXPECT_EQ(driver().eval(QStringLiteral("document.body.innerText.replace(/\\s+/g, ' ').trim()")).toString(),
        QStringLiteral("intro item after"));
}

TEST_F(DocumentEditorTest, EditedPagesLoadNothingFromTheNetwork)
{
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    const QByteArray url = "http://127.0.0.1:" + QByteArray::number(server.serverPort());
    writeFile(QStringLiteral("remote.html"),
        "<html><head><link rel=stylesheet href=\"" + url + "/s.css\"></head><body><p>remote</p><img src=\"" + url
            + "/a.png\"></body></html>");
    load(path(QStringLiteral("remote.html")));
    EXPECT_TRUE(driver().waitFor(QStringLiteral("document.images[0].complete"), true));
    EXPECT_FALSE(server.waitForNewConnection(300)); // polls; nothing ever connects
}

TEST_F(DocumentEditorTest, APageCannotNavigateAwayFromItself)
{
    // A page that refreshes to another one would otherwise be replaced while its
    // path stays: saving would write the other page over it.
    writeFile(QStringLiteral("other.html"), "<html><body><p>other page</p></body></html>");
    writeFile(QStringLiteral("refresh.html"),
        "<html><head><meta http-equiv=\"refresh\" content=\"0; url=other.html\"></head>"
        "<body><p>this page</p><a id=a href=\"other.html\">away</a></body></html>");
    load(path(QStringLiteral("refresh.html")));
    EXPECT_FALSE(QTest::qWaitFor(
        [&] {
            return driver().eval(QStringLiteral("document.body.innerText")).toString().contains(QLatin1String("other"));
        },
        1000));
    driver().eval(QStringLiteral("document.querySelector('#a').click(); location.href = 'other.html'; 1"));
    EXPECT_FALSE(QTest::qWaitFor(
        [&] {
            return driver().eval(QStringLiteral("document.body.innerText")).toString().contains(QLatin1String("other"));
        },
        500));
    EXPECT_FALSE(editor().busy());
    EXPECT_EQ(editor().currentDocumentPath(), path(QStringLiteral("refresh.html")));
}

TEST_F(DocumentEditorTest, LoadAndSaveFailuresKeepTheDocument)
{
    driver().setBody(QStringLiteral("<p>kept</p>"));
    const QString before = editor().currentDocumentPath();
    EXPECT_EQ(editor().loadDocument(path(QStringLiteral("missing.html")), false), DocumentFileNotFound);
    EXPECT_EQ(editor().loadDocument(path(QStringLiteral("no/missing.html")), false), DocumentPathNotFound);
    writeFile(QStringLiteral("frames.html"), "<html><frameset><frame src=a.html></frameset></html>");
    EXPECT_EQ(editor().loadDocument(path(QStringLiteral("frames.html")), false), DocumentFrameset);
    EXPECT_EQ(editor().saveDocument(path(QStringLiteral("no/page.html")), false), DocumentPathNotFound);
    EXPECT_EQ(editor().currentDocumentPath(), before);
    EXPECT_FALSE(editor().busy());
    EXPECT_EQ(driver().eval(QStringLiteral("document.body.innerText.trim()")).toString(), QStringLiteral("kept"));

    // The component's own dialogs: a cancelled one changes nothing.
    EXPECT_EQ(editor().loadDocument(QString(), true), DocumentCancelled);
    EXPECT_EQ(editor().saveDocument(QString(), true), DocumentCancelled);
    ASSERT_EQ(s_prompts->records.size(), 2);
    EXPECT_EQ(s_prompts->records[0].kind, QStringLiteral("openFile"));
    EXPECT_EQ(s_prompts->records[1].kind, QStringLiteral("saveFile"));
}

TEST_F(DocumentEditorTest, PromptingCommandsAskAndApply)
{
    driver().setBody(QStringLiteral("<p id=p>find the needle here</p>"));
    driver().selectContents(QStringLiteral("#p"));
    s_prompts->texts = { QStringLiteral("https://example.org/") };
    EXPECT_TRUE(editor().execCommand(EditCommand::Hyperlink));
    EXPECT_TRUE(driver().waitFor(
        QStringLiteral("document.querySelector('a') && document.querySelector('a').getAttribute('href')"),
        QStringLiteral("https://example.org/")));

    s_prompts->fonts = { QFont(QStringLiteral("Courier"), 24, QFont::Bold) };
    driver().selectContents(QStringLiteral("#p"));
    EXPECT_TRUE(editor().execCommand(EditCommand::Font));
    EXPECT_TRUE(driver().waitFor(QStringLiteral("!!document.querySelector('font[face=\"Courier\"][size=\"6\"]')"
                                                " && !!document.querySelector('b')"),
        true))
        << driver().body().toStdString();

    s_prompts->texts = { QStringLiteral("needle") };
    EXPECT_TRUE(editor().execCommand(EditCommand::FindText));
    EXPECT_EQ(driver().eval(QStringLiteral("getSelection().toString()")).toString(), QStringLiteral("needle"));
    s_prompts->texts = { QStringLiteral("haystack") };
    EXPECT_FALSE(editor().execCommand(EditCommand::FindText));
    EXPECT_EQ(s_prompts->lastMessage(), QStringLiteral("Cannot find \"haystack\"."));

    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(path(QStringLiteral("red.png"))));
    s_prompts->texts = { path(QStringLiteral("red.png")) };
    driver().caret(QStringLiteral("#p"));
    EXPECT_TRUE(editor().execCommand(EditCommand::Image));
    EXPECT_TRUE(driver().waitFor(QStringLiteral("document.images.length && document.images[0].naturalWidth"), 4.0));

    s_prompts->texts.clear(); // every dialog cancelled: nothing happens
    EXPECT_FALSE(editor().execCommand(EditCommand::Hyperlink));
    EXPECT_FALSE(editor().execCommand(EditCommand::Image));
    EXPECT_FALSE(editor().execCommand(EditCommand::Font));
    EXPECT_FALSE(editor().execCommand(EditCommand::SetForeColor));
}

} // namespace
