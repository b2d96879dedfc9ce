// SPDX-License-Identifier: GPL-3.0-or-later
// Folder numbers against a real XDG set-up in a temporary home.

#include "holtavi/holtavi.h"
#include "temphome.h"

#include <climits>
#include <map>
#include <pwd.h>

namespace
{

std::string find(std::int32_t number)
{
    return cSystemFolder().FindSystemFolder(number);
}

std::string find(SystemFolder folder)
{
    return find(static_cast<std::int32_t>(folder));
}

class XdgFolders : public holtavi::test::TempHomeTest
{
};

TEST_F(XdgFolders, EveryPublishedFolderLeadsWhereTheTableSays)
{
    writeUserDirs("# written by xdg-user-dirs-update\n"
                  "XDG_DESKTOP_DIR=\"$HOME/Escritorio\"\n"
                  "XDG_DOCUMENTS_DIR=\"/srv/docs of ann\"\n"
                  "XDG_TEMPLATES_DIR=\"$HOME/Plantillas\"\n"
                  "XDG_MUSIC_DIR=\"$HOME/Musica\"\n");
    const std::string &h = home();
    const std::map<std::string, std::string> expected = {
        { "Desktop", h + "/Escritorio" },
        { "StartMenu_Programs", h + "/.local/share/applications" },
        { "My_Documents", "/srv/docs of ann" },
        { "Favorites", "" },
        { "Startup", h + "/.config/autostart" },
        { "Recent", "" },
        { "SentTo", "" },
        { "Start_Menu", h + "/.local/share/applications" },
        { "Windows_Desktop", h + "/Escritorio" },
        { "Network_Neighborhood", "" },
        { "Fonts", h + "/.local/share/fonts" },
        { "ShellNew", h + "/Plantillas" },
        { "AllUsers_Desktop", "" },
        { "ApplicationData", h + "/.local/share" },
        { "Printhood", "" },
        { "TemporaryInternetFiles", h + "/.cache" },
        { "Cookies", "" },
        { "History", "" },
        { "Windows_System", "" },
    };
    for (const auto &entry : kSystemFolderNames)
        EXPECT_EQ(find(entry.folder), expected.at(entry.name)) << entry.name;

    // The base folders follow their variables when these hold absolute paths.
    ::setenv("XDG_DATA_HOME", "/data/ann", 1);
    ::setenv("XDG_CACHE_HOME", "/cache/ann/", 1);
    ::setenv("XDG_CONFIG_HOME", (h + "/cfg").c_str(), 1);
    EXPECT_EQ(find(SystemFolder::StartMenu_Programs), "/data/ann/applications");
    EXPECT_EQ(find(SystemFolder::ApplicationData), "/data/ann");
    EXPECT_EQ(find(SystemFolder::TemporaryInternetFiles), "/cache/ann/");
    EXPECT_EQ(find(SystemFolder::Startup), h + "/cfg/autostart");
    // user-dirs.dirs is read from the configuration folder, which now has none.
    EXPECT_EQ(find(SystemFolder::Desktop), h + "/Desktop");
    ::setenv("XDG_DATA_HOME", "relative/share", 1);
    EXPECT_EQ(find(SystemFolder::Fonts), h + "/.local/share/fonts");
}

TEST_F(XdgFolders, NumbersOutsideTheTableAndFoldersLinuxLacksGiveAnEmptyString)
{
    writeUserDirs("XDG_MUSIC_DIR=\"$HOME/Music\"\nXDG_PICTURES_DIR=\"$HOME/Pictures\"\n");
    for (const std::int32_t number : { -1, 1, 3, 10, 13, 38, 39, 40, 0x8000, 0x8000 | 5, INT32_MIN, INT32_MAX })
        EXPECT_EQ(find(number), "") << number;
    EXPECT_EQ(find(SystemFolder::Recent), "");
    EXPECT_EQ(find(SystemFolder::Network_Neighborhood), "");
}

TEST_F(XdgFolders, FallsBackAsXdgUserDirDoes)
{
    // No user-dirs.dirs at all, or a folder in its place.
    for (const bool folderInPlace : { false, true }) {
        if (folderInPlace)
            std::filesystem::create_directories(configDir() + "/user-dirs.dirs");
        EXPECT_EQ(find(SystemFolder::Desktop), home() + "/Desktop");
        EXPECT_EQ(find(SystemFolder::Windows_Desktop), home() + "/Desktop");
        EXPECT_EQ(find(SystemFolder::My_Documents), home());
        EXPECT_EQ(find(SystemFolder::ShellNew), home());
    }
    // An empty HOME means the account's home folder.
    ::setenv("HOME", "", 1);
    const passwd *account = ::getpwuid(::getuid());
    ASSERT_NE(account, nullptr);
    EXPECT_EQ(find(SystemFolder::Desktop), std::string(account->pw_dir) + "/Desktop");
}

TEST_F(XdgFolders, ReadsConfiguredValuesAsTheShellSourcesThem)
{
    ::setenv("HOLTAVI_TEST_DESK", "Work", 1);
    const std::string &h = home();
    const std::string longPath = "/" + std::string(150, 'a') + "/" + std::string(200, 'b');
    const struct {
        std::string text;
        std::string expected;
    } cases[] = {
        { "XDG_DESKTOP_DIR=\"$HOME/A\"", h + "/A" },
        { "XDG_DESKTOP_DIR=\"${HOME}/A\"", h + "/A" },
        { "  export XDG_DESKTOP_DIR='/literal/$HOME'", "/literal/$HOME" },
        { "XDG_DESKTOP_DIR=/plain/path # comment", "/plain/path" },
        { "XDG_DESKTOP_DIR=\"/a\\\"b\\\\c\"", "/a\"b\\c" },
        { "XDG_DESKTOP_DIR=$HOME/\"$HOLTAVI_TEST_DESK\"top", h + "/Worktop" },
        { "XDG_DESKTOP_DIR=\"/first\"\nXDG_DESKTOP_DIR=\"/second\"", "/second" },
        { "XDG_DESKTOP_DIR=\"/windows/line/end\"\r", "/windows/line/end" },
        // Spaces around a configured path are removed.
        { "XDG_DESKTOP_DIR=\"   $HOME/Desk top   \"", h + "/Desk top" },
        // A path longer than 260 characters is returned whole.
        { "XDG_DESKTOP_DIR=\"" + longPath + "\"", longPath },
        // Not configured: the fallback.
        { "# XDG_DESKTOP_DIR=\"/commented\"", h + "/Desktop" },
        { "XDG_DESKTOP_DIR=\"\"", h + "/Desktop" },
        { "XDG_DESKTOP_DIR=\"Relative/Desk\"", h + "/Desktop" },
        { "XDG_DESKTOP_DIR=\"/unterminated", h + "/Desktop" },
        { "XDG_DESKTOP_DIR=\"${HOME/bad}\"", h + "/Desktop" },
        { "XDG_DESKTOPS_DIR=\"/other\"\nXDG_DESKTOP_DIRS=\"/other\"", h + "/Desktop" },
    };
    for (const auto &c : cases) {
        writeUserDirs(c.text + "\n");
        EXPECT_EQ(find(SystemFolder::Desktop), c.expected) << c.text;
    }
    ::unsetenv("HOLTAVI_TEST_DESK");
}

TEST_F(XdgFolders, AgreesWithXdgUserDir)
{
    const std::string tool = "/usr/bin/xdg-user-dir";
    ASSERT_EQ(::access(tool.c_str(), X_OK), 0) << tool << " is not installed (Debian: xdg-user-dirs)";
    const std::string setups[] = {
        "",
        "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n"
        "XDG_TEMPLATES_DIR=\"$HOME/Vorlagen\"\n",
        "# comment\nXDG_DESKTOP_DIR=\"/srv/desk\"\nXDG_DOCUMENTS_DIR=\"${HOME}/My Documents\"\n",
        "XDG_DESKTOP_DIR=\"  $HOME/Bureau  \"\nexport XDG_TEMPLATES_DIR='/srv/models'\nXDG_DOCUMENTS_DIR=\"\"\n",
    };
    const std::pair<const char *, SystemFolder> names[] = {
        { "DESKTOP", SystemFolder::Desktop },
        { "DESKTOP", SystemFolder::Windows_Desktop },
        { "DOCUMENTS", SystemFolder::My_Documents },
        { "TEMPLATES", SystemFolder::ShellNew },
    };
    for (const auto &setup : setups) {
        std::filesystem::remove(configDir() + "/user-dirs.dirs");
        if (!setup.empty())
            writeUserDirs(setup);
        for (const auto &[name, folder] : names) {
            auto answer = holtavi::test::runCommand(tool + " " + name);
            ASSERT_EQ(answer.status, 0);
            if (!answer.output.empty() && answer.output.back() == '\n')
                answer.output.pop_back();
            EXPECT_EQ(find(folder), answer.output) << name << " with user-dirs.dirs:\n" << setup;
        }
    }
}

} // namespace
