// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quorvel
{

/// Installs, once for the whole program, how assistive technology sees the widgets
/// of our own that Qt's interfaces would describe wrongly:
/// - a LinkLabel is a link, named by its caption, with a press action that does
///   what a click or Enter does;
/// - a window of ours built directly on QWidget (Image Replace, the picture viewer,
///   the page view, the help window) is a window, not a panel, so a screen reader
///   announces it as it opens.
/// Application calls it when it starts; calling it again does nothing.
void installAccessibleInterfaces();

} // namespace quorvel
