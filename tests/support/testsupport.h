// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <gtest/gtest.h>

namespace quorvel::test
{

/// The test pictures (tests/data, or the CMake cache variable QUORVEL_TESTDATA_DIR),
/// or an empty string when that folder is absent.
QString testdataDir();

/// Full path of a file below the test pictures.
QString testPicture(const QString &relativePath);

/// A file's bytes; empty when it cannot be read.
QByteArray readFile(const QString &path);

/// Writes bytes to a file, replacing it; whether all of them were written.
bool writeFile(const QString &path, const QByteArray &bytes);

/// While alive, every write that would make a file larger than `bytes` fails with
/// "file too large", for root too: a disk that fills up in the middle of a write.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(long long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    /// Whether the limit could be set on this system.
    bool active() const
    {
        return m_active;
    }

private:
    bool m_active = false;
    unsigned long long m_savedCurrent = 0;
    void (*m_savedHandler)(int) = nullptr;
};

} // namespace quorvel::test

/// Fails the current test when the test pictures are absent: they are part of the
/// repository, so a test never passes by skipping what it should check.
#define QUORVEL_REQUIRE_TESTDATA()                                                                                     \
    do {                                                                                                               \
        if (quorvel::test::testdataDir().isEmpty())                                                                    \
            FAIL() << "test pictures not found at " QUORVEL_TESTDATA_DIR;                                              \
    } while (false)
