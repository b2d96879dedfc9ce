// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quorvel
{

class Application;
class MainForm;

/// Registers the page editor window (MainForm) with the window registry, so that
/// the main window's "HTML Editor" opens it. The main window's library does not link
/// the browser engine; the program calls this once at start-up.
void registerHtmlEditor(Application &app);

/// Insert > Thumbnail: the thumbnail window (Form1), modal over the editor; what it
/// makes is pasted at the editor's selection, which gets the focus back afterwards.
void openThumbnailWindow(Application &app, MainForm &editor);

} // namespace quorvel
