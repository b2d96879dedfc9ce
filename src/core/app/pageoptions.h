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

/// The message for a page name that is empty or begins with ".".
QString noPageNameMessage();

/// Confirms the page options into the shared variables, in order: the page name and
/// image folder reference; with "Use Table" the table layout and the column count
/// (without it, an earlier table layout stays on); the table border. Returns the
/// message for a refusal, and then changes nothing: a page name that is empty or
/// begins with ".", or, with "Use Table", a column count that is not a whole
/// number from -32768 to 32767.
QString applyPageOptions(AppState &state, const PageOptionsForm &form);

} // namespace quorvel
