// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/folderlist.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QStorageInfo>

namespace quorvel
{

FolderList::FolderList(QWidget *parent)
    : QTreeView(parent)
    , m_model(new QFileSystemModel(this))
{
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_model->setReadOnly(true);
    m_model->setRootPath(QDir::rootPath());
    setModel(m_model);
    for (int column = 1; column < m_model->columnCount(); ++column)
        hideColumn(column);
    header()->hide();
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformRowHeights(true);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex &current) {
        onCurrentChanged(current);
    });
    // The model reads folders in the background: keep the current folder in view
    // as the folders above it fill in.
    connect(m_model, &QFileSystemModel::directoryLoaded, this, [this] {
        if (currentIndex().isValid())
            scrollTo(currentIndex(), QAbstractItemView::PositionAtCenter);
    });
    setPath(QDir::rootPath());
}

QString FolderList::path() const
{
    return m_path;
}

void FolderList::setDrive(const QString &rootPath)
{
    setPath(rootPath);
}

bool FolderList::setPath(const QString &folder)
{
    const QFileInfo info(folder);
    if (folder.isEmpty() || !info.isDir())
        return false;
    const QString canonical = info.canonicalFilePath();
    // The tree shows the folders of the volume that holds the folder; the volume's
    // root is chosen in the drive list beside it.
    const QModelIndex volumeIndex = m_model->index(QStorageInfo(canonical).rootPath());
    if (volumeIndex.isValid() && rootIndex() != volumeIndex)
        setRootIndex(volumeIndex);
    const QModelIndex index = m_model->index(canonical);
    if (!index.isValid())
        return false;
    {
        QSignalBlocker blocker(selectionModel());
        if (index == rootIndex()) {
            selectionModel()->clearSelection();
            selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        } else {
            for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent())
                expand(parent);
            setCurrentIndex(index);
            expand(index);
            scrollTo(index, QAbstractItemView::PositionAtCenter);
        }
    }
    if (m_path != canonical) {
        m_path = canonical;
        Q_EMIT pathChanged(m_path);
    }
    return true;
}

void FolderList::onCurrentChanged(const QModelIndex &current)
{
    if (!current.isValid())
        return;
    const QString folder = m_model->filePath(current);
    if (folder.isEmpty() || folder == m_path)
        return;
    m_path = folder;
    expand(current);
    Q_EMIT pathChanged(m_path);
}

} // namespace quorvel
