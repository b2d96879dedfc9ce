// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wysiwyg/inserttable.h"

#include <QDialog>

#include <optional>

class QLineEdit;

namespace quorvel
{

class DocumentEditor;
class Prompts;

/// The "Insert Table" dialog: rows, columns, table and cell attributes and caption
/// for a new table at the editor's selection. Its parameter object lives as long as
/// the dialog; empty attribute and caption boxes leave its values as they were.
class InsertTableDlg : public QDialog
{
    Q_OBJECT
public:
    InsertTableDlg(DocumentEditor &editor, Prompts &prompts, QWidget *parent = nullptr);

    const InsertTableParams &params() const
    {
        return m_params;
    }

    /// The number in a rows or columns box: a positive number (decimals allowed),
    /// rounded to a whole one with halves to even, as the table takes it (2.5 gives
    /// 2, 0.5 gives 1); nullopt for an empty, non-numeric, non-positive or too large
    /// text.
    static std::optional<qint32> positiveCount(const QString &text);

    void onOk();

private:
    DocumentEditor &m_editor;
    Prompts &m_prompts;
    InsertTableParams m_params;
    QLineEdit *m_rows = nullptr; // Rows
    QLineEdit *m_columns = nullptr; // Cols
    QLineEdit *m_tableAttributes = nullptr; // TableAttrs
    QLineEdit *m_cellAttributes = nullptr; // CellAttrs
    QLineEdit *m_caption = nullptr; // TableCaption
};

} // namespace quorvel
