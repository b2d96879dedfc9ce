// SPDX-License-Identifier: GPL-3.0-or-later
#include "wysiwyg/inserttabledlg.h"

#include "platform/prompts.h"
#include "wysiwyg/documenteditor.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

namespace quorvel
{

InsertTableDlg::InsertTableDlg(DocumentEditor &editor, Prompts &prompts, QWidget *parent)
    : QDialog(parent)
    , m_editor(editor)
    , m_prompts(prompts)
{
    setObjectName(QStringLiteral("InsertTableDlg"));
    setWindowTitle(tr("Insert Table"));
    setModal(true);

    auto *form = new QFormLayout;
    const auto addBox = [&](const char *name, const QString &caption, const QString &text) {
        auto *box = new QLineEdit(text, this);
        box->setObjectName(QLatin1String(name));
        auto *label = new QLabel(caption, this);
        label->setBuddy(box);
        form->addRow(label, box);
        return box;
    };
    m_rows = addBox("Rows", tr("Number of rows:"), QString::number(m_params.rows));
    m_columns = addBox("Cols", tr("Number of columns:"), QString::number(m_params.columns));
    m_tableAttributes = addBox("TableAttrs", tr("Table Tag Attributes:"), m_params.tableAttributes);
    m_cellAttributes = addBox("CellAttrs", tr("Cell Tag Attributes:"), m_params.cellAttributes);
    m_caption = addBox("TableCaption", tr("Caption:"), m_params.caption);

    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("OkCmd"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &InsertTableDlg::onOk);
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelCmd"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
}

std::optional<qint32> InsertTableDlg::positiveCount(const QString &text)
{
    bool numeric = false;
    const double value = text.trimmed().toDouble(&numeric);
    if (!numeric || !(value > 0) || value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    const double rounded = std::nearbyint(value); // the default rounding: halves to even
    return static_cast<qint32>(std::max(rounded, 1.0));
}

void InsertTableDlg::onOk()
{
    const std::optional<qint32> rows = positiveCount(m_rows->text());
    if (!rows) {
        m_prompts.message(this, tr("Please specify a positive integer for the number of table rows."));
        return;
    }
    const std::optional<qint32> columns = positiveCount(m_columns->text());
    if (!columns) {
        m_prompts.message(this, tr("Please specify a positive integer for the number of table columns."));
        return;
    }
    if (qint64(*rows) * *columns > kMaxInsertedTableCells) {
        m_prompts.message(this,
            tr("A table of %1 rows and %2 columns is too large to insert. Choose at most %3 cells in all.")
                .arg(*rows)
                .arg(*columns)
                .arg(kMaxInsertedTableCells));
        return;
    }
    m_params.rows = *rows;
    m_params.columns = *columns;
    if (!m_tableAttributes->text().isEmpty())
        m_params.tableAttributes = m_tableAttributes->text();
    if (!m_cellAttributes->text().isEmpty())
        m_params.cellAttributes = m_cellAttributes->text();
    if (!m_caption->text().isEmpty())
        m_params.caption = m_caption->text();
    m_editor.execCommand(EditCommand::InsertTable, ExecOption::DontPromptUser, QVariant::fromValue(m_params));
    accept();
}

} // namespace quorvel
