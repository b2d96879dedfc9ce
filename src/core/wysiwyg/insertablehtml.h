// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace quorvel
{

/// A piece of HTML as the page editor inserts it.
struct InsertableHtml {
    /// What is inserted.
    QString html;
    /// What was taken out, each once in the order met: "<script>" for script
    /// elements, the attribute name ("onclick") for event handlers.
    QStringList refused;
};

/// Takes out of a piece of HTML what the editor never inserts, wherever the HTML
/// comes from (Insert HTML, a table's attributes, a thumbnail's ALT text): script
/// elements with their content, and event-handler attributes (any attribute whose
/// name starts with "on"). Everything else stays byte for byte as written, comments,
/// broken markup and the text of style, textarea and title elements included; HTML
/// without those is returned unchanged.
InsertableHtml insertableHtml(const QString &html);

} // namespace quorvel
