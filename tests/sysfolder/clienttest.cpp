// SPDX-License-Identifier: GPL-3.0-or-later
// A client that does not link Holtavi: it registers the built library, creates the
// object by program identifier through the registry, and runs the holtavi command.

#include "holtavi/holtavi_client.h"
#include "temphome.h"

#include <algorithm>
#include <dlfcn.h>
#include <regex>
#include <set>

namespace
{

using holtavi::test::readFile;
using holtavi::test::runCommand;
using holtavi::test::shellQuoted;
using holtavi::test::writeFile;

// The loaded library's entry point `name`, as a registration tool would call it.
template <typename Function> Function entryPoint(void *library, const char *name)
{
    return reinterpret_cast<Function>(::dlsym(library, name));
}

class Client : public holtavi::test::TempHomeTest
{
protected:
    std::string registry() const
    {
        return configDir() + "/holtavi/registry";
    }

    HoltaviStatus runEntryPoint(const char *name) const
    {
        void *library = ::dlopen(HOLTAVI_LIBRARY_FILE, RTLD_NOW | RTLD_LOCAL);
        EXPECT_NE(library, nullptr) << ::dlerror();
        if (!library)
            return HOLTAVI_E_LOADFAILED;
        const auto function = entryPoint<HoltaviRegisterServerFunction>(library, name);
        const HoltaviStatus status = function ? function() : HOLTAVI_E_UNEXPECTED;
        ::dlclose(library);
        return status;
    }

    // DllCanUnloadNow of the library when it is loaded, else nothing.
    std::optional<HoltaviStatus> canUnloadNow() const
    {
        void *library = ::dlopen(HOLTAVI_LIBRARY_FILE, RTLD_NOW | RTLD_NOLOAD);
        if (!library)
            return std::nullopt;
        const HoltaviStatus status = entryPoint<HoltaviCanUnloadNowFunction>(library, "DllCanUnloadNow")();
        ::dlclose(library);
        return status;
    }
};

TEST_F(Client, GetsTheDesktopThroughTheRegistryKnowingOnlyTheProgramIdentifier)
{
    writeUserDirs("XDG_DESKTOP_DIR=\"$HOME/Työpöytä\"\n");
    ASSERT_EQ(runEntryPoint("DllRegisterServer"), HOLTAVI_S_OK);
    const std::string library = std::filesystem::canonical(HOLTAVI_LIBRARY_FILE).string();
    const std::regex entry("Holtavi\\.cSystemFolder\t\\" HOLTAVI_CLSID_SYSTEMFOLDER "\t(/[^\t\n]+)\n");
    std::smatch match;
    const std::string text = readFile(registry());
    ASSERT_TRUE(std::regex_search(text, match, entry)) << text;
    EXPECT_EQ(std::filesystem::canonical(match[1].str()).string(), library);

    void *pointer = nullptr;
    HoltaviError error {};
    ASSERT_EQ(
        HoltaviCreateObject(HOLTAVI_PROGID_SYSTEMFOLDER, HOLTAVI_IID_SYSTEMFOLDER, &pointer, &error), HOLTAVI_S_OK)
        << (error.description ? error.description : "");
    auto *folder = static_cast<HoltaviSystemFolder *>(pointer);
    char *path = nullptr;
    ASSERT_EQ(folder->lpVtbl->FindSystemFolder(folder, 0, &path, &error), HOLTAVI_S_OK);
    EXPECT_STREQ(path, (home() + "/Työpöytä").c_str());
    std::free(path);

    EXPECT_EQ(canUnloadNow(), HOLTAVI_S_FALSE);
    EXPECT_EQ(HoltaviFreeUnusedLibraries(), 0);
    EXPECT_EQ(folder->lpVtbl->Release(folder), 0u);
    EXPECT_EQ(canUnloadNow(), HOLTAVI_S_OK);
    EXPECT_EQ(HoltaviFreeUnusedLibraries(), 1);

    ASSERT_EQ(runEntryPoint("DllUnregisterServer"), HOLTAVI_S_OK);
    EXPECT_EQ(runEntryPoint("DllUnregisterServer"), HOLTAVI_S_FALSE);
    EXPECT_EQ(readFile(registry()).find(HOLTAVI_PROGID_SYSTEMFOLDER), std::string::npos);

    pointer = &pointer;
    EXPECT_EQ(HoltaviCreateObject(HOLTAVI_PROGID_SYSTEMFOLDER, HOLTAVI_IID_SYSTEMFOLDER, &pointer, &error),
        HOLTAVI_E_NOTREGISTERED);
    EXPECT_EQ(pointer, nullptr);
    ASSERT_NE(error.description, nullptr);
    EXPECT_NE(std::string(error.description).find(HOLTAVI_PROGID_SYSTEMFOLDER), std::string::npos);
    EXPECT_STREQ(error.source, "HoltaviCreateObject");
    HoltaviClearError(&error);
}

TEST_F(Client, CreationFailsCleanly)
{
    const std::string library = std::filesystem::absolute(HOLTAVI_LIBRARY_FILE).string();
    const struct {
        std::string registryText; // none: no registry file
        const char *iid;
        HoltaviStatus expected;
    } cases[] = {
        { "", HOLTAVI_IID_SYSTEMFOLDER, HOLTAVI_E_NOTREGISTERED },
        { "Other.cThing\t{1}\t/lib/other.so\n", HOLTAVI_IID_SYSTEMFOLDER, HOLTAVI_E_NOTREGISTERED },
        { "Holtavi.cSystemFolder\t" HOLTAVI_CLSID_SYSTEMFOLDER "\t" + home() + "/gone/libholtavi.so.1\n",
            HOLTAVI_IID_SYSTEMFOLDER,
            HOLTAVI_E_LOADFAILED },
        // A library that is no component.
        { "Holtavi.cSystemFolder\t" HOLTAVI_CLSID_SYSTEMFOLDER "\tlibm.so.6\n",
            HOLTAVI_IID_SYSTEMFOLDER,
            HOLTAVI_E_LOADFAILED },
        { "Holtavi.cSystemFolder\t{6B29FC40-CA47-1067-B31D-00DD010662DA}\t" + library + "\n",
            HOLTAVI_IID_SYSTEMFOLDER,
            HOLTAVI_E_CLASSNOTAVAILABLE },
        { "Holtavi.cSystemFolder\t" HOLTAVI_CLSID_SYSTEMFOLDER "\t" + library + "\n",
            "{6B29FC40-CA47-1067-B31D-00DD010662DA}",
            HOLTAVI_E_NOINTERFACE },
    };
    for (const auto &c : cases) {
        if (!c.registryText.empty())
            writeFile(registry(), c.registryText);
        void *pointer = &pointer;
        HoltaviError error {};
        EXPECT_EQ(HoltaviCreateObject(HOLTAVI_PROGID_SYSTEMFOLDER, c.iid, &pointer, &error), c.expected)
            << c.registryText;
        EXPECT_EQ(pointer, nullptr);
        ASSERT_NE(error.description, nullptr) << c.registryText;
        EXPECT_STRNE(error.description, "");
        HoltaviClearError(&error);
    }
    // Whatever failed left nothing alive.
    EXPECT_EQ(HoltaviFreeUnusedLibraries(), 1);
    EXPECT_EQ(HoltaviCreateObject(nullptr, HOLTAVI_IID_SYSTEMFOLDER, nullptr, nullptr), HOLTAVI_E_INVALIDARG);
}

TEST_F(Client, TheCommandRegistersAndAnswersFolders)
{
    writeUserDirs("XDG_DESKTOP_DIR=\"$HOME/Skrivebord\"\n");
    const std::string tool = shellQuoted(HOLTAVI_TOOL_FILE);
    auto result = runCommand(tool + " register");
    EXPECT_EQ(result.status, 0);
    const auto entry = readFile(registry());
    EXPECT_NE(entry.find(HOLTAVI_PROGID_SYSTEMFOLDER "\t" HOLTAVI_CLSID_SYSTEMFOLDER "\t/"), std::string::npos)
        << entry;

    const std::string desktop = home() + "/Skrivebord\n";
    EXPECT_EQ(runCommand(tool + " folder 0").output, desktop);
    EXPECT_EQ(runCommand(tool + " folder Windows_Desktop").output, desktop);
    result = runCommand(tool + " folder 4711");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.output, "\n");

    result = runCommand(tool + " list");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(std::count(result.output.begin(), result.output.end(), '\n'), 19);
    EXPECT_TRUE(result.output.starts_with("0\tDesktop\t" + desktop)) << result.output;
    EXPECT_NE(result.output.find("\n37\tWindows_System\t\n"), std::string::npos) << result.output;

    EXPECT_EQ(runCommand(tool + " unregister").status, 0);
    EXPECT_EQ(readFile(registry()).find(HOLTAVI_PROGID_SYSTEMFOLDER), std::string::npos);

    // Wrong usage says what was wrong, then how the command is used.
    const std::pair<const char *, const char *> wrongUsage[] = {
        { "", "holtavi: no command given\n" },
        { " folder", "holtavi: folder takes one NUMBER or NAME\n" },
        { " folder abc", "holtavi: 'abc' is no folder number or name (see holtavi list)\n" },
        { " folder 99999999999", "holtavi: '99999999999' is no folder number or name (see holtavi list)\n" },
        { " frobnicate", "holtavi: unknown command 'frobnicate'\n" },
        { " list 0", "holtavi: list takes no arguments\n" },
    };
    for (const auto &[wrong, message] : wrongUsage) {
        result = runCommand(tool + wrong + " 2>&1");
        EXPECT_EQ(result.status, 2) << wrong;
        EXPECT_TRUE(result.output.starts_with(std::string(message) + "usage: holtavi ")) << result.output;
    }
    result = runCommand(tool + " --version");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.output, "holtavi " HOLTAVI_VERSION_TEXT "\n");

    makeUserDirsUnreadable();
    result = runCommand(tool + " folder 0 2>&1");
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.output.find("FindSystemFolder::readUserDirs"), std::string::npos) << result.output;
}

TEST_F(Client, TheCommandRefusesWhatIsNoFileAndWritesThroughALinkToItsTarget)
{
    // Each run is bounded: a command that waits on a pipe is killed and fails the test.
    const auto run = [](const char *command) {
        return runCommand("timeout 20 " + shellQuoted(HOLTAVI_TOOL_FILE) + " " + command + " 2>&1");
    };
    std::filesystem::create_directories(configDir() + "/holtavi");
    ASSERT_EQ(::mkfifo(registry().c_str(), 0600), 0);
    for (const char *command : { "register", "unregister" }) {
        const auto result = run(command);
        EXPECT_EQ(result.status, 1) << command;
        EXPECT_NE(result.output.find(registry() + ": it is a named pipe, not a regular file"), std::string::npos)
            << result.output;
    }
    EXPECT_TRUE(std::filesystem::is_fifo(registry()));

    // A link set up by a dotfile manager: the file it leads to is written, the link stays.
    std::filesystem::remove(registry());
    const std::string target = home() + "/dotfiles/holtavi/registry";
    writeFile(target, "# kept in my dotfiles\n");
    ::chmod(target.c_str(), 0644);
    std::filesystem::create_symlink("../../dotfiles/holtavi/registry", registry());
    auto result = run("register");
    EXPECT_EQ(result.status, 0) << result.output;
    EXPECT_TRUE(std::filesystem::is_symlink(registry()));
    EXPECT_TRUE(readFile(target).starts_with("# kept in my dotfiles\n" HOLTAVI_PROGID_SYSTEMFOLDER "\t"))
        << readFile(target);
    EXPECT_EQ(
        std::filesystem::status(target).permissions() & std::filesystem::perms::all, std::filesystem::perms(0644));
    for (const std::string &folder : { configDir() + "/holtavi", home() + "/dotfiles/holtavi" })
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1) << "left over in " << folder;
    result = run("unregister");
    EXPECT_EQ(result.status, 0) << result.output;
    EXPECT_TRUE(std::filesystem::is_symlink(registry()));
    EXPECT_EQ(readFile(target), "# kept in my dotfiles\n");

    // A failure says what the system said.
    std::filesystem::remove(registry());
    std::filesystem::create_symlink(home() + "/gone/registry", registry());
    result = run("register");
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(
        result.output.find("(a link to " + home() + "/gone/registry): No such file or directory"), std::string::npos)
        << result.output;
}

TEST(Library, ExportsOnlyItsInterfaceAndLinksNothingOfQuorvel)
{
    ASSERT_TRUE(::access("/usr/bin/nm", X_OK) == 0 && ::access("/usr/bin/readelf", X_OK) == 0)
        << "binutils are not installed";
    const std::string library = shellQuoted(HOLTAVI_LIBRARY_FILE);
    const auto symbols = runCommand("/usr/bin/nm -D --defined-only " + library);
    ASSERT_EQ(symbols.status, 0);
    std::set<std::string> cNames;
    std::istringstream lines(symbols.output);
    for (std::string line; std::getline(lines, line);) {
        const std::string name = line.substr(line.rfind(' ') + 1);
        const std::string bare = name.substr(0, name.find('@'));
        if (bare == "HOLTAVI_1")
            continue;
        if (bare.starts_with("_Z")) {
            EXPECT_TRUE(bare.find("13cSystemFolder") != std::string::npos
                || bare.find("17SystemFolderError") != std::string::npos)
                << "exported by accident: " << name;
        } else {
            cNames.insert(bare);
        }
    }
    EXPECT_EQ(cNames,
        (std::set<std::string> { "DllCanUnloadNow",
            "DllGetClassObject",
            "DllRegisterServer",
            "DllUnregisterServer",
            "HoltaviFindSystemFolder",
            "HoltaviFreeString" }));

    const auto dynamic = runCommand("/usr/bin/readelf -d " + library);
    ASSERT_EQ(dynamic.status, 0);
    EXPECT_NE(dynamic.output.find("Library soname: [libholtavi.so.1]"), std::string::npos);
    const std::regex needed(R"(\(NEEDED\)\s+Shared library: \[([^\]]+)\])");
    for (auto it = std::sregex_iterator(dynamic.output.begin(), dynamic.output.end(), needed);
         it != std::sregex_iterator();
         ++it) {
        const std::string name = (*it)[1];
        EXPECT_TRUE(std::regex_match(
            name, std::regex(R"((libstdc\+\+|libc\+\+|libm|libgcc_s|libc|libdl|ld-linux[-\w]*)\.so.*)")))
            << "needs " << name;
    }
}

} // namespace
