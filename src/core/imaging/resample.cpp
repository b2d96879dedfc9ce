// SPDX-License-Identifier: GPL-3.0-or-later
// A two-pass (columns, then rows) convolution resampler. Each output pixel of a pass
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

// One row: in (inWidth pixels of C channels) to out (taps.first.size() pixels).
template <int C> void scaleRow(const uint8_t *in, uint8_t *out, const Taps &taps)
{
    const int outWidth = int(taps.first.size());
    const int count = taps.count;
    for (int o = 0; o < outWidth; ++o) {
        const uint8_t *p = in + size_t(taps.first[size_t(o)]) * C;
        const int32_t *w = &taps.weights[size_t(o) * count];
        int32_t sum[C] = {};
        for (int k = 0; k < count; ++k, p += C) {
            for (int c = 0; c < C; ++c)
                sum[c] += int32_t(p[c]) * w[k];
        }
        for (int c = 0; c < C; ++c)
            out[o * C + c] = clampRound(sum[c]);
    }
}

// One output row of the column pass: the weighted sum of input rows first .. first +
// count - 1, all rowBytes bytes of each (a loop the compiler turns into vector code).
void sumRows(const QImage &in, int first, const int32_t *weights, int count, int32_t *sum, uint8_t *out, int rowBytes)
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

} // namespace

QImage scaled(const QImage &image, QSize size, Filter filter)
{
    const QImage::Format format = image.format();
    if (image.isNull() || size.isEmpty() || (format != QImage::Format_RGB888 && format != QImage::Format_Grayscale8))
        return {};
    if (size == image.size())
        return image;
    const int channels = format == QImage::Format_RGB888 ? 3 : 1;

    QImage result(size, format);
    if (result.isNull())
        return {};
    // Columns first, one output row at a time into a one-row buffer, then that row's
    // pixels: the buffers stay in the cache and the column sums run over whole rows.
    const int inRowBytes = image.width() * channels;
    const bool sameHeight = size.height() == image.height();
    const bool sameWidth = size.width() == image.width();
    const Taps columns = sameHeight ? Taps() : makeTaps(image.height(), size.height(), filter);
    const Taps rows = sameWidth ? Taps() : makeTaps(image.width(), size.width(), filter);
    std::vector<int32_t> sum(static_cast<size_t>(inRowBytes));
    std::vector<uint8_t> tall(static_cast<size_t>(inRowBytes));
    for (int y = 0; y < size.height(); ++y) {
        const uint8_t *line = image.constScanLine(y);
        if (!sameHeight) {
            uint8_t *target = sameWidth ? result.scanLine(y) : tall.data();
            sumRows(image,
                columns.first[size_t(y)],
                &columns.weights[size_t(y) * columns.count],
                columns.count,
                sum.data(),
                target,
                inRowBytes);
            line = target;
        }
        if (sameWidth) {
            if (sameHeight)
                std::copy(line, line + inRowBytes, result.scanLine(y));
            continue;
        }
        if (channels == 3)
            scaleRow<3>(line, result.scanLine(y), rows);
        else
            scaleRow<1>(line, result.scanLine(y), rows);
    }
    return result;
}

} // namespace quorvel::resample
