// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/singlerename.h"

#include "files/filemanager.h"
#include "files/fileoperations.h"
#include "platform/filelist.h"
#include "platform/paths.h"
#include "platform/prompts.h"

#include <QCoreApplication>

namespace quorvel
{

void renameSelectedFiles(QWidget *parent,
    Prompts &prompts,
    FileList &files,
    const QString &folderShown,
    const std::function<void(const QString &)> &renamed)
{
    const QStringList selected = files.selectedFileNames();
    for (const QString &name : selected) {
        const QString from = joinPath(folderShown, name);
        const std::optional<QString> answer = prompts.input(parent,
            QCoreApplication::translate("quorvel::frmFileManage", "Enter the new filename you wish to rename %1 to: ")
                .arg(name),
            QCoreApplication::translate("quorvel::frmFileManage", "Rename File"),
            from);
        if (!answer || answer->isEmpty())
            return;
        if (prompts.message(parent,
                QCoreApplication::translate(
                    "quorvel::frmFileManage", "You are about to RENAME the file %1 to %2  Are you sure?")
                    .arg(from, *answer),
                Prompts::Icon::None,
                Prompts::Buttons::YesNo)
            == Prompts::Answer::No)
            return;
        if (!renameNoReplace(from, resolveTypedPath(*answer, folderShown))) {
            prompts.message(parent,
                QCoreApplication::translate("quorvel::frmFileManage",
                    "This file can not be renamed, perhaps it already exists, or is an invalid filename!"),
                Prompts::Icon::Exclamation);
            return;
        }
        files.refresh();
        prompts.message(parent,
            QCoreApplication::translate("quorvel::frmFileManage", "File %1 renamed as %2 successfully!")
                .arg(from, *answer),
            Prompts::Icon::Information);
        if (renamed)
            renamed(*answer);
    }
}

} // namespace quorvel
