// SPDX-License-Identifier: GPL-3.0-or-later
// The JPEG codec's fast path for 1/8-scale decodes of baseline files. At 1/8 every output
// pixel of a block is that block's DC value, so the scan is read for its DC coefficients
// only: the AC codes are skipped, two at a time where they are short, without being
// stored, and there is no per-block transform or buffer. The one exception is chroma
// stored at half the luma's width and height (4:2:0), which libjpeg outputs through a
// 2x2 transform of the block's low coefficients: those are read and transformed as
// libjpeg does. Internal to jpegcodec.cpp.
#pragma once

#include <cstddef>
#include <cstdint>

struct jpeg_decompress_struct;

namespace quorvel::jpeg
{

/// Where the fast path writes its picture: rows of width x height pixels, 3 bytes (RGB)
/// or 1 byte (gray) each, bytesPerLine apart.
struct DcOutput {
    unsigned char *pixels = nullptr;
    std::size_t bytesPerLine = 0;
    int width = 0;
    int height = 0;
    bool gray = false;
    std::uint64_t memoryLimit = 0; ///< the memory libjpeg may use for the decode
};

/// Decodes the 1/8-scale picture of a baseline sequential, Huffman-coded, 8-bit JPEG
/// whose header cinfo has just read (jpeg_read_header, with the scale 1/8 set), from
/// the entropy-coded data its source holds in memory (jpeg_mem_src). Handles grayscale
/// and YCbCr pictures whose one scan holds every component, the luma sampled 1x1, 2x1,
/// 1x2 or 2x2 and the chroma 1x1, with or without restart intervals. The picture is
/// bit-identical to libjpeg's 1/8 decode (to RGB or gray, whatever the upsampling and
/// transform options, which libjpeg does not use at that scale).
///
/// Returns false, having written nothing the caller may use, for anything else: other
/// kinds of file, missing or invalid tables, a bad Huffman code, data that ends (or
/// meets a marker) before the last block, a restart marker out of sequence. The caller
/// then decodes with libjpeg, which reports or tolerates each of these its own way.
/// Reads only inside the source's buffer, whatever it holds.
bool decodeDcOnly(const jpeg_decompress_struct &cinfo, const DcOutput &out);

/// The same for a progressive Huffman-coded 8-bit file, the same layouts: reads the DC
/// scans until every component's DC has all its bits, passes over the AC scans without
/// decoding them (but for 4:2:0 chroma, whose first AC scans before that point are read
/// for the coefficients libjpeg's 2x2 transform uses) and stops there, holding only
/// what the 1/8 picture needs (libjpeg keeps every coefficient of the picture). The
/// picture is bit-identical to libjpeg's 1/8 decode output after those scans. Takes in
/// the tables and restart intervals of the segments between scans; returns false as
/// decodeDcOnly does, and also for a file that ends before its DC is complete, that
/// refines 4:2:0 chroma AC bits before then, or that has a quantisation table or
/// anything but tables, restart intervals, comments and application data between scans.
bool decodeProgressiveDc(const jpeg_decompress_struct &cinfo, const DcOutput &out);

} // namespace quorvel::jpeg
