// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wysiwyg/thumbnaillink.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;

namespace quorvel
{

class Application;
class ImageBox;

/// What the thumbnail window needs from the page being edited.
struct ThumbnailTarget {
    /// The page's file; empty for a page not yet saved.
    std::function<QString()> pagePath;
    /// Pastes HTML over the editor's current selection.
    std::function<void(const QString &html)> insertHtml;
};

/// The thumbnail window, captioned "Insert Thumbnail": makes a thumbnail of one
/// picture, pastes a link from it to the picture at the editor's selection, copies
/// the picture into an image folder when asked, and remembers its two folders in
/// options.dat. Opened modally by the page editor; it stays open after "&Ok".
class Form1 : public QDialog
{
    Q_OBJECT
public:
    Form1(Application &app, ThumbnailTarget target, QWidget *parent = nullptr);

    /// The imaging control (Gvbox1) that previews the picture and writes the thumbnail.
    ImageBox *imageBox() const
    {
        return m_imageBox;
    }
    /// The request the controls stand for now.
    ThumbnailRequest request() const;

    /// "Browse": choose and load the picture.
    void browse();
    /// "&Ok": write the thumbnail, paste the link, copy the picture.
    void insertThumbnail();
    /// "Save": remember the two folders in options.dat.
    void saveFolders();
    /// The "..." buttons: the folder pickers for Text6 and Text7.
    void chooseImageFolder();
    void chooseThumbnailFolder();

private:
    void loadFolders();
    void applyBorder();
    void showProblem(const QString &text);

    Application &m_app;
    ThumbnailTarget m_target;
    QLineEdit *m_picture = nullptr; // Text1
    ImageBox *m_imageBox = nullptr; // Gvbox1
    QSlider *m_size = nullptr; // Slider1
    QLabel *m_sizeValue = nullptr;
    QRadioButton *m_noBorder = nullptr; // Option1
    QRadioButton *m_border = nullptr; // Option2
    QCheckBox *m_rename = nullptr; // Check1
    QLineEdit *m_prefix = nullptr; // Text3
    QLineEdit *m_alt = nullptr; // Text2
    QCheckBox *m_serverPaths = nullptr; // Check2
    QLineEdit *m_imageServerPath = nullptr; // Text4
    QLineEdit *m_thumbnailServerPath = nullptr; // Text5
    QCheckBox *m_useThumbnailFolder = nullptr; // Check3
    QLineEdit *m_thumbnailFolder = nullptr; // Text7
    QCheckBox *m_copyPicture = nullptr; // Check4
    QLineEdit *m_imageFolder = nullptr; // Text6
};

} // namespace quorvel
