// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;

namespace quorvel
{

class Application;

/// The confirm window, captioned "Confirm Rename": shows one old and one new path
/// and stores the answer in renameConfirm: "&Rename" (1), "Rename &ALL" (2),
/// "&Cancel" (3) or "&Skip" (4, leave this file and ask again for the next). The
/// close box leaves renameConfirm as it was.
class frmAskRename : public QDialog
{
    Q_OBJECT
public:
    frmAskRename(Application &app, QWidget *parent = nullptr);

    /// Fills the two file name labels.
    void setNames(const QString &oldPath, const QString &newPath);

    /// Closing by Escape counts as the close box.
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void answer(int confirm);

    Application &m_app;
    QLabel *m_oldName = nullptr; // Label2
    QLabel *m_newName = nullptr; // Label4
};

} // namespace quorvel
