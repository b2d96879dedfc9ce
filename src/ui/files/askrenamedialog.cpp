// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/askrenamedialog.h"

#include "app/application.h"
#include "files/renamerules.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvel
{

frmAskRename::frmAskRename(Application &app, QWidget *parent)
    : QDialog(parent)
    , m_app(app)
{
    setObjectName(QStringLiteral("frmAskRename"));
    setWindowTitle(tr("Confirm Rename"));
    setModal(true);

    auto *heading = new QLabel(tr("You are about to rename the file::"), this);
    heading->setObjectName(QStringLiteral("Label1"));
    m_oldName = new QLabel(tr("Filename"), this);
    m_oldName->setObjectName(QStringLiteral("Label2"));
    m_oldName->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *to = new QLabel(tr("to the new filename:"), this);
    to->setObjectName(QStringLiteral("Label3"));
    m_newName = new QLabel(tr("Filename"), this);
    m_newName->setObjectName(QStringLiteral("Label4"));
    m_newName->setTextInteractionFlags(Qt::TextSelectableByMouse);
    for (QLabel *name : { m_oldName, m_newName }) {
        QFont bold = name->font();
        bold.setBold(true);
        name->setFont(bold);
    }

    const std::pair<const char *, QString> buttons[] = {
        { "Command1", tr("&Rename") },
        { "Command3", tr("Rename &ALL") },
        { "Command4", tr("&Skip") },
        { "Command2", tr("&Cancel") },
    };
    const int values[] = { RenameState::RenameThis, RenameState::RenameAll, RenameState::Skip, RenameState::Cancel };
    auto *row = new QHBoxLayout;
    row->addStretch();
    for (int i = 0; i < 4; ++i) {
        auto *button = new QPushButton(buttons[i].second, this);
        button->setObjectName(QLatin1String(buttons[i].first));
        button->setAutoDefault(false);
        if (i == 0)
            button->setDefault(true);
        row->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, value = values[i]] {
            answer(value);
        });
    }

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(m_oldName);
    layout->addWidget(to);
    layout->addWidget(m_newName);
    layout->addLayout(row);
}

void frmAskRename::setNames(const QString &oldPath, const QString &newPath)
{
    m_oldName->setText(oldPath);
    m_newName->setText(newPath);
}

void frmAskRename::answer(int confirm)
{
    m_app.renameState().renameConfirm = std::int16_t(confirm);
    done(QDialog::Accepted);
}

void frmAskRename::reject()
{
    close();
}

void frmAskRename::closeEvent(QCloseEvent *event)
{
    setResult(QDialog::Rejected);
    event->accept();
}

} // namespace quorvel
