// SPDX-License-Identifier: GPL-3.0-or-later
// A two-pass convolution resampler (columns, then rows through a transpose). Each output pixel of a pass
// is a weighted sum of a run of input pixels; the weights, in 14-bit fixed point,
// sum to exactly 1 so a flat area stays flat, and the sum is rounded and clamped.
#include "imaging/resample.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

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
    const QImage &in, int first, const int32_t *weights, int count, int32_t *sum, uint8_t *out, int rowBytes)
{
    std::fill(sum, sum + rowBytes, 0);
    for (int k = 0; k < count; ++k) {
        const int32_t weight = weights[k];
        if (weight == 0)
            continue;
        const uint8_t *row = in.constScanLine(first + k);
        for (int i = 0; i < rowBytes; ++i)
            sum[i] += int32_t(row[i]) * weight;
    }
    for (int i = 0; i < rowBytes; ++i)
        out[i] = clampRound(sum[i]);
}

// The picture with outHeight rows, each the weighted sum of input rows.
QImage columnPass(const QImage &in, int outHeight, Filter filter)
{
    if (in.isNull())
        return {};
    QImage out(in.width(), outHeight, in.format());
    if (out.isNull())
        return {};
    const int rowBytes = in.width() * (in.depth() / 8);
    const Taps taps = makeTaps(in.height(), outHeight, filter);
    std::vector<int32_t> sum(static_cast<size_t>(rowBytes));
    for (int y = 0; y < outHeight; ++y)
        sumRows(in,
            taps.first[size_t(y)],
            &taps.weights[size_t(y) * taps.count],
            taps.count,
            sum.data(),
            out.scanLine(y),
            rowBytes);
    return out;
}

// Rows become columns; in tiles, so that reads and writes both stay in the cache.
template <int C> void transposeInto(const QImage &in, QImage &out)
{
    constexpr int kTile = 32;
    for (int y0 = 0; y0 < in.height(); y0 += kTile) {
        const int y1 = std::min(in.height(), y0 + kTile);
        for (int x0 = 0; x0 < in.width(); x0 += kTile) {
            const int x1 = std::min(in.width(), x0 + kTile);
            for (int x = x0; x < x1; ++x) {
                uint8_t *target = out.scanLine(x);
                for (int y = y0; y < y1; ++y) {
                    const uint8_t *source = in.constScanLine(y) + size_t(x) * C;
                    for (int c = 0; c < C; ++c)
                        target[size_t(y) * C + c] = source[c];
                }
            }
        }
    }
}

QImage transposed(const QImage &in, int channels)
{
    if (in.isNull())
        return {};
    QImage out(in.height(), in.width(), in.format());
    if (out.isNull())
        return {};
    if (channels == 3)
        transposeInto<3>(in, out);
    else
        transposeInto<1>(in, out);
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

    // Columns, then rows as the columns of the transposed picture: the sums then run
    // over whole rows of bytes, which the compiler turns into vector code, where a
    // pass along the rows would work pixel by pixel.
    QImage result = size.height() == image.height() ? image : columnPass(image, size.height(), filter);
    if (size.width() != image.width() && !result.isNull())
        result = transposed(columnPass(transposed(result, channels), size.width(), filter), channels);
    return result;
}

} // namespace quorvel::resample
