// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quorvel
{

/// A reference that starts with a file's name, as it goes into a page: `encoded` is
/// the name (or the path that begins with it) already encoded for its attribute. A
/// colon before the first "/" would make the reference an address of its own scheme
/// ("javascript:alert(1).jpg" runs a script when clicked, "Note:holiday.jpg" is a dead
/// "note:" link), so every such colon is written "%3A". Browsers and web servers
/// decode it back to the colon of the file's name, so the reference still names the
/// file beside the page, and the value still decodes to exactly the name. Any other
/// reference, a plain name among them, is returned byte for byte.
///
/// Only references that begin with a name go through here: a folder the author typed
/// in front of a name (an image folder, a server path) is the author's own address
/// and may be a full one ("https://example.com/thumbs/").
QString relativeReference(const QString &encoded);

} // namespace quorvel
