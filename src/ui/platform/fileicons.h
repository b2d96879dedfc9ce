// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFileIconProvider>

namespace quorvel
{

/// Icons and type names for the views of folders and files, decided from a name and
/// what the file system says of it, never from a file's contents. Qt's own provider
/// asks the MIME database, which opens a file of no known kind to read its first
/// bytes: as root, listing /proc then waits forever on /proc/kmsg, and opening a
/// device can act on it. With this provider, listing a folder opens nothing in it.
class NameOnlyIconProvider : public QFileIconProvider
{
public:
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo &info) const override;
    QString type(const QFileInfo &info) const override;
};

/// The one provider of the program's folder views and file dialogs. It is never
/// destroyed, so it outlives every model that uses it, the background threads that
/// read their folders included.
NameOnlyIconProvider *nameOnlyIconProvider();

} // namespace quorvel
