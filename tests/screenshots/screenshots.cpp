// SPDX-License-Identifier: GPL-3.0-or-later
// quorvel_screenshots OUTDIR PICTURES [WORKDIR]: starts the program over a temporary
// program folder, points the main window at a copy of PICTURES (in
// WORKDIR/Pictures/Holiday, by default in a temporary folder) with a few of them
// chosen and one previewed, then opens every window of the window catalogue in turn and saves
// a PNG of each, named after the window, in OUTDIR. Run by scripts/screenshots.
#include "app/application.h"
#include "platform/filelist.h"
#include "platform/folderlist.h"
#include "platform/prompts.h"
#include "windowcatalog.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <optional>

namespace
{

bool save(QWidget *window, const QString &path)
{
    QTest::qWait(300); // lists fill and pictures load in the background
    const bool saved = window->grab().save(path, "PNG", 0);
    std::printf("%s %s\n", saved ? "saved" : "FAILED", qPrintable(path));
    return saved;
}

} // namespace

int main(int argc, char **argv)
{
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
        if (window == app.mainWindow()) {
            window->findChild<FolderList *>(QStringLiteral("Dir1"))->setPath(pictures);
            window->findChild<FolderList *>(QStringLiteral("Dir2"))->setPath(pictures + QStringLiteral("/thumbs"));
            auto *files = window->findChild<FileList *>(QStringLiteral("File1"));
            files->refresh();
            for (int i = 0; i < files->count() && i < 4; ++i)
                files->item(i)->setSelected(true);
            if (files->count() > 1)
                files->setCurrentRow(1, QItemSelectionModel::NoUpdate);
        }
        if (auto *help = app.helpWindowIfOpen(); help && help == window)
            help->showTopic(QStringLiteral("getting-started"));
        if (!save(window, QStringLiteral("%1/%2.png").arg(outDir, QLatin1String(entry.name))))
            ++failed;
        if (window != app.mainWindow())
            window->close();
    }
    return failed == 0 ? 0 : 1;
}
