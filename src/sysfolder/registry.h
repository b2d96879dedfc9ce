// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

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

/// The entry for `progId` in the registry `file`; nothing when the file or the
/// entry is missing. Throws std::system_error when the file cannot be read.
std::optional<RegistryEntry> findRegistryEntry(const std::string &file, std::string_view progId);

/// Writes `entry` into the registry `file`, in place of an entry of the same program
/// identifier or else at the end; creates the file and its folder when missing.
/// The new file replaces the old one whole (a temporary file renamed into place),
/// and writers in other processes wait for each other. Throws std::invalid_argument
/// for an empty field or one that holds a tab or a line break, std::system_error
/// when the file cannot be read or written.
void writeRegistryEntry(const std::string &file, const RegistryEntry &entry);

/// Removes the entry of `progId` from the registry `file`, as writeRegistryEntry
/// writes. False, with the file untouched, when there was no such entry.
bool removeRegistryEntry(const std::string &file, std::string_view progId);

} // namespace holtavi
