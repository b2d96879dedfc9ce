// SPDX-License-Identifier: GPL-3.0-or-later
// The home folder and the XDG base folders.

#include "basedirs.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace holtavi
{

std::string homeFolder()
{
    if (const char *home = std::getenv("HOME"); home && *home)
        return home;
    std::vector<char> buffer(16384);
    passwd entry {};
    passwd *found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_dir)
        return found->pw_dir;
    return {};
}

std::string joinPath(std::string_view folder, std::string_view name)
{
    std::string path(folder);
    if (name.empty())
        return path;
    if (!path.empty() && path.back() != '/')
        path += '/';
    path += name;
    return path;
}

std::string baseFolder(const char *variable, std::string_view belowHome)
{
    // The base directory rules ignore a relative value.
    if (const char *value = std::getenv(variable); value && value[0] == '/')
        return value;
    const std::string home = homeFolder();
    return home.empty() ? std::string() : joinPath(home, belowHome);
}

std::string configHome()
{
    return baseFolder("XDG_CONFIG_HOME", ".config");
}

} // namespace holtavi
