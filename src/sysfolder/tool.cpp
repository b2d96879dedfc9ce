// SPDX-License-Identifier: GPL-3.0-or-later
// The holtavi command: registers and unregisters the component library it runs
// with, and answers folder paths for users and scripts.

#include "holtavi/holtavi.h"
#include "holtavi/holtavi_client.h"
#include "registry.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>

namespace
{

constexpr const char *kUsage = "usage: holtavi register | unregister | folder NUMBER|NAME | list\n"
                               "  register    enter this Holtavi library in the per-user component registry\n"
                               "  unregister  remove it from the component registry\n"
                               "  folder      print the path of a special folder (an empty line when there is none)\n"
                               "  list        print number, name and path of every published folder, tab-separated\n"
                               "  --version   print the version\n";

// Wrong usage: says what was wrong, then how it is used.
int usage(const std::string &wrong)
{
    std::fprintf(stderr, "holtavi: %s\n", wrong.c_str());
    std::fputs(kUsage, stderr);
    return 2;
}

std::optional<std::int32_t> parseFolder(std::string_view text)
{
    std::int32_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (!text.empty() && error == std::errc() && end == text.data() + text.size())
        return number;
    for (const auto &entry : kSystemFolderNames) {
        if (holtavi::sameIdentifier(text, entry.name))
            return static_cast<std::int32_t>(entry.folder);
    }
    return std::nullopt;
}

void reportError(const SystemFolderError &error)
{
    std::fprintf(stderr,
        "holtavi: %s: %s (error %d)\n",
        error.source().c_str(),
        error.description().c_str(),
        static_cast<int>(error.number()));
}

// Says why registering or unregistering (`what`) failed, with the system's reason
// (`reason`, the errno the library left), and returns the exit status.
int registryFailure(const char *what, HoltaviStatus status, int reason, const std::string &file)
{
    std::string where = file.empty() ? std::string("the component registry") : file;
    std::string why = reason != 0 ? std::strerror(reason) : HoltaviStatusText(status);
    try {
        // Looked at, never opened.
        const std::string target = file.empty() ? file : holtavi::registryTarget(file);
        if (target != file)
            where += " (a link to " + target + ")";
        struct stat info {
        };
        if (!target.empty() && ::stat(target.c_str(), &info) == 0 && !S_ISREG(info.st_mode))
            why = "it is " + holtavi::fileKind(info.st_mode) + ", not a regular file";
    } catch (const std::exception &) {
        // The library's reason stands.
    }
    std::fprintf(stderr, "holtavi: cannot %s in %s: %s\n", what, where.c_str(), why.c_str());
    return 1;
}

int registerLibrary()
{
    const std::string file = holtavi::registryFile();
    const HoltaviStatus status = DllRegisterServer();
    if (status != HOLTAVI_S_OK)
        return registryFailure("register", status, errno, file);
    const auto entry = holtavi::findRegistryEntry(file, HOLTAVI_PROGID_SYSTEMFOLDER);
    std::printf("registered %s: %s in %s\n",
        HOLTAVI_PROGID_SYSTEMFOLDER,
        entry ? entry->libraryPath.c_str() : "?",
        file.c_str());
    return 0;
}

int unregisterLibrary()
{
    const std::string file = holtavi::registryFile();
    const HoltaviStatus status = DllUnregisterServer();
    if (!HOLTAVI_SUCCEEDED(status))
        return registryFailure("unregister", status, errno, file);
    std::printf(status == HOLTAVI_S_OK ? "unregistered %s from %s\n" : "%s was not registered in %s\n",
        HOLTAVI_PROGID_SYSTEMFOLDER,
        file.c_str());
    return 0;
}

int printFolder(std::int32_t number)
{
    try {
        std::printf("%s\n", cSystemFolder().FindSystemFolder(number).c_str());
        return 0;
    } catch (const SystemFolderError &error) {
        reportError(error);
        return 1;
    }
}

int listFolders()
{
    int result = 0;
    for (const auto &entry : kSystemFolderNames) {
        const auto number = static_cast<std::int32_t>(entry.folder);
        std::string path;
        try {
            path = cSystemFolder().FindSystemFolder(number);
        } catch (const SystemFolderError &error) {
            reportError(error);
            result = 1;
        }
        std::printf("%d\t%s\t%s\n", static_cast<int>(number), entry.name, path.c_str());
    }
    return result;
}

} // namespace

int main(int argc, char **argv)
{
    const std::string_view command = argc > 1 ? argv[1] : "";
    try {
        if (command == "-h" || command == "--help" || command == "help") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (command == "--version" && argc == 2) {
            std::printf("holtavi %s\n", HOLTAVI_VERSION_TEXT);
            return 0;
        }
        if (argc < 2)
            return usage("no command given");
        const std::string name(command);
        if (command == "folder") {
            if (argc != 3)
                return usage("folder takes one NUMBER or NAME");
            const auto number = parseFolder(argv[2]);
            if (!number)
                return usage("'" + std::string(argv[2]) + "' is no folder number or name (see holtavi list)");
            return printFolder(*number);
        }
        if (command != "register" && command != "unregister" && command != "list" && command != "--version")
            return usage("unknown command '" + name + "'");
        if (argc != 2)
            return usage(name + " takes no arguments");
        if (command == "register")
            return registerLibrary();
        if (command == "unregister")
            return unregisterLibrary();
        return listFolders();
    } catch (const std::exception &error) {
        std::fprintf(stderr, "holtavi: %s\n", error.what());
        return 1;
    }
}
