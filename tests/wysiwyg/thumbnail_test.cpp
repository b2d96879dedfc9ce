// SPDX-License-Identifier: GPL-3.0-or-later
// Insert > Thumbnail in the page editor: the thumbnail window opens modally, and the
// link it pastes lands at the caret and works in the engine (the thumbnail shows).
#include "app/application.h"
#include "editortesthelpers.h"
#include "imaging/imagebox.h"
#include "platform/prompts.h"
#include "testsupport.h"
#include "wysiwyg/documentfile.h"
#include "wysiwyg/editoropener.h"
#include "wysiwyg/mainform.h"
#include "wysiwyg/thumbnailinsertwindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace quorvel;
using quorvel::test::EditorDriver;

namespace
{

TEST(InsertThumbnail, TheMenuItemOpensTheWindowAndTheLinkWorksInThePage)
{
    QUORVEL_REQUIRE_TESTDATA();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    auto owned = std::make_unique<ScriptedPrompts>();
    ScriptedPrompts *prompts = owned.get();
    Application app(ProgramFolder(dir.path(), dir.path(), dir.path()), std::move(owned));
    registerHtmlEditor(app);
    auto *editor = qobject_cast<MainForm *>(app.showHtmlEditor());
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(QTest::qWaitFor(
        [editor] {
            return editor->documentReady();
        },
        20000));

    // A saved page with a paragraph for the caret, and a picture in another folder.
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("site")));
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("pics")));
    const QString page = dir.filePath(QStringLiteral("site/index.html"));
    ASSERT_TRUE(test::writeFile(page, "<html><body><p id=here>Pets: </p></body></html>"));
    const QString cat = dir.filePath(QStringLiteral("pics/cat.jpg"));
    ASSERT_TRUE(QFile::copy(test::testPicture(QStringLiteral("cameras/nikon-e950.jpg")), cat));
    ASSERT_EQ(editor->editor()->loadDocument(page, false), DocumentOk);
    EditorDriver driver(*editor->editor());
    ASSERT_TRUE(driver.waitReady());
    driver.eval(QStringLiteral("(function(){ var r = document.createRange();"
                               " r.selectNodeContents(document.getElementById('here')); r.collapse(false);"
                               " getSelection().removeAllRanges(); getSelection().addRange(r); return 1; })()"));

    auto *item = editor->findChild<QAction *>(QStringLiteral("mnuInsertThumbnail"));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), QStringLiteral("Thumbnail"));
    EXPECT_TRUE(item->isEnabled());
    // Its place in the Insert menu: after "Button", before "HTML".
    const QList<QAction *> items = editor->findChild<QMenu *>(QStringLiteral("mnuInsert"))->actions();
    const qsizetype at = items.indexOf(item);
    ASSERT_GT(at, 0);
    EXPECT_EQ(items.at(at - 1)->objectName(), QStringLiteral("mnuInsertButton"));
    EXPECT_EQ(items.at(at + 1)->objectName(), QStringLiteral("mnuInsertHTML"));

    bool driven = false;
    QTimer::singleShot(0, [&] {
        auto *window = qobject_cast<Form1 *>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        prompts->texts.append(cat);
        window->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        window->findChild<QLineEdit *>(QStringLiteral("Text2"))->setText(QStringLiteral("Black & white cat"));
        window->findChild<QPushButton *>(QStringLiteral("Command2"))->click();
        driven = true;
        window->findChild<QPushButton *>(QStringLiteral("Command3"))->click();
    });
    item->trigger();
    ASSERT_TRUE(driven);
    EXPECT_EQ(prompts->lastMessage(), QString());

    // The link is in the paragraph, its ALT text whole, and the engine shows the
    // thumbnail written beside the page.
    ASSERT_TRUE(driver.waitFor(QStringLiteral("!!document.querySelector('#here a img')"), true));
    EXPECT_EQ(driver.eval(QStringLiteral("document.querySelector('#here a').getAttribute('href')")).toString(),
        QStringLiteral("cat.jpg"));
    EXPECT_EQ(driver.eval(QStringLiteral("document.querySelector('#here img').getAttribute('src')")).toString(),
        QStringLiteral("th_cat.jpg"));
    EXPECT_EQ(driver.eval(QStringLiteral("document.querySelector('#here img').alt")).toString(),
        QStringLiteral("Black & white cat"));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("site/th_cat.jpg"))));
    EXPECT_TRUE(driver.waitFor(QStringLiteral("document.querySelector('#here img').naturalWidth"), 100.0, 10000));
    editor->editor()->newDocument(); // no save prompt at the end
    editor->close();
}

} // namespace
