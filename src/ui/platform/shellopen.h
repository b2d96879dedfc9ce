// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

namespace quorvel
{

class Prompts;

/// Starts the desktop's program for a URL; true when it was started.
using ShellLauncher = std::function<bool(const QUrl &)>;

/// The URL for a shell target: a web address or other URL with a scheme is taken as
/// it is, anything else is a local file or folder.
QUrl shellTargetUrl(const QString &target);

/// Opens a file, folder or web address with the desktop's program for it, showing
/// the wait cursor meanwhile. When it cannot be opened, shows
/// "Unable to load '<target>' : <description> (Error <number>)"; error 2 means the
/// file or folder does not exist, error 31 that no program would open it. Returns
/// whether it was opened. The launcher is QDesktopServices::openUrl unless a test
/// passes its own.
bool openWithShell(QWidget *parent, const QString &target, Prompts &prompts, const ShellLauncher &launcher = {});

} // namespace quorvel
