// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "imaging/imagingoptions.h"
#include "platform/proportionallayout.h"

#include <QMainWindow>
#include <QPointer>

#include <optional>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QToolBar;

namespace quorvel
{

class Application;
struct CreationRequest;
class DriveList;
class FileList;
class FolderList;
class ImageBox;
class UpDownButtons;

/// The main window, captioned "Quorvel": the source lists ("Create From:"), the
/// destination lists with the "Create in:" frame, the thumbnail options and the
/// preview of the clicked picture. It lives from start-up to Exit.
///
/// Its controls keep their proportions to the window: each is placed at a designed
/// rectangle and scaled with the client area (ProportionalLayout); the preview's
/// imaging control inside its scrolling viewport keeps the size of its picture.
class frmForm : public QMainWindow
{
    Q_OBJECT
public:
    explicit frmForm(Application &app, QWidget *parent = nullptr);
    ~frmForm() override;

    /// Start-up, in order, every step's errors ignored: copy the logo pictures, load
    /// the settings, move the destination folder list to the stored default folder.
    void load();

    /// The full path of a file of the source folder: the folder and the name joined
    /// (a folder that ends in a separator, such as the root, gets the name directly).
    QString sourcePathOf(const QString &fileName) const;

    /// The "Thumb Size:" rule: the imaging options' ThumbSize, and with it both
    /// imaging controls (Gvbox1, then Gvbox2), becomes the number in the box, or 0
    /// while "No border" is ticked.
    void applyThumbSize();

    /// Proportional layout of the controls; called on every resize of the client area
    /// unless the window is minimized.
    void scaleControls();

    /// Exit: close every other window, then this one, and end the program. A window
    /// that refuses to close (unsaved work the user keeps) stops the exit.
    void exitProgram();

    /// "Create Thumbs": a thumbnail of every selected picture of the source list
    /// in the destination folder and, with "HTML Code", the gallery page in the
    /// source folder; then the messages and the page view.
    void runCreateThumbs();
    /// The same for files dropped on the destination folder list, in drop order:
    /// every dropped file is handed to the imaging engine, whatever its kind.
    void runDropCreate(const QStringList &files);

    /// Ticks "HTML Code", so that the next run also writes the page.
    void tickHtmlCode();

    // The defaults the Defaults dialog pushes in when it saves.
    /// Sets "Thumb Size:", which applies the size to both imaging controls again.
    void setThumbSizeText(const QString &text);
    /// Ticks or clears "No border", which applies the border rule again.
    void setNoBorder(bool ticked);
    /// Selects "Overwrite" or "Ask before Overwrite".
    void setOverwriteChoice(bool alwaysOverwrite);
    /// Moves the destination folder list to a folder; one that does not exist is ignored.
    void setDestinationFolder(const QString &folder);

    /// A hidden check-state entry that shows a switch of the imaging options
    /// ("mnu_trans", "mnu_opt", "mnu_Fancy", "Mnu_TwoPass"), or null.
    QAction *optionSwitch(const QString &name) const;
    /// The working imaging control holds the last picture a run processed; Image
    /// Replace hands its last one over here.
    void keepLastPicture(const QString &path);

    /// The preview (Gvbox1) and the working control (Gvbox2); both follow the
    /// imaging options.
    ImageBox *previewBox() const
    {
        return m_preview;
    }
    /// The source file list (File1), which the picture viewer walks.
    FileList *sourceFileList() const
    {
        return m_sourceFiles;
    }
    /// Whether "No border" is ticked.
    bool noBorderTicked() const;
    /// Double-click in the source list or on the preview: the picture viewer on the
    /// source folder's entry; from the list (atEntry) the viewer's position is that
    /// entry, from the preview it stays where it was.
    void viewPicture(const QString &fileName, std::optional<int> atEntry);
    ImageBox *workingBox() const
    {
        return m_worker;
    }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildControls();
    void buildMenusAndToolbar();
    /// Places a control at its designed rectangle (twips) and scales it from then on.
    void place(QWidget *control, double left, double top, double width, double height);

    /// Both imaging controls, Gvbox1 then Gvbox2, and the switch entries take the
    /// program's imaging options.
    void followImagingOptions();
    void onThumbSizeEdited();
    void onStepThumbSize(int step);
    void onBorderClicked();
    void onFileClicked();
    void onMakeDir();
    void onToolbarCreate();
    /// The inputs every run shares, read from the controls now.
    CreationRequest creationRequest() const;
    void createAndReport(const CreationRequest &request);

    Application &m_app;

    QWidget *m_client = nullptr;
    ProportionalLayout m_layout;
    QList<QPointer<QWidget>> m_placed;

    DriveList *m_sourceDrive = nullptr; // Drive1
    FolderList *m_sourceFolders = nullptr; // Dir1
    FileList *m_sourceFiles = nullptr; // File1
    DriveList *m_destDrive = nullptr; // Drive2
    FolderList *m_destFolders = nullptr; // Dir2
    QLineEdit *m_newFolderName = nullptr; // Text3
    QPushButton *m_makeDir = nullptr; // Command2
    QCheckBox *m_htmlCode = nullptr; // chkCode
    QPushButton *m_codeOptions = nullptr; // Command3
    QPushButton *m_createThumbs = nullptr; // Command4
    QLineEdit *m_thumbSize = nullptr; // Text2
    UpDownButtons *m_thumbSizeUpDown = nullptr; // UpDown1
    QLineEdit *m_prefix = nullptr; // Text1
    QCheckBox *m_rename = nullptr; // chkRename
    QCheckBox *m_noBorder = nullptr; // chkBorder
    QRadioButton *m_overwrite = nullptr; // SSOption1
    QRadioButton *m_askOverwrite = nullptr; // SSOption2
    QPushButton *m_advancedOptions = nullptr; // Command1
    QScrollArea *m_previewViewport = nullptr; // vsViewPort1
    ImageBox *m_preview = nullptr; // Gvbox1
    ImageBox *m_worker = nullptr; // Gvbox2
    QToolBar *m_toolbar = nullptr; // Toolbar1
    QList<std::pair<ImagingOptions::Switch, QAction *>> m_switchEntries; // mnu_trans, mnu_opt, mnu_Fancy, Mnu_TwoPass
};

} // namespace quorvel
