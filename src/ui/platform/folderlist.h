// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTreeView>

class QFileSystemModel;
class QMimeData;

namespace quorvel
{

/// A folder list: the folder tree of one volume with the current folder selected and
/// kept in view (while the tree fills in and sorts, until the user scrolls it).
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

    /// Lets files be dropped on the list: any drop is accepted and reported by
    /// filesDropped with the local files it carries.
    void setAcceptsFileDrops(bool accept);

    /// The local file paths of a drop's URL list, in the order the drop delivers
    /// them; empty when it carries no files (text, web addresses).
    static QStringList localFilesOf(const QMimeData *data);

Q_SIGNALS:
    void pathChanged(const QString &folder);
    /// Something was dropped on the list; files holds its local file paths.
    void filesDropped(const QStringList &files);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void onCurrentChanged(const QModelIndex &current);
    void keepCurrentInView();

    QFileSystemModel *m_model;
    QString m_path;
    bool m_acceptsFileDrops = false;
    bool m_followCurrent = true; ///< false once the user scrolled the list
};

} // namespace quorvel
