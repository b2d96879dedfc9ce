// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wysiwyg/editcommand.h"

#include <QHash>
#include <QMainWindow>

#include <functional>
#include <optional>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QToolBar;

namespace quorvel
{

class DocumentEditor;
class Prompts;

/// The WYSIWYG page editor window, captioned "Quorvel Editor" at first and then
/// "FTP Editor" (with " - " and the page's path once it has one). Menus, the
/// formatting toolbar, the two font boxes and the context menu drive the editing
/// component; their state follows the component's status snapshots.
class MainForm : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainForm(Prompts &prompts, QWidget *parent = nullptr);
    ~MainForm() override;

    /// The editing component (DHTMLEdit1); the insertion dialogs act on it.
    DocumentEditor *editor() const
    {
        return m_editor;
    }
    /// What Help > Help Topics calls (the program's help window on the editor's page).
    void setHelpHandler(std::function<void()> handler)
    {
        m_helpHandler = std::move(handler);
    }
    /// What Insert > Thumbnail calls (the thumbnail window, modal); the item is
    /// disabled while none is set.
    void setThumbnailHandler(std::function<void()> handler);

    /// Asks to save a changed document: true to go on (not dirty, No, or Yes with a
    /// save that succeeded); false when cancelled or the save failed.
    bool askToSaveChanges();
    void fileNew();
    void fileOpen();
    /// Save to the current path (Save As when there is none); true on success.
    bool fileSave();
    bool fileSaveAs();

    /// True once the first document completed (the Format menu is filled).
    bool documentReady() const
    {
        return m_documentReady;
    }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void buildToolbar();
    QAction *addCommandItem(QMenu *menu,
        QHash<QAction *, EditCommand> &table,
        const char *name,
        const QString &caption,
        EditCommand command);
    void runCommand(EditCommand command);
    /// Makes an item checkable and runs `run` on every change of its state: a click,
    /// the keyboard, a screen reader's Toggle or setChecked. A state shown from the
    /// document (showChecked) runs nothing.
    void onStateChange(QAction *item, std::function<void(bool)> run);
    void showChecked(QAction *item, bool checked);
    void refreshTitle();
    void setEditingControlsEnabled(bool enabled);
    void afterSave(std::uint32_t error);
    bool save(bool prompt);

    void onDocumentCompleted();
    void onDisplayChanged();
    void onMenuOpening(QMenu *menu, const QHash<QAction *, EditCommand> &table);
    void onFormatOpening();
    void onFormatChosen(QAction *item);
    void on2DItemRun();
    void onColor();
    void onFontNameChosen(int index);
    void onFontSizeChosen(int index);
    void onShowContextMenu();
    void onContextMenuAction(int index);
    void onInsertButton();
    void onInsertHtml();
    void onInsertTable();
    void onAbout();

    Prompts &m_prompts;
    DocumentEditor *m_editor = nullptr; // DHTMLEdit1
    QToolBar *m_fontBar = nullptr; // the font boxes, above Toolbar1
    QToolBar *m_toolbar = nullptr; // Toolbar1
    QComboBox *m_fontName = nullptr; // FontCombo
    QComboBox *m_fontSize = nullptr; // FontSizeCombo
    QLabel *m_blockFormatPanel = nullptr; // first panel of StatusBar1
    std::function<void()> m_helpHandler;
    std::function<void()> m_thumbnailHandler;

    bool m_documentReady = false;
    bool m_showingState = false; // true while items show the document's state

    QMenu *m_fileMenu = nullptr;
    QMenu *m_editMenu = nullptr;
    QMenu *m_insertMenu = nullptr;
    QMenu *m_formatMenu = nullptr;
    QMenu *m_tableMenu = nullptr;
    QMenu *m_2dMenu = nullptr;
    QAction *m_save = nullptr;
    QAction *m_snapToGrid = nullptr;
    QAction *m_borders = nullptr;
    QAction *m_details = nullptr;
    QAction *m_insertButton = nullptr;
    QAction *m_insertHtml = nullptr;
    QAction *m_insertThumbnail = nullptr;
    QAction *m_makeAbsolute = nullptr;
    QAction *m_lockElement = nullptr;

    // Each menu item paired with the command it runs.
    QHash<QAction *, EditCommand> m_editCommands;
    QHash<QAction *, EditCommand> m_insertCommands;
    QHash<QAction *, EditCommand> m_tableCommands;
    QHash<QAction *, EditCommand> m_2dCommands;
    QList<std::pair<QAction *, EditCommand>> m_toolbarCommands;

    /// An item of the context menu: its caption and the command it runs; an item
    /// without a caption is a separator.
    struct ContextMenuItem {
        QString caption;
        std::optional<EditCommand> command;
        bool greyedWhenUnavailable = false; ///< greyed while its command cannot run
    };
    // The context menu shown last, item by item: it builds the menu and dispatches the
    // index the editing component reports.
    QList<ContextMenuItem> m_contextMenu;
};

} // namespace quorvel
