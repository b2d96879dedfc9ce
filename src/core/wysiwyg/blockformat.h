// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace quorvel
{

/// The block formats the page editor offers, by their display names in menu order:
/// "Normal", "Formatted", "Address", "Heading 1" to "Heading 6", "Numbered List",
/// "Bulleted List", "Definition Term", "Definition", "Paragraph". These are the blocks
/// the browser engine can make (it has no directory or menu lists).
QStringList blockFormatNames();

/// The element a block format writes ("h1" for "Heading 1", "p" for "Normal"), or an
/// empty string for a name that is not a block format. "Paragraph" writes a plain
/// division ("div"), "Normal" the paragraph element.
QString blockFormatTag(const QString &name);

/// The display name of the block an element starts (the innermost block at the caret):
/// "h2" gives "Heading 2", "li" inside an "ol" is given as "ol". An element that starts
/// no named block (body, td) gives "Normal", the format typing there produces.
QString blockFormatName(const QString &tag);

/// A block format name ("Heading 2") in the user's language, for showing only: the
/// commands take and give the names above.
QString blockFormatDisplayName(const QString &name);

} // namespace quorvel
