// SPDX-License-Identifier: GPL-3.0-or-later
// The PNG wrapper alone, and the same bytes through Thumbnailer (see fuzzpicture.h).
#include "fuzzpicture.h"
#include "imaging/pngcodec.h"

using namespace quorvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray file = fuzz::bytesOf(data, size);
    fuzz::checkStored(png::decode(file, Thumbnailer::kMaxDecodedPixels));
    fuzz::checkThumbnail(file);
    return 0;
}
