// SPDX-License-Identifier: GPL-3.0-or-later
// The web album's record, .quorvel-album.json: any bytes read as a record or refused
// with a reason; a record read names only files inside the album folder, each picture
// once, and written and read back it is the same record, written the same.
#include "album/albummanifest.h"
#include "fuzzcheck.h"

using namespace quorvel;
using namespace quorvel::album;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QString error;
    const std::optional<Manifest> manifest = Manifest::fromJson(fuzz::bytesOf(data, size), &error);
    if (!manifest) {
        FUZZ_CHECK(!error.isEmpty(), "a refusal says why");
        return 0;
    }
    for (const QString &file : manifest->ownFiles())
        FUZZ_CHECK(isAlbumPath(file), "every file is inside the album folder");
    QSet<QString> names;
    for (const ManifestPicture &picture : manifest->pictures) {
        FUZZ_CHECK(!picture.name.isEmpty() && !names.contains(picture.name), "each picture has a name of its own");
        names.insert(picture.name);
    }
    const QByteArray written = manifest->toJson();
    const std::optional<Manifest> again = Manifest::fromJson(written, &error);
    FUZZ_CHECK(again.has_value(), "a record written reads back");
    FUZZ_CHECK(again->settings == manifest->settings && again->builtAt == manifest->builtAt
            && again->pictures == manifest->pictures && again->pageFiles == manifest->pageFiles
            && again->pending == manifest->pending,
        "a record reads back the same");
    FUZZ_CHECK(again->toJson() == written, "a record read back is written the same");
    return 0;
}
