// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quorvel
{

/// What the browser engine needs before the application object is created: shared
/// graphics contexts, and, when the program runs as root (containers, CI), the
/// engine's sandbox turned off, without which it refuses to start. Call it first in
/// main().
void prepareWebEngine();

} // namespace quorvel
