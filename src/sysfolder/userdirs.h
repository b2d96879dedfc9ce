// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace holtavi
{

/// Reads the assignments XDG_<NAME>_DIR=VALUE of a user-dirs.dirs text, as a shell
/// that sources the file would: values may be quoted with double or single quotes
/// or not at all, a backslash escapes, $NAME and ${NAME} are expanded through
/// `lookup` (outside single quotes), "export " may precede, '#' starts a comment
/// line, and the last assignment of a name wins. A line the shell could not read
/// (unterminated quote or ${) is skipped. Returns NAME -> VALUE, e.g.
/// "DESKTOP" -> "/home/ann/Desktop".
std::map<std::string, std::string> parseUserDirs(
    std::string_view text, const std::function<std::string(std::string_view)> &lookup);

/// The text of the file at `path`, or nothing when there is no regular file there
/// (missing, a folder, a device). Throws SystemFolderError (errno, description,
/// source "readUserDirs") when a file is there but cannot be read.
std::optional<std::string> readUserDirsFile(const std::string &path);

/// The XDG user directory NAME ("DESKTOP", "DOCUMENTS", ...) as xdg-user-dir gives
/// it: the value configured in $XDG_CONFIG_HOME/user-dirs.dirs, else ~/Desktop for
/// DESKTOP and ~ for every other name. A value that is empty, or not an absolute path
/// once surrounding spaces are set aside, counts as not configured. The value keeps
/// its surrounding spaces. Empty when no home folder is known and nothing is
/// configured. Throws as readUserDirsFile.
std::string userDir(std::string_view name);

} // namespace holtavi
