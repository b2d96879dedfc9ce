// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quorvel
{

/// The insert-table parameter object: what the insert-table command makes. The
/// attribute texts are written into the start tags as typed ("border=1 width=75%").
/// The most cells a table inserted at once may have: far more than any page table,
/// and few enough that the editor stays responsive while it builds them.
constexpr qint64 kMaxInsertedTableCells = 10000;

struct InsertTableParams {
    qint32 rows = 2;
    qint32 columns = 2;
    QString tableAttributes = QStringLiteral("border=1 cellpadding=1 cellspacing=1 width=75%");
    QString cellAttributes;
    QString caption;
};

/// The HTML of a new table: the table tag with its attributes, a caption element
/// when the caption is not empty (its text escaped), and rows x columns empty cells
/// each with the cell attributes. Rows and columns below 1 count as 1.
QString insertTableHtml(const InsertTableParams &params);

} // namespace quorvel
