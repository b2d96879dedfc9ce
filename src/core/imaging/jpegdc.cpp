// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/jpegdc.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio> // jpeglib.h needs it before it
#include <cstring>
#include <jpeglib.h>
#include <memory>
#include <vector>

namespace quorvel::jpeg
{
namespace
{

// Codes up to this many bits are decoded with one table look-up; longer ones (rare:
// the encoder gives them to the least frequent symbols) bit by bit.
constexpr int kLookupBits = 11;
constexpr int kMaxCodeBits = 16;
// A look-up step consumes at most kLookupBits bits of codes and 15 magnitude bits; a
// long code at most 16 + 15 bits. The reader keeps at least kStepBits bits at hand.
constexpr int kLookupStepBits = kLookupBits + 15;
constexpr int kStepBits = 32;

// A Huffman table as the decoder uses it: the fast look-up of short codes and libjpeg's
// canonical limits for the long ones.
struct HuffTable {
    // Indexed by the next kLookupBits bits; 0 when they start with a longer code.
    // (code length << 8) | symbol.
    std::array<std::uint16_t, 1 << kLookupBits> single {};
    // For an AC table, what reading a coefficient needs: the total bits of code and
    // magnitude in bits 0-7, the code length in bits 8-15, the symbol in bits 16-23.
    std::array<std::uint32_t, 1 << kLookupBits> coefficient {};
    // For an AC table, what skipping needs: the symbols whose codes the look-up holds
    // whole (up to and including an end of block) are skipped at once. Their total bits
    // (codes and magnitudes) in bits 0-7, their total advance in bits 8-15, the advance
    // of all but the last in bits 16-23. A symbol's advance is how far the coefficient
    // index moves: r + 1 for a coefficient after r zeros, 16 for a run of 16 zeros, 64 for
    // the end of the block.
    std::array<std::uint32_t, 1 << kLookupBits> lookup {};
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
    // per look-up index: the first code's length and symbol (length 0: a longer code)
    std::array<std::uint8_t, 1 << kLookupBits> codeLength {};
    std::array<std::uint8_t, 1 << kLookupBits> codeSymbol {};
    std::int32_t code = 0;
    int index = 0;
    for (int length = 1; length <= kMaxCodeBits; ++length) {
        const int n = source->bits[length];
        table->valOffset[size_t(length)] = index - code;
        // more codes than the length has room for (libjpeg refuses the table too)
        if (code + n > std::int32_t(1) << length)
            return false;
        for (int i = 0; i < n; ++i, ++index, ++code) {
            if (length > kLookupBits)
                continue;
            const int shift = kLookupBits - length;
            for (int fill = 0; fill < 1 << shift; ++fill) {
                codeLength[size_t(code << shift | fill)] = std::uint8_t(length);
                codeSymbol[size_t(code << shift | fill)] = table->symbols[size_t(index)];
            }
        }
        table->maxCode[size_t(length)] = n ? code - 1 : -1;
        if (code >= std::int32_t(1) << length)
            return false;
        code <<= 1;
    }
    table->maxCode[kMaxCodeBits + 1] = 0x7FFFFFFF;

    const auto advanceOf = [](int symbol) {
        const int run = symbol >> 4;
        return (symbol & 15) ? run + 1 : run == 15 ? 16 : 64;
    };
    constexpr unsigned kMask = (1u << kLookupBits) - 1;
    for (unsigned i = 0; i <= kMask; ++i) {
        const int length = codeLength[i];
        const int symbol = codeSymbol[i];
        table->single[i] = length ? std::uint16_t(length << 8 | symbol) : 0;
        table->coefficient[i] = length ? std::uint32_t((length + (symbol & 15)) | length << 8 | symbol << 16) : 0;
        if (dc || length == 0)
            continue;
        // as many whole symbols as the look-up holds, stopping after an end of block
        unsigned bits = 0;
        unsigned advance = 0;
        unsigned advanceBeforeLast = 0;
        while (bits < unsigned(kLookupBits)) {
            const unsigned next = (i << bits) & kMask; // the rest of the look-up, zeros after
            const int nextLength = codeLength[next];
            if (nextLength == 0 || bits + unsigned(nextLength) > unsigned(kLookupBits))
                break;
            const int nextSymbol = codeSymbol[next];
            advanceBeforeLast = advance;
            advance += unsigned(advanceOf(nextSymbol));
            bits += unsigned(nextLength + (nextSymbol & 15));
            if (advanceOf(nextSymbol) == 64)
                break;
        }
        table->lookup[i] = bits | advance << 8 | advanceBeforeLast << 16;
    }
    return true;
}

// The state of the bit reader, kept by value so that the decoding loops hold it in
// registers: valid bits at the top of acc (zeros below), pos the next byte to read.
// Once the data ends (at a marker other than a stuffed 0xFF 0x00, or at the end of the
// buffer) the reader supplies zero bits, and bits goes negative when more were
// consumed than the data held; the caller checks that once per block.
struct Bits {
    std::uint64_t acc = 0;
    int bits = 0;
    bool ended = false;
    const unsigned char *pos = nullptr;
};

// Byte by byte, with the stuffing and markers.
[[gnu::noinline]] Bits refillSlow(Bits s, const unsigned char *end)
{
    while (s.bits <= 56) {
        if (s.pos >= end) {
            s.ended = true;
            return s;
        }
        const unsigned byte = *s.pos;
        if (byte == 0xFF) {
            // fill bytes 0xFF may precede the stuffing zero or a marker
            const unsigned char *p = s.pos + 1;
            while (p < end && *p == 0xFF)
                ++p;
            if (p >= end || *p != 0) {
                s.ended = true; // a marker: pos stays on its first 0xFF
                return s;
            }
            s.pos = p + 1;
        } else {
            ++s.pos;
        }
        s.acc |= std::uint64_t(byte) << (56 - s.bits);
        s.bits += 8;
    }
    return s;
}

// Makes at least kStepBits bits available, unless the data has ended.
// Makes at least `wanted` bits (at most 56) available, unless the data has ended.
[[gnu::always_inline]] inline void refill(Bits &s, const unsigned char *end, int wanted = kStepBits)
{
    if (s.bits >= wanted || s.ended)
        return;
    if (end - s.pos >= 8) {
        std::uint64_t word;
        std::memcpy(&word, s.pos, 8);
        // no byte is 0xFF: the whole bytes that fit can be taken at once
        if (((~word - 0x0101010101010101ULL) & word & 0x8080808080808080ULL) == 0) {
            word = __builtin_bswap64(word);
            const int bytes = (63 - s.bits) >> 3;
            word = word >> (64 - 8 * bytes) << (64 - 8 * bytes);
            s.acc |= word >> s.bits;
            s.bits += 8 * bytes;
            s.pos += bytes;
            return;
        }
    }
    s = refillSlow(s, end);
}

[[gnu::always_inline]] inline void skip(Bits &s, int count)
{
    s.acc <<= count;
    s.bits -= count;
}

// count in 1..16
[[gnu::always_inline]] inline unsigned take(Bits &s, int count)
{
    const unsigned value = unsigned(s.acc >> (64 - count));
    skip(s, count);
    return value;
}

// After the last block of a restart interval: the bits left in the current byte are
// padding; the next bytes must be the restart marker expected (after optional fill
// bytes 0xFF). Anything else is for libjpeg to judge.
bool restart(Bits &s, const unsigned char *end, int number)
{
    if (s.bits < 0 || s.bits > 7)
        return false;
    const unsigned char *p = s.pos;
    if (p >= end || *p != 0xFF)
        return false;
    while (p < end && *p == 0xFF)
        ++p;
    if (p >= end || *p != JPEG_RST0 + (number & 7))
        return false;
    s = Bits();
    s.pos = p + 1;
    return true;
}

// libjpeg's HUFF_EXTEND: the magnitude bits of a size-s coefficient as a signed value.
inline int extend(unsigned bits, int size)
{
    return int(bits) < 1 << (size - 1) ? int(bits) - (1 << size) + 1 : int(bits);
}

// Decodes the symbol of a code longer than the look-up, the code being at the top of
// acc; returns (length << 8) | symbol, or -1 for a bad code.
[[gnu::noinline]] int slowSymbol(std::uint64_t acc, const HuffTable &table)
{
    const std::int32_t bits = std::int32_t(acc >> (64 - kMaxCodeBits));
    int length = 1;
    while (length <= kMaxCodeBits && (bits >> (kMaxCodeBits - length)) > table.maxCode[size_t(length)])
        ++length;
    if (length > kMaxCodeBits)
        return -1;
    const std::int32_t code = bits >> (kMaxCodeBits - length);
    return length << 8 | table.symbols[size_t((code + table.valOffset[size_t(length)]) & 0xFF)];
}

// The DC difference of one block; false for a bad code.
[[gnu::always_inline]] inline bool readDc(Bits &s, const unsigned char *end, const HuffTable &table, int *difference)
{
    refill(s, end);
    int entry = table.single[s.acc >> (64 - kLookupBits)];
    if (!entry) {
        entry = slowSymbol(s.acc, table);
        if (entry < 0)
            return false;
    }
    skip(s, entry >> 8);
    const int size = entry & 0xFF;
    *difference = size ? extend(take(s, size), size) : 0;
    return true;
}

// Reads past the AC coefficients of one block; false for a bad code.
[[gnu::always_inline]] inline bool skipAc(Bits &s, const unsigned char *end, const HuffTable &table)
{
    // one look-up step: false for a code longer than the look-up
    const auto step = [&](int &k) {
        const unsigned index = unsigned(s.acc >> (64 - kLookupBits));
        const std::uint32_t entry = table.lookup[index];
        if (!entry)
            return false;
        if (__builtin_expect(k + int(entry >> 16) >= DCTSIZE2, 0)) {
            // a symbol before the last fills the block: the rest belongs to the next
            // block, so this step takes the first symbol only
            const std::uint32_t first = table.coefficient[index];
            const int symbol = int(first >> 16);
            skip(s, int(first & 0xFF));
            k += (symbol & 15) ? (symbol >> 4) + 1 : (symbol >> 4) == 15 ? 16 : DCTSIZE2;
            return true;
        }
        skip(s, int(entry & 0xFF));
        k += int((entry >> 8) & 0xFF);
        return true;
    };
    for (int k = 1; k < DCTSIZE2;) {
        refill(s, end, 2 * kLookupStepBits);
        if (step(k)) {
            if (k < DCTSIZE2)
                step(k);
            continue;
        }
        const int found = slowSymbol(s.acc, table);
        if (found < 0)
            return false;
        skip(s, found >> 8);
        const int run = (found >> 4) & 15;
        const int size = found & 15;
        if (size) {
            skip(s, size);
            k += run + 1;
        } else if (run == 15) {
            k += 16;
        } else {
            break;
        }
    }
    return true;
}

// Chroma stored at half the luma's width and height is output by libjpeg at 1/8 scale
// through a 2x2 inverse transform, which reads the coefficients of rows and columns
// 0, 1, 3, 5 and 7. kSlot maps the zigzag index (and the overshoot past 63 that libjpeg
// stores at 63) to that coefficient's slot among the 25, or -1.
constexpr std::array<int, DCTSIZE2> kNaturalOrder = { 0,
    1,
    8,
    16,
    9,
    2,
    3,
    10,
    17,
    24,
    32,
    25,
    18,
    11,
    4,
    5,
    12,
    19,
    26,
    33,
    40,
    48,
    41,
    34,
    27,
    20,
    13,
    6,
    7,
    14,
    21,
    28,
    35,
    42,
    49,
    56,
    57,
    50,
    43,
    36,
    29,
    22,
    15,
    23,
    30,
    37,
    44,
    51,
    58,
    59,
    52,
    45,
    38,
    31,
    39,
    46,
    53,
    60,
    61,
    54,
    47,
    55,
    62,
    63 };
constexpr int kTransformSize = 5; // rows (and columns) 0, 1, 3, 5, 7
constexpr int transformIndex(int rowOrColumn)
{
    return rowOrColumn == 0 ? 0 : (rowOrColumn & 1) ? (rowOrColumn + 1) / 2 : -1;
}
constexpr std::array<std::int16_t, DCTSIZE2 + 16> kSlot = [] {
    std::array<std::int16_t, DCTSIZE2 + 16> slots {};
    for (int k = 0; k < DCTSIZE2 + 16; ++k) {
        const int natural = kNaturalOrder[size_t(std::min(k, DCTSIZE2 - 1))];
        const int row = transformIndex(natural / DCTSIZE);
        const int column = transformIndex(natural % DCTSIZE);
        slots[size_t(k)] = std::int16_t(row < 0 || column < 0 ? -1 : row * kTransformSize + column);
    }
    return slots;
}();

// Where readAc2x2 stores a coefficient: its slot, or kDiscard for one the transform
// does not use (and for runs of zeros and the end of the block, which store nothing).
constexpr int kDiscard = kTransformSize * kTransformSize;
constexpr std::array<std::int8_t, DCTSIZE2 + 16> kStoreSlot = [] {
    std::array<std::int8_t, DCTSIZE2 + 16> slots {};
    for (int k = 0; k < DCTSIZE2 + 16; ++k)
        slots[size_t(k)] = std::int8_t(kSlot[size_t(k)] < 0 ? kDiscard : kSlot[size_t(k)]);
    return slots;
}();

// Reads the AC coefficients of one block into coefficients (kDiscard + 1 of them),
// keeping those the 2x2 transform uses as libjpeg's 16-bit values; false for a bad
// code. Without branches but the loop's: chroma blocks have few coefficients, mostly
// ones the transform uses, so what costs is the symbols' unpredictable kinds.
[[gnu::always_inline]] inline bool readAc2x2(
    Bits &s, const unsigned char *end, const HuffTable &table, std::int16_t *coefficients)
{
    for (int k = 1; k < DCTSIZE2;) {
        refill(s, end);
        std::uint32_t entry = table.coefficient[s.acc >> (64 - kLookupBits)];
        if (__builtin_expect(!entry, 0)) {
            const int found = slowSymbol(s.acc, table);
            if (found < 0)
                return false;
            entry = std::uint32_t(((found >> 8) + (found & 15)) | (found & 0xFF00) | (found & 0xFF) << 16);
        }
        const int length = int((entry >> 8) & 0xFF);
        const int run = int(entry >> 20) & 15;
        const int size = int(entry >> 16) & 15;
        // the magnitude bits (none for size 0: the shift pushes out the top bit too)
        const unsigned raw = unsigned(((s.acc << length) >> 1) >> (63 - size));
        skip(s, int(entry & 0xFF));
        const int threshold = (1 << size) >> 1;
        const int value = int(raw) < threshold ? int(raw) - (1 << size) + 1 : int(raw);
        // a coefficient after run zeros, a run of 16 zeros, or the end of the block
        const int at = size ? k + run : 0;
        coefficients[kStoreSlot[size_t(at)]] = std::int16_t(value);
        k += size ? run + 1 : run == 15 ? 16 : DCTSIZE2;
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

// libjpeg's reduced 2x2 inverse transform (the LL&M algorithm cut to two outputs each
// way, 13-bit constants, 2 extra bits between the passes), on the 25 coefficients of
// rows and columns 0, 1, 3, 5, 7 dequantised with the component's 16-bit multipliers.
// Writes the 2x2 samples at out[0], out[1], out[stride], out[stride + 1].
//
// libjpeg runs this transform in vector code where the processor has it, in 16-bit
// lanes that saturate, while its C code (and this) wraps out-of-range values instead:
// the two agree only within the range real pictures stay in. A dequantised coefficient
// beyond +-2047 (8-bit samples give at most about +-1450) or an output beyond -512..511
// (the span the range limit clamps) returns false, and the picture is left to libjpeg.
bool transform2x2(const std::int16_t *coefficients,
    const std::int16_t *quant,
    const std::uint8_t *limit,
    std::uint8_t *out,
    std::size_t stride)
{
    constexpr int kConstBits = 13;
    constexpr int kPass1Bits = 2;
    constexpr std::int64_t kMaxCoefficient = 2047;
    constexpr std::int64_t k0720959822 = 5906;
    constexpr std::int64_t k0850430095 = 6967;
    constexpr std::int64_t k1272758580 = 10426;
    constexpr std::int64_t k3624509785 = 29692;
    const auto descale = [](std::int64_t x, int n) {
        return (x + (std::int64_t(1) << (n - 1))) >> n;
    };
    const auto odd = [&](std::int64_t c1, std::int64_t c3, std::int64_t c5, std::int64_t c7) {
        return c7 * -k0720959822 + c5 * k0850430095 + c3 * -k1272758580 + c1 * k3624509785;
    };
    const auto inRange = [](std::int64_t x) {
        return x >= -512 && x <= 511;
    };
    // The usual chroma block has no AC coefficient the transform reads: all four samples
    // are then the DC's, through the same arithmetic.
    std::int16_t any = 0;
    for (int i = 1; i < kTransformSize * kTransformSize; ++i)
        any |= coefficients[i];
    if (!any) {
        const std::int64_t dc = std::int64_t(coefficients[0]) * quant[0];
        if (dc < -kMaxCoefficient || dc > kMaxCoefficient)
            return false;
        const std::int64_t x = descale(dc * (1 << kPass1Bits), kPass1Bits + 3);
        out[0] = out[1] = out[stride] = out[stride + 1] = limit[int(x) & 1023];
        return true;
    }
    std::int64_t work[2][kTransformSize];
    for (int column = 0; column < kTransformSize; ++column) {
        std::int64_t z[kTransformSize];
        for (int row = 0; row < kTransformSize; ++row) {
            z[row] = std::int64_t(coefficients[row * kTransformSize + column]) * quant[row * kTransformSize + column];
            if (z[row] < -kMaxCoefficient || z[row] > kMaxCoefficient)
                return false;
        }
        const std::int64_t even = z[0] * (std::int64_t(1) << (kConstBits + 2));
        const std::int64_t sum = odd(z[1], z[2], z[3], z[4]);
        work[0][column] = descale(even + sum, kConstBits - kPass1Bits + 2);
        work[1][column] = descale(even - sum, kConstBits - kPass1Bits + 2);
    }
    std::int64_t samples[2][2];
    for (int row = 0; row < 2; ++row) {
        const std::int64_t *w = work[row];
        const std::int64_t even = w[0] * (std::int64_t(1) << (kConstBits + 2));
        const std::int64_t sum = odd(w[1], w[2], w[3], w[4]);
        constexpr int kShift = kConstBits + kPass1Bits + 3 + 2;
        samples[row][0] = descale(even + sum, kShift);
        samples[row][1] = descale(even - sum, kShift);
        if (!inRange(samples[row][0]) || !inRange(samples[row][1]))
            return false;
    }
    for (int row = 0; row < 2; ++row) {
        out[std::size_t(row) * stride] = limit[int(samples[row][0]) & 1023];
        out[std::size_t(row) * stride + 1] = limit[int(samples[row][1]) & 1023];
    }
    return true;
}

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
            return std::int32_t(std::lround(x * (1 << kScaleBits)));
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
    int planeWidth = 0; // samples per row of the plane
    bool twoByTwo = false; // output through the 2x2 transform (4:2:0 chroma)
    std::array<std::int16_t, kTransformSize * kTransformSize> quant2x2 {}; // its multipliers
};

// Decodes one block of 4:2:0 chroma into its 2x2 samples at out. Takes and returns the
// reader's state by value, so the luma's loop keeps its own in registers; a bad code or
// values out of range give bits < 0, as running out of data does.
[[gnu::noinline]] Bits chromaBlock2x2(
    Bits s, const unsigned char *end, Component &c, const std::uint8_t *limit, std::uint8_t *out)
{
    int difference;
    // 32 rather than kDiscard + 1: zeroed by a few vector stores
    alignas(16) std::int16_t coefficients[32];
    std::memset(coefficients, 0, sizeof coefficients);
    if (!readDc(s, end, *c.dc, &difference) || !readAc2x2(s, end, *c.ac, coefficients)) {
        s.bits = -1;
        return s;
    }
    c.last = std::int32_t(std::uint32_t(c.last) + std::uint32_t(difference));
    coefficients[0] = std::int16_t(c.last);
    if (!transform2x2(coefficients, c.quant2x2.data(), limit, out, size_t(c.planeWidth)))
        s.bits = -1;
    return s;
}

// Writes the picture from the planes of 1/8-scale samples: gray and luma map one to
// one; chroma 1x1 and 2x2 (from the 2x2 transform) as it is, half width or height
// repeated, as libjpeg's upsampler does at 1/8 scale (where it never interpolates).
void writePicture(const std::array<std::vector<std::uint8_t>, 3> &planes,
    bool gray,
    int maxH,
    int maxV,
    bool chroma2x2,
    int mcuCols,
    const DcOutput &out)
{
    // The planes hold the blocks' 1/8-scale samples. Gray and luma map one to one.
    const std::vector<std::uint8_t> &luma = planes[0];
    const int lumaWidth = mcuCols * maxH;
    if (gray) {
        for (int y = 0; y < out.height; ++y)
            std::memcpy(out.pixels + size_t(y) * out.bytesPerLine,
                luma.data() + size_t(y) * size_t(lumaWidth),
                size_t(out.width));
        return;
    }

    // Chroma at the luma's resolution: 1x1 and 2x2 (from the 2x2 transform) as it is;
    // half width or height repeated, as libjpeg's upsampler does at 1/8 scale (where it
    // never interpolates).
    static const ColorTables color;
    const bool fullChroma = (maxH == 1 && maxV == 1) || chroma2x2;
    const int chromaWidth = chroma2x2 ? mcuCols * 2 : mcuCols;
    std::vector<std::uint8_t> cbRow(size_t(out.width));
    std::vector<std::uint8_t> crRow(size_t(out.width));
    const auto upsample = [&](const std::vector<std::uint8_t> &plane, int y, std::uint8_t *dst) {
        const std::uint8_t *row = plane.data() + size_t(fullChroma || maxV == 1 ? y : y >> 1) * size_t(chromaWidth);
        if (fullChroma || maxH == 1) {
            std::memcpy(dst, row, size_t(out.width));
            return;
        }
        for (int x = 0; x < out.width; ++x)
            dst[x] = row[x >> 1];
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
}

// The picture layouts the DC readers take, and what the output must be for them.
struct Layout {
    bool gray = false;
    bool ycc = false;
    int maxH = 1;
    int maxV = 1;
    bool chroma2x2 = false; // chroma at half the luma's width and height
};

// Gray, or YCbCr with the luma sampled 1 or 2 each way and the chroma 1x1, into an
// output of the 1/8 size and the matching format; false for anything else.
bool takeLayout(const jpeg_decompress_struct &cinfo, const DcOutput &out, Layout *layout)
{
    layout->gray = cinfo.jpeg_color_space == JCS_GRAYSCALE && cinfo.num_components == 1;
    layout->ycc = cinfo.jpeg_color_space == JCS_YCbCr && cinfo.num_components == 3;
    if (!(layout->gray && out.gray) && !(layout->ycc && !out.gray))
        return false;
    if (cinfo.image_width == 0 || cinfo.image_height == 0 || JDIMENSION(out.width) != (cinfo.image_width + 7) / 8
        || JDIMENSION(out.height) != (cinfo.image_height + 7) / 8)
        return false;
    if (!layout->ycc)
        return true; // the gray component: any sampling, one block per MCU
    layout->maxH = cinfo.comp_info[0].h_samp_factor;
    layout->maxV = cinfo.comp_info[0].v_samp_factor;
    if (layout->maxH < 1 || layout->maxH > 2 || layout->maxV < 1 || layout->maxV > 2)
        return false;
    for (int c = 1; c < 3; ++c) {
        if (cinfo.comp_info[c].h_samp_factor != 1 || cinfo.comp_info[c].v_samp_factor != 1)
            return false;
    }
    layout->chroma2x2 = layout->maxH == 2 && layout->maxV == 2;
    return true;
}

} // namespace

bool decodeDcOnly(const jpeg_decompress_struct &cinfo, const DcOutput &out)
{
    if (cinfo.progressive_mode || cinfo.arith_code || cinfo.data_precision != 8 || !cinfo.src
        || !cinfo.src->next_input_byte || !out.pixels)
        return false;
    if (cinfo.comps_in_scan != cinfo.num_components)
        return false; // one scan per component, or a progression: not ours
    Layout layout;
    if (!takeLayout(cinfo, out, &layout))
        return false;
    const auto [gray, ycc, maxH, maxV, chroma2x2] = layout;
    // Tables, per component in scan order.
    std::array<std::unique_ptr<HuffTable>, 2 * NUM_HUFF_TBLS> tables;
    const auto table = [&](bool dc, int number) -> const HuffTable * {
        if (number < 0 || number >= NUM_HUFF_TBLS)
            return nullptr;
        std::unique_ptr<HuffTable> &slot = tables[size_t(dc ? number : NUM_HUFF_TBLS + number)];
        if (!slot) {
            auto built = std::make_unique<HuffTable>();
            if (!buildTable(dc ? cinfo.dc_huff_tbl_ptrs[number] : cinfo.ac_huff_tbl_ptrs[number], dc, built.get()))
                return nullptr;
            slot = std::move(built);
        }
        return slot.get();
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
        c.twoByTwo = ycc && c.index != 0 && chroma2x2;
        for (int k = 0; k < DCTSIZE2; ++k) {
            const int slot = kSlot[size_t(k)];
            if (slot >= 0)
                c.quant2x2[size_t(slot)] = std::int16_t(quant->quantval[kNaturalOrder[size_t(k)]]);
        }
        for (int j = 0; j < i; ++j) {
            if (scan[size_t(j)].index == c.index)
                return false;
        }
        c.plane = &planes[size_t(c.index)];
        const int scale = c.twoByTwo ? 2 : 1;
        c.planeWidth = mcuCols * c.h * scale;
        c.plane->assign(size_t(c.planeWidth) * size_t(mcuRows * c.v * scale), 0);
    }

    static const RangeLimit range;
    const std::uint8_t *limit = range.table.data();
    const unsigned char *data = cinfo.src->next_input_byte;
    const unsigned char *end = data + cinfo.src->bytes_in_buffer;
    Bits bits;
    bits.pos = data;
    const unsigned restartInterval = cinfo.restart_interval;
    unsigned restartsToGo = restartInterval;
    int nextRestart = 0;
    const int comps = cinfo.comps_in_scan;

    for (int row = 0; row < mcuRows; ++row) {
        for (int col = 0; col < mcuCols; ++col) {
            if (restartInterval) {
                if (restartsToGo == 0) {
                    if (!restart(bits, end, nextRestart))
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
                if (c.twoByTwo) {
                    bits = chromaBlock2x2(bits,
                        end,
                        c,
                        limit,
                        c.plane->data() + size_t(row * 2) * size_t(c.planeWidth) + size_t(col * 2));
                    if (bits.bits < 0)
                        return false;
                    continue;
                }
                for (int by = 0; by < c.v; ++by) {
                    std::uint8_t *dst =
                        c.plane->data() + size_t(row * c.v + by) * size_t(c.planeWidth) + size_t(col * c.h);
                    for (int bx = 0; bx < c.h; ++bx) {
                        int difference;
                        if (!readDc(bits, end, *c.dc, &difference) || !skipAc(bits, end, *c.ac) || bits.bits < 0)
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

    writePicture(planes, gray, maxH, maxV, chroma2x2, mcuCols, out);
    return true;
}

namespace
{

// Reads a big-endian 16-bit value; the caller checked the bounds.
inline int read16(const unsigned char *p)
{
    return p[0] << 8 | p[1];
}

// The next marker at or after p (fill bytes 0xFF skipped, stuffed zeros and restart
// markers being part of a scan's data): its code, with *at on the byte after it; 0 when
// the data ends first.
int nextMarker(const unsigned char *p, const unsigned char *end, const unsigned char **at)
{
    for (; p + 1 < end; ++p) {
        if (*p != 0xFF)
            continue;
        const unsigned char *q = p + 1;
        while (q < end && *q == 0xFF)
            ++q;
        if (q >= end)
            return 0;
        if (*q == 0 || (*q >= JPEG_RST0 && *q <= JPEG_RST0 + 7)) {
            p = q;
            continue;
        }
        *at = q + 1;
        return *q;
    }
    return 0;
}

// One scan of a progressive file as its header gives it.
struct ProgressiveScan {
    int count = 0;
    std::array<int, MAX_COMPS_IN_SCAN> components {}; // component indexes
    std::array<int, MAX_COMPS_IN_SCAN> dcTables {};
    std::array<int, MAX_COMPS_IN_SCAN> acTables {};
    int ss = 0;
    int se = 0;
    int ah = 0;
    int al = 0;
};

// The scan header (the segment after its length) into scan; false for one libjpeg would
// refuse or warn about.
bool parseScanHeader(const jpeg_decompress_struct &cinfo, const unsigned char *p, int length, ProgressiveScan *scan)
{
    if (length < 1)
        return false;
    const int count = p[0];
    if (count < 1 || count > MAX_COMPS_IN_SCAN || length != 1 + 2 * count + 3)
        return false;
    scan->count = count;
    for (int i = 0; i < count; ++i) {
        const int id = p[1 + 2 * i];
        int index = -1;
        for (int c = 0; c < cinfo.num_components; ++c) {
            if (cinfo.comp_info[c].component_id == id)
                index = c;
        }
        for (int j = 0; j < i; ++j) {
            if (scan->components[size_t(j)] == index)
                return false;
        }
        if (index < 0)
            return false;
        scan->components[size_t(i)] = index;
        scan->dcTables[size_t(i)] = p[2 + 2 * i] >> 4;
        scan->acTables[size_t(i)] = p[2 + 2 * i] & 15;
    }
    const unsigned char *tail = p + 1 + 2 * count;
    scan->ss = tail[0];
    scan->se = tail[1];
    scan->ah = tail[2] >> 4;
    scan->al = tail[2] & 15;
    return true;
}

// One block of a first AC scan (coefficients ss..se, shifted left by al), keeping the
// coefficients the 2x2 transform uses at their slots; eobRun counts the blocks still
// to pass over, as libjpeg's EOBRUN does. False for a bad code.
bool readAcFirst(Bits &s,
    const unsigned char *end,
    const HuffTable &table,
    const ProgressiveScan &scan,
    unsigned &eobRun,
    std::int16_t *slots)
{
    if (eobRun > 0) {
        --eobRun;
        return true;
    }
    for (int k = scan.ss; k <= scan.se; ++k) {
        refill(s, end);
        int entry = table.single[s.acc >> (64 - kLookupBits)];
        if (!entry) {
            entry = slowSymbol(s.acc, table);
            if (entry < 0)
                return false;
        }
        skip(s, entry >> 8);
        const int run = (entry >> 4) & 15;
        const int size = entry & 15;
        if (size) {
            k += run;
            refill(s, end);
            const int value = extend(take(s, size), size);
            const int slot = kSlot[size_t(std::min(k, DCTSIZE2 + 15))];
            if (slot >= 0)
                slots[slot] = std::int16_t(std::uint32_t(value) << scan.al);
        } else if (run == 15) {
            k += 15;
        } else {
            eobRun = 1u << run;
            if (run) {
                refill(s, end);
                eobRun += take(s, run);
            }
            --eobRun;
            break;
        }
    }
    return true;
}

} // namespace

bool decodeProgressiveDc(const jpeg_decompress_struct &cinfo, const DcOutput &out)
{
    if (!cinfo.progressive_mode || cinfo.arith_code || cinfo.data_precision != 8 || !cinfo.src
        || !cinfo.src->next_input_byte || !out.pixels)
        return false;
    Layout layout;
    if (!takeLayout(cinfo, out, &layout))
        return false;
    // Chroma at half the luma's width and height is output by libjpeg through its 2x2
    // transform, from the DC and whatever low AC coefficients the scans before the DC's
    // last bit carried (the usual script sends the chroma's first AC bits before it): those
    // scans are read for the coefficients the transform uses.
    const auto [gray, ycc, maxH, maxV, chroma2x2] = layout;
    const int comps = cinfo.num_components;
    const int mcuCols = int((cinfo.image_width + 8 * maxH - 1) / (8 * maxH));
    const int mcuRows = int((cinfo.image_height + 8 * maxV - 1) / (8 * maxV));

    // Per component: its DC coefficients over the MCU grid, and how many low bits of
    // them are still missing (-1 before its first DC scan).
    struct Plane {
        int h = 1;
        int v = 1;
        int width = 0; // blocks per row of the MCU grid
        int blocksWide = 0; // blocks a scan of this component alone covers
        int blocksHigh = 0;
        std::vector<std::int16_t> dc;
        std::vector<std::int16_t> ac; // 4:2:0 chroma: the transform's slots of each block
        int missing = -1;
        std::int32_t last = 0;
    };
    // libjpeg refuses a file whose coefficients (64 of 2 bytes per block) would take
    // more than the memory a decode may use; a file anywhere near that is left to it, so
    // that the two never disagree on what is refused.
    std::uint64_t blocks = 0;
    for (int c = 0; c < comps; ++c) {
        const int h = gray ? 1 : cinfo.comp_info[c].h_samp_factor;
        const int v = gray ? 1 : cinfo.comp_info[c].v_samp_factor;
        blocks += std::uint64_t(mcuCols) * std::uint64_t(h) * std::uint64_t(mcuRows) * std::uint64_t(v);
    }
    if (blocks * DCTSIZE2 * sizeof(JCOEF) > out.memoryLimit / 2)
        return false;
    std::array<Plane, 3> planes;
    for (int c = 0; c < comps; ++c) {
        Plane &plane = planes[size_t(c)];
        plane.h = gray ? 1 : cinfo.comp_info[c].h_samp_factor;
        plane.v = gray ? 1 : cinfo.comp_info[c].v_samp_factor;
        plane.width = mcuCols * plane.h;
        plane.blocksWide =
            int((cinfo.image_width * JDIMENSION(plane.h) + JDIMENSION(8 * maxH) - 1) / JDIMENSION(8 * maxH));
        plane.blocksHigh =
            int((cinfo.image_height * JDIMENSION(plane.v) + JDIMENSION(8 * maxV) - 1) / JDIMENSION(8 * maxV));
        plane.dc.assign(size_t(plane.width) * size_t(mcuRows * plane.v), 0);
        if (chroma2x2 && c != 0)
            plane.ac.assign(plane.dc.size() * size_t(kDiscard), 0);
    }

    // The DC tables: those libjpeg read before the first scan, then those of later DHT
    // segments; built when a scan uses them.
    // The tables (DC, then AC): those libjpeg read before the first scan, then those of
    // later DHT segments; built when a scan uses them.
    std::array<JHUFF_TBL, 2 * NUM_HUFF_TBLS> sources {};
    std::array<bool, 2 * NUM_HUFF_TBLS> defined {};
    std::array<std::unique_ptr<HuffTable>, 2 * NUM_HUFF_TBLS> tables;
    for (int t = 0; t < NUM_HUFF_TBLS; ++t) {
        if (cinfo.dc_huff_tbl_ptrs[t]) {
            sources[size_t(t)] = *cinfo.dc_huff_tbl_ptrs[t];
            defined[size_t(t)] = true;
        }
        if (cinfo.ac_huff_tbl_ptrs[t]) {
            sources[size_t(NUM_HUFF_TBLS + t)] = *cinfo.ac_huff_tbl_ptrs[t];
            defined[size_t(NUM_HUFF_TBLS + t)] = true;
        }
    }
    const auto table = [&](bool dc, int number) -> const HuffTable * {
        if (number < 0 || number >= NUM_HUFF_TBLS)
            return nullptr;
        const size_t index = size_t(dc ? number : NUM_HUFF_TBLS + number);
        if (!defined[index])
            return nullptr;
        std::unique_ptr<HuffTable> &slot = tables[index];
        if (!slot) {
            auto built = std::make_unique<HuffTable>();
            if (!buildTable(&sources[index], dc, built.get()))
                return nullptr;
            slot = std::move(built);
        }
        return slot.get();
    };

    const unsigned char *const begin = cinfo.src->next_input_byte;
    const unsigned char *const end = begin + cinfo.src->bytes_in_buffer;
    unsigned restartInterval = cinfo.restart_interval;
    ProgressiveScan scan;
    scan.count = cinfo.comps_in_scan;
    for (int i = 0; i < scan.count; ++i) {
        if (!cinfo.cur_comp_info[i])
            return false;
        scan.components[size_t(i)] = cinfo.cur_comp_info[i]->component_index;
        scan.dcTables[size_t(i)] = cinfo.cur_comp_info[i]->dc_tbl_no;
        scan.acTables[size_t(i)] = cinfo.cur_comp_info[i]->ac_tbl_no;
    }
    scan.ss = cinfo.Ss;
    scan.se = cinfo.Se;
    scan.ah = cinfo.Ah;
    scan.al = cinfo.Al;
    const unsigned char *data = begin; // the current scan's entropy-coded data
    const auto dcComplete = [&] {
        for (int c = 0; c < comps; ++c) {
            if (planes[size_t(c)].missing != 0)
                return false;
        }
        return true;
    };

    // Scans until every component's DC has all its bits: DC scans are decoded, the
    // others (the AC coefficients, of no use at 1/8) only passed over.
    constexpr int kMaxScans = 1000;
    // What libjpeg refuses in any scan it reads, the ones passed over here included.
    const auto acceptable = [&](const ProgressiveScan &sc) {
        if (sc.ss == 0 ? sc.se != 0 : sc.ss > sc.se || sc.se >= DCTSIZE2 || sc.count != 1)
            return false;
        if ((sc.ah != 0 && sc.al != sc.ah - 1) || sc.al > 13)
            return false;
        if (sc.ss > 0) {
            // an AC scan's table must be defined and valid (a progressive file gets no
            // standard table)
            if (!table(false, sc.acTables[0]))
                return false;
        }
        return true;
    };
    for (int scans = 0; !dcComplete(); ++scans) {
        if (scans >= kMaxScans || !acceptable(scan))
            return false;
        const unsigned char *after = data;
        if (scan.ss == 0) {
            if (scan.se != 0 || scan.al > 13)
                return false;
            std::array<const HuffTable *, MAX_COMPS_IN_SCAN> dcTables {};
            for (int i = 0; i < scan.count; ++i) {
                Plane &plane = planes[size_t(scan.components[size_t(i)])];
                // a first scan, or the refinement of exactly the next bit
                if (scan.ah == 0 ? plane.missing != -1 : plane.missing != scan.ah || scan.al != scan.ah - 1)
                    return false;
                if (scan.ah == 0) {
                    dcTables[size_t(i)] = table(true, scan.dcTables[size_t(i)]);
                    if (!dcTables[size_t(i)])
                        return false;
                }
                plane.last = 0;
            }
            Bits bits;
            bits.pos = data;
            unsigned restartsToGo = restartInterval;
            int nextRestart = 0;
            // one component alone: its own blocks row by row; else MCUs of h x v blocks each
            const bool single = scan.count == 1;
            const Plane &first = planes[size_t(scan.components[0])];
            const int rows = single ? first.blocksHigh : mcuRows;
            const int cols = single ? first.blocksWide : mcuCols;
            for (int row = 0; row < rows; ++row) {
                for (int col = 0; col < cols; ++col) {
                    if (restartInterval) {
                        if (restartsToGo == 0) {
                            if (!restart(bits, end, nextRestart))
                                return false;
                            nextRestart = (nextRestart + 1) & 7;
                            restartsToGo = restartInterval;
                            for (int i = 0; i < scan.count; ++i)
                                planes[size_t(scan.components[size_t(i)])].last = 0;
                        }
                        --restartsToGo;
                    }
                    for (int i = 0; i < scan.count; ++i) {
                        Plane &plane = planes[size_t(scan.components[size_t(i)])];
                        const int h = single ? 1 : plane.h;
                        const int v = single ? 1 : plane.v;
                        for (int by = 0; by < v; ++by) {
                            std::int16_t *dst =
                                plane.dc.data() + size_t(row * v + by) * size_t(plane.width) + size_t(col * h);
                            for (int bx = 0; bx < h; ++bx) {
                                if (scan.ah == 0) {
                                    int difference;
                                    if (!readDc(bits, end, *dcTables[size_t(i)], &difference))
                                        return false;
                                    plane.last = std::int32_t(std::uint32_t(plane.last) + std::uint32_t(difference));
                                    dst[bx] = std::int16_t(std::uint32_t(plane.last) << scan.al);
                                } else {
                                    refill(bits, end);
                                    if (take(bits, 1))
                                        dst[bx] = std::int16_t(dst[bx] | (1 << scan.al));
                                }
                                if (bits.bits < 0)
                                    return false;
                            }
                        }
                    }
                }
            }
            for (int i = 0; i < scan.count; ++i)
                planes[size_t(scan.components[size_t(i)])].missing = scan.al;
            after = bits.pos;
            if (dcComplete())
                break;
        } else if (chroma2x2 && scan.count == 1 && scan.components[0] != 0) {
            // The first bits of the 4:2:0 chroma's AC coefficients; a refinement of them
            // before the DC's last bit is left to libjpeg.
            Plane &plane = planes[size_t(scan.components[0])];
            const HuffTable *acTable = table(false, scan.acTables[0]);
            if (scan.ah != 0 || scan.se > DCTSIZE2 - 1 || scan.ss > scan.se || scan.al > 13 || !acTable)
                return false;
            Bits bits;
            bits.pos = data;
            unsigned restartsToGo = restartInterval;
            int nextRestart = 0;
            unsigned eobRun = 0;
            for (int row = 0; row < plane.blocksHigh; ++row) {
                for (int col = 0; col < plane.blocksWide; ++col) {
                    if (restartInterval) {
                        if (restartsToGo == 0) {
                            if (!restart(bits, end, nextRestart))
                                return false;
                            nextRestart = (nextRestart + 1) & 7;
                            restartsToGo = restartInterval;
                            eobRun = 0;
                        }
                        --restartsToGo;
                    }
                    std::int16_t *slots =
                        plane.ac.data() + (size_t(row) * size_t(plane.width) + size_t(col)) * size_t(kDiscard);
                    if (!readAcFirst(bits, end, *acTable, scan, eobRun, slots) || bits.bits < 0)
                        return false;
                }
            }
            after = bits.pos;
        }
        // The markers up to the next scan: tables and restart intervals are taken in,
        // comments and application data passed over, anything else left to libjpeg.
        for (;;) {
            const unsigned char *segment = nullptr;
            const int marker = nextMarker(after, end, &segment);
            if (marker == 0 || marker == JPEG_EOI)
                return false; // the file ends before its DC is complete
            if (end - segment < 2)
                return false;
            const int length = read16(segment) - 2;
            if (length < 0 || end - segment - 2 < length)
                return false;
            const unsigned char *p = segment + 2;
            after = p + length;
            // EXIF and ICC segments after the first scan (libjpeg would add them to the
            // picture's metadata) are left to libjpeg; other application data and
            // comments are passed over
            if (marker == JPEG_APP0 + 1 || marker == JPEG_APP0 + 2)
                return false;
            if ((marker >= JPEG_APP0 && marker <= JPEG_APP0 + 15) || marker == JPEG_COM)
                continue;
            if (marker == 0xC4) { // DHT
                const unsigned char *q = p;
                while (q < after) {
                    if (after - q < 17)
                        return false;
                    const int kind = q[0] >> 4;
                    const int number = q[0] & 15;
                    if (kind > 1 || number >= NUM_HUFF_TBLS)
                        return false;
                    int count = 0;
                    JHUFF_TBL parsed {};
                    for (int k = 1; k <= 16; ++k) {
                        parsed.bits[k] = q[k];
                        count += q[k];
                    }
                    if (count > 256 || after - q - 17 < count)
                        return false;
                    std::memcpy(parsed.huffval, q + 17, size_t(count));
                    const size_t index = size_t(kind == 0 ? number : NUM_HUFF_TBLS + number);
                    sources[index] = parsed;
                    defined[index] = true;
                    tables[index].reset();
                    q += 17 + count;
                }
                continue;
            }
            if (marker == 0xDD) { // DRI
                if (length != 2)
                    return false;
                restartInterval = unsigned(read16(p));
                continue;
            }
            if (marker == 0xDA) { // SOS
                if (!parseScanHeader(cinfo, p, length, &scan))
                    return false;
                data = after;
                break;
            }
            return false; // a quantisation table between scans, another frame, ...
        }
    }

    // The 1/8-scale samples, as libjpeg's 1x1 transform makes them from the DC, and for
    // 4:2:0 chroma its 2x2 transform from the DC and the low AC coefficients read.
    static const RangeLimit range;
    const std::uint8_t *limit = range.table.data();
    std::array<std::vector<std::uint8_t>, 3> samples;
    for (int c = 0; c < comps; ++c) {
        const Plane &plane = planes[size_t(c)];
        const int quantNumber = cinfo.comp_info[c].quant_tbl_no;
        if (quantNumber < 0 || quantNumber >= NUM_QUANT_TBLS || !cinfo.quant_tbl_ptrs[quantNumber])
            return false;
        const JQUANT_TBL &quant = *cinfo.quant_tbl_ptrs[quantNumber];
        std::vector<std::uint8_t> &plane8 = samples[size_t(c)];
        if (plane.ac.empty()) {
            plane8.resize(plane.dc.size());
            const int multiplier = std::int16_t(quant.quantval[0]);
            for (size_t b = 0; b < plane.dc.size(); ++b)
                plane8[b] = limit[((int(plane.dc[b]) * multiplier + 4) >> 3) & 1023];
            continue;
        }
        std::array<std::int16_t, kTransformSize * kTransformSize> quant2x2 {};
        for (int k = 0; k < DCTSIZE2; ++k) {
            const int slot = kSlot[size_t(k)];
            if (slot >= 0)
                quant2x2[size_t(slot)] = std::int16_t(quant.quantval[kNaturalOrder[size_t(k)]]);
        }
        const size_t width = size_t(plane.width) * 2;
        plane8.assign(plane.dc.size() * 4, 0);
        for (size_t b = 0; b < plane.dc.size(); ++b) {
            alignas(16) std::int16_t coefficients[32] = {};
            std::memcpy(coefficients, plane.ac.data() + b * size_t(kDiscard), sizeof(std::int16_t) * size_t(kDiscard));
            coefficients[0] = plane.dc[b];
            const size_t x = b % size_t(plane.width);
            const size_t y = b / size_t(plane.width);
            if (!transform2x2(coefficients, quant2x2.data(), limit, plane8.data() + 2 * y * width + 2 * x, width))
                return false;
        }
    }
    writePicture(samples, gray, maxH, maxV, chroma2x2, mcuCols, out);
    return true;
}

} // namespace quorvel::jpeg
