// SPDX-License-Identifier: GPL-3.0-or-later
// A page made and saved in the editor, opened in a headless browser: it must show
// what the editor showed (a heading, a table, a red word).
#include "editortesthelpers.h"
#include "platform/prompts.h"
#include "wysiwyg/documentfile.h"

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

using namespace quorvel;
using quorvel::test::EditorDriver;

namespace
{

QString findBrowser()
{
    for (const char *name : { "chromium", "chromium-browser", "google-chrome" }) {
        const QString path = QStandardPaths::findExecutable(QLatin1String(name));
        if (!path.isEmpty())
            return path;
    }
    return {};
}

/// Runs the headless browser on a page; returns its standard output.
QByteArray runBrowser(const QString &browser, const QStringList &arguments, const QString &page)
{
    QTemporaryDir profile;
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(browser,
        QStringList { QStringLiteral("--headless"),
            QStringLiteral("--no-sandbox"),
            QStringLiteral("--disable-gpu"),
            QStringLiteral("--user-data-dir=") + profile.path() }
            + arguments + QStringList { QUrl::fromLocalFile(page).toString() });
    if (!process.waitForFinished(90000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return process.readAllStandardOutput();
}

TEST(HeadlessBrowser, ShowsTheSavedPageAsEdited)
{
    const QString browser = findBrowser();
    ASSERT_FALSE(browser.isEmpty()) << "no headless browser (chromium): scripts/install-deps --test installs it";

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ScriptedPrompts prompts;
    DocumentEditor editor(prompts);
    editor.resize(800, 600);
    editor.show();
    EditorDriver driver(editor);
    ASSERT_TRUE(driver.waitReady());

    // Made with the editor's commands: a heading, a red word, a table.
    driver.setBody(QStringLiteral("<p id=h>Harbour days</p><p id=t>The <span id=w>red</span> boat</p><p id=end>"
                                  "</p>"),
        QStringLiteral("#h"));
    editor.execCommand(EditCommand::SetBlockFormat, ExecOption::DontPromptUser, QStringLiteral("Heading 1"));
    ASSERT_TRUE(driver.waitFor(QStringLiteral("!!document.querySelector('h1')"), true));
    driver.selectContents(QStringLiteral("#w"));
    editor.execCommand(EditCommand::SetForeColor, ExecOption::DontPromptUser, QStringLiteral("#FF0000"));
    editor.execCommand(EditCommand::SetFontSize, ExecOption::DontPromptUser, 7);
    ASSERT_TRUE(driver.waitFor(QStringLiteral("!!document.querySelector('font[color][size]')"), true));
    driver.caret(QStringLiteral("#end"));
    InsertTableParams table;
    table.rows = 2;
    table.columns = 3;
    table.tableAttributes = QStringLiteral("border=1 id=grid");
    table.caption = QStringLiteral("Tides");
    editor.execCommand(EditCommand::InsertTable, ExecOption::DontPromptUser, QVariant::fromValue(table));
    ASSERT_TRUE(driver.waitFor(QStringLiteral("!!document.querySelector('#grid')"), true));

    const QString page = dir.filePath(QStringLiteral("edited.html"));
    ASSERT_EQ(editor.saveDocument(page, false), DocumentOk);

    const QString dom = QString::fromUtf8(runBrowser(browser, { QStringLiteral("--dump-dom") }, page));
    ASSERT_FALSE(dom.isEmpty()) << "the browser gave no document";
    EXPECT_TRUE(dom.contains(QStringLiteral("<h1>Harbour days</h1>"))) << dom.toStdString();
    EXPECT_TRUE(dom.contains(QStringLiteral("<caption>Tides</caption>")));
    EXPECT_EQ(dom.count(QStringLiteral("<tr>")), 2);
    EXPECT_TRUE(dom.contains(QStringLiteral("color=\"#ff0000\""), Qt::CaseInsensitive));

    const QString shot = dir.filePath(QStringLiteral("shot.png"));
    runBrowser(browser,
        { QStringLiteral("--screenshot=") + shot,
            QStringLiteral("--window-size=800,600"),
            QStringLiteral("--hide-scrollbars") },
        page);
    QImage image(shot);
    ASSERT_FALSE(image.isNull()) << "no screenshot";
    int red = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 60 && c.blue() < 60)
                ++red;
        }
    }
    EXPECT_GT(red, 20) << "the red word is not shown red";
}

} // namespace
