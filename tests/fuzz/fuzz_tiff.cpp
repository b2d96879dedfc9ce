// SPDX-License-Identifier: GPL-3.0-or-later
// The TIFF wrapper alone, and the same bytes through Thumbnailer (see fuzzpicture.h).
#include "fuzzpicture.h"
#include "imaging/tiffcodec.h"

using namespace quorvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray file = fuzz::bytesOf(data, size);
    fuzz::checkStored(
        tiff::decode(file, Thumbnailer::kMaxDecodedPixels, file.isEmpty() ? 0 : uchar(file.back()) % 200));
    fuzz::checkThumbnail(file);
    return 0;
}
