// SPDX-License-Identifier: GPL-3.0-or-later
// Files that are not what they claim: progressive JPEGs cut into absurdly many scans,
// named pipes, folders and devices under picture names. Each gives a clear error
// instead of a hang.
#include "imaging/thumbnailer.h"
#include "imagingtesthelpers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <sys/stat.h>
#include <vector>

using namespace quorvel;

namespace
{

// A progressive grayscale JPEG of width x height in three scans: DC, AC 1..62, AC 63.
QByteArray threeScanProgressiveJpeg(int width, int height)
{
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = 1;
    cinfo.in_color_space = JCS_GRAYSCALE;
    jpeg_set_defaults(&cinfo);
    cinfo.optimize_coding = TRUE;
    static jpeg_scan_info scans[3];
    scans[0] = { 1, { 0 }, 0, 0, 0, 0 };
    scans[1] = { 1, { 0 }, 1, 62, 0, 0 };
    scans[2] = { 1, { 0 }, 63, 63, 0, 0 };
    cinfo.scan_info = scans;
    cinfo.num_scans = 3;
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<unsigned char> row(static_cast<size_t>(width));
    while (cinfo.next_scanline < cinfo.image_height) {
        for (int x = 0; x < width; ++x)
            row[size_t(x)] = static_cast<unsigned char>((x * 3 + int(cinfo.next_scanline) * 5) & 0xFF);
        JSAMPROW rows[1] = { row.data() };
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray bytes(reinterpret_cast<const char *>(buffer), qsizetype(size));
    std::free(buffer);
    return bytes;
}

// The file with its last scan (and the Huffman table written just before it) repeated
// until the file has `scans` scans. A repeated scan adds nothing to the picture: the
// decoder warns about the progression and goes on, so only the count stops such a file.
QByteArray withScans(const QByteArray &jpeg, int scans)
{
    // The last scan's tables start at the last DHT before the last SOS.
    const qsizetype lastScan = jpeg.lastIndexOf(QByteArray("\xFF\xDA", 2));
    const qsizetype tables = jpeg.lastIndexOf(QByteArray("\xFF\xC4", 2), lastScan);
    const qsizetype end = jpeg.lastIndexOf(QByteArray("\xFF\xD9", 2));
    if (lastScan < 0 || tables < 0 || end < lastScan)
        return {};
    const QByteArray repeated = jpeg.mid(tables, end - tables);
    QByteArray file = jpeg.left(end);
    for (int i = 3; i < scans; ++i)
        file += repeated;
    return file + jpeg.mid(end);
}

} // namespace

TEST(HostileInput, AProgressiveJpegCutIntoTooManyScansIsRefused)
{
    const QByteArray jpeg = threeScanProgressiveJpeg(256, 256);
    ASSERT_FALSE(jpeg.isEmpty());

    // A file with many scans, but fewer than the limit, is still a picture.
    const DecodedPicture many = Thumbnailer::decodeData(withScans(jpeg, 900), ImageSettings());
    ASSERT_TRUE(many.ok()) << qPrintable(many.error);
    const DecodedPicture plain = Thumbnailer::decodeData(jpeg, ImageSettings());
    ASSERT_TRUE(plain.ok());
    EXPECT_LT(test::meanDifference(many.image, plain.image), 0.01);

    for (const int minLongSide : { 0, 90 }) {
        const DecodedPicture tooMany = Thumbnailer::decodeData(withScans(jpeg, 1200), ImageSettings(), minLongSide);
        EXPECT_FALSE(tooMany.ok());
        EXPECT_TRUE(tooMany.image.isNull());
        EXPECT_EQ(tooMany.error,
            QStringLiteral("The JPEG file is cut into more than 1000 scans, far more than any picture needs."));
    }
}

TEST(HostileInput, PipesFoldersAndDevicesAreNotReadAsPictures)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pipe = dir.filePath(QStringLiteral("pipe.jpg"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString folder = dir.filePath(QStringLiteral("folder.jpg"));
    ASSERT_TRUE(QDir().mkdir(folder));

    // A pipe nobody writes to would block a reader forever; /dev/zero never ends.
    for (const QString &path : { pipe, folder, QStringLiteral("/dev/zero") }) {
        const DecodedPicture picture = Thumbnailer::decode(path, ImageSettings(), 90);
        EXPECT_EQ(picture.error, QStringLiteral("This is not a picture file but a folder or a device."))
            << qPrintable(path);

        const QString thumbnail = dir.filePath(QStringLiteral("th_") + QFileInfo(path).fileName());
        const QString error = Thumbnailer::writeThumbnail(path, thumbnail, ImageSettings());
        EXPECT_FALSE(error.isEmpty()) << qPrintable(path);
        EXPECT_FALSE(QFileInfo::exists(thumbnail)) << qPrintable(path);
    }
}
