// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/relativereference.h"

namespace quorvel
{

QString relativeReference(const QString &encoded)
{
    // The first segment ends at the first "/"; "?" and "#" end it too, but a name
    // never reaches here with one of those unencoded.
    const qsizetype end = encoded.indexOf(u'/');
    const qsizetype colon = encoded.indexOf(u':');
    if (colon < 0 || (end >= 0 && colon > end))
        return encoded;
    QString first = encoded.left(end < 0 ? encoded.size() : end);
    first.replace(u':', QLatin1String("%3A"));
    return end < 0 ? first : first + encoded.mid(end);
}

} // namespace quorvel
