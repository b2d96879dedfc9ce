// SPDX-License-Identifier: GPL-3.0-or-later
// The gallery page's picture line: whatever the picture's name, the image folder
// reference and the thumbnail's name, the line is one anchor around one image, in
// printable ASCII, and each value decodes back to exactly what it was made from.
// Resolved against the page's address, the link names exactly the picture beside the
// page, and the image exactly the thumbnail in the image folder, whatever the names.
#include "fuzzcheck.h"
#include "gallery/gallerywriter.h"

#include <QRegularExpression>
#include <QString>

#include <algorithm>

using namespace quorvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Three texts separated by NUL bytes: picture name, image folder reference, thumbnail name.
    const QList<QByteArray> parts = fuzz::bytesOf(data, size).split('\0');
    const QString picture = QString::fromUtf8(parts.value(0));
    const QString reference = QString::fromUtf8(parts.value(1));
    const QString thumbnail = QString::fromUtf8(parts.value(2));

    const QString line = GalleryWriter::anchorLine(picture, reference, thumbnail);
    for (const QChar c : line)
        FUZZ_CHECK(c.unicode() >= 0x20 && c.unicode() < 0x7F, "the line is printable ASCII");

    static const QRegularExpression shape(
        QStringLiteral("^<a href = ([^ <>\"'`=]*)><img src = ([^ <>\"'`=]*) border = 0></a>$"));
    const QRegularExpressionMatch match = shape.match(line);
    FUZZ_CHECK(match.hasMatch(), "the line is one anchor around one image");

    const QByteArray href = QByteArray::fromPercentEncoding(match.captured(1).toLatin1());
    FUZZ_CHECK(href == picture.toUtf8(), "the link names the picture");

    QString expectedReference = reference;
    expectedReference.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!expectedReference.isEmpty() && !expectedReference.endsWith(QLatin1Char('/')))
        expectedReference += QLatin1Char('/');
    const QByteArray src = QByteArray::fromPercentEncoding(match.captured(2).toLatin1());
    FUZZ_CHECK(src == expectedReference.toUtf8() + thumbnail.toUtf8(), "the image names the thumbnail");

    if (fuzz::isFileName(picture))
        FUZZ_CHECK(fuzz::pathFromPage(match.captured(1)) == QStringLiteral("/dir/") + picture,
            "the link leads to the picture beside the page");
    // An image folder typed as a path of folder names (an address of the user's own,
    // such as https://example.com/thumbs/, is left as typed).
    const QStringList folders = expectedReference.split(QLatin1Char('/'));
    const bool plainFolder = std::all_of(folders.begin(), folders.end() - 1, fuzz::isFileName)
        && !folders.first().contains(QLatin1Char(':'));
    if (fuzz::isFileName(thumbnail) && plainFolder)
        FUZZ_CHECK(fuzz::pathFromPage(match.captured(2)) == QStringLiteral("/dir/") + expectedReference + thumbnail,
            "the image leads to the thumbnail in the image folder");
    return 0;
}
