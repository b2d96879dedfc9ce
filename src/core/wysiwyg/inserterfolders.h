// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace quorvel
{

/// The file in the program folder that remembers the thumbnail window's two folders.
inline constexpr char kInserterFoldersFile[] = "options.dat";

/// The thumbnail window's remembered folders, as stored: without a trailing
/// separator, except for the root folder ("/"), which is nothing but one.
struct InserterFolders {
    QString imageFolder; ///< line 1: where pictures are copied (Text6)
    QString thumbnailFolder; ///< line 2: where thumbnails are written (Text7)

    bool operator==(const InserterFolders &) const = default;
};

/// A folder as stored: trailing separators ("/", and "\" of files written on
/// Windows) removed. A text of separators only is the root "/" when it holds a "/"
/// and empty when it holds only "\" (older copies stored an empty box as "\").
QString storedFolderForm(const QString &folder);

/// A stored folder as its box shows it: with one trailing separator; an empty
/// folder stays empty.
QString folderBoxText(const QString &stored);

/// Reads the two folders: one per line (CR LF, LF or CR), each line whole, commas
/// included, then put in stored form, so that files written by older copies (with
/// trailing separators, however many) load too. Missing lines are empty.
InserterFolders parseInserterFolders(const QByteArray &bytes);

/// The file's bytes: the image folder, CR LF, the thumbnail folder, CR LF, in the
/// system's encoding, each folder in stored form.
QByteArray formatInserterFolders(const InserterFolders &folders);

/// Reads the file; a missing or unreadable file gives two empty folders.
InserterFolders readInserterFolders(const QString &path);

/// Writes the file atomically; returns an empty string, or why it failed.
QString writeInserterFolders(const QString &path, const InserterFolders &folders);

} // namespace quorvel
