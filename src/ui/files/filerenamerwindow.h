// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;

namespace quorvel
{

class Application;
class DriveList;
class FileList;
class FolderList;

/// The File Renamer window, captioned "File Renamer": collects files from any folder
/// into a rename list and renames all of them in one run by one rule, asking before
/// each file. A run checks its whole plan before the first rename, never replaces a
/// file, does swaps through temporary names and can be undone ("Undo last renaming").
class frmFileManageRename : public QMainWindow
{
    Q_OBJECT
public:
    frmFileManageRename(Application &app, QWidget *parent = nullptr);

    /// The opening steps: "&Move" hidden, the file list's pattern from "File Extensions:".
    void load();

    /// "&Add Files" (and a double-click in the file list).
    void addFiles();
    /// "&Remove ": the list's current entry.
    void removeEntry();
    /// "&Clear List".
    void clearList();
    /// "Rename &Options": the batch run.
    void runBatch();
    /// "Undo last renaming": the last run's renames undone.
    void undoLastRenaming();

    /// The rename list's entries, in order.
    QStringList entries() const;

    /// "Move selected file": remembers the selected entry to move.
    void markEntryToMove();
    /// "Move file &here" (and "&Move"): the remembered entry moves to the current one's place.
    void moveMarkedEntry();

    /// "File Attributes" of the selected rename-list entries, or ("File &Attributes")
    /// of the selected files of the file list.
    void showListAttributes();
    void showFileAttributes();

private:
    void buildMenus();
    void updateCount();
    /// The enabled state of the move entries and the undo entry, before a menu opens.
    void updateMenuStates();
    void onFolderChanged(const QString &folder);
    void setListFontSize(int points);
    void showAttributes(const QStringList &paths);

    Application &m_app;
    DriveList *m_drives = nullptr; // Drive1
    FolderList *m_folders = nullptr; // Dir1
    FileList *m_files = nullptr; // File1
    QLineEdit *m_pattern = nullptr; // Text3
    QListWidget *m_list = nullptr; // List1
    QLabel *m_countCaption = nullptr; // Label2
    QLabel *m_count = nullptr; // Label3
    QLineEdit *m_lastName = nullptr; // Text1, hidden
    QLineEdit *m_moveText = nullptr; // Text12, hidden
    QLineEdit *m_movePosition = nullptr; // Text13, hidden
    QPushButton *m_move = nullptr; // Command7
    QMenu *m_optionsMenu = nullptr;
    QMenu *m_fileMenu = nullptr; // Options2, the file list's right-click menu
    QAction *m_moveSelected = nullptr;
    QAction *m_moveHere = nullptr;
    QAction *m_undo = nullptr;
};

} // namespace quorvel
