// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <cstdio>
#include <cstdlib>

// A property the fuzzed code must keep. A broken one aborts, so libFuzzer saves the
// input that broke it as a crash.
#define FUZZ_CHECK(condition, what)                                                                                    \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "property broken: %s (%s:%d)\n", what, __FILE__, __LINE__);                           \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)

namespace quorvel::fuzz
{

inline QByteArray bytesOf(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

} // namespace quorvel::fuzz
