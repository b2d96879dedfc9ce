// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

namespace quorvel
{

class Application;
class DriveList;
class FolderList;

/// "Save to.....": a modal folder picker with a drive list and a folder list.
/// "&Save" takes the folder shown, with a trailing separator, as savedir and
/// closes the dialog accepted.
class FolderPickerDialog : public QDialog
{
    Q_OBJECT
public:
    FolderPickerDialog(Application &app, const QString &startFolder, QWidget *parent = nullptr);

    /// The folder taken by "&Save" (with a trailing separator), else empty.
    QString chosenFolder() const
    {
        return m_chosen;
    }

    /// "&Save".
    void save();

private:
    Application &m_app;
    DriveList *m_drives = nullptr;
    FolderList *m_folders = nullptr;
    QString m_chosen;
};

/// The picker for the thumbnail inserter's first folder box.
class savedirs : public FolderPickerDialog
{
    Q_OBJECT
public:
    savedirs(Application &app, const QString &startFolder, QWidget *parent = nullptr);
};

/// The picker for the thumbnail inserter's second folder box.
class form21 : public FolderPickerDialog
{
    Q_OBJECT
public:
    form21(Application &app, const QString &startFolder, QWidget *parent = nullptr);
};

} // namespace quorvel
