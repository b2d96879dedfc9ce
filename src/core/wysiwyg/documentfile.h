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

/// Reads a page for editing. Fails with file not found (no such file, or a folder),
/// path not found (its folder is missing), access denied (not readable), or frameset
/// (a page made of frames, which cannot be edited as one document).
std::uint32_t readDocumentFile(const QString &path, QByteArray &bytes);

/// Whether a page is a frameset page: it has a frameset element outside comments.
bool isFramesetDocument(const QByteArray &bytes);

/// Writes a page through a temporary file renamed into place, so that a failure
/// never truncates the previous file. Fails with invalid argument (empty path), path
/// not found (missing folder), access denied (folder or file not writable) or disk
/// full (the data could not all be written).
std::uint32_t writeDocumentFile(const QString &path, const QByteArray &bytes);

} // namespace quorvel
