// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pageoptionsdialog.h"

#include "app/application.h"
#include "app/mainwindow.h"
#include "app/pageoptions.h"
#include "platform/prompts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvel
{
namespace
{

QLabel *label(const QString &text, const char *name, QWidget *parent)
{
    auto *result = new QLabel(text, parent);
    result->setObjectName(QLatin1String(name));
    return result;
}

QLineEdit *box(const QString &text, const char *name, QLabel *caption, QWidget *parent)
{
    auto *result = new QLineEdit(text, parent);
    result->setObjectName(QLatin1String(name));
    caption->setBuddy(result);
    return result;
}

} // namespace

saveto::saveto(Application &app, QWidget *parent)
    : QDialog(parent)
    , m_app(app)
{
    setObjectName(QStringLiteral("saveto"));
    setWindowTitle(tr("Folder Options"));

    auto *nameLabel = label(tr("Name of webpage:"), "Label1", this);
    m_fileName = box(QStringLiteral("quorvel.html"), "fileName", nameLabel, this);
    auto *folderLabel = label(
        tr("Image Folder for Web page. Leave blank if images are in the same folder as web page."), "Label2", this);
    folderLabel->setWordWrap(true);
    m_imageFolder = box(QString(), "imageFolder", folderLabel, this);
    auto *tip = label(tr("TIPS: Use another folder for your images. Frequently used is: images/"), "Label3", this);
    tip->setWordWrap(true);

    m_useTable = new QCheckBox(tr("Use Table"), this);
    m_useTable->setObjectName(QStringLiteral("chkTable"));
    auto *columnsLabel = label(tr("# Columns:"), "Label4", this);
    m_columns = box(QStringLiteral("4"), "txtColumns", columnsLabel, this);
    auto *rowsLabel = label(tr("# Rows:"), "Label5", this);
    m_rows = box(QStringLiteral("4"), "txtRows", rowsLabel, this);
    m_rows->setToolTip(tr("The rows follow from the number of pictures."));
    m_useBorder = new QCheckBox(tr("Use Border"), this);
    m_useBorder->setObjectName(QStringLiteral("chkBorder"));

    m_headerFooter = new QPushButton(tr("Custom Header && Footer Pages"), this);
    m_headerFooter->setObjectName(QStringLiteral("Command3"));
    auto *use = new QPushButton(tr("Use"), this);
    use->setObjectName(QStringLiteral("Command1"));
    use->setDefault(true);
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Command2"));

    auto *table = new QGridLayout;
    table->addWidget(m_useTable, 0, 0, 1, 2);
    table->addWidget(columnsLabel, 1, 0);
    table->addWidget(m_columns, 1, 1);
    table->addWidget(rowsLabel, 2, 0);
    table->addWidget(m_rows, 2, 1);
    table->addWidget(m_useBorder, 3, 0, 1, 2);
    table->setColumnStretch(2, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_headerFooter);
    buttons->addStretch(1);
    buttons->addWidget(use);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(nameLabel);
    layout->addWidget(m_fileName);
    layout->addWidget(folderLabel);
    layout->addWidget(m_imageFolder);
    layout->addWidget(tip);
    layout->addLayout(table);
    layout->addStretch(1);
    layout->addLayout(buttons);

    connect(use, &QPushButton::clicked, this, &saveto::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);
    // The editor is modeless; this dialog stays open.
    connect(m_headerFooter, &QPushButton::clicked, &m_app, &Application::showHeaderFooterEditor);
}

void saveto::confirm()
{
    PageOptionsForm form;
    form.fileName = m_fileName->text();
    form.imageFolder = m_imageFolder->text();
    form.useTable = m_useTable->isChecked();
    form.columns = m_columns->text();
    form.rows = m_rows->text();
    form.useBorder = m_useBorder->isChecked();
    if (const QString refusal = applyPageOptions(m_app.state(), form); !refusal.isEmpty()) {
        m_app.prompts().message(this, refusal);
        return;
    }
    m_app.mainWindow()->tickHtmlCode();
    close();
}

} // namespace quorvel
