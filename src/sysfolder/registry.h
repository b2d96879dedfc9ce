// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace holtavi
{

/// One entry of the component registry: a program identifier, the class identifier
/// it stands for and the library that serves the class.
struct RegistryEntry {
    std::string progId;
    std::string classId;
    std::string libraryPath;
};

/// True when the identifiers are the same, letter case aside (ASCII).
bool sameIdentifier(std::string_view a, std::string_view b);

/// The per-user component registry file: $XDG_CONFIG_HOME/holtavi/registry, else
/// ~/.config/holtavi/registry; empty when no home folder is known.
///
/// The file is text, one entry a line: program identifier, class identifier and
/// library path separated by tabs. Lines starting with '#', blank lines and lines
/// that are not entries are kept as they are. Program identifiers are compared
/// without regard to letter case.
std::string registryFile();

/// The file a registry path stands for: the path itself, or, when it is a symbolic
/// link, the file at the end of its links, which need not exist yet. Throws
/// std::system_error when a link cannot be read or the links go round in a loop.
std::string registryTarget(const std::string &file);

/// What a file of this mode is, for messages: "a folder", "a named pipe", "a socket",
/// "a device", "a regular file" or "a special file".
std::string fileKind(mode_t mode);

/// The entry for `progId` in the registry `file`; nothing when the file or the
/// entry is missing. Throws std::system_error when the file cannot be read, or is
/// not a regular file (EISDIR for a folder, EINVAL for a pipe, socket or device),
/// which is refused without being opened, so that a pipe never blocks the reader.
std::optional<RegistryEntry> findRegistryEntry(const std::string &file, std::string_view progId);

/// Writes `entry` into the registry `file`, in place of an entry of the same program
/// identifier or else at the end; creates the file and its folder when missing.
/// The new file replaces the old one whole (a temporary file beside it renamed into
/// place, keeping the old file's permissions), and writers in other processes wait
/// for each other. When `file` is a symbolic link, the file it leads to is replaced
/// that way, in that file's folder, and the link is left as it is. Throws
/// std::invalid_argument for an empty field or one that holds a tab or a line break,
/// std::system_error when the file cannot be read or written or is not a regular
/// file (as findRegistryEntry() refuses it).
void writeRegistryEntry(const std::string &file, const RegistryEntry &entry);

/// Removes the entry of `progId` from the registry `file`, as writeRegistryEntry
/// writes. False, with the file untouched, when there was no such entry.
bool removeRegistryEntry(const std::string &file, std::string_view progId);

} // namespace holtavi
