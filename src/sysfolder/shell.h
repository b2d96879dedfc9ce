// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace holtavi
{

/// Where the shell keeps a special folder: the answer of the location step, handed
/// back to the path step. On Windows it owns the shell's item identifier list, which
/// is released with the last copy of the location.
struct FolderLocation {
    std::int32_t folder = 0;
    std::shared_ptr<void> idList;
};

/// The two shell calls FindSystemFolder is made of. The system has one (the XDG user
/// directories on Linux, the real shell on Windows); tests script their own.
class Shell
{
public:
    virtual ~Shell() = default;

    /// Looks up the special folder `folder` (passed unchanged, whatever its value).
    /// False when the shell does not know the number, or has no such folder.
    virtual bool specialFolderLocation(std::int32_t folder, FolderLocation &location) const = 0;

    /// Writes the file-system path of `location` into `buffer`. False when the
    /// folder has no file-system path (a virtual folder). The buffer may carry
    /// surrounding spaces and a NUL terminator with text behind it; the caller
    /// tidies it. Throws SystemFolderError when the shell's own data cannot be read.
    virtual bool pathFromLocation(const FolderLocation &location, std::string &buffer) const = 0;
};

/// The shell of the platform the library is built for.
const Shell &systemShell();

/// The path in a shell buffer: surrounding spaces removed, cut just before the
/// first NUL (a buffer without one is kept whole), surrounding spaces removed
/// again. Only the space character counts as a space.
std::string tidyShellPath(std::string_view buffer);

/// The steps of FindSystemFolder over `shell`: the folder's location, its path, the
/// tidied buffer; an empty string when either shell call fails. Anything thrown on
/// the way is raised again as a SystemFolderError with the source
/// "FindSystemFolder::" + the inner source.
std::string findSystemFolder(const Shell &shell, std::int32_t folder);

} // namespace holtavi
