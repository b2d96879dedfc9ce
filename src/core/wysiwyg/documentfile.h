// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace quorvel
{

/// Error numbers of loading and saving a page in the page editor. The numbers are
/// those the editor's messages are keyed by; 0 is success.
enum DocumentError : std::uint32_t {
    DocumentOk = 0,
    DocumentInvalidArgument = 5,
    DocumentAccessDenied = 70,
    DocumentFileNotFound = 0x80070002u,
    DocumentPathNotFound = 0x80070003u,
    DocumentDiskFull = 0x80070027u,
    DocumentFrameset = 0x80100001u,
    DocumentServerScript = 0x80100002u,
    /// The file is not a page or other text the editor can edit (a picture, an
    /// archive, text not valid in its character set): it is neither opened nor
    /// written over.
    DocumentNotAPage = 0x80100010u,
    DocumentUnexpected = 0x8000FFFFu,
    /// Not an error: the user cancelled the file dialog of a load or save.
    DocumentCancelled = 0xFFFFFFFFu,
};

/// The reason text of a load error ("File not found"); "Unknown error" for a number
/// without one.
QString loadErrorReason(std::uint32_t error);
/// The reason text of a save error ("Disk is full"); "Unknown error" for a number
/// without one.
QString saveErrorReason(std::uint32_t error);

/// What a file holds, as far as the editor is concerned.
struct DocumentContent {
    /// Empty when the bytes are a page or other text the editor can edit; else what
    /// they hold instead, as a phrase that follows "holds" ("a JPEG picture",
    /// "binary data", "text that is not valid UTF-8, its character set").
    QString refusal;
    /// The character set the text is read in: the byte-order mark's, else the one
    /// the page declares in its first 1024 bytes, else UTF-8 for bytes that are valid
    /// UTF-8, else windows-1252 (what browsers take for an undeclared page).
    QByteArray charset;
};

/// Decides by content whether bytes are a page the editor can edit, whatever the
/// file is called. Refused: a known picture, archive or program signature (named),
/// an SVG picture, NUL bytes (or NUL characters in UTF-16 text), and text that does
/// not decode in its character set (a declared set the system does not know is taken
/// on trust). With `wholeText` false only the signatures and NULs are checked, for a
/// prefix of a file whose text may be cut in the middle of a character.
DocumentContent inspectDocumentContent(const QByteArray &bytes, bool wholeText = true);

/// Reads a page for editing. Fails with file not found (no such file, or a folder),
/// path not found (its folder is missing), access denied (not readable), not a page
/// (inspectDocumentContent refused it; `content` says why), or frameset (a page made
/// of frames, which cannot be edited as one document). On success `content` holds the
/// character set to read the bytes in.
std::uint32_t readDocumentFile(const QString &path, QByteArray &bytes, DocumentContent *content = nullptr);

/// Whether a page is a frameset page: it has a frameset element outside comments.
bool isFramesetDocument(const QByteArray &bytes);

/// Writes a page through a temporary file renamed into place, so that a failure
/// never truncates the previous file. Fails with invalid argument (empty path), path
/// not found (missing folder), access denied (folder or file not writable), not a
/// page (the file there holds a picture, an archive or other binary data, which a
/// page never replaces; `refusal` says what) or disk full (the data could not all be
/// written).
std::uint32_t writeDocumentFile(const QString &path, const QByteArray &bytes, QString *refusal = nullptr);

} // namespace quorvel
