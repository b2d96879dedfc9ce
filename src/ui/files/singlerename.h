// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace quorvel
{

class FileList;
class Prompts;

/// The single-file rename of the file manager ("Re&name File") and the File Renamer
/// ("&Rename selected"): for each selected file of `files`, in list order, ask for
/// the new name (pre-filled with the full path), ask to confirm, and rename it without
/// ever replacing a file. A name without a folder is taken in the folder shown.
/// `renamed` receives each new name as typed. A cancelled or empty answer, or "No",
/// ends the operation; a failure shows the window's message and ends it.
void renameSelectedFiles(QWidget *parent,
    Prompts &prompts,
    FileList &files,
    const QString &folderShown,
    const std::function<void(const QString &)> &renamed);

} // namespace quorvel
