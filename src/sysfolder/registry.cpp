// SPDX-License-Identifier: GPL-3.0-or-later
// The per-user component registry file: read by clients, written by the library.

#include "registry.h"

#include "basedirs.h"
#include "filedescriptor.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <stdexcept>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <vector>

namespace holtavi
{

namespace
{

constexpr std::string_view kHeader =
    "# Holtavi component registry: program identifier, class identifier and library path, separated by tabs";

[[noreturn]] void throwSystemError(int error, const std::string &what)
{
    throw std::system_error(error, std::generic_category(), what);
}

std::optional<RegistryEntry> parseEntry(std::string_view line)
{
    if (line.empty() || line.front() == '#')
        return std::nullopt;
    const auto firstTab = line.find('\t');
    const auto secondTab = firstTab == std::string_view::npos ? firstTab : line.find('\t', firstTab + 1);
    if (secondTab == std::string_view::npos || line.find('\t', secondTab + 1) != std::string_view::npos)
        return std::nullopt;
    RegistryEntry entry { std::string(line.substr(0, firstTab)),
        std::string(line.substr(firstTab + 1, secondTab - firstTab - 1)),
        std::string(line.substr(secondTab + 1)) };
    if (entry.progId.empty() || entry.classId.empty() || entry.libraryPath.empty())
        return std::nullopt;
    return entry;
}

bool isEntryFor(std::string_view line, std::string_view progId)
{
    const auto entry = parseEntry(line);
    return entry && sameIdentifier(entry->progId, progId);
}

[[noreturn]] void throwNotRegular(const std::string &file, mode_t mode)
{
    throwSystemError(S_ISDIR(mode) ? EISDIR : EINVAL, file + " is " + fileKind(mode) + ", not a regular file");
}

// The file's lines; none when there is no file. Anything but a regular file is
// refused before it is opened: opening a named pipe would wait for a writer, and
// opening a device can act on it.
std::vector<std::string> readLines(const std::string &file)
{
    struct stat info {
    };
    if (::stat(file.c_str(), &info) != 0) {
        if (errno == ENOENT)
            return {};
        throwSystemError(errno, "cannot open " + file);
    }
    if (!S_ISREG(info.st_mode))
        throwNotRegular(file, info.st_mode);
    // Should a pipe take the file's place meanwhile, the open does not wait for it.
    const FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (fd.get() < 0) {
        if (errno == ENOENT)
            return {};
        throwSystemError(errno, "cannot open " + file);
    }
    if (::fstat(fd.get(), &info) != 0)
        throwSystemError(errno, "cannot read " + file);
    if (!S_ISREG(info.st_mode))
        throwNotRegular(file, info.st_mode);
    std::string text;
    if (const int error = fd.readAll(text))
        throwSystemError(error, "cannot read " + file);
    std::vector<std::string> lines;
    std::string_view rest = text;
    while (!rest.empty()) {
        const auto newline = rest.find('\n');
        lines.emplace_back(rest.substr(0, newline));
        if (newline == std::string_view::npos)
            break;
        rest.remove_prefix(newline + 1);
    }
    return lines;
}

void writeAll(int fd, std::string_view text, const std::string &file)
{
    while (!text.empty()) {
        const ssize_t count = ::write(fd, text.data(), text.size());
        if (count < 0) {
            if (errno == EINTR)
                continue;
            throwSystemError(errno, "cannot write " + file);
        }
        text.remove_prefix(static_cast<std::size_t>(count));
    }
}

// Replaces `file` whole with `lines`: a reader sees the old file or the new one,
// never a part, and a failure leaves the old one as it was. The new file keeps the
// old one's permissions.
void replaceFile(const std::string &file, const std::vector<std::string> &lines)
{
    std::string text;
    for (const auto &line : lines) {
        text += line;
        text += '\n';
    }
    struct stat old {
    };
    const bool replacing = ::stat(file.c_str(), &old) == 0;
    std::string temporary = file + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        throwSystemError(errno, "cannot create a file beside " + file);
    try {
        const FileDescriptor owner(fd);
        if (replacing)
            ::fchmod(fd, old.st_mode & 07777); // at worst the new file stays private (0600)
        writeAll(fd, text, temporary);
        if (::fsync(fd) != 0)
            throwSystemError(errno, "cannot write " + temporary);
        if (::rename(temporary.c_str(), file.c_str()) != 0)
            throwSystemError(errno, "cannot replace " + file);
    } catch (...) {
        ::unlink(temporary.c_str());
        throw;
    }
    // The rename is durable once the folder is; a failure here loses nothing written.
    const std::filesystem::path folderPath = std::filesystem::path(file).parent_path();
    const FileDescriptor folder(
        ::open(folderPath.empty() ? "." : folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0)
        ::fsync(folder.get());
}

// Runs `edit` over the file's lines while holding the registry's lock, and writes
// the lines back when it reports a change.
// A registry that does not exist yet is made only when `create` is set.
template <typename Edit> bool updateRegistry(const std::string &file, bool create, Edit edit)
{
    const std::filesystem::path folderPath = std::filesystem::path(file).parent_path();
    if (create)
        std::filesystem::create_directories(folderPath);
    else if (!std::filesystem::exists(folderPath))
        return false;
    const FileDescriptor folder(::open(folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() < 0)
        throwSystemError(errno, "cannot open " + folderPath.string());
    // Writers in other processes wait here, so that no registration is lost between
    // another's read and write.
    while (::flock(folder.get(), LOCK_EX) != 0) {
        if (errno != EINTR)
            throwSystemError(errno, "cannot lock " + folderPath.string());
    }
    // A registry kept elsewhere behind a link (as dotfile managers arrange) is
    // replaced there, and the link stays.
    const std::string target = registryTarget(file);
    std::vector<std::string> lines = readLines(target);
    if (!edit(lines))
        return false;
    replaceFile(target, lines);
    return true;
}

void checkField(const std::string &field, std::string_view what)
{
    if (field.empty() || field.find_first_of(std::string_view("\t\n\r\0", 4)) != std::string::npos)
        throw std::invalid_argument(
            "the " + std::string(what) + " of a registry entry is empty or holds a tab or line break");
}

} // namespace

bool sameIdentifier(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) {
        return lower(x) == lower(y);
    });
}

std::string registryFile()
{
    const std::string config = configHome();
    return config.empty() ? std::string() : joinPath(config, "holtavi/registry");
}

std::string fileKind(mode_t mode)
{
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISFIFO(mode))
        return "a named pipe";
    if (S_ISSOCK(mode))
        return "a socket";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device";
    return S_ISREG(mode) ? "a regular file" : "a special file";
}

std::string registryTarget(const std::string &file)
{
    std::filesystem::path path = file;
    // As many links as the system itself follows.
    for (int links = 0; links < 40; ++links) {
        struct stat info {
        };
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return path.string();
        std::error_code error;
        const std::filesystem::path target = std::filesystem::read_symlink(path, error);
        if (error)
            throw std::system_error(error, "cannot read the link " + path.string());
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    throwSystemError(ELOOP, "cannot follow the links of " + file);
}

std::optional<RegistryEntry> findRegistryEntry(const std::string &file, std::string_view progId)
{
    for (const auto &line : readLines(file)) {
        auto entry = parseEntry(line);
        if (entry && sameIdentifier(entry->progId, progId))
            return entry;
    }
    return std::nullopt;
}

void writeRegistryEntry(const std::string &file, const RegistryEntry &entry)
{
    checkField(entry.progId, "program identifier");
    checkField(entry.classId, "class identifier");
    checkField(entry.libraryPath, "library path");
    if (entry.progId.front() == '#')
        throw std::invalid_argument("a program identifier cannot start with '#'");
    const std::string line = entry.progId + '\t' + entry.classId + '\t' + entry.libraryPath;
    updateRegistry(file, true, [&](std::vector<std::string> &lines) {
        if (lines.empty())
            lines.emplace_back(kHeader);
        const auto old = std::find_if(lines.begin(), lines.end(), [&](const std::string &l) {
            return isEntryFor(l, entry.progId);
        });
        if (old == lines.end()) {
            lines.push_back(line);
        } else {
            *old = line;
            // An entry written twice by hand goes; the program identifier has one entry.
            lines.erase(std::remove_if(std::next(old),
                            lines.end(),
                            [&](const std::string &l) {
                                return isEntryFor(l, entry.progId);
                            }),
                lines.end());
        }
        return true;
    });
}

bool removeRegistryEntry(const std::string &file, std::string_view progId)
{
    return updateRegistry(file, false, [&](std::vector<std::string> &lines) {
        const auto kept = std::remove_if(lines.begin(), lines.end(), [&](const std::string &l) {
            return isEntryFor(l, progId);
        });
        const bool removed = kept != lines.end();
        lines.erase(kept, lines.end());
        return removed;
    });
}

} // namespace holtavi
