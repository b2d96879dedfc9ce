// SPDX-License-Identifier: GPL-3.0-or-later
// Lookups in test helpers that end the test when what they look for is missing.
#pragma once

#include <gtest/gtest.h>
#include <source_location>
#include <string>

namespace quorvel::test
{

/// Ends the running test with a fatal failure at `where`. For helpers that return a
/// value, where ASSERT cannot be used: the failure is recorded, then an exception that
/// GoogleTest takes as "already reported" leaves the test body, and the next test runs.
/// Call it from the test's own code only, never from a slot run by an event loop.
[[noreturn]] inline void failFatally(const std::string &message, const std::source_location &where)
{
    GTEST_FAIL_AT(where.file_name(), int(where.line())) << message;
    throw ::testing::AssertionException(::testing::TestPartResult(
        ::testing::TestPartResult::kFatalFailure, where.file_name(), int(where.line()), message.c_str()));
}

/// What a lookup found; when it found nothing, the end of the test, naming `what` at
/// the caller's line (a null handed back would crash the whole run instead).
template <typename T>
T *required(T *found, const std::string &what, const std::source_location &where = std::source_location::current())
{
    if (!found)
        failFatally(what + " is missing", where);
    return found;
}

} // namespace quorvel::test
