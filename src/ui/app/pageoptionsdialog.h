// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "album/albumoptions.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace quorvel
{

class Application;

/// "Folder Options": the gallery page's name, the image folder reference, table
/// layout, columns and border. Shown modeless; it always opens with its design
/// values, and "Use" copies them into the shared variables and ticks the main
/// window's "HTML Code".
///
/// Beside them: the page style ("Classic page" or "Web album"), the skip of up-to-date
/// thumbnails for the classic page, and the web album's options. These open with the
/// values in use (the album options as remembered at start); "Use" puts them in use for
/// the runs of the main window, and "Save Album Options" also remembers the album
/// options for the next start.
class saveto : public QDialog
{
    Q_OBJECT
public:
    explicit saveto(Application &app, QWidget *parent = nullptr);

    /// "Use": confirms the options, or shows why they cannot be taken and stays open.
    void confirm();
    /// "Save Album Options": writes the album options shown to their file.
    void saveAlbumOptions();

private:
    QGroupBox *buildAlbumOptions();
    album::AlbumOptions shownAlbumOptions() const;

    Application &m_app;
    QLineEdit *m_fileName = nullptr;
    QLineEdit *m_imageFolder = nullptr;
    QCheckBox *m_useTable = nullptr;
    QLineEdit *m_columns = nullptr;
    QLineEdit *m_rows = nullptr;
    QCheckBox *m_useBorder = nullptr;
    QPushButton *m_headerFooter = nullptr;
    QRadioButton *m_classic = nullptr;
    QRadioButton *m_webAlbum = nullptr;
    QCheckBox *m_skipUpToDate = nullptr;
    QGroupBox *m_album = nullptr;
    QLineEdit *m_albumTitle = nullptr;
    QPlainTextEdit *m_albumIntro = nullptr;
    QLineEdit *m_albumFooter = nullptr;
    QSpinBox *m_webSize = nullptr;
    QSpinBox *m_quality = nullptr;
    QSpinBox *m_thumbHeight = nullptr;
    QComboBox *m_sort = nullptr;
    QCheckBox *m_captions = nullptr;
    QCheckBox *m_originals = nullptr;
};

} // namespace quorvel
