// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/filelist.h"

#include "platform/paths.h"

#include <QMimeData>
#include <QUrl>

#include <algorithm>

namespace quorvel
{

FileList::FileList(QWidget *parent)
    : QListWidget(parent)
    , m_pattern(QStringLiteral("*.*"))
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setDefaultDropAction(Qt::CopyAction);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &FileList::refresh);
}

void FileList::setPath(const QString &folder)
{
    if (!m_path.isEmpty())
        m_watcher.removePath(m_path);
    m_path = folder;
    if (!m_path.isEmpty())
        m_watcher.addPath(m_path);
    clear();
    refresh();
}

void FileList::setPattern(const QString &pattern)
{
    m_pattern = pattern;
    refresh();
}

void FileList::setAcceptedFiles(std::function<bool(const QString &path)> accepts)
{
    m_accepts = std::move(accepts);
    refresh();
}

void FileList::refresh()
{
    const QStringList selected = selectedFileNames();
    const QString current = fileName();
    QStringList names = listMatchingFiles(m_path, m_accepts ? QStringLiteral("*") : m_pattern);
    if (m_accepts) {
        names.removeIf([this](const QString &name) {
            return !m_accepts(joinPath(m_path, name));
        });
    }
    if (names == fileNames())
        return;
    QSignalBlocker blocker(this);
    clear();
    addItems(names);
    for (int row = 0; row < count(); ++row) {
        QListWidgetItem *entry = item(row);
        if (entry->text() == current)
            setCurrentItem(entry, QItemSelectionModel::NoUpdate);
        entry->setSelected(selected.contains(entry->text()));
    }
}

QString FileList::fileName() const
{
    const QListWidgetItem *entry = currentItem();
    return entry ? entry->text() : QString();
}

QStringList FileList::selectedFileNames() const
{
    QStringList names;
    for (int row = 0; row < count(); ++row) {
        if (item(row)->isSelected())
            names.append(item(row)->text());
    }
    return names;
}

QStringList FileList::fileNames() const
{
    QStringList names;
    names.reserve(count());
    for (int row = 0; row < count(); ++row)
        names.append(item(row)->text());
    return names;
}

QStringList FileList::mimeTypes() const
{
    return { QStringLiteral("text/uri-list") };
}

QMimeData *FileList::mimeData(const QList<QListWidgetItem *> &items) const
{
    // Dragged files go out in list order, whatever order they were clicked in.
    QList<QListWidgetItem *> ordered = items;
    std::sort(ordered.begin(), ordered.end(), [this](QListWidgetItem *a, QListWidgetItem *b) {
        return row(a) < row(b);
    });
    QList<QUrl> urls;
    for (const QListWidgetItem *entry : ordered)
        urls.append(QUrl::fromLocalFile(joinPath(m_path, entry->text())));
    auto *data = new QMimeData;
    data->setUrls(urls);
    return data;
}

} // namespace quorvel
