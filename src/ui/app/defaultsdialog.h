// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/shellopen.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace quorvel
{

class Application;
class DriveList;
class FolderList;
class LinkLabel;

/// The Defaults dialog, captioned "Defaults....": the defaults that survive a
/// restart (the settings file quorvel.ins) and the program's version. Every opening
/// re-reads the file, so unsaved changes are discarded. "&Save defaults" writes the
/// file and pushes the new values into the main window; "&Cancel" changes nothing.
class Form5 : public QDialog
{
    Q_OBJECT
public:
    explicit Form5(Application &app, QWidget *parent = nullptr);
    ~Form5() override;

    /// The opening steps: load the settings, then show the border choice, the two
    /// sizes ("45" for none stored), the overwrite choice, the default folder, the
    /// FTP program and the version.
    void load();

    /// "&Save defaults". A height or width that is not a whole number from 1 to
    /// 32767, or a file that cannot be written, is reported and nothing changes (the
    /// dialog stays open). Otherwise the file is written, the shared variables set,
    /// the main window given the thumb size (from the height), the border and
    /// overwrite choices and the destination folder, and the dialog closes.
    /// Returns whether it saved.
    bool saveDefaults();

    /// Opens the manual's page on getting the latest version and sending tips and
    /// bugs ("To Download the Latest version:", "Tips and Bugs:"): the installed
    /// copy in the web browser, else the page in the help window.
    void openDownloadPage();

    /// Replaces the desktop launcher used by the download link (useful for tests).
    void setShellLauncher(ShellLauncher launcher)
    {
        m_launcher = std::move(launcher);
    }

protected:
private:
    QWidget *buildVersionTab();
    QWidget *buildInformationTab();
    QWidget *buildThumbnailsTab();
    void onChooseFtpProgram();

    Application &m_app;
    ShellLauncher m_launcher;

    QTabWidget *m_tabs = nullptr; // SSTab1
    QLabel *m_version = nullptr; // Label2
    LinkLabel *m_downloadLink = nullptr; // Label5
    LinkLabel *m_supportLink = nullptr; // Label16
    DriveList *m_drive = nullptr; // Drive2
    FolderList *m_folders = nullptr; // Dir2
    QLineEdit *m_path = nullptr; // Text5
    QRadioButton *m_alwaysOverwrite = nullptr; // Option1
    QRadioButton *m_askOverwrite = nullptr; // Option2
    QLineEdit *m_width = nullptr; // Text8
    QLineEdit *m_height = nullptr; // Text7
    QRadioButton *m_noBorder = nullptr; // noBorder
    QRadioButton *m_useBorder = nullptr; // useBorder
    QLineEdit *m_ftpProgram = nullptr; // Text9
    QPushButton *m_chooseFtpProgram = nullptr; // Command3
    QPushButton *m_save = nullptr; // Command2
    QPushButton *m_cancel = nullptr; // Command1
};

} // namespace quorvel
