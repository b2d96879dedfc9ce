// SPDX-License-Identifier: GPL-3.0-or-later
// quorvel_benchtool: the two measurements bench/peers.sh cannot make with a stopwatch.
//
//   quorvel_benchtool floor --size N --jobs J [--dc-only] [--fast-dc] CORPUS
//     Reads every JPEG of CORPUS into memory, then decodes each one at the DCT scale a
//     size-N thumbnail uses, on J threads, and prints the seconds the decoding took.
//     Without --fast-dc every picture goes through libjpeg: the floor no thumbnailer
//     built on libjpeg can go below. --fast-dc lets baseline files decoded at 1/8 take
//     our DC-only decoder; --dc-only lets progressive files stop after their DC scans,
//     as the thumbnailer does.
//
//   quorvel_benchtool ssim --size N CORPUS DIR...
//     For every picture of CORPUS the web album takes (JPEG, PNG, WebP, TIFF, HEIC, AVIF...) the
//     reference thumbnail is the full decode (accurate DCT, smooth upsampling, EXIF
//     orientation, sRGB) reduced with Lanczos to fit N x N. Each DIR holds some tool's
//     thumbnails under the pictures' own names, or their names with the extension .jpg
//     instead of the picture's; prints one line
//     per DIR: the mean SSIM of the luma against the reference, and how many thumbnails
//     were compared and missing.
//
//   quorvel_benchtool thumbs --size N --filter area|lanczos CORPUS OUT
//     Makes the thumbnails as quorvel-batch does (no frame), reducing with the filter
//     given: the measurement behind the filter the thumbnailer uses.
//
//   quorvel_benchtool dcdiff --size N CORPUS
//     For every progressive JPEG of CORPUS that a size-N thumbnail decodes at 1/8: the
//     mean and largest difference, in levels per channel, between the DC-only decode
//     and the full decode, at 1/8 scale and after both are reduced to the thumbnail.
//
//   quorvel_benchtool heic --size N --jobs J [--full] CORPUS [OUT]
//     Makes the JPEG thumbnail of every HEIC and AVIF file of CORPUS, read from disk, as
//     a run does (the picture's stored thumbnail decoded when it covers N), on J threads,
//     three times over, and writes it as OUT/NAME.jpg when OUT is given; prints the
//     median seconds per picture. --full decodes the whole picture instead, as when
//     there is no large enough thumbnail. Run under GNU time for the peak memory of J
//     workers.
//
//   quorvel_benchtool fastdiff --size N CORPUS
//     For every JPEG of CORPUS: whether the DC-only decoder took it and, when it did,
//     the mean and largest difference, in levels per channel, between its picture and
//     libjpeg's at the same scale, and after both are reduced to the thumbnail.
#include "album/albumsources.h"
#include "imaging/jpegcodec.h"
#include "imaging/resample.h"
#include "imaging/thumbnailer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <thread>
#include <vector>

using namespace quorvel;

namespace
{

QStringList filesOf(const QString &folder, const QStringList &patterns)
{
    const QDir dir(folder);
    QStringList files;
    for (const QString &name : dir.entryList(patterns, QDir::Files, QDir::Name | QDir::IgnoreCase))
        files += dir.filePath(name);
    return files;
}

QStringList jpegFiles(const QString &folder)
{
    return filesOf(folder, { QStringLiteral("*.jpg"), QStringLiteral("*.jpeg") });
}

QStringList heifFiles(const QString &folder)
{
    return filesOf(folder, { QStringLiteral("*.heic"), QStringLiteral("*.heif"), QStringLiteral("*.avif") });
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int usage()
{
    std::fputs("Usage: quorvel_benchtool floor --size N --jobs J [--dc-only] [--fast-dc] CORPUS\n"
               "       quorvel_benchtool ssim --size N CORPUS DIR...\n"
               "       quorvel_benchtool thumbs --size N --filter area|lanczos CORPUS OUT\n"
               "       quorvel_benchtool dcdiff --size N CORPUS\n"
               "       quorvel_benchtool fastdiff --size N CORPUS\n"
               "       quorvel_benchtool heic --size N --jobs J [--full] CORPUS [OUT]\n",
        stderr);
    return 2;
}

int runFloor(int size, int jobs, bool dcOnly, bool fastDc, const QString &corpus)
{
    std::vector<QByteArray> files;
    for (const QString &path : jpegFiles(corpus))
        files.push_back(readFile(path));
    jpeg::DecodeOptions options;
    options.minLongSide = size;
    options.progressiveDcOnly = dcOnly;
    options.fastDc = fastDc;
    options.maxPixels = Thumbnailer::kMaxDecodedPixels;
    std::atomic<size_t> next = 0;
    std::atomic<int> failed = 0;
    std::atomic<int> fast = 0;
    QElapsedTimer clock;
    clock.start();
    std::vector<std::thread> threads;
    for (int t = 0; t < std::max(1, jobs); ++t)
        threads.emplace_back([&] {
            for (size_t i; (i = next.fetch_add(1)) < files.size();) {
                const jpeg::DecodedJpeg decoded = jpeg::decode(files[i], options);
                if (!decoded.error.isEmpty())
                    ++failed;
                if (decoded.fastDc)
                    ++fast;
            }
        });
    for (std::thread &thread : threads)
        thread.join();
    std::printf("%.4f seconds, %zu pictures, %d failed, %d by the DC-only decoder\n",
        double(clock.nsecsElapsed()) / 1e9,
        files.size(),
        failed.load(),
        fast.load());
    return 0;
}

int runHeic(int size, int jobs, bool full, const QString &corpus, const QString &out)
{
    const QStringList files = heifFiles(corpus);
    if (files.isEmpty() || (!out.isEmpty() && !QDir().mkpath(out)))
        return usage();
    ImageSettings settings;
    settings.boxSize = size;
    // As the web album makes its pictures: no frame, the accurate transform.
    settings.frame = false;
    settings.dctMethod = 0;
    std::vector<double> rounds;
    std::atomic<int> failed = 0;
    for (int round = 0; round < 3; ++round) {
        std::atomic<qsizetype> next = 0;
        QElapsedTimer clock;
        clock.start();
        std::vector<std::thread> threads;
        for (int t = 0; t < std::max(1, jobs); ++t)
            threads.emplace_back([&] {
                for (qsizetype i; (i = next.fetch_add(1)) < files.size();) {
                    QImage thumbnail;
                    if (full) {
                        const DecodedPicture picture = Thumbnailer::decode(files[i], settings, 0);
                        thumbnail = picture.ok() ? Thumbnailer::makeThumbnail(picture.image, settings) : QImage();
                    } else {
                        thumbnail = Thumbnailer::thumbnail(files[i], settings);
                    }
                    const QByteArray jpeg =
                        thumbnail.isNull() ? QByteArray() : Thumbnailer::encodeJpeg(thumbnail, settings);
                    if (jpeg.isEmpty()) {
                        ++failed;
                        continue;
                    }
                    if (!out.isEmpty()) {
                        QFile file(QDir(out).filePath(QFileInfo(files[i]).completeBaseName() + QStringLiteral(".jpg")));
                        if (!file.open(QIODevice::WriteOnly) || file.write(jpeg) != jpeg.size())
                            ++failed;
                    }
                }
            });
        for (std::thread &thread : threads)
            thread.join();
        rounds.push_back(double(clock.nsecsElapsed()) / 1e9 / double(files.size()));
    }
    std::sort(rounds.begin(), rounds.end());
    std::printf("%.4f seconds per picture (median of 3), %lld pictures, %d failed, %s\n",
        rounds[1],
        static_cast<long long>(files.size()),
        failed.load(),
        full ? "full decode" : "stored thumbnail where it covers the size");
    return 0;
}

// Rec. 601 luma as floats.
std::vector<float> luma(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    std::vector<float> y(size_t(rgb.width()) * rgb.height());
    for (int r = 0; r < rgb.height(); ++r) {
        const uchar *p = rgb.constScanLine(r);
        for (int c = 0; c < rgb.width(); ++c, p += 3)
            y[size_t(r) * rgb.width() + c] = 0.299f * p[0] + 0.587f * p[1] + 0.114f * p[2];
    }
    return y;
}

// Mean SSIM with an 11x11 Gaussian window (sigma 1.5) over the positions where the
// window fits, constants K1 = 0.01 and K2 = 0.03 for 8-bit values.
double ssim(const QImage &a, const QImage &b)
{
    constexpr int kRadius = 5;
    const int w = a.width();
    const int h = a.height();
    if (w < 2 * kRadius + 1 || h < 2 * kRadius + 1)
        return std::nan("");
    double kernel[2 * kRadius + 1];
    double total = 0;
    for (int i = -kRadius; i <= kRadius; ++i)
        total += kernel[i + kRadius] = std::exp(-(i * i) / (2 * 1.5 * 1.5));
    for (double &k : kernel)
        k /= total;
    const std::vector<float> x = luma(a);
    const std::vector<float> y = luma(b);
    const double c1 = (0.01 * 255) * (0.01 * 255);
    const double c2 = (0.03 * 255) * (0.03 * 255);
    double sum = 0;
    int count = 0;
    for (int r = kRadius; r < h - kRadius; ++r) {
        for (int c = kRadius; c < w - kRadius; ++c) {
            double mx = 0, my = 0, xx = 0, yy = 0, xy = 0;
            for (int i = -kRadius; i <= kRadius; ++i) {
                for (int j = -kRadius; j <= kRadius; ++j) {
                    const double k = kernel[i + kRadius] * kernel[j + kRadius];
                    const double p = x[size_t(r + i) * w + c + j];
                    const double q = y[size_t(r + i) * w + c + j];
                    mx += k * p;
                    my += k * q;
                    xx += k * p * p;
                    yy += k * q * q;
                    xy += k * p * q;
                }
            }
            const double vx = xx - mx * mx;
            const double vy = yy - my * my;
            const double cov = xy - mx * my;
            sum += ((2 * mx * my + c1) * (2 * cov + c2)) / ((mx * mx + my * my + c1) * (vx + vy + c2));
            ++count;
        }
    }
    return sum / count;
}

// The box's size as the thumbnailer rounds it: the longer side exactly box, the
// shorter rounded to the nearest pixel.
QSize fitInBox(QSize size, int box)
{
    if (size.width() <= box && size.height() <= box)
        return size;
    const auto shorter = [box](int shortSide, int longSide) {
        return std::max(1, int(std::lround(double(shortSide) * box / longSide)));
    };
    if (size.width() >= size.height())
        return QSize(box, shorter(size.height(), size.width()));
    return QSize(shorter(size.width(), size.height()), box);
}

int runSsim(int size, const QString &corpus, const QStringList &dirs)
{
    ImageSettings accurate;
    accurate.dctMethod = 0; // slow integer: the accurate one
    accurate.fancyUpsampling = true;
    std::vector<double> sums(size_t(dirs.size()), 0.0);
    std::vector<int> counts(size_t(dirs.size()), 0);
    std::vector<int> missing(size_t(dirs.size()), 0);
    for (const QString &path : album::listAlbumPictures(corpus)) {
        const DecodedPicture full = Thumbnailer::decode(path, accurate, 0);
        if (!full.ok())
            continue;
        const QImage flat = full.image.format() == QImage::Format_Grayscale8
            ? full.image
            : full.image.convertToFormat(QImage::Format_RGB888);
        // The reference at the size each tool chose: tools round the shorter side
        // differently, and a pixel more or less must not count as a difference.
        const QSize box = fitInBox(flat.size(), size);
        QHash<QSize, QImage> references;
        const auto referenceAt = [&](QSize at) {
            auto found = references.find(at);
            if (found == references.end())
                found = references.insert(at, resample::scaled(flat, at, resample::Filter::Lanczos3));
            return *found;
        };
        const QFileInfo source(path);
        for (int d = 0; d < dirs.size(); ++d) {
            const QDir dir(dirs[d]);
            QImage thumbnail(dir.filePath(source.fileName()));
            if (thumbnail.isNull())
                thumbnail.load(dir.filePath(source.completeBaseName() + QStringLiteral(".jpg")));
            if (thumbnail.isNull()) {
                ++missing[size_t(d)];
                continue;
            }
            thumbnail = thumbnail.convertToFormat(QImage::Format_RGB888);
            const bool near =
                std::abs(thumbnail.width() - box.width()) <= 2 && std::abs(thumbnail.height() - box.height()) <= 2;
            // A thumbnail of another size altogether is compared at the box's size.
            if (!near)
                thumbnail = resample::scaled(thumbnail, box, resample::Filter::Lanczos3);
            const double value = ssim(referenceAt(thumbnail.size()), thumbnail);
            if (std::isnan(value))
                continue;
            sums[size_t(d)] += value;
            ++counts[size_t(d)];
        }
    }
    for (int d = 0; d < dirs.size(); ++d)
        std::printf("%s %.4f %d %d\n",
            qPrintable(dirs[d]),
            counts[size_t(d)] ? sums[size_t(d)] / counts[size_t(d)] : 0.0,
            counts[size_t(d)],
            missing[size_t(d)]);
    return 0;
}

// Mean and largest absolute difference per channel of two images of one size and format.
std::pair<double, int> difference(const QImage &a, const QImage &b)
{
    const int rowBytes = a.width() * (a.depth() / 8);
    quint64 total = 0;
    int peak = 0;
    for (int y = 0; y < a.height(); ++y) {
        const uchar *p = a.constScanLine(y);
        const uchar *q = b.constScanLine(y);
        for (int i = 0; i < rowBytes; ++i) {
            const int d = std::abs(int(p[i]) - int(q[i]));
            total += unsigned(d);
            peak = std::max(peak, d);
        }
    }
    return { double(total) / (double(rowBytes) * a.height()), peak };
}

int runDcDiff(int size, const QString &corpus)
{
    double worstMean = 0;
    int files = 0;
    for (const QString &path : jpegFiles(corpus)) {
        const QByteArray data = readFile(path);
        jpeg::DecodeOptions options;
        options.minLongSide = size;
        const jpeg::DecodedJpeg full = jpeg::decode(data, options);
        options.progressiveDcOnly = true;
        const jpeg::DecodedJpeg dc = jpeg::decode(data, options);
        if (!full.error.isEmpty() || !dc.error.isEmpty() || !dc.dcOnly)
            continue;
        const auto [meanEighth, peakEighth] = difference(full.image, dc.image);
        const QSize box = fitInBox(full.image.size(), size);
        const auto [meanThumb, peakThumb] = difference(resample::scaled(full.image, box, resample::Filter::Lanczos3),
            resample::scaled(dc.image, box, resample::Filter::Lanczos3));
        std::printf("%s: 1/8 mean %.3f peak %d, thumbnail mean %.3f peak %d\n",
            qPrintable(QFileInfo(path).fileName()),
            meanEighth,
            peakEighth,
            meanThumb,
            peakThumb);
        worstMean = std::max(worstMean, meanThumb);
        ++files;
    }
    std::printf("%d progressive files, largest thumbnail mean difference %.3f levels\n", files, worstMean);
    return 0;
}

int runFastDiff(int size, const QString &corpus)
{
    double sumEighth = 0;
    double sumThumb = 0;
    double worstMean = 0;
    int worstPeak = 0;
    int fast = 0;
    int other = 0;
    for (const QString &path : jpegFiles(corpus)) {
        const QByteArray data = readFile(path);
        jpeg::DecodeOptions options;
        options.minLongSide = size;
        options.fastDc = false;
        const jpeg::DecodedJpeg reference = jpeg::decode(data, options);
        options.fastDc = true;
        const jpeg::DecodedJpeg decoded = jpeg::decode(data, options);
        const QString name = QFileInfo(path).fileName();
        if (!decoded.fastDc || !reference.error.isEmpty() || reference.image.size() != decoded.image.size()
            || reference.image.format() != decoded.image.format()) {
            std::printf("%s: libjpeg (%s)\n",
                qPrintable(name),
                reference.scaleNumerator != 1 ? "not at 1/8"
                    : reference.progressive   ? "progressive"
                                              : "not taken");
            ++other;
            continue;
        }
        const auto [meanEighth, peakEighth] = difference(reference.image, decoded.image);
        const QImage referenceFlat = reference.image.convertToFormat(QImage::Format_RGB888);
        const QImage decodedFlat = decoded.image.convertToFormat(QImage::Format_RGB888);
        const QSize box = fitInBox(referenceFlat.size(), size);
        const auto [meanThumb, peakThumb] = difference(resample::scaled(referenceFlat, box, resample::Filter::Lanczos3),
            resample::scaled(decodedFlat, box, resample::Filter::Lanczos3));
        std::printf("%s: %s 1/8 mean %.3f peak %d, thumbnail mean %.3f peak %d\n",
            qPrintable(name),
            decoded.image.format() == QImage::Format_Grayscale8 ? "gray" : "colour",
            meanEighth,
            peakEighth,
            meanThumb,
            peakThumb);
        sumEighth += meanEighth;
        sumThumb += meanThumb;
        worstMean = std::max(worstMean, meanEighth);
        worstPeak = std::max(worstPeak, peakEighth);
        ++fast;
    }
    std::printf("%d by the DC-only decoder, %d by libjpeg; at 1/8 mean %.3f (worst file %.3f, peak %d), "
                "thumbnail mean %.3f levels\n",
        fast,
        other,
        fast ? sumEighth / fast : 0.0,
        worstMean,
        worstPeak,
        fast ? sumThumb / fast : 0.0);
    return 0;
}

int runThumbs(int size, resample::Filter filter, const QString &corpus, const QString &out)
{
    ImageSettings settings;
    settings.boxSize = size;
    settings.frame = false;
    int failed = 0;
    for (const QString &path : jpegFiles(corpus)) {
        const DecodedPicture picture = Thumbnailer::decode(path, settings, size);
        const QImage flat = picture.image.format() == QImage::Format_Grayscale8
            ? picture.image
            : picture.image.convertToFormat(QImage::Format_RGB888);
        const QImage thumbnail = resample::scaled(flat, fitInBox(flat.size(), size), filter);
        const QByteArray bytes = Thumbnailer::encodeJpeg(thumbnail, settings);
        QFile file(QDir(out).filePath(QFileInfo(path).fileName()));
        if (!picture.ok() || bytes.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            ++failed;
    }
    std::printf("%d failed\n", failed);
    return failed ? 1 : 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty())
        return usage();
    const QString command = args.takeFirst();
    int size = 90;
    int jobs = 1;
    bool dcOnly = false;
    bool fastDc = false;
    bool full = false;
    resample::Filter filter = resample::Filter::Lanczos3;
    QStringList positional;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--size") && i + 1 < args.size())
            size = args[++i].toInt();
        else if (args[i] == QLatin1String("--jobs") && i + 1 < args.size())
            jobs = args[++i].toInt();
        else if (args[i] == QLatin1String("--filter") && i + 1 < args.size())
            filter = args[++i] == QLatin1String("area") ? resample::Filter::Area : resample::Filter::Lanczos3;
        else if (args[i] == QLatin1String("--dc-only"))
            dcOnly = true;
        else if (args[i] == QLatin1String("--fast-dc"))
            fastDc = true;
        else if (args[i] == QLatin1String("--full"))
            full = true;
        else
            positional += args[i];
    }
    if (size <= 0 || positional.isEmpty())
        return usage();
    if (command == QLatin1String("floor") && positional.size() == 1)
        return runFloor(size, jobs, dcOnly, fastDc, positional[0]);
    if (command == QLatin1String("heic") && (positional.size() == 1 || positional.size() == 2))
        return runHeic(size, jobs, full, positional[0], positional.value(1));
    if (command == QLatin1String("thumbs") && positional.size() == 2)
        return runThumbs(size, filter, positional[0], positional[1]);
    if (command == QLatin1String("dcdiff") && positional.size() == 1)
        return runDcDiff(size, positional[0]);
    if (command == QLatin1String("fastdiff") && positional.size() == 1)
        return runFastDiff(size, positional[0]);
    if (command == QLatin1String("ssim") && positional.size() >= 2)
        return runSsim(size, positional[0], positional.mid(1));
    return usage();
}
