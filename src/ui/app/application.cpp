// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

#include "app/defaultsdialog.h"
#include "app/mainwindow.h"
#include "app/pageoptionsdialog.h"
#include "files/filemanagerwindow.h"
#include "files/filerenamerwindow.h"
#include "files/renamechoicedialog.h"
#include "imaging/advancedoptionswindow.h"
#include "imaging/imagereplacewindow.h"
#include "pageeditor/pageeditorwindow.h"
#include "platform/accessibility.h"
#include "platform/contexthelp.h"
#include "platform/helpwindow.h"
#include "platform/prompts.h"
#include "platform/textareatabs.h"
#include "viewers/pageview.h"
#include "viewers/pictureviewer.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QIcon>

namespace quorvel
{
namespace
{

/// Shows a window in front and gives it the focus.
template <typename Window> Window *present(Window *window)
{
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

/// The program's icon in every size drawn from its SVG at build time (":/icons/SIZE/").
QIcon programIcon()
{
    QIcon icon;
    const QDir sizes(QStringLiteral(":/icons"));
    for (const QString &size : sizes.entryList(QDir::Dirs)) {
        const QDir folder(sizes.filePath(size));
        for (const QString &png : folder.entryList({ QStringLiteral("*.png") }, QDir::Files))
            icon.addFile(folder.filePath(png), QSize(size.toInt(), size.toInt()));
    }
    return icon;
}

} // namespace

template <typename Window> Window *Application::toolWindow(QPointer<Window> &slot)
{
    if (!slot) {
        // A tool window belongs to the main window and is deleted when closed, so
        // the next opening starts from its design values.
        slot = new Window(*this, mainWindow());
        slot->setAttribute(Qt::WA_DeleteOnClose);
        // Windows with opening steps run them once they exist.
        if constexpr (requires { slot->load(); })
            slot->load();
    }
    return slot;
}

Application::Application(ProgramFolder folders, std::unique_ptr<Prompts> prompts, QObject *parent)
    : QObject(parent)
    , m_folders(std::move(folders))
    , m_prompts(std::move(prompts))
{
    m_pageStyle.album =
        album::AlbumOptions::load(m_folders.fileForReading(QLatin1String(album::AlbumOptions::kFileName)));
    installAccessibleInterfaces();
    // F1 in any window shows that window's page of the manual.
    m_contextHelp = new ContextHelp(
        [this](const QString &topic) {
            showHelp(topic);
        },
        this);
    // Ctrl+Tab leaves a box that takes Tab as text.
    m_textAreaTabs = new TextAreaTabs(this);
    // Every window carries the program's icon: set once, every top-level window
    // without an icon of its own shows it (title bar, task bar, window switcher).
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        QGuiApplication::setWindowIcon(programIcon());
    if (QCoreApplication::instance()) {
        QCoreApplication::instance()->installEventFilter(m_contextHelp);
        QCoreApplication::instance()->installEventFilter(m_textAreaTabs);
    }
}

Application::~Application()
{
    delete m_htmlEditor;
    delete m_help;
    // The tool windows are the main window's children and go with it.
    delete m_mainWindow;
}

frmForm *Application::mainWindow()
{
    if (!m_mainWindow) {
        m_mainWindow = new frmForm(*this);
        m_mainWindow->setAttribute(Qt::WA_DeleteOnClose);
        m_mainWindow->load();
    }
    return m_mainWindow;
}

frmForm *Application::mainWindowIfOpen() const
{
    return m_mainWindow;
}

frmAdvOpt *Application::advancedOptionsWindow()
{
    return toolWindow(m_advancedOptionsWindow);
}

frmAdvOpt *Application::advancedOptionsWindowIfOpen() const
{
    return m_advancedOptionsWindow;
}

void Application::showAdvancedOptions()
{
    present(advancedOptionsWindow());
}

Form5 *Application::defaultsDialog()
{
    return toolWindow(m_defaultsDialog);
}

Form5 *Application::defaultsDialogIfOpen() const
{
    return m_defaultsDialog;
}

void Application::showDefaults()
{
    present(defaultsDialog());
}

QWidget *Application::showHtmlEditor()
{
    if (!m_htmlEditor && m_htmlEditorFactory) {
        m_htmlEditor = m_htmlEditorFactory();
        m_htmlEditor->setAttribute(Qt::WA_DeleteOnClose);
    }
    return m_htmlEditor ? present(m_htmlEditor.data()) : nullptr;
}

void Application::showHelp(const QString &topic)
{
    // Over a modal dialog the help window belongs to that dialog, else the dialog
    // would block it: readable, but not to be scrolled or clicked.
    QWidget *modal = QApplication::activeModalWidget();
    if (modal == m_help)
        modal = nullptr;
    if (m_help && modal && m_help->parentWidget() != modal)
        m_help->setParent(modal, Qt::Window);
    if (!m_help) {
        m_help = new HelpWindow(modal);
        m_help->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_help->showTopic(topic);
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

HelpWindow *Application::helpWindowIfOpen() const
{
    return m_help;
}

void Application::closeHelp()
{
    if (m_help)
        m_help->close();
}

saveto *Application::showPageOptions()
{
    return present(toolWindow(m_pageOptions));
}

saveto *Application::pageOptionsIfOpen() const
{
    return m_pageOptions;
}

Form4 *Application::showHeaderFooterEditor()
{
    return present(toolWindow(m_headerFooterEditor));
}

Form4 *Application::headerFooterEditorIfOpen() const
{
    return m_headerFooterEditor;
}

pageView *Application::showPageView()
{
    return present(toolWindow(m_pageView));
}

pageView *Application::pageViewIfOpen() const
{
    return m_pageView;
}

picView *Application::pictureViewer()
{
    return toolWindow(m_pictureViewer);
}

picView *Application::pictureViewerIfOpen() const
{
    return m_pictureViewer;
}

picView *Application::showPictureViewer()
{
    return present(pictureViewer());
}

FileList *Application::viewerList()
{
    if (m_viewerSource.viewerSource == ViewerSource::kImageReplace && m_imageReplace && m_imageReplace->isVisible())
        return m_imageReplace->imagesList();
    return mainWindow()->sourceFileList();
}

Form2 *Application::imageReplaceWindow()
{
    return toolWindow(m_imageReplace);
}

Form2 *Application::imageReplaceWindowIfOpen() const
{
    return m_imageReplace;
}

Form2 *Application::showImageReplace()
{
    return present(imageReplaceWindow());
}

frmFileManage *Application::showFileManager()
{
    return present(toolWindow(m_fileManager));
}

frmFileManage *Application::fileManagerIfOpen() const
{
    return m_fileManager;
}

frmFileManageRename *Application::showFileRenamer()
{
    return present(toolWindow(m_fileRenamer));
}

frmFileManageRename *Application::fileRenamerIfOpen() const
{
    return m_fileRenamer;
}

frmRenameChoice *Application::renameChoiceWindow()
{
    if (!m_renameChoice) {
        toolWindow(m_renameChoice);
        // An unloaded rule window is forgotten at once, even before it is deleted,
        // so the next run never shows a window on its way out.
        connect(m_renameChoice, &frmRenameChoice::unloaded, this, [this] {
            m_renameChoice = nullptr;
        });
    }
    return m_renameChoice;
}

frmRenameChoice *Application::renameChoiceWindowIfOpen() const
{
    return m_renameChoice;
}

} // namespace quorvel
