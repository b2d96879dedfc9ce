// SPDX-License-Identifier: GPL-3.0-or-later
// The shell on Linux: folder numbers lead to the XDG user directories and the
// per-user base folders. The table is published in holtavi.h and README.md; keep the
// three in step.

#include "basedirs.h"
#include "shell.h"
#include "userdirs.h"

#include <algorithm>
#include <array>

namespace holtavi
{

namespace
{

enum class Where {
    UserDir, // an XDG user directory, by its name in user-dirs.dirs
    DataHome, // below $XDG_DATA_HOME
    ConfigHome, // below $XDG_CONFIG_HOME
    CacheHome, // below $XDG_CACHE_HOME
    Virtual, // a location of the desktop with no file-system path
};

struct Folder {
    std::int32_t number;
    Where where;
    std::string_view name; // user directory name, or the subfolder of the base folder
};

// Numbers of the published table that Linux has no folder for at all (Favorites,
// SentTo, AllUsers_Desktop, Printhood, Cookies, History, Windows_System) are not
// listed: the location step rejects them like any unknown number.
constexpr std::array kFolders {
    Folder { 0, Where::UserDir, "DESKTOP" },
    Folder { 2, Where::DataHome, "applications" },
    Folder { 5, Where::UserDir, "DOCUMENTS" },
    Folder { 7, Where::ConfigHome, "autostart" },
    Folder { 8, Where::Virtual, {} },
    Folder { 11, Where::DataHome, "applications" },
    Folder { 16, Where::UserDir, "DESKTOP" },
    Folder { 19, Where::Virtual, {} },
    Folder { 20, Where::DataHome, "fonts" },
    Folder { 21, Where::UserDir, "TEMPLATES" },
    Folder { 26, Where::DataHome, {} },
    Folder { 32, Where::CacheHome, {} },
};

const Folder *findFolder(std::int32_t number)
{
    const auto it = std::find_if(kFolders.begin(), kFolders.end(), [number](const Folder &f) {
        return f.number == number;
    });
    return it == kFolders.end() ? nullptr : &*it;
}

class XdgShell final : public Shell
{
public:
    bool specialFolderLocation(std::int32_t folder, FolderLocation &location) const override
    {
        if (!findFolder(folder))
            return false;
        location.folder = folder;
        return true;
    }

    bool pathFromLocation(const FolderLocation &location, std::string &buffer) const override
    {
        const Folder *folder = findFolder(location.folder);
        if (!folder)
            return false;
        std::string base;
        switch (folder->where) {
        case Where::UserDir:
            buffer = userDir(folder->name);
            // Without a home folder there is no path to give.
            return !buffer.empty();
        case Where::DataHome:
            base = baseFolder("XDG_DATA_HOME", ".local/share");
            break;
        case Where::ConfigHome:
            base = configHome();
            break;
        case Where::CacheHome:
            base = baseFolder("XDG_CACHE_HOME", ".cache");
            break;
        case Where::Virtual:
            return false;
        }
        if (base.empty())
            return false;
        buffer = joinPath(base, folder->name);
        return true;
    }
};

} // namespace

const Shell &systemShell()
{
    static const XdgShell shell;
    return shell;
}

} // namespace holtavi
