// SPDX-License-Identifier: GPL-3.0-or-later
#include "wysiwyg/inserthtmldlg.h"

#include "wysiwyg/documenteditor.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvel
{

InsertHTMLDlg::InsertHTMLDlg(DocumentEditor &editor, QWidget *parent)
    : QDialog(parent)
    , m_editor(editor)
{
    setObjectName(QStringLiteral("InsertHTMLDlg"));
    setWindowTitle(tr("Insert HTML"));
    setModal(true);

    auto *label = new QLabel(tr("HTML source:"), this);
    m_html = new QPlainTextEdit(QStringLiteral("<B> here's some <I>HTML</></B>"), this);
    m_html->setObjectName(QStringLiteral("HTMLText"));
    m_html->setAccessibleName(tr("HTML source:"));
    label->setBuddy(m_html);

    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("CmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &InsertHTMLDlg::onOk);
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CmdCancel"));
    connect(cancel, &QPushButton::clicked, this, &InsertHTMLDlg::onCancel);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_html);
    layout->addLayout(buttons);
    resize(420, 240);
}

void InsertHTMLDlg::onOk()
{
    m_editor.pasteHtml(m_html->toPlainText());
    accept();
}

void InsertHTMLDlg::onCancel()
{
    reject();
    m_editor.setFocus();
}

} // namespace quorvel
