// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

namespace quorvel
{

/// The drive list: the mounted volumes, each shown by its root path and name. The
/// root file system comes first, then the others in path order.
class DriveList : public QComboBox
{
    Q_OBJECT
public:
    explicit DriveList(QWidget *parent = nullptr);

    /// Root path of the chosen volume.
    QString rootPath() const;

    /// Chooses the volume that holds path (without emitting driveChosen).
    void showVolumeOf(const QString &path);

    /// Reads the mounted volumes again.
    void refresh();

Q_SIGNALS:
    /// The user chose a volume.
    void driveChosen(const QString &rootPath);
};

} // namespace quorvel
