// SPDX-License-Identifier: GPL-3.0-or-later
// Every window of the program and how to open it: the keyboard tests walk this list,
// and the screenshots tool photographs it. A new window is one more line here.
#pragma once

#include "app/application.h"
#include "app/defaultsdialog.h"
#include "app/folderpickerdialog.h"
#include "app/mainwindow.h"
#include "app/pageoptionsdialog.h"
#include "files/askrenamedialog.h"
#include "files/filemanagerwindow.h"
#include "files/filerenamerwindow.h"
#include "files/renamechoicedialog.h"
#include "imaging/advancedoptionswindow.h"
#include "imaging/imagereplacewindow.h"
#include "pageeditor/pageeditorwindow.h"
#include "platform/helpwindow.h"
#include "viewers/pageview.h"
#include "viewers/pictureviewer.h"
#include "wysiwyg/thumbnailinsertwindow.h"

#include <QDir>

#include <functional>
#include <vector>

namespace quorvel::test
{

struct WindowOpener {
    const char *name; // the window's objectName
    std::function<QWidget *(Application &)> open;
};

// One line a window. A window that the program makes on demand comes from the
// Application's registry; one that its opener makes (a modal picker) is made here
// as the opener does and shown modeless.
inline const std::vector<WindowOpener> &windowCatalog()
{
    static const std::vector<WindowOpener> windows = {
        { "frmForm",
            [](Application &app) -> QWidget * {
                return app.mainWindow();
            } },
        { "helpWindow",
            [](Application &app) -> QWidget * {
                app.showHelp(QStringLiteral("contents"));
                return app.helpWindowIfOpen();
            } },
        { "Form5",
            [](Application &app) -> QWidget * {
                app.showDefaults();
                return app.defaultsDialogIfOpen();
            } },
        { "frmAdvOpt",
            [](Application &app) -> QWidget * {
                app.showAdvancedOptions();
                return app.advancedOptionsWindowIfOpen();
            } },
        { "saveto",
            [](Application &app) -> QWidget * {
                return app.showPageOptions();
            } },
        { "Form4",
            [](Application &app) -> QWidget * {
                return app.showHeaderFooterEditor();
            } },
        { "pageView",
            [](Application &app) -> QWidget * {
                return app.showPageView();
            } },
        { "Form1",
            [](Application &app) -> QWidget * {
                ThumbnailTarget target;
                target.pagePath = [] {
                    return QString();
                };
                target.insertHtml = [](const QString &) {};
                auto *window = new Form1(app, std::move(target), app.mainWindow());
                window->setAttribute(Qt::WA_DeleteOnClose);
                return window;
            } },
        { "savedirs",
            [](Application &app) -> QWidget * {
                auto *window = new savedirs(app, QDir::homePath(), app.mainWindow());
                window->setAttribute(Qt::WA_DeleteOnClose);
                return window;
            } },
        { "form21",
            [](Application &app) -> QWidget * {
                auto *window = new form21(app, QDir::homePath(), app.mainWindow());
                window->setAttribute(Qt::WA_DeleteOnClose);
                return window;
            } },
        { "picView",
            [](Application &app) -> QWidget * {
                return app.showPictureViewer();
            } },
        { "Form2",
            [](Application &app) -> QWidget * {
                return app.showImageReplace();
            } },
        { "frmFileManage",
            [](Application &app) -> QWidget * {
                return app.showFileManager();
            } },
        { "frmFileManageRename",
            [](Application &app) -> QWidget * {
                return app.showFileRenamer();
            } },
        { "frmRenameChoice",
            [](Application &app) -> QWidget * {
                return app.renameChoiceWindow();
            } },
        { "frmAskRename",
            [](Application &app) -> QWidget * {
                auto *window = new frmAskRename(app, app.mainWindow());
                window->setNames(QStringLiteral("/pictures/old.jpg"), QStringLiteral("/pictures/new.jpg"));
                window->setAttribute(Qt::WA_DeleteOnClose);
                return window;
            } },
    };
    return windows;
}

} // namespace quorvel::test
