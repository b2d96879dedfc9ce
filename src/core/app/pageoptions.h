// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/appstate.h"

#include <QString>

namespace quorvel
{

/// What the page options dialog holds when the user confirms it.
struct PageOptionsForm {
    QString fileName; ///< "Name of webpage:"
    QString imageFolder; ///< the image folder reference
    bool useTable = false;
    QString columns; ///< "# Columns:"
    QString rows; ///< "# Rows:" (shown only; the rows follow from the pictures)
    bool useBorder = false;
};

/// What is wrong with a gallery page's name. The page is written under that name in
/// the folder of the pictures, whose bare names are its links.
enum class PageNameFault {
    None,
    NoName, ///< empty, only blanks, or beginning with "." (".html" names nothing)
    HoldsFolder, ///< holds "/" or "\": the page would land elsewhere, its links broken
};

/// The fault of a page name, the same for the page options and quorvel-batch.
PageNameFault pageNameFault(const QString &name);

/// The message for a page name that is empty, blank or begins with ".".
QString noPageNameMessage();

/// Confirms the page options into the shared variables, in order: the page name and
/// image folder reference; with "Use Table" the table layout and the column count
/// (without it, an earlier table layout stays on); the table border. Returns the
/// message for a refusal, and then changes nothing: a page name with a fault (see
/// pageNameFault()), or, with "Use Table", a column count that is not a whole
/// number from -32768 to 32767.
QString applyPageOptions(AppState &state, const PageOptionsForm &form);

} // namespace quorvel
