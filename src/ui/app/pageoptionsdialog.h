// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace quorvel
{

class Application;

/// "Folder Options": the gallery page's name, the image folder reference, table
/// layout, columns and border. Shown modeless; it always opens with its design
/// values, and "Use" copies them into the shared variables and ticks the main
/// window's "HTML Code".
class saveto : public QDialog
{
    Q_OBJECT
public:
    explicit saveto(Application &app, QWidget *parent = nullptr);

    /// "Use": confirms the options, or shows why they cannot be taken and stays open.
    void confirm();

private:
    Application &m_app;
    QLineEdit *m_fileName = nullptr;
    QLineEdit *m_imageFolder = nullptr;
    QCheckBox *m_useTable = nullptr;
    QLineEdit *m_columns = nullptr;
    QLineEdit *m_rows = nullptr;
    QCheckBox *m_useBorder = nullptr;
    QPushButton *m_headerFooter = nullptr;
};

} // namespace quorvel
