// SPDX-License-Identifier: GPL-3.0-or-later
// Per-picture cost of each stage of thumbnail making, on the largest test photographs:
// decode at full size, the engine's scaled decode (DC scans only for a progressive
// file) against libjpeg's plain decode at the same scale, the reduction to the box,
// the whole thumbnail from the file's bytes, the encoding and the whole writeThumbnail. bench/peers.sh compares whole
// runs. Run: build/bin/quorvel_bench [--benchmark_filter=...]
#include "imaging/jpegcodec.h"
#include "imaging/thumbnailer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <cstdio>

using namespace quorvel;

namespace
{

// The largest photographs (about 3 megapixels each), baseline and progressive.
const char *const kPictures[] = {
    "cameras/casio-ex-z3.jpg",
    "cameras/kodak-dx4330.jpg",
    "cameras/canon-powershot-sx60hs-orientation-6.jpg",
    "formats/progressive.jpg",
};

constexpr int kBox = 90;

ImageSettings thumbnailSettings()
{
    ImageSettings settings; // the program's defaults: 90-pixel box, frame, quality 85
    settings.boxSize = kBox;
    return settings;
}

void decodeFull(benchmark::State &state, const QByteArray &data)
{
    const ImageSettings settings = thumbnailSettings();
    for (auto _ : state)
        benchmark::DoNotOptimize(Thumbnailer::decodeData(data, settings, 0));
}

void decodeScaled(benchmark::State &state, const QByteArray &data)
{
    const ImageSettings settings = thumbnailSettings();
    for (auto _ : state)
        benchmark::DoNotOptimize(Thumbnailer::decodeData(data, settings, kBox));
}

// libjpeg alone at the thumbnail's DCT scale, reading the whole file (no DC-only stop
// for progressive files, no DC-only decoder for baseline ones, no orientation or colour
// profile): the floor the engine's scaled decode is measured against.
void decodeFloor(benchmark::State &state, const QByteArray &data)
{
    jpeg::DecodeOptions options;
    options.minLongSide = kBox;
    options.maxPixels = Thumbnailer::kMaxDecodedPixels;
    options.fastDc = false;
    for (auto _ : state)
        benchmark::DoNotOptimize(jpeg::decode(data, options));
}

void makeThumbnail(benchmark::State &state, const QByteArray &data)
{
    const ImageSettings settings = thumbnailSettings();
    const QImage decoded = Thumbnailer::decodeData(data, settings, kBox).image;
    for (auto _ : state)
        benchmark::DoNotOptimize(Thumbnailer::makeThumbnail(decoded, settings));
}

// The whole thumbnail from the file's bytes, as a run makes it: decode, reduction,
// colour profile and orientation on the reduced picture, frame.
void thumbnailFromData(benchmark::State &state, const QByteArray &data)
{
    const ImageSettings settings = thumbnailSettings();
    for (auto _ : state)
        benchmark::DoNotOptimize(Thumbnailer::thumbnailFromData(data, settings));
}

void encode(benchmark::State &state, const QByteArray &data)
{
    const ImageSettings settings = thumbnailSettings();
    const QImage thumbnail = Thumbnailer::makeThumbnail(Thumbnailer::decodeData(data, settings, kBox).image, settings);
    for (auto _ : state)
        benchmark::DoNotOptimize(Thumbnailer::encodeJpeg(thumbnail, settings));
}

void writeThumbnail(benchmark::State &state, const QString &source)
{
    QTemporaryDir dir;
    const QString dest = dir.filePath(QStringLiteral("t_bench.jpg"));
    const ImageSettings settings = thumbnailSettings();
    for (auto _ : state) {
        const QString error = Thumbnailer::writeThumbnail(source, dest, settings);
        if (!error.isEmpty()) {
            state.SkipWithError(qPrintable(error));
            break;
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    const QDir testdata(QStringLiteral(QUORVEL_TESTDATA_DIR));
    if (!testdata.exists()) {
        std::fprintf(stderr, "quorvel_bench: the test pictures are not at %s\n", QUORVEL_TESTDATA_DIR);
        return 1;
    }
    for (const char *picture : kPictures) {
        const QString path = testdata.filePath(QString::fromLatin1(picture));
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "quorvel_bench: %s is missing\n", qPrintable(path));
            return 1;
        }
        const QByteArray data = file.readAll();
        const std::string name = QFileInfo(path).completeBaseName().toStdString();
        benchmark::RegisterBenchmark(("decode_full/" + name).c_str(), decodeFull, data)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("decode_scaled/" + name).c_str(), decodeScaled, data)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("decode_floor/" + name).c_str(), decodeFloor, data)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("make_thumbnail/" + name).c_str(), makeThumbnail, data)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("thumbnail_from_data/" + name).c_str(), thumbnailFromData, data)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("encode/" + name).c_str(), encode, data)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("write_thumbnail/" + name).c_str(), writeThumbnail, path)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
