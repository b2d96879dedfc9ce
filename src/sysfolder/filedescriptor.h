// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cerrno>
#include <string>
#include <unistd.h>

namespace holtavi
{

/// Owns an open file descriptor and closes it when it goes (a negative one is none).
class FileDescriptor
{
public:
    explicit FileDescriptor(int fd)
        : m_fd(fd)
    {
    }
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;

    int get() const
    {
        return m_fd;
    }

    /// Reads from the current position to the end into text. Returns 0, or the errno
    /// of the read that failed.
    int readAll(std::string &text) const
    {
        char chunk[4096];
        while (true) {
            const ssize_t count = ::read(m_fd, chunk, sizeof chunk);
            if (count < 0) {
                if (errno == EINTR)
                    continue;
                return errno;
            }
            if (count == 0)
                return 0;
            text.append(chunk, static_cast<std::size_t>(count));
        }
    }

private:
    int m_fd;
};

} // namespace holtavi
