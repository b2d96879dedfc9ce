// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace quorvel
{

class Application;
class DriveList;
class FileList;
class FolderList;

/// The file manager window, captioned "File Management": browse drives, folders and
/// files, create and remove folders, delete and rename single files, start the FTP
/// program and open the File Renamer. Names typed without a folder are taken in the
/// folder shown.
class frmFileManage : public QDialog
{
    Q_OBJECT
public:
    frmFileManage(Application &app, QWidget *parent = nullptr);

    /// The opening steps: the file list shows the folder list's folder with the
    /// pattern of the "File Pattern:" box.
    void load();

    /// "Create Directory".
    void createDirectory();
    /// "&Remove Directory".
    void removeDirectory();
    /// "&Delete File": the first selected file only.
    void deleteFile();
    /// "Re&name File".
    void renameFile();
    /// "&FTP".
    void startFtp();

    /// The folder shown (the folder list's path).
    QString folderShown() const;

private:
    void onFolderChanged(const QString &folder);
    void onPathBoxEdited(const QString &text);
    void onFileClicked();
    bool eventFilter(QObject *watched, QEvent *event) override;
    /// The folder list and file list read again; a folder that went away is left for its parent.
    void refreshLists();

    Application &m_app;
    DriveList *m_drives = nullptr; // Drive1
    FolderList *m_folders = nullptr; // Dir1
    FileList *m_files = nullptr; // File1
    QLineEdit *m_pattern = nullptr; // Text2
    QLineEdit *m_pathBox = nullptr; // Text3
    QLineEdit *m_status = nullptr; // Text1
    QString m_folderBeforePress;
};

} // namespace quorvel
