// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <gtest/gtest.h>

namespace quorvel::test {

/// The shared test pictures (../shared/testdata beside the project), or an empty
/// string when that folder is absent.
QString testdataDir();

/// Full path of a file below the shared test pictures.
QString testPicture(const QString &relativePath);

} // namespace quorvel::test

/// Skips the current test with a message when the shared test pictures are absent.
#define QUORVEL_REQUIRE_TESTDATA()                                                                                     \
    do {                                                                                                               \
        if (quorvel::test::testdataDir().isEmpty())                                                                    \
            GTEST_SKIP() << "shared test pictures not found at " QUORVEL_TESTDATA_DIR;                                 \
    } while (false)
