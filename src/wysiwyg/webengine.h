// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quorvel
{

/// What the browser engine needs before the application object is created: shared
/// graphics contexts, the edited page exposed to screen readers
/// (enableEngineAccessibility), and, when the program runs as root (containers, CI),
/// the engine's sandbox turned off, without which it refuses to start. Call it first
/// in main().
void prepareWebEngine();

/// Without QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY the engine shows a screen reader an
/// empty document: sets it to 1 unless the user set it (to anything, 0 included).
void enableEngineAccessibility();

} // namespace quorvel
