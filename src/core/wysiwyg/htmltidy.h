// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quorvel
{

/// Mends the nesting that the browser engine's editing commands leave in a document
/// but that a browser would parse differently when the page is loaded again: a block
/// (list, table, heading, division ...) inside a paragraph, or a heading inside a
/// heading. The paragraph is closed before the block and opened again, with the same
/// attributes and inline wrappers, for text that follows it; a paragraph left empty
/// by the split is dropped. Input is the engine's own serialisation (every element
/// closed, attributes quoted); comments, the doctype and the contents of script,
/// style, textarea and title are copied unchanged.
QString tidyEditedHtml(const QString &html);

/// Makes a document's character-set declaration agree with UTF-8, the encoding the
/// editor writes: a declared other set ("iso-8859-1", in a meta charset or a
/// Content-Type meta) is replaced by "utf-8"; a document without a declaration gets
/// `<meta charset="utf-8">` at the start of its head only when it holds characters
/// outside ASCII (a pure ASCII page is left byte for byte as it was).
QString declareUtf8Charset(const QString &html);

} // namespace quorvel
