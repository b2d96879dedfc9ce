// SPDX-License-Identifier: GPL-3.0-or-later
// The shell on Windows: the shell's own special-folder calls.

#include "shell.h"

#include <cwchar>
// clang-format off
#include <windows.h> // first: shlobj.h builds on it
#include <shlobj.h>
// clang-format on

namespace holtavi
{

namespace
{

class WindowsShell final : public Shell
{
public:
    bool specialFolderLocation(std::int32_t folder, FolderLocation &location) const override
    {
        PIDLIST_ABSOLUTE idList = nullptr;
        if (SHGetSpecialFolderLocation(nullptr, folder, &idList) != S_OK || !idList)
            return false;
        location.folder = folder;
        // The shell allocated the list for us; it goes back with the location.
        location.idList = std::shared_ptr<void>(idList, [](void *list) {
            CoTaskMemFree(list);
        });
        return true;
    }

    bool pathFromLocation(const FolderLocation &location, std::string &buffer) const override
    {
        // A wide buffer as long as the system allows a path to be, rather than 260
        // characters of the ANSI code page: a long path, or a name outside the code
        // page, comes back whole.
        std::wstring wide(32768, L'\0');
        if (!SHGetPathFromIDListEx(static_cast<PCIDLIST_ABSOLUTE>(location.idList.get()),
                wide.data(),
                static_cast<DWORD>(wide.size()),
                GPFIDL_DEFAULT))
            return false;
        const int length = static_cast<int>(std::wcslen(wide.c_str()));
        const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
        buffer.assign(static_cast<std::size_t>(size), '\0');
        if (size > 0)
            WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, buffer.data(), size, nullptr, nullptr);
        return true;
    }
};

} // namespace

const Shell &systemShell()
{
    static const WindowsShell shell;
    return shell;
}

} // namespace holtavi
