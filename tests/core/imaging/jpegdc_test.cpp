// SPDX-License-Identifier: GPL-3.0-or-later
// The DC-only fast path of jpeg::decode at 1/8 scale: the same pictures, metadata and
// errors as libjpeg's own decode, for every kind of file it takes, and libjpeg's
// behaviour unchanged for every file it declines.
#include "imaging/jpegcodec.h"
#include "imagingtesthelpers.h"
#include "support/testsupport.h"

#include <QDir>
#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <random>

using namespace quorvel;
using quorvel::test::readBytes;
using quorvel::test::testPicture;

namespace
{

// How a test picture is encoded: luma sampling (chroma is 1x1), gray, restart interval
// in MCUs, quality, optimised or standard Huffman tables.
struct Encoding {
    int width = 64;
    int height = 48;
    bool gray = false;
    int h = 2;
    int v = 2;
    unsigned restartInterval = 0;
    int quality = 85;
    bool optimize = true;
    bool progressive = false;
    bool separateDcScans = false; // progressive: one DC scan per component, all bits at once
};

// A picture with gradients, edges, fine stripes and noise: every block has AC
// coefficients, the chroma too, and strong ones where the stripes are.
QByteArray encodeTestPicture(const Encoding &e)
{
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char *out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &out, &size);
    cinfo.image_width = JDIMENSION(e.width);
    cinfo.image_height = JDIMENSION(e.height);
    cinfo.input_components = e.gray ? 1 : 3;
    cinfo.in_color_space = e.gray ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, e.quality, TRUE);
    cinfo.optimize_coding = e.optimize ? TRUE : FALSE;
    cinfo.restart_interval = e.restartInterval;
    // One DC scan per component, then each component's AC in one scan.
    static const jpeg_scan_info kSeparateDcScans[] = {
        { 1, { 0 }, 0, 0, 0, 0 },
        { 1, { 1 }, 0, 0, 0, 0 },
        { 1, { 2 }, 0, 0, 0, 0 },
        { 1, { 0 }, 1, 63, 0, 0 },
        { 1, { 1 }, 1, 63, 0, 0 },
        { 1, { 2 }, 1, 63, 0, 0 },
    };
    if (!e.gray) {
        cinfo.comp_info[0].h_samp_factor = e.h;
        cinfo.comp_info[0].v_samp_factor = e.v;
        for (int c = 1; c < 3; ++c)
            cinfo.comp_info[c].h_samp_factor = cinfo.comp_info[c].v_samp_factor = 1;
    }
    if (e.progressive && e.separateDcScans && !e.gray) {
        cinfo.scan_info = kSeparateDcScans;
        cinfo.num_scans = 6;
    } else if (e.progressive) {
        jpeg_simple_progression(&cinfo);
    }
    jpeg_start_compress(&cinfo, TRUE);
    std::mt19937 noise(unsigned(e.width * 131 + e.height));
    std::vector<unsigned char> row(size_t(e.width) * size_t(cinfo.input_components));
    while (cinfo.next_scanline < cinfo.image_height) {
        const int y = int(cinfo.next_scanline);
        for (int x = 0; x < e.width; ++x) {
            const int stripes = ((x / 2 + y / 3) & 1) ? 90 : 0;
            const int jitter = int(noise() % 41) - 20;
            const int r = std::clamp(x * 255 / e.width + (x > e.width / 2 ? stripes : 0) + jitter, 0, 255);
            const int g = std::clamp(y * 255 / e.height + jitter, 0, 255);
            const int b =
                std::clamp(255 - (x + y) * 255 / (e.width + e.height) + (y > e.height / 2 ? stripes : 0), 0, 255);
            if (e.gray) {
                row[size_t(x)] = static_cast<unsigned char>((r + g + b) / 3);
            } else {
                row[size_t(x) * 3] = static_cast<unsigned char>(r);
                row[size_t(x) * 3 + 1] = static_cast<unsigned char>(g);
                row[size_t(x) * 3 + 2] = static_cast<unsigned char>(b);
            }
        }
        JSAMPROW pointer = row.data();
        jpeg_write_scanlines(&cinfo, &pointer, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    const QByteArray bytes(reinterpret_cast<const char *>(out), qsizetype(size));
    std::free(out);
    return bytes;
}

jpeg::DecodedJpeg decodeEighth(const QByteArray &data, bool fastDc)
{
    jpeg::DecodeOptions options;
    options.minLongSide = 1; // the smallest scale: 1/8
    options.fastDc = fastDc;
    options.progressiveDcOnly = true; // as a thumbnail reads a progressive file
    return jpeg::decode(data, options);
}

// Both decodes give the same result: the same error, or the same picture.
void expectSameResult(const QByteArray &data, const std::string &what)
{
    const jpeg::DecodedJpeg fast = decodeEighth(data, true);
    const jpeg::DecodedJpeg reference = decodeEighth(data, false);
    EXPECT_EQ(fast.error, reference.error) << what;
    EXPECT_EQ(fast.image.size(), reference.image.size()) << what;
    EXPECT_TRUE(fast.image == reference.image) << what;
    if (!reference.error.isEmpty()) {
        EXPECT_FALSE(fast.fastDc) << what;
    }
}

// Where the entropy-coded data of the (only) scan starts: after the SOS segment.
qsizetype scanStart(const QByteArray &jpeg)
{
    const qsizetype sos = jpeg.indexOf(QByteArray("\xFF\xDA", 2));
    if (sos < 0)
        return -1;
    const int length = (uchar(jpeg[sos + 2]) << 8) | uchar(jpeg[sos + 3]);
    return sos + 2 + length;
}

} // namespace

TEST(JpegDc, SamePicturesAsLibjpegForEverySamplingRestartIntervalAndSize)
{
    struct Sampling {
        const char *name;
        bool gray;
        int h;
        int v;
    };
    const Sampling samplings[] = {
        { "gray", true, 1, 1 },
        { "4:4:4", false, 1, 1 },
        { "4:2:2", false, 2, 1 },
        { "4:4:0", false, 1, 2 },
        { "4:2:0", false, 2, 2 },
    };
    const QSize sizes[] = { { 8, 8 }, { 37, 29 }, { 203, 117 }, { 16, 161 }, { 1, 1 } };
    const unsigned restarts[] = { 0, 1, 5 };
    int variant = 0;
    for (const Sampling &sampling : samplings) {
        for (const QSize size : sizes) {
            for (const unsigned restart : restarts) {
                ++variant;
                Encoding e;
                e.width = size.width();
                e.height = size.height();
                e.gray = sampling.gray;
                e.h = sampling.h;
                e.v = sampling.v;
                e.restartInterval = restart;
                e.optimize = variant % 2;
                e.quality = variant % 3 == 0 ? 100 : variant % 3 == 1 ? 75 : 15;
                const std::string what = std::string(sampling.name) + " " + std::to_string(e.width) + "x"
                    + std::to_string(e.height) + " restart " + std::to_string(restart) + " quality "
                    + std::to_string(e.quality) + (e.optimize ? " optimised" : " standard tables");
                const QByteArray data = encodeTestPicture(e);
                const jpeg::DecodedJpeg fast = decodeEighth(data, true);
                const jpeg::DecodedJpeg reference = decodeEighth(data, false);
                ASSERT_TRUE(reference.error.isEmpty()) << what;
                EXPECT_TRUE(fast.fastDc) << what;
                EXPECT_FALSE(reference.fastDc) << what;
                EXPECT_TRUE(fast.error.isEmpty()) << what << ": " << qPrintable(fast.error);
                EXPECT_EQ(fast.scaleNumerator, 1) << what;
                EXPECT_EQ(fast.image.size(), QSize((e.width + 7) / 8, (e.height + 7) / 8)) << what;
                EXPECT_EQ(fast.image.format(), sampling.gray ? QImage::Format_Grayscale8 : QImage::Format_RGB888)
                    << what;
                EXPECT_TRUE(fast.image == reference.image) << what;
            }
        }
    }
}

TEST(JpegDc, CameraPhotosDecodeAsWithLibjpegWithTheirMetadata)
{
    QUORVEL_REQUIRE_TESTDATA();
    const QDir cameras(testPicture(QStringLiteral("cameras")));
    int fastCount = 0;
    for (const QString &name : cameras.entryList({ QStringLiteral("*.jpg") }, QDir::Files)) {
        const QByteArray data = readBytes(cameras.filePath(name));
        const jpeg::DecodedJpeg fast = decodeEighth(data, true);
        const jpeg::DecodedJpeg reference = decodeEighth(data, false);
        ASSERT_TRUE(reference.error.isEmpty()) << qPrintable(name);
        EXPECT_TRUE(fast.image == reference.image) << qPrintable(name);
        EXPECT_EQ(fast.fullSize, reference.fullSize) << qPrintable(name);
        EXPECT_EQ(fast.exif, reference.exif) << qPrintable(name);
        EXPECT_EQ(fast.iccProfile, reference.iccProfile) << qPrintable(name);
        fastCount += fast.fastDc;
    }
    EXPECT_GE(fastCount, 10); // every baseline camera photo there is taken
}

TEST(JpegDc, TruncatedOrCorruptDataGivesLibjpegsResult)
{
    Encoding colour;
    colour.width = 150;
    colour.height = 90;
    colour.restartInterval = 4;
    Encoding gray = colour;
    gray.gray = true;
    gray.restartInterval = 0;
    for (const Encoding &e : { colour, gray }) {
        const QByteArray intact = encodeTestPicture(e);
        const qsizetype start = scanStart(intact);
        ASSERT_GT(start, 0);
        const std::string kind = e.gray ? "gray" : "colour";
        // cut anywhere in the scan, with or without an end marker after the cut
        for (qsizetype cut = start; cut < intact.size(); cut += std::max<qsizetype>(1, (intact.size() - start) / 23)) {
            expectSameResult(intact.left(cut), kind + " cut at " + std::to_string(cut));
            expectSameResult(
                intact.left(cut) + QByteArray("\xFF\xD9", 2), kind + " cut and ended at " + std::to_string(cut));
        }
        // bytes of the scan changed: bad codes, markers in the data, other values
        std::mt19937 random(7);
        for (int i = 0; i < 60; ++i) {
            QByteArray damaged = intact;
            const qsizetype at = start + qsizetype(random() % unsigned(intact.size() - 2 - start));
            const char value = i % 3 == 0 ? char(0xFF) : char(random());
            damaged[at] = value;
            if (i % 3 == 0 && at + 1 < damaged.size() - 2)
                damaged[at + 1] = char(0xD0 + i % 10); // a restart marker or another one
            expectSameResult(damaged, kind + " byte changed at " + std::to_string(at));
        }
    }
}

TEST(JpegDc, RestartMarkersOutOfSequenceAreLeftToLibjpeg)
{
    Encoding e;
    e.width = 64;
    e.height = 64;
    e.restartInterval = 2;
    const QByteArray intact = encodeTestPicture(e);
    ASSERT_TRUE(decodeEighth(intact, true).fastDc);
    const qsizetype firstRestart = intact.indexOf(QByteArray("\xFF\xD0", 2), scanStart(intact));
    ASSERT_GT(firstRestart, 0);

    QByteArray wrongNumber = intact;
    wrongNumber[firstRestart + 1] = char(0xD3);
    QByteArray missing = intact;
    missing.remove(firstRestart, 2);
    QByteArray padded = intact; // extra bytes before the marker, which libjpeg skips with a warning
    padded.insert(firstRestart, QByteArray("\x12\x34", 2));
    QByteArray filled = intact; // fill bytes 0xFF before the marker are allowed
    filled.insert(firstRestart, QByteArray("\xFF\xFF", 2));

    for (const QByteArray &data : { wrongNumber, missing, padded }) {
        EXPECT_FALSE(decodeEighth(data, true).fastDc);
        expectSameResult(data, "damaged restart");
    }
    EXPECT_TRUE(decodeEighth(filled, true).fastDc);
    expectSameResult(filled, "fill bytes before a restart marker");
}

TEST(JpegDc, InvalidHuffmanTablesAreLeftToLibjpeg)
{
    Encoding e;
    e.optimize = false; // the standard tables, the first one luma DC
    const QByteArray intact = encodeTestPicture(e);
    const qsizetype dht = intact.indexOf(QByteArray("\xFF\xC4", 2));
    ASSERT_GT(dht, 0);
    const qsizetype counts = dht + 5; // after the marker, the length and the table's class and number
    ASSERT_EQ(intact.mid(counts, 4), QByteArray("\x00\x01\x05\x01", 4));
    // The same number of codes, three of them one bit long: more than one bit can tell
    // apart. libjpeg refuses the table; so must the fast path, without writing past
    // its look-up tables.
    QByteArray overfull = intact;
    overfull[counts] = 3;
    overfull[counts + 1] = 0;
    overfull[counts + 2] = 3;
    EXPECT_FALSE(decodeEighth(overfull, true).fastDc);
    EXPECT_FALSE(decodeEighth(overfull, false).error.isEmpty());
    expectSameResult(overfull, "overfull table");
    // Every code of the longest length used: libjpeg refuses a table whose codes use up
    // the whole code space too (an all-ones code would be ambiguous with the padding).
    QByteArray full = intact;
    full[counts] = 2;
    full[counts + 1] = 0;
    full[counts + 2] = 5;
    expectSameResult(full, "table with no code space left");
    EXPECT_FALSE(decodeEighth(full, true).fastDc);
}

TEST(JpegDc, ChromaValuesNoRealPictureHasAreLeftToLibjpeg)
{
    // libjpeg's 2x2 transform of 4:2:0 chroma gives other samples in its vector code than
    // in its C code once dequantised coefficients leave the range 8-bit pictures have;
    // such a file must give libjpeg's own picture, whichever code libjpeg runs.
    Encoding e;
    e.width = 96;
    e.height = 64;
    e.quality = 100; // every quantiser 1
    const QByteArray intact = encodeTestPicture(e);
    ASSERT_TRUE(decodeEighth(intact, true).fastDc);
    const qsizetype luma = intact.indexOf(QByteArray("\xFF\xDB\x00\x43\x00", 5));
    const qsizetype chroma = intact.indexOf(QByteArray("\xFF\xDB\x00\x43\x01", 5));
    ASSERT_GT(luma, 0);
    ASSERT_GT(chroma, 0);
    QByteArray extreme = intact;
    extreme.replace(chroma + 5, 64, QByteArray(64, char(0xFF))); // chroma quantisers 255
    EXPECT_FALSE(decodeEighth(extreme, true).fastDc);
    expectSameResult(extreme, "chroma quantisers 255");
    // The luma's 1x1 transform is C code alone: its wrapping is libjpeg's whatever the values.
    QByteArray strongLuma = intact;
    strongLuma.replace(luma + 5, 64, QByteArray(64, char(0xFF)));
    e.gray = true;
    QByteArray strongGray = encodeTestPicture(e);
    const qsizetype gray = strongGray.indexOf(QByteArray("\xFF\xDB\x00\x43\x00", 5));
    ASSERT_GT(gray, 0);
    strongGray.replace(gray + 5, 64, QByteArray(64, char(0xFF)));
    for (const QByteArray &data : { strongLuma, strongGray }) {
        EXPECT_TRUE(decodeEighth(data, true).fastDc);
        expectSameResult(data, "luma quantisers 255");
    }
}

TEST(JpegDc, OtherFilesAndScalesAreDecodedByLibjpeg)
{
    Encoding e;
    e.width = 160;
    e.height = 120;
    const QByteArray baseline = encodeTestPicture(e);

    jpeg::DecodeOptions options;
    options.minLongSide = 21; // 2/8 scale: 40 x 30
    jpeg::DecodedJpeg decoded = jpeg::decode(baseline, options);
    EXPECT_EQ(decoded.scaleNumerator, 2);
    EXPECT_FALSE(decoded.fastDc);
    options.minLongSide = 0;
    EXPECT_FALSE(jpeg::decode(baseline, options).fastDc);
    options.minLongSide = 1;
    EXPECT_TRUE(jpeg::decode(baseline, options).fastDc);
    options.fastDc = false;
    EXPECT_FALSE(jpeg::decode(baseline, options).fastDc);

    QUORVEL_REQUIRE_TESTDATA();
    for (const char *name : { "formats/progressive.jpg",
             "formats/cmyk.jpg",
             "broken/truncated.jpg",
             "broken/corrupt-data.jpg",
             "formats/grayscale.jpg" }) {
        const QByteArray data = readBytes(testPicture(QString::fromLatin1(name)));
        ASSERT_FALSE(data.isEmpty()) << name;
        const jpeg::DecodedJpeg fast = decodeEighth(data, true);
        if (QByteArray(name).startsWith("formats/cmyk")) {
            EXPECT_FALSE(fast.fastDc) << name;
        }
        expectSameResult(data, name);
    }
}

// Progressive files read as far as their DC scans: the same pictures as libjpeg's
// output after those scans, from interleaved DC scans with a refinement (the usual
// script, which sends the chroma's first AC bits before the DC's last bit: libjpeg's
// 4:2:0 chroma takes them) and from one complete DC scan per component; cut files as
// libjpeg has them.
TEST(JpegDc, ProgressiveFilesGiveLibjpegsPictureAfterTheirDcScans)
{
    struct Sampling {
        bool gray;
        int h;
        int v;
    };
    const Sampling samplings[] = { { true, 1, 1 }, { false, 1, 1 }, { false, 2, 1 }, { false, 1, 2 }, { false, 2, 2 } };
    int variant = 0;
    for (const Sampling &sampling : samplings) {
        for (const QSize size : { QSize(37, 29), QSize(203, 117), QSize(8, 8) }) {
            for (const bool separate : { false, true }) {
                ++variant;
                Encoding e;
                e.width = size.width();
                e.height = size.height();
                e.gray = sampling.gray;
                e.h = sampling.h;
                e.v = sampling.v;
                e.progressive = true;
                e.separateDcScans = separate;
                e.restartInterval = variant % 3 == 0 ? 2 : 0;
                e.quality = variant % 2 ? 90 : 40;
                const std::string what = std::string(sampling.gray ? "gray" : "colour") + " " + std::to_string(e.h)
                    + "x" + std::to_string(e.v) + " " + std::to_string(e.width) + "x" + std::to_string(e.height)
                    + (separate ? " separate DC scans" : " usual script") + " restart "
                    + std::to_string(e.restartInterval);
                const QByteArray data = encodeTestPicture(e);
                const jpeg::DecodedJpeg fast = decodeEighth(data, true);
                const jpeg::DecodedJpeg reference = decodeEighth(data, false);
                ASSERT_TRUE(reference.error.isEmpty()) << what;
                EXPECT_TRUE(reference.dcOnly) << what;
                EXPECT_TRUE(fast.fastDc) << what;
                EXPECT_TRUE(fast.image == reference.image) << what;
            }
        }
    }
    for (const int v : { 1, 2 }) {
        Encoding e;
        e.width = 150;
        e.height = 90;
        e.v = v;
        e.progressive = true;
        e.restartInterval = 3;
        const QByteArray intact = encodeTestPicture(e);
        ASSERT_TRUE(decodeEighth(intact, true).fastDc);
        for (qsizetype cut = 200; cut < intact.size(); cut += intact.size() / 31) {
            expectSameResult(intact.left(cut), "progressive cut at " + std::to_string(cut));
            expectSameResult(
                intact.left(cut) + QByteArray("\xFF\xD9", 2), "progressive cut and ended at " + std::to_string(cut));
        }
    }
}

// Metadata after the first scan, which libjpeg adds to the picture's, and an AC scan
// libjpeg refuses: the reader leaves such files to libjpeg.
TEST(JpegDc, ProgressiveFilesWithLateMetadataOrBadScansAreLeftToLibjpeg)
{
    Encoding e;
    e.width = 64;
    e.height = 48;
    e.progressive = true;
    const QByteArray intact = encodeTestPicture(e);
    ASSERT_TRUE(decodeEighth(intact, true).fastDc);
    // the second scan's header: after the first scan's data
    const qsizetype second = intact.indexOf(QByteArray("\xFF\xDA", 2), scanStart(intact));
    ASSERT_GT(second, 0);

    QByteArray lateExif = intact;
    const QByteArray exif = QByteArray("\xFF\xE1\x00\x0E", 4) + QByteArray("Exif\0\0MM\0\x2A", 10);
    lateExif.insert(second, exif);
    EXPECT_FALSE(decodeEighth(lateExif, true).fastDc);
    expectSameResult(lateExif, "EXIF after the first scan");

    QByteArray badScan = intact;
    badScan[second + 4 + 1 + 2] = char(63); // Ss 63 > Se
    EXPECT_FALSE(decodeEighth(badScan, true).fastDc);
    expectSameResult(badScan, "an AC scan with Ss > Se");
}
