// SPDX-License-Identifier: GPL-3.0-or-later
// The XDG user directories and base folders, read the way xdg-user-dir reads them.

#include "userdirs.h"

#include "basedirs.h"
#include "filedescriptor.h"
#include "holtavi/holtavi.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace holtavi
{

namespace
{

using Lookup = std::function<std::string(std::string_view)>;

bool isNameStart(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool isNameChar(char c)
{
    return isNameStart(c) || (c >= '0' && c <= '9');
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isName(std::string_view text)
{
    if (text.empty() || !isNameStart(text.front()))
        return false;
    for (const char c : text) {
        if (!isNameChar(c))
            return false;
    }
    return true;
}

// Expands the $NAME or ${NAME} that starts at line[pos] into `word`. Returns the
// position behind it, or npos for a ${...} the shell would refuse. A '$' that starts
// no name stays a '$'.
std::size_t expandVariable(std::string_view line, std::size_t pos, std::string &word, const Lookup &lookup)
{
    const std::size_t next = pos + 1;
    if (next < line.size() && line[next] == '{') {
        const auto close = line.find('}', next + 1);
        if (close == std::string_view::npos || !isName(line.substr(next + 1, close - next - 1)))
            return std::string_view::npos;
        word += lookup(line.substr(next + 1, close - next - 1));
        return close + 1;
    }
    if (next < line.size() && isNameStart(line[next])) {
        std::size_t end = next;
        while (end < line.size() && isNameChar(line[end]))
            ++end;
        word += lookup(line.substr(next, end - next));
        return end;
    }
    word += '$';
    return next;
}

// The shell word that starts at line[pos], quotes removed and variables expanded;
// nothing when the shell could not read it.
std::optional<std::string> readWord(std::string_view line, std::size_t pos, const Lookup &lookup)
{
    constexpr std::string_view kEscapedInQuotes = "$`\"\\";
    std::string word;
    while (pos < line.size()) {
        const char c = line[pos];
        if (isBlank(c) || c == ';')
            break;
        if (c == '\\') {
            if (pos + 1 < line.size())
                word += line[pos + 1];
            pos += 2;
        } else if (c == '\'') {
            const auto close = line.find('\'', pos + 1);
            if (close == std::string_view::npos)
                return std::nullopt;
            word += line.substr(pos + 1, close - pos - 1);
            pos = close + 1;
        } else if (c == '"') {
            ++pos;
            while (true) {
                if (pos >= line.size())
                    return std::nullopt;
                const char q = line[pos];
                if (q == '"') {
                    ++pos;
                    break;
                }
                if (q == '\\' && pos + 1 < line.size()
                    && kEscapedInQuotes.find(line[pos + 1]) != std::string_view::npos) {
                    word += line[pos + 1];
                    pos += 2;
                } else if (q == '$') {
                    pos = expandVariable(line, pos, word, lookup);
                    if (pos == std::string_view::npos)
                        return std::nullopt;
                } else {
                    word += q;
                    ++pos;
                }
            }
        } else if (c == '$') {
            pos = expandVariable(line, pos, word, lookup);
            if (pos == std::string_view::npos)
                return std::nullopt;
        } else {
            word += c;
            ++pos;
        }
    }
    return word;
}

void parseLine(std::string_view line, std::map<std::string, std::string> &dirs, const Lookup &lookup)
{
    // A file written on Windows still reads as its lines.
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    std::size_t pos = 0;
    while (pos < line.size() && isBlank(line[pos]))
        ++pos;
    if (pos == line.size() || line[pos] == '#')
        return;
    constexpr std::string_view kExport = "export";
    if (line.substr(pos).starts_with(kExport) && pos + kExport.size() < line.size()
        && isBlank(line[pos + kExport.size()])) {
        pos += kExport.size();
        while (pos < line.size() && isBlank(line[pos]))
            ++pos;
    }
    std::size_t end = pos;
    while (end < line.size() && isNameChar(line[end]))
        ++end;
    const std::string_view name = line.substr(pos, end - pos);
    constexpr std::string_view kPrefix = "XDG_";
    constexpr std::string_view kSuffix = "_DIR";
    if (end == line.size() || line[end] != '=' || !isName(name) || name.size() <= kPrefix.size() + kSuffix.size()
        || !name.starts_with(kPrefix) || !name.ends_with(kSuffix))
        return;
    auto value = readWord(line, end + 1, lookup);
    if (!value)
        return;
    dirs[std::string(name.substr(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size()))] = std::move(*value);
}

[[noreturn]] void throwReadError(int error)
{
    throw SystemFolderError(error, std::generic_category().message(error), "readUserDirs");
}

} // namespace

std::map<std::string, std::string> parseUserDirs(std::string_view text, const Lookup &lookup)
{
    std::map<std::string, std::string> dirs;
    while (!text.empty()) {
        const auto newline = text.find('\n');
        parseLine(text.substr(0, newline), dirs, lookup);
        if (newline == std::string_view::npos)
            break;
        text.remove_prefix(newline + 1);
    }
    return dirs;
}

std::optional<std::string> readUserDirsFile(const std::string &path)
{
    // Non-blocking, so that a pipe in the file's place cannot hang the caller.
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (file.get() < 0) {
        // Like `test -f`: nothing readable there means no file.
        if (errno == ENOENT || errno == ENOTDIR || errno == ELOOP || errno == ENXIO || errno == ENAMETOOLONG)
            return std::nullopt;
        throwReadError(errno);
    }
    struct stat status {
    };
    if (::fstat(file.get(), &status) != 0)
        throwReadError(errno);
    if (!S_ISREG(status.st_mode))
        return std::nullopt;
    std::string text;
    if (const int error = file.readAll(text))
        throwReadError(error);
    return text;
}

std::string userDir(std::string_view name)
{
    const std::string home = homeFolder();
    const std::string config = configHome();
    if (!config.empty()) {
        if (const auto text = readUserDirsFile(joinPath(config, "user-dirs.dirs"))) {
            const auto dirs = parseUserDirs(*text, [&home](std::string_view variable) -> std::string {
                // HOME is the home folder even where the variable is unset.
                if (variable == "HOME")
                    return home;
                const char *value = std::getenv(std::string(variable).c_str());
                return value ? value : "";
            });
            if (const auto it = dirs.find(std::string(name)); it != dirs.end()) {
                const std::string &value = it->second;
                const auto first = value.find_first_not_of(' ');
                if (first != std::string::npos && value[first] == '/')
                    return value;
            }
        }
    }
    if (home.empty())
        return {};
    return name == "DESKTOP" ? joinPath(home, "Desktop") : home;
}

} // namespace holtavi
