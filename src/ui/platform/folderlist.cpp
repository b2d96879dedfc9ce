// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/folderlist.h"

#include "platform/fileicons.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QMimeData>
#include <QScrollBar>
#include <QStorageInfo>

namespace quorvel
{

FolderList::FolderList(QWidget *parent)
    : QTreeView(parent)
    , m_model(new QFileSystemModel(this))
{
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_model->setReadOnly(true);
    // Listing a folder never opens a file in it (Qt's provider reads files to tell
    // their kind, and hangs on a file without end such as /proc/kmsg).
    m_model->setIconProvider(nameOnlyIconProvider());
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
    // The model reads folders in the background and sorts them a moment later: keep
    // the current folder in view as the folders above it fill in and move, until the
    // user scrolls the list.
    connect(m_model, &QFileSystemModel::directoryLoaded, this, &FolderList::keepCurrentInView);
    connect(m_model, &QFileSystemModel::layoutChanged, this, &FolderList::keepCurrentInView);
    connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this, [this] {
        m_followCurrent = false;
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
    m_followCurrent = true;
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

void FolderList::keepCurrentInView()
{
    if (m_followCurrent && currentIndex().isValid())
        scrollTo(currentIndex(), QAbstractItemView::PositionAtCenter);
}

void FolderList::showEvent(QShowEvent *event)
{
    QTreeView::showEvent(event);
    keepCurrentInView();
}

void FolderList::onCurrentChanged(const QModelIndex &current)
{
    m_followCurrent = true;
    if (!current.isValid())
        return;
    const QString folder = m_model->filePath(current);
    if (folder.isEmpty() || folder == m_path)
        return;
    m_path = folder;
    expand(current);
    Q_EMIT pathChanged(m_path);
}

void FolderList::setAcceptsFileDrops(bool accept)
{
    m_acceptsFileDrops = accept;
    setAcceptDrops(accept);
    viewport()->setAcceptDrops(accept);
    setDropIndicatorShown(false);
}

QStringList FolderList::localFilesOf(const QMimeData *data)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile())
            files += url.toLocalFile();
    }
    return files;
}

void FolderList::dragEnterEvent(QDragEnterEvent *event)
{
    if (!m_acceptsFileDrops)
        return QTreeView::dragEnterEvent(event);
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void FolderList::dragMoveEvent(QDragMoveEvent *event)
{
    if (!m_acceptsFileDrops)
        return QTreeView::dragMoveEvent(event);
    // The drop goes to the current folder, wherever over the list it lands.
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void FolderList::dropEvent(QDropEvent *event)
{
    if (!m_acceptsFileDrops)
        return QTreeView::dropEvent(event);
    event->setDropAction(Qt::CopyAction);
    event->accept();
    Q_EMIT filesDropped(localFilesOf(event->mimeData()));
}

} // namespace quorvel
