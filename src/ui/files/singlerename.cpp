// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/singlerename.h"

#include "files/filemanager.h"
#include "files/fileoperations.h"
#include "platform/filelist.h"
#include "platform/paths.h"
#include "platform/prompts.h"

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
            QStringLiteral("Enter the new filename you wish to rename ") + name + QStringLiteral(" to: "),
            QStringLiteral("Rename File"),
            from);
        if (!answer || answer->isEmpty())
            return;
        if (prompts.message(parent,
                QStringLiteral("You are about to RENAME the file ") + from + QStringLiteral(" to ") + *answer
                    + QStringLiteral("  Are you sure?"),
                Prompts::Icon::None,
                Prompts::Buttons::YesNo)
            == Prompts::Answer::No)
            return;
        if (!renameNoReplace(from, resolveTypedPath(*answer, folderShown))) {
            prompts.message(parent,
                QStringLiteral("This file can not be renamed, perhaps it already exists, or is an invalid filename!"),
                Prompts::Icon::Exclamation);
            return;
        }
        files.refresh();
        prompts.message(parent,
            QStringLiteral("File ") + from + QStringLiteral(" renamed as ") + *answer
                + QStringLiteral(" successfully!"),
            Prompts::Icon::Information);
        if (renamed)
            renamed(*answer);
    }
}

} // namespace quorvel
