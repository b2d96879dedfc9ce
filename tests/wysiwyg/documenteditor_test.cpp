// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/prompts.h"
#include "wysiwyg/documenteditor.h"

#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>

#include <gtest/gtest.h>

using namespace quorvel;

TEST(Smoke, Loads)
{
    ScriptedPrompts prompts;
    DocumentEditor editor(prompts);
    editor.resize(800, 600);
    editor.show();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return !editor.busy();
        },
        15000));
    EXPECT_EQ(editor.queryStatus(EditCommand::Bold), StatusEnabled);
    editor.evaluate("document.body.innerHTML='<p>hello world</p>'; var r=document.createRange(); "
                    "r.selectNodeContents(document.querySelector('p')); getSelection().removeAllRanges(); "
                    "getSelection().addRange(r); 1");
    editor.execCommand(EditCommand::Bold);
    QTest::qWaitFor(
        [&] {
            return editor.queryStatus(EditCommand::Bold) == StatusLatched;
        },
        2000);
    qDebug() << editor.queryStatus(EditCommand::Bold)
             << editor.evaluate("JSON.stringify(window.quorvelBridge.snapshot())");
    qDebug() << editor.evaluate("window.quorvelBridge.serialize()").toString();
    qDebug() << editor.evaluate("typeof document.body") << editor.isDirty();
}
