// SPDX-License-Identifier: GPL-3.0-or-later
// The steps of FindSystemFolder over a scripted shell, its errors, and its C face.

#include "holtavi/holtavi.h"
#include "shell.h"
#include "temphome.h"

#include <climits>
#include <cstring>
#include <functional>

namespace
{

using namespace std::string_literals;

class ScriptedShell final : public holtavi::Shell
{
public:
    bool knowsFolder = true;
    bool hasPath = true;
    std::string buffer;
    std::function<void()> fault;
    mutable std::vector<std::int32_t> asked;

    bool specialFolderLocation(std::int32_t folder, holtavi::FolderLocation &location) const override
    {
        asked.push_back(folder);
        location.folder = folder;
        return knowsFolder;
    }

    bool pathFromLocation(const holtavi::FolderLocation &, std::string &out) const override
    {
        if (fault)
            fault();
        out = buffer;
        return hasPath;
    }
};

TEST(FindSystemFolderSteps, TidiesTheShellBuffer)
{
    const std::string longPath = "/" + std::string(150, 'a') + "/" + std::string(250, 'b');
    const struct {
        std::string buffer;
        std::string expected;
    } cases[] = {
        { "/home/ann/Desktop", "/home/ann/Desktop" },
        { "   /home/ann/Desktop  ", "/home/ann/Desktop" },
        { "/home/ann/Desktop\0C:\\older text"s, "/home/ann/Desktop" },
        { "  /home/ann/My Desktop \0 \0"s, "/home/ann/My Desktop" },
        { "\t/only/spaces/are/trimmed\t", "\t/only/spaces/are/trimmed\t" },
        { "\0/behind/the/terminator"s, "" },
        { "    ", "" },
        // Longer than 260 characters: returned whole.
        { longPath + "\0"s + std::string(40, ' '), longPath },
    };
    for (const auto &c : cases) {
        ScriptedShell shell;
        shell.buffer = c.buffer;
        EXPECT_EQ(holtavi::findSystemFolder(shell, 0), c.expected) << "buffer of " << c.buffer.size() << " bytes";
    }
}

TEST(FindSystemFolderSteps, FailingShellCallsGiveAnEmptyStringAndNumbersPassUnchanged)
{
    ScriptedShell shell;
    shell.buffer = "/stale/text";
    shell.knowsFolder = false;
    EXPECT_EQ(holtavi::findSystemFolder(shell, 4711), "");
    shell.knowsFolder = true;
    shell.hasPath = false;
    EXPECT_EQ(holtavi::findSystemFolder(shell, 19), "");

    shell.hasPath = true;
    for (const std::int32_t number : { INT32_MIN, -1, 0x8000 | 5, INT32_MAX })
        EXPECT_EQ(holtavi::findSystemFolder(shell, number), "/stale/text");
    EXPECT_EQ(shell.asked, (std::vector<std::int32_t> { 4711, 19, INT32_MIN, -1, 0x8005, INT32_MAX }));
}

TEST(FindSystemFolderErrors, ReachTheCallerWithNumberDescriptionAndSource)
{
    const struct {
        std::function<void()> fault;
        std::int32_t number;
        std::string description;
        std::string source;
    } cases[] = {
        { [] {
             throw SystemFolderError(EACCES, "Permission denied", "readUserDirs");
         },
            EACCES,
            "Permission denied",
            "FindSystemFolder::readUserDirs" },
        { [] {
             throw std::bad_alloc();
         },
            ENOMEM,
            std::strerror(ENOMEM),
            "FindSystemFolder::std::bad_alloc" },
        { [] {
             throw std::length_error("path too long");
         },
            -1,
            "path too long",
            "FindSystemFolder::std::length_error" },
        { [] {
             throw 42;
         },
            -1,
            "unknown error",
            "FindSystemFolder::unknown" },
    };
    for (const auto &c : cases) {
        ScriptedShell shell;
        shell.fault = c.fault;
        try {
            holtavi::findSystemFolder(shell, 0);
            ADD_FAILURE() << "no error for " << c.source;
        } catch (const SystemFolderError &error) {
            EXPECT_EQ(error.number(), c.number);
            EXPECT_EQ(error.description(), c.description);
            EXPECT_EQ(error.source(), c.source);
            EXPECT_EQ(error.what(), c.source + ": " + c.description);
        }
    }
}

class SystemFolderCInterface : public holtavi::test::TempHomeTest
{
};

TEST_F(SystemFolderCInterface, HandsOutOwnedStrings)
{
    writeUserDirs("XDG_DESKTOP_DIR=\"$HOME/Bureau\"\n");
    char *path = nullptr;
    HoltaviError error { 7, nullptr, nullptr };
    ASSERT_EQ(HoltaviFindSystemFolder(0, &path, &error), HOLTAVI_S_OK);
    EXPECT_STREQ(path, (home() + "/Bureau").c_str());
    EXPECT_EQ(error.number, 0);
    EXPECT_EQ(error.description, nullptr);
    HoltaviFreeString(path);

    // No folder is an empty string, not a null pointer.
    ASSERT_EQ(HoltaviFindSystemFolder(4711, &path, nullptr), HOLTAVI_S_OK);
    ASSERT_NE(path, nullptr);
    EXPECT_STREQ(path, "");
    HoltaviFreeString(path);

    EXPECT_EQ(HoltaviFindSystemFolder(0, nullptr, &error), HOLTAVI_E_INVALIDARG);
}

TEST_F(SystemFolderCInterface, AnUnreadableUserDirsFileIsAnErrorNotAFallback)
{
    const int expected = makeUserDirsUnreadable();
    try {
        cSystemFolder().FindSystemFolder(static_cast<std::int32_t>(SystemFolder::Desktop));
        ADD_FAILURE() << "no error";
    } catch (const SystemFolderError &error) {
        EXPECT_EQ(error.number(), expected);
        EXPECT_EQ(error.source(), "FindSystemFolder::readUserDirs");
    }
    // Folders that do not come from user-dirs.dirs are unaffected.
    EXPECT_EQ(cSystemFolder().FindSystemFolder(static_cast<std::int32_t>(SystemFolder::Fonts)),
        home() + "/.local/share/fonts");

    char *path = reinterpret_cast<char *>(&path);
    HoltaviError error {};
    ASSERT_EQ(HoltaviFindSystemFolder(0, &path, &error), HOLTAVI_E_RAISED);
    EXPECT_EQ(path, nullptr);
    EXPECT_EQ(error.number, expected);
    EXPECT_STREQ(error.source, "FindSystemFolder::readUserDirs");
    ASSERT_NE(error.description, nullptr);
    EXPECT_STRNE(error.description, "");
    HoltaviClearError(&error);
    EXPECT_EQ(error.source, nullptr);
}

} // namespace
