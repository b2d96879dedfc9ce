// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/drivelist.h"

#include <QDir>
#include <QStorageInfo>

#include <algorithm>

namespace quorvel
{

DriveList::DriveList(QWidget *parent)
    : QComboBox(parent)
{
    refresh();
    connect(this, &QComboBox::activated, this, [this](int index) {
        Q_EMIT driveChosen(itemData(index).toString());
    });
}

void DriveList::refresh()
{
    const QString current = rootPath();
    QList<QStorageInfo> volumes;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady())
            volumes.append(volume);
    }
    std::sort(volumes.begin(), volumes.end(), [](const QStorageInfo &a, const QStorageInfo &b) {
        if (a.isRoot() != b.isRoot())
            return a.isRoot();
        return a.rootPath() < b.rootPath();
    });
    QSignalBlocker blocker(this);
    clear();
    for (const QStorageInfo &volume : volumes) {
        const QString root = volume.rootPath();
        const QString name = volume.displayName();
        const QString text = name.isEmpty() || name == root
            ? QDir::toNativeSeparators(root)
            : QStringLiteral("%1  [%2]").arg(QDir::toNativeSeparators(root), name);
        addItem(text, root);
    }
    if (count() == 0)
        addItem(QDir::toNativeSeparators(QDir::rootPath()), QDir::rootPath());
    const int index = findData(current);
    setCurrentIndex(index >= 0 ? index : 0);
}

QString DriveList::rootPath() const
{
    return currentData().toString();
}

void DriveList::showVolumeOf(const QString &path)
{
    const QString root = QStorageInfo(path).rootPath();
    int index = findData(root);
    if (index < 0 && !root.isEmpty()) {
        addItem(QDir::toNativeSeparators(root), root);
        index = count() - 1;
    }
    if (index >= 0) {
        QSignalBlocker blocker(this);
        setCurrentIndex(index);
    }
}

} // namespace quorvel
