// SPDX-License-Identifier: GPL-3.0-or-later
// quorvel_screenshots OUTDIR PICTURES [WORKDIR]: starts the program over a temporary
// program folder, points the main window at a copy of PICTURES (in
// WORKDIR/Pictures/Holiday, by default in a temporary folder) with a few of them
// chosen and one previewed, then opens every window of the window catalogue in turn, each
// at work on those pictures (a picture shown, a folder listed, a rename list filled),
// then the HTML editor on a small page of them, and saves a PNG of each, named after
// the window, in OUTDIR. Run by scripts/screenshots.
#include "app/application.h"
#include "platform/filelist.h"
#include "platform/folderlist.h"
#include "platform/paths.h"
#include "platform/prompts.h"
#include "windowcatalog.h"
#include "wysiwyg/documenteditor.h"
#include "wysiwyg/editoropener.h"
#include "wysiwyg/inserthtmldlg.h"
#include "wysiwyg/inserttabledlg.h"
#include "wysiwyg/mainform.h"
#include "wysiwyg/webengine.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <optional>

namespace
{

// Saves a window as OUTDIR/NAME.png, at the highest compression; a window that is
// mostly a photo (the picture viewer) as NAME.jpg, a tenth of the size.
bool save(QWidget *window, const QString &outDir, const QString &name)
{
    QTest::qWait(300); // lists fill and pictures load in the background
    const bool photo = name == QLatin1String("picView");
    const QString path =
        QStringLiteral("%1/%2.%3").arg(outDir, name, photo ? QStringLiteral("jpg") : QStringLiteral("png"));
    const bool saved = window->grab().save(path, photo ? "JPEG" : "PNG", photo ? 85 : 0);
    std::printf("%s %s\n", saved ? "saved" : "FAILED", qPrintable(path));
    return saved;
}

template <typename Control> Control *control(QWidget *window, const char *name)
{
    return window->findChild<Control *>(QLatin1String(name));
}

// Puts a window at work on the demo pictures in PICTURES (thumbnails in its thumbs
// folder), as a user would have it: what an empty window shows says little.
void stage(quorvel::Application &app, QWidget *window, const QString &name, const QString &pictures)
{
    using namespace quorvel;
    const QString thumbs = pictures + QStringLiteral("/thumbs");
    auto *mainFiles = control<FileList>(app.mainWindow(), "File1");
    if (window == app.mainWindow()) {
        control<FolderList>(window, "Dir1")->setPath(pictures);
        control<FolderList>(window, "Dir2")->setPath(thumbs);
        mainFiles->refresh();
        for (int i = 0; i < mainFiles->count() && i < 4; ++i)
            mainFiles->item(i)->setSelected(true);
        if (mainFiles->count() > 1)
            mainFiles->setCurrentRow(1, QItemSelectionModel::NoUpdate);
    } else if (name == QLatin1String("helpWindow")) {
        app.helpWindowIfOpen()->showTopic(QStringLiteral("getting-started"));
    } else if (name == QLatin1String("Form1") && mainFiles->count() > 2) {
        // "Browse" answered with the third picture, and an ALT text typed.
        static_cast<ScriptedPrompts &>(app.prompts()).texts << joinPath(pictures, mainFiles->item(2)->text());
        static_cast<Form1 *>(window)->browse();
        control<QLineEdit>(window, "Text2")->setText(QStringLiteral("A rest by the sea"));
    } else if (name == QLatin1String("picView") && mainFiles->count() > 1) {
        // As a double-click on the main window's second picture opens it.
        auto *viewer = static_cast<picView *>(window);
        viewer->openPicture(joinPath(mainFiles->path(), mainFiles->item(1)->text()));
        viewer->setPosition(1);
    } else if (name == QLatin1String("Form2")) {
        control<FolderList>(window, "Dir3")->setPath(pictures);
        control<FolderList>(window, "Dir1")->setPath(thumbs);
        control<FolderList>(window, "Dir2")->setPath(QFileInfo(pictures).path());
        auto *images = control<FileList>(window, "File1");
        if (images->count() > 2)
            images->setCurrentRow(2); // previews it
    } else if (name == QLatin1String("frmFileManage")) {
        control<FolderList>(window, "Dir1")->setPath(pictures);
        auto *files = control<FileList>(window, "File1");
        if (files->count() > 0)
            files->setCurrentRow(0);
    } else if (name == QLatin1String("frmFileManageRename")) {
        control<FolderList>(window, "Dir1")->setPath(pictures);
        auto *files = control<FileList>(window, "File1");
        files->selectAll();
        static_cast<frmFileManageRename *>(window)->addFiles();
    } else if (name == QLatin1String("frmRenameChoice")) {
        auto *choice = static_cast<frmRenameChoice *>(window);
        choice->selectRule(5); // Sequential Renaming
        control<QLineEdit>(window, "Text2")->setText(QStringLiteral("holiday-"));
        control<QLineEdit>(window, "Text1")->setText(QStringLiteral("1"));
        control<QCheckBox>(window, "Check1")->setChecked(true);
    } else if (name == QLatin1String("frmAskRename") && mainFiles->count() > 0) {
        static_cast<frmAskRename *>(window)->setNames(
            joinPath(pictures, mainFiles->item(0)->text()), joinPath(pictures, QStringLiteral("holiday-1.jpg")));
    }
}

// A short page of the demo pictures for the HTML editor to show, in PICTURES.
QString writeDemoPage(const QString &pictures)
{
    QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"><title>Holiday pictures</title></head>\n"
                                  "<body style=\"font-family: sans-serif\">\n<h1>Holiday pictures</h1>\n"
                                  "<p>A week by the sea: <b>the harbour</b>, the old town and the hills.</p>\n<p>");
    const QStringList names = QDir(pictures).entryList({ QStringLiteral("*.jpg") }, QDir::Files);
    for (qsizetype i = 0; i < names.size() && i < 3; ++i)
        html += QStringLiteral("<img src=\"%1\" width=\"160\" alt=\"\"> ").arg(names[i]);
    html += QStringLiteral("</p>\n<ul><li>Day 1: arrival</li><li>Day 2: the boat trip</li></ul>\n</body></html>\n");
    const QString path = pictures + QStringLiteral("/holiday.html");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(html.toUtf8()) < 0)
        return {};
    return path;
}

} // namespace

int main(int argc, char **argv)
{
    quorvel::prepareWebEngine();
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 3 && arguments.size() != 4) {
        std::fputs("usage: quorvel_screenshots OUTDIR PICTURES [WORKDIR]\n", stderr);
        return 2;
    }
    const QString outDir = arguments[1];
    QDir().mkpath(outDir);

    using namespace quorvel;
    std::optional<QTemporaryDir> temporary;
    if (arguments.size() == 3)
        temporary.emplace();
    const QDir work(temporary ? temporary->path() : arguments[3]);
    const QString program = work.filePath(QStringLiteral(".quorvel"));
    const QString pictures = work.filePath(QStringLiteral("Pictures/Holiday"));
    QDir().mkpath(program);
    QDir().mkpath(pictures + QStringLiteral("/thumbs"));
    for (const QString &logo : { QStringLiteral("vellodeflogo.jpg"), QStringLiteral("line.jpg") })
        QFile::copy(QStringLiteral(QUORVEL_RESOURCES_DIR "/") + logo, program + QLatin1Char('/') + logo);
    const QDir source(arguments[2]);
    for (const QString &name : source.entryList({ QStringLiteral("*.jpg") }, QDir::Files))
        QFile::copy(source.filePath(name), pictures + QLatin1Char('/') + name);

    Application app(ProgramFolder(program, program, work.filePath(QStringLiteral(".local/share/Quorvel"))),
        std::make_unique<ScriptedPrompts>());
    registerHtmlEditor(app);
    int failed = 0;
    for (const test::WindowOpener &entry : test::windowCatalog()) {
        QWidget *window = entry.open(app);
        if (!window) {
            ++failed;
            continue;
        }
        window->show();
        if (!QTest::qWaitForWindowExposed(window))
            ++failed;
        stage(app, window, QLatin1String(entry.name), pictures);
        if (!save(window, outDir, QLatin1String(entry.name)))
            ++failed;
        if (window != app.mainWindow())
            window->close();
    }

    // The HTML editor (a browser engine, so not in the catalogue the window tests use)
    // editing a page of the pictures, then its two insertion dialogs over it, shown
    // modeless here.
    auto *editor = qobject_cast<MainForm *>(app.showHtmlEditor());
    const QString page = writeDemoPage(pictures);
    const bool ready = editor && QTest::qWaitForWindowExposed(editor)
        && QTest::qWaitFor(
            [editor] {
                return editor->documentReady();
            },
            20000)
        && !page.isEmpty() && editor->editor()->loadDocument(page, false) == 0
        && QTest::qWaitFor(
            [editor] {
                return !editor->editor()->busy();
            },
            20000);
    if (!ready) {
        std::puts("FAILED the HTML editor did not load its page");
        return 1;
    }
    if (!save(editor, outDir, QStringLiteral("MainForm")))
        ++failed;
    InsertTableDlg table(*editor->editor(), app.prompts(), editor);
    InsertHTMLDlg html(*editor->editor(), editor);
    html.findChild<QPlainTextEdit *>(QStringLiteral("HTMLText"))
        ->setPlainText(QStringLiteral("<p>Pictures: <a href=\"index.html\">the whole gallery</a></p>"));
    for (QDialog *dialog : { static_cast<QDialog *>(&table), static_cast<QDialog *>(&html) }) {
        dialog->setModal(false);
        dialog->show();
        if (!QTest::qWaitForWindowExposed(dialog) || !save(dialog, outDir, dialog->objectName()))
            ++failed;
        dialog->hide();
    }
    return failed == 0 ? 0 : 1;
}
