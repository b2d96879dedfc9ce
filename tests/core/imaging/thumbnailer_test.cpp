// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/decoderwarnings.h"
#include "imaging/thumbnailer.h"
#include "imagingtesthelpers.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QtConcurrent>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif

using namespace quorvel;
using quorvel::test::meanDifference;
using quorvel::test::readBytes;
using quorvel::test::testPicture;
using quorvel::test::writeBytes;

namespace
{

ImageSettings boxOf(int box, bool frame)
{
    ImageSettings settings;
    settings.boxSize = box;
    settings.frame = frame;
    return settings;
}

// The thumbnail as writeThumbnail makes it, before encoding.
QImage thumbnailOf(const QString &relativePath, int box = 64)
{
    const ImageSettings settings = boxOf(box, false);
    const DecodedPicture picture = Thumbnailer::decode(testPicture(relativePath), settings, box);
    EXPECT_TRUE(picture.ok()) << qPrintable(relativePath) << ": " << qPrintable(picture.error);
    return Thumbnailer::makeThumbnail(picture.image, settings);
}

QStringList filesIn(const QString &dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::System | QDir::Hidden, QDir::Name);
}

struct Photo {
    const char *path;
    QSize upright;
};

// Every real photograph of the test pictures, with its upright size.
const Photo kPhotos[] = {
    { "cameras/apple-iphone-4.jpg", { 1296, 968 } },
    { "cameras/canon-eos-d60.jpg", { 1772, 1181 } },
    { "cameras/canon-eos-rebel-t3i.jpg", { 1152, 768 } },
    { "cameras/canon-powershot-sx60hs-orientation-6.jpg", { 1536, 2048 } },
    { "cameras/casio-ex-z3.jpg", { 2048, 1536 } },
    { "cameras/htc-desire.jpg", { 776, 909 } },
    { "cameras/kodak-dx4330.jpg", { 2160, 1440 } },
    { "cameras/minolta-dimage-x.jpg", { 1280, 960 } },
    { "cameras/nikon-d5000.jpg", { 858, 570 } },
    { "cameras/nikon-e950.jpg", { 800, 600 } },
    { "cameras/olympus-pen-e-p3.jpg", { 1280, 960 } },
    { "cameras/panasonic-dmc-lc40.jpg", { 1200, 1600 } },
    { "cameras/samsung-gt-i9000-orientation-6.jpg", { 480, 640 } },
    { "cameras/sony-cybershot.jpg", { 1024, 768 } },
    { "formats/progressive-real.jpg", { 960, 1280 } },
    { "formats/progressive.jpg", { 2048, 1536 } },
    { "names/nokia 3110c phone.jpg", { 1024, 1280 } },
    { "names/olympus-\u03bc-digital-800.jpg", { 1024, 768 } },
};

class ThumbnailerPhotos : public ::testing::TestWithParam<Photo>
{
};

} // namespace

TEST_P(ThumbnailerPhotos, ThumbnailFitsTheBoxAndKeepsTheAspect)
{
    QUORVEL_REQUIRE_TESTDATA();
    const Photo photo = GetParam();
    const QString source = testPicture(QString::fromUtf8(photo.path));
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const int fullLong = std::max(photo.upright.width(), photo.upright.height());
    for (const int box : { 90, 300, 1500 }) {
        const QString dest = dir.filePath(QStringLiteral("t_%1.jpg").arg(box));
        ASSERT_EQ(Thumbnailer::writeThumbnail(source, dest, boxOf(box, true)), QString()) << "box " << box;
        const DecodedPicture written = Thumbnailer::decode(dest, ImageSettings());
        ASSERT_TRUE(written.ok()) << qPrintable(written.error);
        const QSize size = written.image.size();
        EXPECT_EQ(std::max(size.width(), size.height()), std::min(box, fullLong)) << "box " << box;
        // Same aspect as the upright picture, to the rounding of the shorter side.
        const double expectedShort =
            double(std::min(photo.upright.width(), photo.upright.height())) * std::min(box, fullLong) / fullLong;
        EXPECT_NEAR(std::min(size.width(), size.height()), expectedShort, 1.0) << "box " << box;
        EXPECT_EQ(size.width() >= size.height(), photo.upright.width() >= photo.upright.height()) << "box " << box;
    }
    const DecodedPicture full = Thumbnailer::decode(source, ImageSettings(), 90);
    EXPECT_EQ(full.fullSize, photo.upright);
}

INSTANTIATE_TEST_SUITE_P(ThumbnailerRealPhotos,
    ThumbnailerPhotos,
    ::testing::ValuesIn(kPhotos),
    [](const ::testing::TestParamInfo<Photo> &info) {
        std::string name = QFileInfo(QString::fromUtf8(info.param.path)).baseName().toStdString();
        for (char &c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name + "_" + std::to_string(info.index);
    });

TEST(Thumbnailer, ExifOrientationExamplesComeOutUpright)
{
    QUORVEL_REQUIRE_TESTDATA();
    for (const QString &kind : { QStringLiteral("landscape"), QStringLiteral("portrait") }) {
        const QImage reference = thumbnailOf(QStringLiteral("orientation/%1_1.jpg").arg(kind));
        ASSERT_FALSE(reference.isNull());
        EXPECT_EQ(reference.width() > reference.height(), kind == QLatin1String("landscape"));
        // The comparison tells a turned or mirrored picture from an upright one.
        EXPECT_GT(meanDifference(reference.mirrored(true, false), reference), 20.0);
        EXPECT_GT(meanDifference(reference.mirrored(false, true), reference), 20.0);
        for (int n = 0; n <= 8; ++n) { // 0 is an invalid tag, taken as 1
            const QImage thumbnail = thumbnailOf(QStringLiteral("orientation/%1_%2.jpg").arg(kind).arg(n));
            EXPECT_LT(meanDifference(thumbnail, reference), 2.0) << qPrintable(kind) << " " << n;
        }
    }
}

TEST(Thumbnailer, FormatVariantsMatchThePhotosTheyWereMadeFrom)
{
    QUORVEL_REQUIRE_TESTDATA();
    struct Case {
        const char *variant;
        const char *source;
        QImage::Format format;
        double maxDifference;
    };
    const Case cases[] = {
        // jpegtran -progressive is lossless; the thumbnail of the progressive file is
        // made from its DC scans only, which keeps it within a grey level.
        { "formats/progressive.jpg", "cameras/casio-ex-z3.jpg", QImage::Format_RGB888, 1.0 },
        { "broken/jpeg-renamed.gif", "cameras/nikon-d5000.jpg", QImage::Format_RGB888, 0.0 },
        // Inverted (Adobe) CMYK read as plain CMYK would show a negative.
        { "formats/cmyk.jpg", "cameras/nikon-e950.jpg", QImage::Format_RGB888, 3.0 },
        { "formats/grayscale.jpg", "cameras/minolta-dimage-x.jpg", QImage::Format_Grayscale8, 3.0 },
        { "formats/static.gif", "cameras/nikon-e950.jpg", QImage::Format_RGB888, 5.0 },
        // Interlaced rows put back in the wrong order would scramble the picture.
        { "formats/interlaced.gif", "cameras/olympus-pen-e-p3.jpg", QImage::Format_RGB888, 5.0 },
        { "formats/animated.gif", "cameras/sony-cybershot.jpg", QImage::Format_RGB888, 4.0 },
        { "broken/png-renamed.jpg", "cameras/canon-eos-d60.jpg", QImage::Format_RGB888, 4.0 },
    };
    for (const Case &c : cases) {
        const QImage variant = thumbnailOf(QString::fromLatin1(c.variant));
        QImage source = thumbnailOf(QString::fromLatin1(c.source));
        if (c.format == QImage::Format_Grayscale8)
            source = source.convertToFormat(QImage::Format_Grayscale8);
        EXPECT_EQ(variant.format(), c.format) << c.variant;
        EXPECT_LE(meanDifference(variant, source), c.maxDifference) << c.variant;
    }
    // Different photos are far apart by the same measure.
    EXPECT_GT(meanDifference(thumbnailOf(QStringLiteral("cameras/nikon-e950.jpg")),
                  thumbnailOf(QStringLiteral("cameras/minolta-dimage-x.jpg"))),
        25.0);
}

TEST(Thumbnailer, TransparentGifPixelsAreWhite)
{
    QUORVEL_REQUIRE_TESTDATA();
    const DecodedPicture picture =
        Thumbnailer::decode(testPicture(QStringLiteral("formats/transparent.gif")), ImageSettings());
    ASSERT_TRUE(picture.ok()) << qPrintable(picture.error);
    const QImage &image = picture.image;
    ASSERT_EQ(image.size(), QSize(256, 300));
    const QRgb white = qRgb(255, 255, 255);
    for (const QPoint corner : { QPoint(0, 0), QPoint(255, 0), QPoint(0, 299), QPoint(255, 299), QPoint(20, 20) })
        EXPECT_EQ(image.pixel(corner), white) << corner.x() << "," << corner.y();
    EXPECT_NE(image.pixel(128, 150), white);
}

TEST(Thumbnailer, TruncatedGifStillGivesItsCompleteFirstFrame)
{
    QUORVEL_REQUIRE_TESTDATA();
    // truncated.gif is cut inside a later frame of the animation; its first frame is
    // complete, and only the first frame is ever shown, so it makes a thumbnail.
    const DecodedPicture truncated =
        Thumbnailer::decode(testPicture(QStringLiteral("broken/truncated.gif")), ImageSettings());
    const DecodedPicture animated =
        Thumbnailer::decode(testPicture(QStringLiteral("formats/animated.gif")), ImageSettings());
    ASSERT_TRUE(truncated.ok()) << qPrintable(truncated.error);
    ASSERT_TRUE(animated.ok()) << qPrintable(animated.error);
    EXPECT_EQ(truncated.image, animated.image);
}

TEST(Thumbnailer, BrokenFilesGiveAnErrorAndWriteNothing)
{
    QUORVEL_REQUIRE_TESTDATA();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    struct Case {
        QString source;
        const char *errorPart;
    };
    const Case cases[] = {
        { testPicture(QStringLiteral("broken/empty.jpg")), "empty" },
        { testPicture(QStringLiteral("broken/truncated.jpg")), "truncated" },
        { testPicture(QStringLiteral("broken/corrupt-data.jpg")), "corrupt" },
        { testPicture(QStringLiteral("broken/text.jpg")), "not a picture" },
        { testPicture(QStringLiteral("broken/no-such-file.jpg")), "does not exist" },
        { testPicture(QStringLiteral("broken")), "folder" },
    };
    const QString fresh = dir.filePath(QStringLiteral("fresh.jpg"));
    const QString existing = dir.filePath(QStringLiteral("existing.jpg"));
    ASSERT_TRUE(writeBytes(existing, "previous thumbnail"));
    // Full size and the 1/8 scale of a thumbnail, where the decoder reads less: corrupt
    // data is never called truncated, nor the other way round.
    for (const ImageSettings &settings : { ImageSettings(), boxOf(90, true) }) {
        for (const Case &c : cases) {
            const QString error = Thumbnailer::writeThumbnail(c.source, fresh, settings);
            EXPECT_TRUE(error.contains(QLatin1String(c.errorPart)))
                << qPrintable(c.source) << " at " << settings.boxSize << ": " << qPrintable(error);
            EXPECT_EQ(error.contains(QLatin1String("truncated")), QByteArray(c.errorPart) == "truncated")
                << qPrintable(error);
            EXPECT_FALSE(Thumbnailer::writeThumbnail(c.source, existing, settings).isEmpty());
            EXPECT_EQ(filesIn(dir.path()), QStringList { QStringLiteral("existing.jpg") }) << qPrintable(c.source);
            EXPECT_EQ(readBytes(existing), QByteArray("previous thumbnail"));
        }
    }
}

// A decoder's warning about a picture it goes past (libjpeg's and libpng's own) names the file, which the decoder
// itself does not know.
TEST(Thumbnailer, DecoderWarningsNameTheFile)
{
    QUORVEL_REQUIRE_TESTDATA();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray photo = readBytes(testPicture(QStringLiteral("cameras/nikon-e950.jpg")));
    const QString extra = dir.filePath(QStringLiteral("extra.jpg"));
    ASSERT_TRUE(writeBytes(extra, photo.left(2) + '\0' + photo.mid(2)));
    // A PNG (named .gif) whose text chunk has a wrong checksum: libpng warns and goes on.
    QByteArray png = readBytes(testPicture(QStringLiteral("broken/png-renamed.jpg")));
    const QByteArray text("\0\0\0\x0btEXtComment\0abc\0\0\0\0", 23);
    png.insert(8 + 25, text); // after the signature and the header chunk
    const QString badChunk = dir.filePath(QStringLiteral("bad chunk.gif"));
    ASSERT_TRUE(writeBytes(badChunk, png));

    static QStringList messages;
    messages.clear();
    const QtMessageHandler original =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &context, const QString &message) {
            messages += QString::fromLatin1(context.category) + QStringLiteral(": ") + message;
        });
    nameDecodedPicturesInMessages();
    const DecodedPicture fromExtra = Thumbnailer::decode(extra, ImageSettings());
    const QString written =
        Thumbnailer::writeThumbnail(badChunk, dir.filePath(QStringLiteral("t.jpg")), boxOf(90, true));
    qInstallMessageHandler(original);

    EXPECT_TRUE(fromExtra.ok()) << qPrintable(fromExtra.error);
    EXPECT_EQ(written, QString());
    EXPECT_TRUE(messages.contains(QStringLiteral("quorvel.imaging: \"%1\": Corrupt JPEG data: 1 extraneous bytes "
                                                 "before marker 0xe0")
                                      .arg(QDir::toNativeSeparators(extra))))
        << qPrintable(messages.join(u'\n'));
    EXPECT_TRUE(messages.contains(
        QStringLiteral("quorvel.imaging: \"%1\": tEXt: CRC error").arg(QDir::toNativeSeparators(badChunk))))
        << qPrintable(messages.join(u'\n'));
}

TEST(Thumbnailer, FrameIsDrawnExactlyWhenAsked)
{
    struct Case {
        QSize size;
        QImage::Format format;
        int box;
        QSize expected;
    };
    const Case cases[] = {
        { { 200, 100 }, QImage::Format_RGB888, 90, { 90, 45 } },
        { { 100, 200 }, QImage::Format_Grayscale8, 90, { 45, 90 } },
        { { 50, 30 }, QImage::Format_RGB888, 90, { 50, 30 } }, // never enlarged
        { { 90, 90 }, QImage::Format_RGB888, 90, { 90, 90 } },
        { { 301, 1 }, QImage::Format_RGB888, 90, { 90, 1 } }, // the shorter side keeps a pixel
        { { 120, 80 }, QImage::Format_RGB888, 0, { 120, 80 } }, // no box: own size
        { { 64, 64 }, QImage::Format_ARGB32, 90, { 64, 64 } }, // other formats come back as RGB888
    };
    for (const Case &c : cases) {
        QImage source(c.size, c.format);
        source.fill(Qt::white);
        const QImage untouched = source.copy();
        for (const bool frame : { false, true }) {
            const QImage thumbnail = Thumbnailer::makeThumbnail(source, boxOf(c.box, frame));
            const auto where = [&] {
                return testing::Message()
                    << c.size.width() << "x" << c.size.height() << " box " << c.box << (frame ? " framed" : " plain");
            };
            ASSERT_EQ(thumbnail.size(), c.expected) << where();
            EXPECT_EQ(thumbnail.format(),
                c.format == QImage::Format_Grayscale8 ? QImage::Format_Grayscale8 : QImage::Format_RGB888)
                << where();
            const QRgb edge = frame ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
            const int w = thumbnail.width();
            const int h = thumbnail.height();
            for (int x = 0; x < w; ++x) {
                EXPECT_EQ(thumbnail.pixel(x, 0), edge) << where() << " top " << x;
                EXPECT_EQ(thumbnail.pixel(x, h - 1), edge) << where() << " bottom " << x;
            }
            for (int y = 0; y < h; ++y) {
                EXPECT_EQ(thumbnail.pixel(0, y), edge) << where() << " left " << y;
                EXPECT_EQ(thumbnail.pixel(w - 1, y), edge) << where() << " right " << y;
            }
            if (w > 2 && h > 2) {
                EXPECT_EQ(thumbnail.pixel(1, 1), qRgb(255, 255, 255)) << where();
                EXPECT_EQ(thumbnail.pixel(w - 2, h - 2), qRgb(255, 255, 255)) << where();
            }
            EXPECT_EQ(source, untouched) << where() << ": the caller's picture was drawn on";
        }
    }
}

TEST(Thumbnailer, WrittenThumbnailCarriesTheFrame)
{
    QUORVEL_REQUIRE_TESTDATA();
    QTemporaryDir dir;
    const auto borderMean = [&](bool frame) {
        const QString dest = dir.filePath(frame ? QStringLiteral("framed.jpg") : QStringLiteral("plain.jpg"));
        EXPECT_EQ(
            Thumbnailer::writeThumbnail(testPicture(QStringLiteral("cameras/nikon-e950.jpg")), dest, boxOf(90, frame)),
            QString());
        const QImage image = Thumbnailer::decode(dest, ImageSettings()).image;
        EXPECT_EQ(image.size(), QSize(90, 68));
        qint64 sum = 0;
        for (int x = 0; x < image.width(); ++x)
            sum += qGray(image.pixel(x, 0)) + qGray(image.pixel(x, image.height() - 1));
        for (int y = 0; y < image.height(); ++y)
            sum += qGray(image.pixel(0, y)) + qGray(image.pixel(image.width() - 1, y));
        return double(sum) / (2 * (image.width() + image.height()));
    };
    EXPECT_LT(borderMean(true), 25.0);
    EXPECT_GT(borderMean(false), 80.0);
}

TEST(Thumbnailer, JpegOptionsReachTheWrittenFile)
{
    QUORVEL_REQUIRE_TESTDATA();
    QTemporaryDir dir;
    const QString source = testPicture(QStringLiteral("cameras/nikon-e950.jpg"));
    const auto write = [&](const QString &name, const ImageSettings &settings) {
        const QString dest = dir.filePath(name);
        EXPECT_EQ(Thumbnailer::writeThumbnail(source, dest, settings), QString()) << qPrintable(name);
        const DecodedPicture back = Thumbnailer::decode(dest, ImageSettings());
        EXPECT_TRUE(back.ok()) << qPrintable(name) << ": " << qPrintable(back.error);
        EXPECT_EQ(back.image.size(), QSize(200, 150)) << qPrintable(name);
        return readBytes(dest);
    };
    const ImageSettings defaults = boxOf(200, true);
    const QByteArray base = write(QStringLiteral("defaults.jpg"), defaults);

    enum Expect { Larger, Smaller, Different, Same };
    struct Case {
        const char *name;
        void (*change)(ImageSettings &);
        Expect expect;
    };
    const Case cases[] = {
        { "quality 95",
            [](ImageSettings &s) {
                s.quality = 95;
            },
            Larger },
        { "quality 50",
            [](ImageSettings &s) {
                s.quality = 50;
            },
            Smaller },
        { "quality 0 (taken as 1)",
            [](ImageSettings &s) {
                s.quality = 0;
            },
            Smaller },
        { "standard Huffman tables",
            [](ImageSettings &s) {
                s.optimizeCoding = false;
            },
            Larger },
        { "smoothing 60",
            [](ImageSettings &s) {
                s.smoothing = 60;
            },
            Different },
        { "slow integer DCT",
            [](ImageSettings &s) {
                s.dctMethod = 0;
            },
            Different },
        { "floating-point DCT",
            [](ImageSettings &s) {
                s.dctMethod = 2;
            },
            Different },
        // Colour-reduction settings act only on palette output, which thumbnails never use.
        { "Floyd-Steinberg dithering",
            [](ImageSettings &s) {
                s.ditherMethod = 2;
            },
            Same },
        { "no dithering",
            [](ImageSettings &s) {
                s.ditherPolicy = 1;
            },
            Same },
        { "two-pass quantize",
            [](ImageSettings &s) {
                s.twoPassQuantize = true;
            },
            Same },
    };
    for (const Case &c : cases) {
        ImageSettings settings = defaults;
        c.change(settings);
        const QByteArray bytes = write(QString::fromLatin1(c.name) + QStringLiteral(".jpg"), settings);
        switch (c.expect) {
        case Larger:
            EXPECT_GT(bytes.size(), base.size()) << c.name;
            break;
        case Smaller:
            EXPECT_LT(bytes.size(), base.size()) << c.name;
            break;
        case Different:
            EXPECT_NE(bytes, base) << c.name;
            break;
        case Same:
            EXPECT_EQ(bytes, base) << c.name;
            break;
        }
    }
    // Quality 0 is quality 1, the smallest file of all.
    ImageSettings one = defaults;
    one.quality = 1;
    ImageSettings zero = defaults;
    zero.quality = 0;
    EXPECT_EQ(write(QStringLiteral("q1.jpg"), one), write(QStringLiteral("q0.jpg"), zero));
}

TEST(Thumbnailer, NeverWritesOverItsSource)
{
    QUORVEL_REQUIRE_TESTDATA();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString photo = dir.filePath(QStringLiteral("photo.jpg"));
    const QByteArray original = readBytes(testPicture(QStringLiteral("cameras/nikon-e950.jpg")));
    ASSERT_TRUE(writeBytes(photo, original));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    ASSERT_TRUE(QFile::link(photo, dir.filePath(QStringLiteral("link.jpg"))));
#ifdef Q_OS_UNIX
    ASSERT_EQ(::link(QFile::encodeName(photo).constData(),
                  QFile::encodeName(dir.filePath(QStringLiteral("hard.jpg"))).constData()),
        0);
#endif
    const QStringList before = filesIn(dir.path());

    struct Case {
        QString source;
        QString dest;
    };
    const QList<Case> cases = {
        { photo, photo },
        { photo, dir.path() + QStringLiteral("/sub/../photo.jpg") },
        { photo, dir.path() + QStringLiteral("/./photo.jpg") },
        { photo, dir.path() + QStringLiteral("//photo.jpg") },
        { photo, dir.filePath(QStringLiteral("link.jpg")) },
        { dir.filePath(QStringLiteral("link.jpg")), photo },
#ifdef Q_OS_UNIX
        { photo, dir.filePath(QStringLiteral("hard.jpg")) },
#endif
    };
    for (const Case &c : cases) {
        const QString error = Thumbnailer::writeThumbnail(c.source, c.dest, ImageSettings());
        EXPECT_TRUE(error.contains(QLatin1String("not overwritten")))
            << qPrintable(c.dest) << ": " << qPrintable(error);
        EXPECT_EQ(readBytes(photo), original) << qPrintable(c.dest);
        EXPECT_EQ(filesIn(dir.path()), before) << qPrintable(c.dest);
    }
    EXPECT_FALSE(Thumbnailer::writeFileAtomically(dir.filePath(QStringLiteral("link.jpg")), "x", photo).isEmpty());
    EXPECT_EQ(readBytes(photo), original);

    // Beside it, under another name, is fine.
    EXPECT_EQ(
        Thumbnailer::writeThumbnail(photo, dir.filePath(QStringLiteral("t_photo.jpg")), ImageSettings()), QString());
    EXPECT_TRUE(filesIn(dir.path()).contains(QStringLiteral("t_photo.jpg")));
}

TEST(Thumbnailer, FailedWriteLeavesTheExistingFileIntact)
{
    QUORVEL_REQUIRE_TESTDATA();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString source = testPicture(QStringLiteral("cameras/nikon-e950.jpg"));
    const QString existing = dir.filePath(QStringLiteral("t_photo.jpg"));
    ASSERT_TRUE(writeBytes(existing, "previous thumbnail"));

    EXPECT_FALSE(
        Thumbnailer::writeThumbnail(source, dir.filePath(QStringLiteral("missing/t.jpg")), ImageSettings()).isEmpty());
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("a-folder")));
    EXPECT_FALSE(
        Thumbnailer::writeThumbnail(source, dir.filePath(QStringLiteral("a-folder")), ImageSettings()).isEmpty());
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("a-folder"))).isDir());

    {
        // A disk that fills up in the middle of the write.
        test::FileSizeLimit full(1024);
        ASSERT_TRUE(full.active());
        EXPECT_FALSE(Thumbnailer::writeThumbnail(source, existing, boxOf(300, true)).isEmpty());
    }
    EXPECT_EQ(readBytes(existing), QByteArray("previous thumbnail"));
    EXPECT_EQ(filesIn(dir.path()), QStringList { QStringLiteral("t_photo.jpg") });
}

namespace
{

struct HostileCase {
    const char *name;
    QByteArray data;
};

QList<HostileCase> hostileHeaders()
{
    const QByteArray onePixel("\x00", 1);
    test::GifFrame frame;
    frame.width = 1;
    frame.height = 1;
    frame.indices = onePixel;
    return {
        { "JPEG 65535 x 65535", test::jpegHeaderOnly(65535, 65535, false) },
        { "JPEG 60000 x 60000", test::jpegHeaderOnly(60000, 60000, false) },
        { "progressive JPEG 30000 x 30000", test::jpegHeaderOnly(30000, 30000, true, 1'800'000) },
        { "GIF 65535 x 65535", test::gifFile(65535, 65535, { qRgb(0, 0, 0), qRgb(255, 255, 255) }, { frame }) },
        { "HEIC 65535 x 65535", test::heifHeaderOnly(65535, 65535, false) },
        { "AVIF 65535 x 65535", test::heifHeaderOnly(65535, 65535, true) },
        { "HEIC 30000 x 30000", test::heifHeaderOnly(30000, 30000, false) },
        { "PNG 65535 x 65535", test::pngHeaderOnly(65535, 65535) },
        { "PNG 10000 x 10000", test::pngHeaderOnly(10000, 10000) },
        { "animated WebP 65535 x 65535", test::webpHeaderOnly(65535, 65535, true) },
        { "WebP 16384 x 16384", test::webpHeaderOnly(16384, 16384, false) },
        { "TIFF 65535 x 65535", test::tiffHeaderOnly(65535, 65535) },
        { "TIFF 100000 x 100000", test::tiffHeaderOnly(100000, 100000) },
    };
}

bool isRefusal(const QString &error)
{
    return error.contains(QLatin1String("too large")) || error.contains(QLatin1String("far too short"))
        || error.contains(QLatin1String("more memory"));
}

} // namespace

TEST(Thumbnailer, HeadersClaimingHugeSizesAreRefused)
{
    for (const HostileCase &c : hostileHeaders()) {
        for (const int minLongSide : { 0, 90 }) {
            const DecodedPicture picture = Thumbnailer::decodeData(c.data, ImageSettings(), minLongSide);
            EXPECT_TRUE(isRefusal(picture.error)) << c.name << ": " << qPrintable(picture.error);
            EXPECT_TRUE(picture.image.isNull()) << c.name;
        }
    }
}

#ifdef Q_OS_LINUX
namespace
{

qint64 addressSpaceInUse()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmSize:", 0) == 0)
            return std::atoll(line.c_str() + 7) * 1024;
    }
    return -1;
}

} // namespace

// The refusals come before any large allocation: with the address space capped at
// 160 MB above what the process already uses, none of the claimed sizes could be
// allocated, and an attempt would end in an out-of-memory error instead of a refusal.
TEST(ThumbnailerDeathTest, HugeHeadersAreRefusedWithoutAllocating)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const QList<HostileCase> cases = hostileHeaders();
    EXPECT_EXIT(
        {
            const qint64 inUse = addressSpaceInUse();
            rlimit cap;
            cap.rlim_cur = cap.rlim_max = rlim_t(inUse + 160 * 1024 * 1024);
            if (inUse < 0 || setrlimit(RLIMIT_AS, &cap) != 0)
                std::_Exit(2);
            bool allRefused = true;
            for (const HostileCase &c : cases) {
                const DecodedPicture picture = Thumbnailer::decodeData(c.data, ImageSettings(), 90);
                if (!isRefusal(picture.error)) {
                    std::fprintf(stderr, "%s: %s\n", c.name, qPrintable(picture.error));
                    allRefused = false;
                }
            }
            std::_Exit(allRefused ? 0 : 1);
        },
        ::testing::ExitedWithCode(0),
        "");
}
#endif

TEST(Thumbnailer, ConcurrentRunsWriteTheSameBytesAsASerialRun)
{
    QUORVEL_REQUIRE_TESTDATA();
    const QStringList sources = {
        QStringLiteral("cameras/casio-ex-z3.jpg"),
        QStringLiteral("cameras/canon-powershot-sx60hs-orientation-6.jpg"),
        QStringLiteral("cameras/nikon-e950.jpg"),
        QStringLiteral("formats/cmyk.jpg"),
        QStringLiteral("formats/cmyk-real-multiple-icc-segments.jpg"),
        QStringLiteral("formats/grayscale.jpg"),
        QStringLiteral("formats/progressive.jpg"),
        QStringLiteral("formats/transparent.gif"),
        QStringLiteral("formats/interlaced.gif"),
        QStringLiteral("broken/png-renamed.jpg"),
        QStringLiteral("orientation/portrait_7.jpg"),
        QStringLiteral("orientation/landscape_5.jpg"),
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto destination = [&](const QString &run, int index) {
        return dir.filePath(QStringLiteral("%1-%2.jpg").arg(run).arg(index));
    };
    const ImageSettings settings = boxOf(120, true);
    for (int i = 0; i < sources.size(); ++i)
        ASSERT_EQ(
            Thumbnailer::writeThumbnail(testPicture(sources[i]), destination(QStringLiteral("serial"), i), settings),
            QString());

    // Each picture three times over, in a pool wider than the machine.
    QList<int> jobs;
    for (int job = 0; job < 3 * sources.size(); ++job)
        jobs.append(job);
    QThreadPool pool;
    pool.setMaxThreadCount(4);
    const QList<QString> errors = QtConcurrent::blockingMapped(&pool, jobs, [&](int job) {
        return Thumbnailer::writeThumbnail(
            testPicture(sources[job % sources.size()]), destination(QStringLiteral("parallel"), job), settings);
    });
    for (const QString &error : errors)
        EXPECT_EQ(error, QString());
    for (const int job : jobs) {
        const int i = job % int(sources.size());
        EXPECT_EQ(readBytes(destination(QStringLiteral("parallel"), job)),
            readBytes(destination(QStringLiteral("serial"), i)))
            << qPrintable(sources[i]);
    }
}
