// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "album/albumoptions.h"
#include "app/appstate.h"
#include "files/renamerules.h"
#include "imaging/imagingoptions.h"
#include "platform/programfolder.h"
#include "platform/shellopen.h"
#include "viewers/viewerrules.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

namespace quorvel
{

class ContextHelp;
class FileList;
class Form2;
class Form4;
class Form5;
class HelpWindow;
class Prompts;
class TextAreaTabs;
class frmAdvOpt;
class frmFileManage;
class frmFileManageRename;
class frmForm;
class frmRenameChoice;
class pageView;
class picView;
class saveto;

/// Owns the program-wide state and is the window registry: it creates a window on
/// demand, hands out the live instance, and forgets it when it closes, so a window
/// opened again starts from its design values. Windows reach each other only
/// through here.
class Application : public QObject
{
    Q_OBJECT
public:
    Application(ProgramFolder folders, std::unique_ptr<Prompts> prompts, QObject *parent = nullptr);
    ~Application() override;

    AppState &state()
    {
        return m_state;
    }
    /// The options of the next thumbnail: what the main window's imaging controls
    /// show, what the advanced image options window edits, what a run takes.
    ImagingOptions &imagingOptions()
    {
        return m_imagingOptions;
    }
    const ProgramFolder &programFolder() const
    {
        return m_folders;
    }
    /// The page style and run choices of Folder Options, the album options among them
    /// (read from their file at start).
    album::PageStyleChoice &pageStyle()
    {
        return m_pageStyle;
    }
    Prompts &prompts()
    {
        return *m_prompts;
    }

    /// The main window, created and loaded (start-up steps) on first use.
    frmForm *mainWindow();
    /// The main window if it is open, else null.
    frmForm *mainWindowIfOpen() const;

    /// The advanced image options window ("Thumb JPEG Options"), created and loaded
    /// (its opening steps) on first use.
    frmAdvOpt *advancedOptionsWindow();
    /// The advanced image options window if it is open, else null.
    frmAdvOpt *advancedOptionsWindowIfOpen() const;
    /// Shows the advanced image options window, modeless.
    void showAdvancedOptions();

    /// The Defaults dialog, created and loaded (re-reading the settings) on first use.
    Form5 *defaultsDialog();
    /// The Defaults dialog if it is open, else null.
    Form5 *defaultsDialogIfOpen() const;
    /// Shows the Defaults dialog, modeless.
    void showDefaults();
    /// Makes the WYSIWYG page editor window. The editor lives in a library of its own
    /// (the only one that links the browser engine); the program registers it at
    /// start-up, so this library and its tests need not link the engine.
    void setHtmlEditorFactory(std::function<QWidget *()> factory)
    {
        m_htmlEditorFactory = std::move(factory);
    }
    bool canOpenHtmlEditor() const
    {
        return static_cast<bool>(m_htmlEditorFactory);
    }
    /// Shows the page editor, created on first use; null when none is registered.
    QWidget *showHtmlEditor();

    /// Shows the help window with a page of the manual.
    void showHelp(const QString &topic);
    /// The help window if it is open, else null.
    HelpWindow *helpWindowIfOpen() const;
    /// Closes the help window, if open.
    void closeHelp();

    /// Shows the page options dialog ("Folder Options"), creating it when needed.
    saveto *showPageOptions();
    saveto *pageOptionsIfOpen() const;
    /// Shows the header and footer editor ("HTML Heading and Footing"), creating it
    /// (from the template) when needed; an open one only comes to the front.
    Form4 *showHeaderFooterEditor();
    Form4 *headerFooterEditorIfOpen() const;
    /// Shows the page view of the latest gallery page, creating it when needed.
    pageView *showPageView();
    pageView *pageViewIfOpen() const;

    /// How windows open files and web addresses with the desktop's programs; tests
    /// put their own here. Empty: the desktop's own (see openWithShell).
    const ShellLauncher &shellLauncher() const
    {
        return m_shellLauncher;
    }
    void setShellLauncher(ShellLauncher launcher)
    {
        m_shellLauncher = std::move(launcher);
    }

    /// The flag that chooses the list the picture viewer walks (2: Image Replace).
    ViewerSource &viewerSource()
    {
        return m_viewerSource;
    }
    /// The picture viewer, created on first use (hidden until shown).
    picView *pictureViewer();
    picView *pictureViewerIfOpen() const;
    /// Shows the picture viewer, modeless.
    picView *showPictureViewer();
    /// The list the picture viewer walks: the Image Replace window's "Select Images:"
    /// list while viewerSource is 2 and that window is open, else the main window's
    /// source list (a closed Image Replace window has no list to walk).
    FileList *viewerList();

    /// The Image Replace window, created on first use.
    Form2 *imageReplaceWindow();
    Form2 *imageReplaceWindowIfOpen() const;
    /// Shows the Image Replace window, modeless.
    Form2 *showImageReplace();
    /// The batch renamer's rule, text, case, start number, confirmation state and
    /// the last run's renames (for undo).
    RenameState &renameState()
    {
        return m_renameState;
    }
    /// Shows the file manager ("File Management"), modeless, creating it when needed.
    frmFileManage *showFileManager();
    frmFileManage *fileManagerIfOpen() const;
    /// Shows the File Renamer, modeless; the program keeps one instance of it.
    frmFileManageRename *showFileRenamer();
    frmFileManageRename *fileRenamerIfOpen() const;
    /// The renamer's rule window ("Renaming Selections"), loaded on first use; it
    /// stays loaded (hidden) after "&Rename!" until it is cancelled or closed.
    frmRenameChoice *renameChoiceWindow();
    frmRenameChoice *renameChoiceWindowIfOpen() const;

private:
    /// The live tool window of that kind, made (and loaded) when there is none.
    template <typename Window> Window *toolWindow(QPointer<Window> &slot);

    AppState m_state;
    ImagingOptions m_imagingOptions;
    ProgramFolder m_folders;
    album::PageStyleChoice m_pageStyle;
    std::unique_ptr<Prompts> m_prompts;
    QPointer<frmForm> m_mainWindow;
    QPointer<HelpWindow> m_help;
    QPointer<saveto> m_pageOptions;
    QPointer<pageView> m_pageView;
    ShellLauncher m_shellLauncher;
    QPointer<frmAdvOpt> m_advancedOptionsWindow;
    QPointer<Form5> m_defaultsDialog;
    std::function<QWidget *()> m_htmlEditorFactory;
    QPointer<QWidget> m_htmlEditor;
    QPointer<Form4> m_headerFooterEditor;
    ViewerSource m_viewerSource;
    QPointer<picView> m_pictureViewer;
    QPointer<Form2> m_imageReplace;
    RenameState m_renameState;
    QPointer<frmFileManage> m_fileManager;
    QPointer<frmFileManageRename> m_fileRenamer;
    QPointer<frmRenameChoice> m_renameChoice;
    ContextHelp *m_contextHelp = nullptr;
    TextAreaTabs *m_textAreaTabs = nullptr;
};

} // namespace quorvel
