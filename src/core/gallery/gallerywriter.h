// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/appstate.h"

#include <QString>

class QIODevice;

namespace quorvel
{

/// Writes the gallery page line by line: the user's header, then one cell per
/// picture linking the full picture by its bare name and showing its thumbnail
/// through imageFolderRef, then, for a table, the table end and the footer. Every
/// line is the text in the locale's encoding followed by CR LF.
///
/// The options are read from AppState at each call (table, columns, tableBorder,
/// imageFolderRef, headertext, footertext); cellCount is the position in the current
/// row and is counted by endCell() even while no page is open.
///
/// Attribute values stay unquoted. A name or folder reference made of plain
/// characters is written exactly as it is; any character that would end the value
/// or change its meaning in a URL (blanks, quotes, < > ` = # ? % & \, control
/// characters) and every non-ASCII character is percent-encoded (UTF-8), so a
/// file name can neither break the link nor inject markup. A reference that begins
/// with a name gets its colons there encoded too (see relativeReference()), so it
/// stays a reference to the file beside the page and never becomes a "javascript:"
/// or other address. The image folder reference is the user's own text and is taken
/// as the address they typed.
class GalleryWriter
{
public:
    explicit GalleryWriter(AppState &state);

    /// Begins the page on a device open for writing: the header line, and for a
    /// table the table start and row start lines (cellCount set to 0).
    void beginPage(QIODevice *device);
    /// The cell of one picture: the cell start line for a table, then the anchor.
    void writeCell(const QString &pictureName, const QString &thumbnailName);
    /// Counts the cell; for a table writes the cell end line, and the row break
    /// after every columns-th cell.
    void endCell();
    /// For a table, the table end line and the footer line. The page is closed
    /// (the device itself is left to its owner).
    void endPage();

    bool isOpen() const
    {
        return m_device != nullptr;
    }

    /// "<a href = NAME><img src = REF THUMB border = 0></a>" with the values encoded.
    static QString anchorLine(const QString &pictureName, const QString &imageFolderRef, const QString &thumbnailName);
    /// A file name as it goes into an attribute value (see the class comment).
    static QString encodeName(const QString &name);
    /// The image folder reference as it goes before each thumbnail name: "\" read as
    /// "/", a trailing "/" added to a non-empty reference, then encoded like a name
    /// with "/" kept.
    static QString folderReference(const QString &typed);

private:
    void writeLine(const QString &text);

    AppState &m_state;
    QIODevice *m_device = nullptr;
};

} // namespace quorvel
