// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTreeView>

class QFileSystemModel;

namespace quorvel
{

/// A folder list: the folder tree of one volume with the current folder selected.
/// Choosing a folder makes it the current one (pathChanged).
class FolderList : public QTreeView
{
    Q_OBJECT
public:
    explicit FolderList(QWidget *parent = nullptr);

    /// The current folder.
    QString path() const;

    /// Makes an existing folder current, showing its volume's tree. Returns false and
    /// changes nothing when the folder does not exist (an empty path included).
    bool setPath(const QString &folder);

    /// Shows the tree of the volume at rootPath and makes that root current.
    void setDrive(const QString &rootPath);

Q_SIGNALS:
    void pathChanged(const QString &folder);

private:
    void onCurrentChanged(const QModelIndex &current);

    QFileSystemModel *m_model;
    QString m_path;
};

} // namespace quorvel
