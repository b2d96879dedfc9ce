// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

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

/// Whether text can be the name of a file in a folder.
inline bool isFileName(const QString &text)
{
    return !text.isEmpty() && text != QLatin1String(".") && text != QLatin1String("..")
        && !text.contains(QLatin1Char('/')) && !text.contains(QChar(0));
}

/// Where a reference in a page at http://h/dir/page.html leads: the decoded path on
/// that server, or nothing when it leads to another scheme or server or carries a
/// query or fragment.
inline QString pathFromPage(const QString &reference)
{
    const QUrl url = QUrl(QStringLiteral("http://h/dir/page.html")).resolved(QUrl(reference));
    if (url.scheme() != QLatin1String("http") || url.host() != QLatin1String("h") || url.hasQuery()
        || url.hasFragment())
        return {};
    // Decoded byte for byte: QUrl leaves some escapes undecoded (a U+FFFD among them),
    // where a browser asks the server for the bytes they stand for.
    return QString::fromUtf8(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
}

} // namespace quorvel::fuzz
