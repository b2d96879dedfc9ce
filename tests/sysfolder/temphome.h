// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace holtavi::test
{

/// Writes `text` to `path`, making its folder when needed.
inline void writeFile(const std::string &path, const std::string &text)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

/// The bytes of the file at `path`; empty when it cannot be read.
inline std::string readFile(const std::string &path)
{
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

/// A fixture with a fresh home folder: HOME and XDG_CONFIG_HOME point into a new
/// temporary folder, the other XDG variables are unset, and all is put back and the
/// folder removed afterwards. No test touches the real home folder.
class TempHomeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char *name : { "HOME",
                 "XDG_CONFIG_HOME",
                 "XDG_DATA_HOME",
                 "XDG_CACHE_HOME",
                 "XDG_DESKTOP_DIR",
                 "XDG_DOCUMENTS_DIR",
                 "XDG_TEMPLATES_DIR" }) {
            const char *value = std::getenv(name);
            m_saved.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
            ::unsetenv(name);
        }
        std::string folder = (std::filesystem::temp_directory_path() / "holtavi-test-XXXXXX").string();
        ASSERT_NE(::mkdtemp(folder.data()), nullptr);
        m_home = folder;
        ::setenv("HOME", m_home.c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", configDir().c_str(), 1);
        std::filesystem::create_directories(configDir());
    }

    void TearDown() override
    {
        for (const auto &[name, value] : m_saved) {
            if (value)
                ::setenv(name.c_str(), value->c_str(), 1);
            else
                ::unsetenv(name.c_str());
        }
        std::error_code ignored;
        std::filesystem::remove_all(m_home, ignored);
    }

    const std::string &home() const
    {
        return m_home;
    }

    std::string configDir() const
    {
        return m_home + "/.config";
    }

    void writeUserDirs(const std::string &text) const
    {
        writeFile(configDir() + "/user-dirs.dirs", text);
    }

    /// Puts a user-dirs.dirs in place that is there but cannot be read, and returns
    /// the error number reading it gives: a file without permissions, or, for root,
    /// whom permissions do not stop, a link to memory that cannot be read.
    int makeUserDirsUnreadable() const
    {
        const std::string file = configDir() + "/user-dirs.dirs";
        std::filesystem::remove(file);
        if (::geteuid() != 0) {
            writeUserDirs("XDG_DESKTOP_DIR=\"$HOME/Hidden\"\n");
            ::chmod(file.c_str(), 0);
            return EACCES;
        }
        std::filesystem::create_symlink("/proc/self/mem", file);
        return EIO;
    }

private:
    std::string m_home;
    std::vector<std::pair<std::string, std::optional<std::string>>> m_saved;
};

/// The standard output and exit status of a shell command line.
struct CommandResult {
    std::string output;
    int status = -1;
};

inline CommandResult runCommand(const std::string &command)
{
    CommandResult result;
    FILE *pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return result;
    char chunk[4096];
    while (const std::size_t count = std::fread(chunk, 1, sizeof chunk, pipe))
        result.output.append(chunk, count);
    const int status = ::pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

/// `text` in single quotes for the shell.
inline std::string shellQuoted(const std::string &text)
{
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

} // namespace holtavi::test
