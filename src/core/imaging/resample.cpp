// SPDX-License-Identifier: GPL-3.0-or-later
// A two-pass convolution resampler (columns, then rows). Each output pixel of a pass
// is a weighted sum of a run of input pixels; the weights, in 14-bit fixed point,
// sum to exactly 1 so a flat area stays flat, and the sum is rounded and clamped.
#include "imaging/resample.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#if defined(__SSE2__)
#include <immintrin.h>
#endif

namespace quorvel::resample
{
namespace
{

// The column sums widen bytes to 32 bits and multiply: a handful of instructions per
// byte with the SSE2 every x86-64 has, one with AVX2. Both versions are built and the
// processor's own picks one at load time.
#if defined(__GNUC__) && defined(__x86_64__) && defined(__linux__)
#define QUORVEL_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define QUORVEL_VECTOR_CLONES
#endif

constexpr int kWeightBits = 14;
constexpr int32_t kOne = 1 << kWeightBits;
constexpr double kPi = 3.14159265358979323846;

// For each output position, the first input pixel and its weights (count each).
struct Taps {
    std::vector<int> first;
    int count = 0;
    std::vector<int32_t> weights; // count per output position
};

double sinc(double x)
{
    if (x == 0.0)
        return 1.0;
    x *= kPi;
    return std::sin(x) / x;
}

double lanczos3(double x)
{
    return (x > -3.0 && x < 3.0) ? sinc(x) * sinc(x / 3.0) : 0.0;
}

Taps makeTaps(int inSize, int outSize, Filter filter)
{
    const double scale = double(inSize) / outSize;
    const double widen = std::max(1.0, scale);
    // Half-width of the filter in input pixels.
    const double support = filter == Filter::Area ? widen / 2.0 + 0.5 : 3.0 * widen;
    Taps taps;
    taps.count = std::min(inSize, int(std::ceil(support)) * 2 + 1);
    taps.first.resize(size_t(outSize));
    taps.weights.assign(size_t(outSize) * taps.count, 0);
    std::vector<double> w(size_t(taps.count));
    for (int o = 0; o < outSize; ++o) {
        const double center = (o + 0.5) * scale; // in input coordinates
        int first = int(std::floor(center - support + 0.5));
        first = std::clamp(first, 0, inSize - taps.count);
        double sum = 0.0;
        for (int k = 0; k < taps.count; ++k) {
            const double pixel = first + k; // covers [pixel, pixel + 1)
            double weight;
            if (filter == Filter::Area) {
                // The part of the pixel inside the output pixel's area (at least one
                // pixel wide when enlarging).
                const double half = widen / 2.0;
                weight = std::max(0.0, std::min(pixel + 1.0, center + half) - std::max(pixel, center - half));
            } else {
                weight = lanczos3((pixel + 0.5 - center) / widen);
            }
            w[size_t(k)] = weight;
            sum += weight;
        }
        int32_t *out = &taps.weights[size_t(o) * taps.count];
        int32_t total = 0;
        int largest = 0;
        for (int k = 0; k < taps.count; ++k) {
            out[k] = int32_t(std::lround(w[size_t(k)] / sum * kOne));
            total += out[k];
            if (out[k] > out[largest])
                largest = k;
        }
        out[largest] += kOne - total; // the weights sum to exactly one
        taps.first[size_t(o)] = first;
    }
    return taps;
}

inline uint8_t clampRound(int32_t sum)
{
    const int32_t value = (sum + (kOne >> 1)) >> kWeightBits;
    return uint8_t(std::clamp(value, 0, 255));
}

// One output row of the column pass: the weighted sum of input rows first .. first +
// count - 1, all rowBytes bytes of each (a loop the compiler turns into vector code).
QUORVEL_VECTOR_CLONES void sumRows(
    const uint8_t *const *rows, const int32_t *weights, int count, int32_t *sum, uint8_t *out, int rowBytes)
{
    std::fill(sum, sum + rowBytes, 0);
    for (int k = 0; k < count; ++k) {
        const int32_t weight = weights[k];
        if (weight == 0)
            continue;
        const uint8_t *row = rows[k];
        for (int i = 0; i < rowBytes; ++i)
            sum[i] += int32_t(row[i]) * weight;
    }
    for (int i = 0; i < rowBytes; ++i)
        out[i] = clampRound(sum[i]);
}

#if defined(__GNUC__) && defined(__x86_64__) && defined(__SSE2__)
#define QUORVEL_AVX2_PATHS 1
bool hasAvx2()
{
    static const bool avx2 = __builtin_cpu_supports("avx2");
    return avx2;
}

// sumRows with 16-bit multiply-adds: bytes of two input rows interleaved, times their
// two weights, 16 bytes of the row at a time; the same sums, rounded the same way.
__attribute__((target("avx2"))) void sumRowsAvx2(
    const uint8_t *const *rows, const int32_t *weights, int count, uint8_t *out, int rowBytes)
{
    const int pairs = (count + 1) / 2;
    int32_t paired[64];
    if (pairs > 64) {
        std::vector<int32_t> sum(static_cast<size_t>(rowBytes));
        sumRows(rows, weights, count, sum.data(), out, rowBytes);
        return;
    }
    for (int k = 0; k < pairs; ++k) {
        const auto low = uint16_t(int16_t(weights[2 * k]));
        const auto high = uint16_t(2 * k + 1 < count ? int16_t(weights[2 * k + 1]) : 0);
        paired[k] = int32_t(uint32_t(low) | uint32_t(high) << 16);
    }
    const __m256i half = _mm256_set1_epi32(kOne >> 1);
    int i = 0;
    for (; i + 16 <= rowBytes; i += 16) {
        __m256i sum0 = _mm256_setzero_si256();
        __m256i sum1 = _mm256_setzero_si256();
        for (int k = 0; k < pairs; ++k) {
            const __m256i a = _mm256_cvtepu8_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i *>(rows[2 * k] + i)));
            const __m256i b = 2 * k + 1 < count
                ? _mm256_cvtepu8_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i *>(rows[2 * k + 1] + i)))
                : _mm256_setzero_si256();
            const __m256i weight = _mm256_set1_epi32(paired[k]);
            sum0 = _mm256_add_epi32(sum0, _mm256_madd_epi16(_mm256_unpacklo_epi16(a, b), weight));
            sum1 = _mm256_add_epi32(sum1, _mm256_madd_epi16(_mm256_unpackhi_epi16(a, b), weight));
        }
        sum0 = _mm256_srai_epi32(_mm256_add_epi32(sum0, half), kWeightBits);
        sum1 = _mm256_srai_epi32(_mm256_add_epi32(sum1, half), kWeightBits);
        // Per 128-bit half: sum0 holds bytes 0-3 (8-11), sum1 bytes 4-7 (12-15).
        const __m256i words = _mm256_packs_epi32(sum0, sum1);
        const __m256i bytes = _mm256_permute4x64_epi64(_mm256_packus_epi16(words, words), 0x08);
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + i), _mm256_castsi256_si128(bytes));
    }
    for (; i < rowBytes; ++i) {
        int32_t sum = 0;
        for (int k = 0; k < count; ++k)
            sum += int32_t(rows[k][i]) * weights[k];
        out[i] = clampRound(sum);
    }
}
#endif

// The picture with outHeight rows, each the weighted sum of input rows.
QImage columnPass(const QImage &in, int outHeight, Filter filter)
{
    QImage out(in.width(), outHeight, in.format());
    if (out.isNull())
        return {};
    const int rowBytes = in.width() * (in.depth() / 8);
    const Taps taps = makeTaps(in.height(), outHeight, filter);
    std::vector<int32_t> sum(static_cast<size_t>(rowBytes));
    std::vector<const uint8_t *> rows(static_cast<size_t>(taps.count));
    const uint8_t *bits = in.constBits();
    const qsizetype stride = in.bytesPerLine();
    uint8_t *outBits = out.bits();
    const qsizetype outStride = out.bytesPerLine();
    for (int y = 0; y < outHeight; ++y) {
        for (int k = 0; k < taps.count; ++k)
            rows[size_t(k)] = bits + (taps.first[size_t(y)] + k) * stride;
#if QUORVEL_AVX2_PATHS
        if (hasAvx2()) {
            sumRowsAvx2(
                rows.data(), &taps.weights[size_t(y) * taps.count], taps.count, outBits + y * outStride, rowBytes);
            continue;
        }
#endif
        sumRows(rows.data(),
            &taps.weights[size_t(y) * taps.count],
            taps.count,
            sum.data(),
            outBits + y * outStride,
            rowBytes);
    }
    return out;
}

// The row pass on one channel: each output pixel the weighted sum of a run of input pixels.
void sumPixels(const uint8_t *in, uint8_t *out, int outWidth, const Taps &taps)
{
    for (int x = 0; x < outWidth; ++x) {
        const uint8_t *p = in + taps.first[size_t(x)];
        const int32_t *w = &taps.weights[size_t(x) * taps.count];
        int32_t sum = 0;
        for (int k = 0; k < taps.count; ++k)
            sum += int32_t(p[k]) * w[k];
        out[x] = clampRound(sum);
    }
}

#if defined(__SSE2__)
// The row pass on RGB works on 16-bit values so that one multiply-add takes a pair of
// taps for all three channels at once. Each input pixel p becomes the pair (p, p + 1)
// interleaved channel by channel, r r g g b b 0 0; each output's weights become, per
// pair of taps, the two weights repeated across a vector.
// A vector in a struct, so that standard containers take it (and keep its alignment).
struct Vec {
    __m128i v;
};

struct RgbRowPass {
    int pairs = 0;
    std::vector<Vec> weights; // pairs per output position
    std::vector<Vec> row; // the pair layout of one input row, plus one zero pair
};

RgbRowPass prepareRgbRowPass(const Taps &taps, int inWidth, int outWidth)
{
    RgbRowPass pass;
    pass.pairs = (taps.count + 1) / 2; // an odd count ends with a pair whose second weight is 0
    pass.weights.resize(size_t(outWidth) * pass.pairs);
    for (int x = 0; x < outWidth; ++x) {
        const int32_t *w = &taps.weights[size_t(x) * taps.count];
        for (int k = 0; k < pass.pairs; ++k) {
            // 14-bit weights fit 16 bits (the largest is about kOne)
            const auto low = uint16_t(int16_t(w[2 * k]));
            const auto high = uint16_t(2 * k + 1 < taps.count ? int16_t(w[2 * k + 1]) : 0);
            pass.weights[size_t(x) * pass.pairs + k].v = _mm_set1_epi32(int32_t(uint32_t(low) | uint32_t(high) << 16));
        }
    }
    pass.row.assign(size_t(inWidth) + 1, Vec { _mm_setzero_si128() });
    return pass;
}

void fillPairLayout(const uint8_t *in, int inWidth, Vec *row)
{
    const __m128i zero = _mm_setzero_si128();
    auto pixel = [&](int x) {
        return x < inWidth
            ? _mm_unpacklo_epi8(_mm_cvtsi32_si128(int32_t(in[3 * x] | in[3 * x + 1] << 8 | in[3 * x + 2] << 16)), zero)
            : zero;
    };
    __m128i current = pixel(0);
    for (int x = 0; x < inWidth; ++x) {
        const __m128i next = pixel(x + 1);
        row[x].v = _mm_unpacklo_epi16(current, next);
        current = next;
    }
}

inline void storeRgb(__m128i sum, uint8_t *out)
{
    const __m128i zero = _mm_setzero_si128();
    sum = _mm_srai_epi32(_mm_add_epi32(sum, _mm_set1_epi32(kOne >> 1)), kWeightBits);
    const auto rgb0 = uint32_t(_mm_cvtsi128_si32(_mm_packus_epi16(_mm_packs_epi32(sum, zero), zero)));
    out[0] = uint8_t(rgb0);
    out[1] = uint8_t(rgb0 >> 8);
    out[2] = uint8_t(rgb0 >> 16);
}

void sumPixelsRgb(const Taps &taps, const RgbRowPass &pass, int from, int outWidth, uint8_t *out)
{
    for (int x = from; x < outWidth; ++x) {
        const Vec *p = &pass.row[size_t(taps.first[size_t(x)])];
        const Vec *w = &pass.weights[size_t(x) * pass.pairs];
        __m128i sum = _mm_setzero_si128();
        for (int k = 0; k < pass.pairs; ++k)
            sum = _mm_add_epi32(sum, _mm_madd_epi16(p[2 * k].v, w[k].v));
        storeRgb(sum, out + 3 * x);
    }
}

#if QUORVEL_AVX2_PATHS
// Two output pixels at a time, one in each half of a 256-bit vector.
__attribute__((target("avx2"))) void sumPixelsRgbAvx2(
    const Taps &taps, const RgbRowPass &pass, int outWidth, uint8_t *out)
{
    int x = 0;
    for (; x + 1 < outWidth; x += 2) {
        const Vec *p0 = &pass.row[size_t(taps.first[size_t(x)])];
        const Vec *p1 = &pass.row[size_t(taps.first[size_t(x) + 1])];
        const Vec *w0 = &pass.weights[size_t(x) * pass.pairs];
        const Vec *w1 = w0 + pass.pairs;
        __m256i sum = _mm256_setzero_si256();
        for (int k = 0; k < pass.pairs; ++k) {
            const __m256i pixels = _mm256_inserti128_si256(_mm256_castsi128_si256(p0[2 * k].v), p1[2 * k].v, 1);
            const __m256i weights = _mm256_inserti128_si256(_mm256_castsi128_si256(w0[k].v), w1[k].v, 1);
            sum = _mm256_add_epi32(sum, _mm256_madd_epi16(pixels, weights));
        }
        storeRgb(_mm256_castsi256_si128(sum), out + 3 * x);
        storeRgb(_mm256_extracti128_si256(sum, 1), out + 3 * x + 3);
    }
    sumPixelsRgb(taps, pass, x, outWidth, out);
}
#endif
#endif

// The picture with outWidth columns, each the weighted sum of input columns.
QImage rowPass(const QImage &in, int outWidth, int channels, Filter filter)
{
    QImage out(outWidth, in.height(), in.format());
    if (out.isNull())
        return {};
    const Taps taps = makeTaps(in.width(), outWidth, filter);
    const uint8_t *bits = in.constBits();
    const qsizetype stride = in.bytesPerLine();
    uint8_t *outBits = out.bits();
    const qsizetype outStride = out.bytesPerLine();
    if (channels == 1) {
        for (int y = 0; y < in.height(); ++y)
            sumPixels(bits + y * stride, outBits + y * outStride, outWidth, taps);
        return out;
    }
#if defined(__SSE2__)
    RgbRowPass pass = prepareRgbRowPass(taps, in.width(), outWidth);
    for (int y = 0; y < in.height(); ++y) {
        fillPairLayout(bits + y * stride, in.width(), pass.row.data());
        uint8_t *target = outBits + y * outStride;
#if QUORVEL_AVX2_PATHS
        if (hasAvx2()) {
            sumPixelsRgbAvx2(taps, pass, outWidth, target);
            continue;
        }
#endif
        sumPixelsRgb(taps, pass, 0, outWidth, target);
    }
#else
    std::vector<uint8_t> plane(size_t(in.width()));
    std::vector<uint8_t> result(size_t(outWidth));
    for (int y = 0; y < in.height(); ++y) {
        const uint8_t *row = bits + y * stride;
        uint8_t *target = outBits + y * outStride;
        for (int c = 0; c < 3; ++c) {
            for (int x = 0; x < in.width(); ++x)
                plane[size_t(x)] = row[3 * x + c];
            sumPixels(plane.data(), result.data(), outWidth, taps);
            for (int x = 0; x < outWidth; ++x)
                target[3 * x + c] = result[size_t(x)];
        }
    }
#endif
    return out;
}

} // namespace

QImage scaled(const QImage &image, QSize size, Filter filter)
{
    const QImage::Format format = image.format();
    if (image.isNull() || size.isEmpty() || (format != QImage::Format_RGB888 && format != QImage::Format_Grayscale8))
        return {};
    if (size == image.size())
        return image;
    const int channels = format == QImage::Format_RGB888 ? 3 : 1;

    // Columns first: that pass runs over whole rows of bytes, which the compiler turns
    // into vector code, and does the larger share of the work when both sides shrink.
    QImage result = size.height() == image.height() ? image : columnPass(image, size.height(), filter);
    if (size.width() != image.width() && !result.isNull())
        result = rowPass(result, size.width(), channels, filter);
    return result;
}

} // namespace quorvel::resample
