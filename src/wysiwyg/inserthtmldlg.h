// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace quorvel
{

class DocumentEditor;

/// The "Insert HTML" dialog: a piece of HTML source pasted over the editor's
/// selection. Cancel gives the keyboard focus back to the editor.
class InsertHTMLDlg : public QDialog
{
    Q_OBJECT
public:
    explicit InsertHTMLDlg(DocumentEditor &editor, QWidget *parent = nullptr);

    void onOk();
    void onCancel();

private:
    DocumentEditor &m_editor;
    QPlainTextEdit *m_html = nullptr; // HTMLText
};

} // namespace quorvel
