// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QListWidgetItem;
class QPushButton;
class QScrollArea;

namespace quorvel
{

class Application;
class DriveList;
class FileList;
class FolderList;
class ImageBox;

/// The Image Replace window, captioned "Image Replace": copies new pictures over the
/// pictures of a folder under their old names and makes matching thumbnails. Three
/// panes of drive, folder and "*.jpg" file lists: "Select Images:" (the new pictures,
/// several can be selected), "Create Thumbnails in:" and "Copy Files To:" (the folder
/// whose pictures are replaced). A click in any file list previews that picture and
/// makes the picture viewer walk "Select Images:"; a double-click there opens the
/// viewer. "Create" shows the planned replacements and, once confirmed, runs them
/// (ImageReplace in core) with a snapshot of the program's imaging options, so the
/// thumbnails take the main window's size, border and JPEG options.
class Form2 : public QWidget
{
    Q_OBJECT
public:
    explicit Form2(Application &app, QWidget *parent = nullptr);
    ~Form2() override;

    /// "Select Images:" (File1), the list the picture viewer walks after a click here.
    FileList *imagesList() const
    {
        return m_images;
    }

    /// "Create": preview size, the plan, its confirmation, the run and its report.
    void runCreate();

private:
    void buildControls();
    void onFileClicked(FileList *list, QListWidgetItem *item);
    void onImageDoubleClicked(QListWidgetItem *item);
    /// Sets the preview's size from the default thumbnail size (twips times 10).
    void sizePreviewFromDefaults();

    Application &m_app;
    DriveList *m_imagesDrive = nullptr; // Drive3
    FolderList *m_imagesFolders = nullptr; // Dir3
    FileList *m_images = nullptr; // File1
    DriveList *m_thumbsDrive = nullptr; // Drive1
    FolderList *m_thumbsFolders = nullptr; // Dir1
    FileList *m_thumbs = nullptr; // File3
    DriveList *m_destDrive = nullptr; // Drive2
    FolderList *m_destFolders = nullptr; // Dir2
    FileList *m_dest = nullptr; // File2
    QScrollArea *m_previewViewport = nullptr;
    ImageBox *m_preview = nullptr; // Gvbox1
    QPushButton *m_create = nullptr; // Command1
    QPushButton *m_cancel = nullptr; // Command2
    QString m_lastShown; // the path the last click showed (or failed to)
    bool m_running = false; // a run selects the entries it replaces: no messages then
};

} // namespace quorvel
