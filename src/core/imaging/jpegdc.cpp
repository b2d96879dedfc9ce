// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/jpegdc.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio> // jpeglib.h needs it before it
#include <cstring>
#include <jpeglib.h>
#include <vector>

namespace quorvel::jpeg
{
namespace
{

// Codes up to this many bits are decoded with one table look-up; longer ones (rare:
// the encoder gives them to the least frequent symbols) bit by bit.
constexpr int kLookupBits = 11;
constexpr int kMaxCodeBits = 16;
// Each look-up step consumes at most a code of kLookupBits bits and 15 magnitude bits;
// a long code at most 16 + 15 bits.
constexpr int kStepBits = 32;

// A Huffman table as the decoder uses it: the fast look-up of short codes and libjpeg's
// canonical limits for the long ones.
struct HuffTable {
    // For a DC table: (code length << 8) | symbol, 0 when the code is longer than
    // kLookupBits. For an AC table: (advance << 8) | total bits, the total counting the
    // code and its magnitude bits and advance being how far the coefficient index
    // moves (r + 1 for a coefficient after r zeros, 16 for a run of 16 zeros, 64 for
    // the end of the block), 0 for a long code.
    std::array<std::uint16_t, 1 << kLookupBits> lookup {};
    std::array<std::int32_t, kMaxCodeBits + 2> maxCode {}; // largest code of each length, -1 for none
    std::array<std::int32_t, kMaxCodeBits + 2> valOffset {}; // symbol index minus code, per length
    std::array<std::uint8_t, 256> symbols {};
};

// Builds the table as libjpeg does, refusing what libjpeg refuses: more than 256 codes,
// lengths that overflow their code space, and for DC tables a symbol above 15.
bool buildTable(const JHUFF_TBL *source, bool dc, HuffTable *table)
{
    if (!source)
        return false; // libjpeg would substitute the standard table; left to it
    int count = 0;
    for (int length = 1; length <= kMaxCodeBits; ++length)
        count += source->bits[length];
    if (count > 256)
        return false;
    for (int i = 0; i < count; ++i) {
        table->symbols[size_t(i)] = source->huffval[i];
        if (dc && source->huffval[i] > 15)
            return false;
    }
    table->lookup.fill(0);
    std::int32_t code = 0;
    int index = 0;
    for (int length = 1; length <= kMaxCodeBits; ++length) {
        const int n = source->bits[length];
        table->valOffset[size_t(length)] = index - code;
        for (int i = 0; i < n; ++i, ++index, ++code) {
            if (length > kLookupBits)
                continue;
            const int symbol = table->symbols[size_t(index)];
            std::uint16_t entry = 0;
            if (dc) {
                entry = std::uint16_t(length << 8 | symbol);
            } else {
                const int run = symbol >> 4;
                const int size = symbol & 15;
                const int advance = size ? run + 1 : run == 15 ? 16 : 64;
                entry = std::uint16_t(advance << 8 | (length + size));
            }
            const int shift = kLookupBits - length;
            for (int fill = 0; fill < 1 << shift; ++fill)
                table->lookup[size_t(code << shift | fill)] = entry;
        }
        table->maxCode[size_t(length)] = n ? code - 1 : -1;
        if (code >= std::int32_t(1) << length)
            return false;
        code <<= 1;
    }
    table->maxCode[kMaxCodeBits + 1] = 0x7FFFFFFF; // ends the search of a bad code
    return true;
}

// Reads the entropy-coded bits MSB first from a bounded buffer: a stuffed 0xFF 0x00 is
// a 0xFF data byte; any other marker (or the end of the buffer) ends the data, after
// which the reader supplies zero bits. bits goes negative when more bits were consumed
// than the data held, which the caller checks once per block.
class BitReader
{
public:
    BitReader(const unsigned char *begin, const unsigned char *end)
        : m_pos(begin)
        , m_end(end)
    {
    }

    void refill()
    {
        if (m_bits >= kStepBits || m_ended)
            return;
        if (m_end - m_pos >= 8) {
            std::uint64_t word;
            std::memcpy(&word, m_pos, 8);
            // no byte is 0xFF: the whole bytes that fit can be taken at once
            const std::uint64_t inverted = ~word;
            if (((inverted - 0x0101010101010101ULL) & word & 0x8080808080808080ULL) == 0) {
                word = __builtin_bswap64(word);
                const int bytes = (63 - m_bits) >> 3;
                word = word >> (64 - 8 * bytes) << (64 - 8 * bytes);
                m_acc |= word >> m_bits;
                m_bits += 8 * bytes;
                m_pos += bytes;
                return;
            }
        }
        while (m_bits <= 56) {
            if (m_pos >= m_end) {
                m_ended = true;
                return;
            }
            unsigned byte = *m_pos;
            if (byte == 0xFF) {
                // fill bytes 0xFF may precede the stuffing zero or a marker
                const unsigned char *p = m_pos + 1;
                while (p < m_end && *p == 0xFF)
                    ++p;
                if (p >= m_end || *p != 0) {
                    m_ended = true; // a marker: m_pos stays on its first 0xFF
                    return;
                }
                m_pos = p + 1;
            } else {
                ++m_pos;
            }
            m_acc |= std::uint64_t(byte) << (56 - m_bits);
            m_bits += 8;
        }
    }

    unsigned peek(int count) const
    {
        return unsigned(m_acc >> (64 - count));
    }
    void skip(int count)
    {
        m_acc <<= count;
        m_bits -= count;
    }
    // count in 1..16
    unsigned take(int count)
    {
        const unsigned value = peek(count);
        skip(count);
        return value;
    }
    bool overrun() const
    {
        return m_bits < 0;
    }

    // After the last block of a restart interval: the bits left in the current byte are
    // padding; the next bytes must be the restart marker expected (after optional fill
    // bytes 0xFF). Anything else is for libjpeg to judge.
    bool restart(int number)
    {
        if (m_bits < 0 || m_bits > 7)
            return false;
        const unsigned char *p = m_pos;
        if (p >= m_end || *p != 0xFF)
            return false;
        while (p < m_end && *p == 0xFF)
            ++p;
        if (p >= m_end || *p != JPEG_RST0 + (number & 7))
            return false;
        m_pos = p + 1;
        m_acc = 0;
        m_bits = 0;
        m_ended = false;
        return true;
    }

private:
    const unsigned char *m_pos;
    const unsigned char *m_end;
    std::uint64_t m_acc = 0; // valid bits at the top, zeros below
    int m_bits = 0;
    bool m_ended = false;
};

// libjpeg's HUFF_EXTEND: the magnitude bits of a size-s coefficient as a signed value.
inline int extend(unsigned bits, int size)
{
    return int(bits) < 1 << (size - 1) ? int(bits) - (1 << size) + 1 : int(bits);
}

// Decodes the symbol of a code longer than the look-up (or any code, from the peek of
// 16 bits); -1 for a bad code.
int slowSymbol(BitReader &reader, const HuffTable &table)
{
    const std::int32_t bits = std::int32_t(reader.peek(kMaxCodeBits));
    int length = 1;
    while (length <= kMaxCodeBits && (bits >> (kMaxCodeBits - length)) > table.maxCode[size_t(length)])
        ++length;
    if (length > kMaxCodeBits)
        return -1;
    const std::int32_t code = bits >> (kMaxCodeBits - length);
    reader.skip(length);
    return table.symbols[size_t((code + table.valOffset[size_t(length)]) & 0xFF)];
}

// The DC difference of one block; false for a bad code.
inline bool readDc(BitReader &reader, const HuffTable &table, int *difference)
{
    reader.refill();
    const unsigned entry = table.lookup[reader.peek(kLookupBits)];
    int size;
    if (entry) {
        reader.skip(int(entry >> 8));
        size = int(entry & 0xFF);
    } else {
        size = slowSymbol(reader, table);
        if (size < 0)
            return false;
    }
    *difference = size ? extend(reader.take(size), size) : 0;
    return true;
}

// Reads past the AC coefficients of one block; false for a bad code.
inline bool skipAc(BitReader &reader, const HuffTable &table)
{
    for (int k = 1; k < DCTSIZE2;) {
        reader.refill();
        const unsigned entry = table.lookup[reader.peek(kLookupBits)];
        if (entry) {
            reader.skip(int(entry & 0xFF));
            k += int(entry >> 8);
            continue;
        }
        const int symbol = slowSymbol(reader, table);
        if (symbol < 0)
            return false;
        const int run = symbol >> 4;
        const int size = symbol & 15;
        if (size) {
            reader.skip(size);
            k += run + 1;
        } else if (run == 15) {
            k += 16;
        } else {
            break;
        }
    }
    return true;
}

// libjpeg's post-IDCT range limit: a sample is table[(x) & 1023] for the transform's
// output x (before the +128), which clamps -512..511 and wraps beyond, as libjpeg does.
struct RangeLimit {
    std::array<std::uint8_t, 1024> table {};
    RangeLimit()
    {
        for (int i = 0; i < 1024; ++i)
            table[size_t(i)] = std::uint8_t(i < 128 ? i + 128 : i < 512 ? 255 : i < 896 ? 0 : i - 896);
    }
};

// libjpeg's YCbCr to RGB conversion (jdcolor.c), 16-bit fixed point.
struct ColorTables {
    std::array<int, 256> crR {};
    std::array<int, 256> cbB {};
    std::array<std::int32_t, 256> crG {};
    std::array<std::int32_t, 256> cbG {};
    ColorTables()
    {
        constexpr int kScaleBits = 16;
        constexpr std::int32_t kHalf = std::int32_t(1) << (kScaleBits - 1);
        const auto fix = [](double x) {
            return std::int32_t(x * (1 << kScaleBits) + 0.5);
        };
        for (int i = 0; i < 256; ++i) {
            const std::int32_t x = i - 128;
            crR[size_t(i)] = int((fix(1.40200) * x + kHalf) >> kScaleBits);
            cbB[size_t(i)] = int((fix(1.77200) * x + kHalf) >> kScaleBits);
            crG[size_t(i)] = -fix(0.71414) * x;
            cbG[size_t(i)] = -fix(0.34414) * x + kHalf;
        }
    }
};

inline std::uint8_t clampSample(int v)
{
    return std::uint8_t(std::clamp(v, 0, 255));
}

struct Component {
    int index = 0; // 0 luma (or gray), 1 Cb, 2 Cr
    int h = 1;
    int v = 1;
    const HuffTable *dc = nullptr;
    const HuffTable *ac = nullptr;
    int quant = 0; // the DC quantiser as libjpeg's 1x1 transform multiplies it (16-bit)
    std::int32_t last = 0; // DC predictor
    std::vector<std::uint8_t> *plane = nullptr;
    int planeWidth = 0; // blocks per row of the plane
};

} // namespace

bool decodeDcOnly(const jpeg_decompress_struct &cinfo, const DcOutput &out)
{
    if (cinfo.progressive_mode || cinfo.arith_code || cinfo.data_precision != 8 || !cinfo.src
        || !cinfo.src->next_input_byte || !out.pixels)
        return false;
    const bool gray = cinfo.jpeg_color_space == JCS_GRAYSCALE && cinfo.num_components == 1;
    const bool ycc = cinfo.jpeg_color_space == JCS_YCbCr && cinfo.num_components == 3;
    if (!(gray && out.gray) && !(ycc && !out.gray))
        return false;
    if (cinfo.comps_in_scan != cinfo.num_components)
        return false; // one scan per component, or a progression: not ours
    if (cinfo.image_width == 0 || cinfo.image_height == 0 || JDIMENSION(out.width) != (cinfo.image_width + 7) / 8
        || JDIMENSION(out.height) != (cinfo.image_height + 7) / 8)
        return false;

    // Sampling: the luma (or the gray component) any way libjpeg allows for one
    // component, else 1 or 2 each way with chroma 1x1.
    const int maxH = ycc ? cinfo.comp_info[0].h_samp_factor : 1;
    const int maxV = ycc ? cinfo.comp_info[0].v_samp_factor : 1;
    if (ycc) {
        if (maxH < 1 || maxH > 2 || maxV < 1 || maxV > 2)
            return false;
        for (int c = 1; c < 3; ++c) {
            if (cinfo.comp_info[c].h_samp_factor != 1 || cinfo.comp_info[c].v_samp_factor != 1)
                return false;
        }
    }

    // Tables, per component in scan order.
    std::vector<HuffTable> tables(size_t(2 * NUM_HUFF_TBLS));
    std::array<bool, 2 * NUM_HUFF_TBLS> built {};
    const auto table = [&](bool dc, int number) -> const HuffTable * {
        if (number < 0 || number >= NUM_HUFF_TBLS)
            return nullptr;
        const size_t slot = size_t(dc ? number : NUM_HUFF_TBLS + number);
        if (!built[slot]) {
            if (!buildTable(dc ? cinfo.dc_huff_tbl_ptrs[number] : cinfo.ac_huff_tbl_ptrs[number], dc, &tables[slot]))
                return nullptr;
            built[slot] = true;
        }
        return &tables[slot];
    };

    // MCU geometry: a one-component scan has one block per MCU, row by row over the
    // component's blocks; an interleaved scan h x v blocks of each component.
    const int mcuCols = gray ? int((cinfo.image_width + 7) / 8) : int((cinfo.image_width + 8 * maxH - 1) / (8 * maxH));
    const int mcuRows =
        gray ? int((cinfo.image_height + 7) / 8) : int((cinfo.image_height + 8 * maxV - 1) / (8 * maxV));

    std::array<std::vector<std::uint8_t>, 3> planes;
    std::array<Component, MAX_COMPS_IN_SCAN> scan {};
    for (int i = 0; i < cinfo.comps_in_scan; ++i) {
        const jpeg_component_info *info = cinfo.cur_comp_info[i];
        if (!info || info->component_index < 0 || info->component_index >= cinfo.num_components)
            return false;
        Component &c = scan[size_t(i)];
        c.index = info->component_index;
        c.h = gray ? 1 : info->h_samp_factor;
        c.v = gray ? 1 : info->v_samp_factor;
        c.dc = table(true, info->dc_tbl_no);
        c.ac = table(false, info->ac_tbl_no);
        if (!c.dc || !c.ac || info->quant_tbl_no < 0 || info->quant_tbl_no >= NUM_QUANT_TBLS)
            return false;
        const JQUANT_TBL *quant = cinfo.quant_tbl_ptrs[info->quant_tbl_no];
        if (!quant)
            return false;
        c.quant = std::int16_t(quant->quantval[0]);
        for (int j = 0; j < i; ++j) {
            if (scan[size_t(j)].index == c.index)
                return false;
        }
        c.plane = &planes[size_t(c.index)];
        c.planeWidth = mcuCols * c.h;
        c.plane->assign(size_t(c.planeWidth) * size_t(mcuRows * c.v), 0);
    }

    static const RangeLimit range;
    const std::uint8_t *limit = range.table.data();
    const unsigned char *data = cinfo.src->next_input_byte;
    BitReader reader(data, data + cinfo.src->bytes_in_buffer);
    const unsigned restartInterval = cinfo.restart_interval;
    unsigned restartsToGo = restartInterval;
    int nextRestart = 0;
    const int comps = cinfo.comps_in_scan;

    for (int row = 0; row < mcuRows; ++row) {
        for (int col = 0; col < mcuCols; ++col) {
            if (restartInterval) {
                if (restartsToGo == 0) {
                    if (!reader.restart(nextRestart))
                        return false;
                    nextRestart = (nextRestart + 1) & 7;
                    restartsToGo = restartInterval;
                    for (int i = 0; i < comps; ++i)
                        scan[size_t(i)].last = 0;
                }
                --restartsToGo;
            }
            for (int i = 0; i < comps; ++i) {
                Component &c = scan[size_t(i)];
                for (int by = 0; by < c.v; ++by) {
                    std::uint8_t *dst =
                        c.plane->data() + size_t(row * c.v + by) * size_t(c.planeWidth) + size_t(col * c.h);
                    for (int bx = 0; bx < c.h; ++bx) {
                        int difference;
                        if (!readDc(reader, *c.dc, &difference) || !skipAc(reader, *c.ac) || reader.overrun())
                            return false;
                        // libjpeg keeps the predictor in an int (wrapping) and the
                        // coefficient in 16 bits
                        c.last = std::int32_t(std::uint32_t(c.last) + std::uint32_t(difference));
                        const int value = int(std::int16_t(c.last)) * c.quant;
                        dst[bx] = limit[((value + 4) >> 3) & 1023];
                    }
                }
            }
        }
    }

    // The planes hold the blocks' 1/8-scale samples. Gray and luma map one to one.
    const std::vector<std::uint8_t> &luma = planes[0];
    const int lumaWidth = mcuCols * maxH;
    if (gray) {
        for (int y = 0; y < out.height; ++y)
            std::memcpy(out.pixels + size_t(y) * out.bytesPerLine,
                luma.data() + size_t(y) * size_t(lumaWidth),
                size_t(out.width));
        return true;
    }

    // Chroma at the luma's resolution: 1x1 as it is; half width or height widened the way
    // libjpeg's upsampler would (smooth or repeated); half both ways (where libjpeg
    // itself computes the chroma from a 2x2 transform) smoothly, by the triangle filter.
    static const ColorTables color;
    const int chromaWidth = mcuCols;
    const int chromaRows = mcuRows;
    std::vector<std::uint8_t> cbRow(size_t(out.width));
    std::vector<std::uint8_t> crRow(size_t(out.width));
    const auto upsample = [&](const std::vector<std::uint8_t> &plane, int y, std::uint8_t *dst) {
        if (maxH == 1 && maxV == 1) {
            std::memcpy(dst, plane.data() + size_t(y) * size_t(chromaWidth), size_t(out.width));
            return;
        }
        const int i = maxV == 2 ? y >> 1 : y;
        const std::uint8_t *near = plane.data() + size_t(i) * size_t(chromaWidth);
        if (maxV == 1) {
            for (int x = 0; x < out.width; ++x) {
                const int j = x >> 1;
                if (!out.fancyUpsampling) {
                    dst[x] = near[j];
                } else if (x & 1) {
                    dst[x] = std::uint8_t((3 * near[j] + near[std::min(j + 1, chromaWidth - 1)] + 2) >> 2);
                } else {
                    dst[x] = std::uint8_t((3 * near[j] + near[std::max(j - 1, 0)] + 1) >> 2);
                }
            }
            return;
        }
        const int other = (y & 1) ? std::min(i + 1, chromaRows - 1) : std::max(i - 1, 0);
        const std::uint8_t *far = plane.data() + size_t(other) * size_t(chromaWidth);
        if (maxH == 1) {
            const int bias = (y & 1) ? 2 : 1;
            for (int x = 0; x < out.width; ++x)
                dst[x] = out.fancyUpsampling ? std::uint8_t((3 * near[x] + far[x] + bias) >> 2) : near[x];
            return;
        }
        for (int x = 0; x < out.width; ++x) {
            const int j = x >> 1;
            const int k = (x & 1) ? std::min(j + 1, chromaWidth - 1) : std::max(j - 1, 0);
            const int sum = 3 * (3 * near[j] + far[j]) + 3 * near[k] + far[k];
            dst[x] = std::uint8_t((sum + ((x & 1) ? 7 : 8)) >> 4);
        }
    };
    for (int y = 0; y < out.height; ++y) {
        upsample(planes[1], y, cbRow.data());
        upsample(planes[2], y, crRow.data());
        const std::uint8_t *ySrc = luma.data() + size_t(y) * size_t(lumaWidth);
        unsigned char *dst = out.pixels + size_t(y) * out.bytesPerLine;
        for (int x = 0; x < out.width; ++x, dst += 3) {
            const int yy = ySrc[x];
            const int cb = cbRow[size_t(x)];
            const int cr = crRow[size_t(x)];
            dst[0] = clampSample(yy + color.crR[size_t(cr)]);
            dst[1] = clampSample(yy + int((color.cbG[size_t(cb)] + color.crG[size_t(cr)]) >> 16));
            dst[2] = clampSample(yy + color.cbB[size_t(cb)]);
        }
    }
    return true;
}

} // namespace quorvel::jpeg
