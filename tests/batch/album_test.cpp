// SPDX-License-Identifier: GPL-3.0-or-later
// quorvel-batch --album and --update, run as a user runs them.
#include "testsupport.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

#if defined(__SANITIZE_ADDRESS__)
#define QUORVEL_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUORVEL_ADDRESS_SANITIZER 1
#endif
#endif

using namespace quorvel;

namespace
{

/// Runs quorvel-batch; limits > 0 cap the size of each file it writes (as a full disk
/// does) and its address space.
int runBatch(const QStringList &arguments, QString *errors = nullptr, rlim_t fileSizeLimit = 0, rlim_t memoryLimit = 0)
{
    QProcess process;
    process.setChildProcessModifier([fileSizeLimit, memoryLimit] {
        for (const auto &[resource, value] :
            { std::pair { RLIMIT_FSIZE, fileSizeLimit }, { RLIMIT_AS, memoryLimit } }) {
            const rlimit limit { value, value };
            if (value > 0)
                setrlimit(resource, &limit);
        }
    });
    process.start(QStringLiteral(QUORVEL_BATCH_EXE), arguments);
    if (!process.waitForFinished(120000))
        return -1;
    if (errors)
        *errors = QString::fromLocal8Bit(process.readAllStandardError());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

QStringList filesBelow(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files += QDir(folder).relativeFilePath(it.next());
    return files;
}

QSet<QString> toSet(const QStringList &list)
{
    return QSet<QString>(list.begin(), list.end());
}

// An album's folders in a temporary folder: the pictures and the album (made by the build).
struct AlbumFolders {
    QTemporaryDir root;
    QString source = root.filePath(QStringLiteral("pictures"));
    QString album = root.filePath(QStringLiteral("album"));

    bool made() const
    {
        return root.isValid() && QDir().mkpath(source);
    }
};

/// The files the album's record names as the album's.
QSet<QString> recordedFiles(const QString &album)
{
    const QJsonObject record =
        QJsonDocument::fromJson(test::readFile(QDir(album).filePath(QStringLiteral(".quorvel-album.json")))).object();
    QSet<QString> files;
    for (const QJsonValue &value : record.value(QStringLiteral("pictures")).toArray()) {
        for (const char *key : { "thumb", "thumb2x", "web", "original" }) {
            const QString file = value.toObject().value(QLatin1String(key)).toString();
            if (!file.isEmpty())
                files.insert(file);
        }
    }
    for (const QJsonValue &value : record.value(QStringLiteral("pageFiles")).toArray())
        files.insert(value.toString());
    return files;
}

} // namespace

// Every file of an album made of real camera photos, several with a GPS position, a
// serial number and maker notes, is checked by exiftool: nothing but the picture.
TEST(BatchAlbum, AnAlbumOfCameraPhotosPublishesNoMetadata)
{
    QUORVEL_REQUIRE_TESTDATA();
    const QString exiftool = QStandardPaths::findExecutable(QStringLiteral("exiftool"));
    ASSERT_FALSE(exiftool.isEmpty())
        << "exiftool is missing: scripts/install-deps --test installs libimage-exiftool-perl";
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString album = root.filePath(QStringLiteral("album"));
    QString errors;
    ASSERT_EQ(runBatch({ QStringLiteral("--album"), test::testPicture(QStringLiteral("cameras")), album }, &errors), 0)
        << qPrintable(errors);

    QStringList published;
    for (const QString &file : filesBelow(album)) {
        if (file.endsWith(QLatin1String(".jpg")))
            published += QDir(album).filePath(file);
    }
    ASSERT_EQ(published.size(), 14 * 3);
    QProcess process;
    process.start(exiftool,
        QStringList { QStringLiteral("-json"), QStringLiteral("-a"), QStringLiteral("-u"), QStringLiteral("-G1") }
            + published);
    ASSERT_TRUE(process.waitForFinished(120000));
    const QJsonArray reports = QJsonDocument::fromJson(process.readAllStandardOutput()).array();
    ASSERT_EQ(reports.size(), published.size());
    const QSet<QString> allowed { QStringLiteral("SourceFile"),
        QStringLiteral("ExifTool"),
        QStringLiteral("System"),
        QStringLiteral("File"),
        QStringLiteral("JFIF"),
        QStringLiteral("Composite") };
    for (const QJsonValue &report : reports) {
        const QJsonObject tags = report.toObject();
        EXPECT_TRUE(
            tags.value(QStringLiteral("File:EncodingProcess")).toString().startsWith(QStringLiteral("Progressive")));
        for (const QString &tag : tags.keys()) {
            EXPECT_TRUE(allowed.contains(tag.section(QLatin1Char(':'), 0, 0)))
                << qPrintable(tags.value(QStringLiteral("SourceFile")).toString()) << " carries " << qPrintable(tag);
            EXPECT_FALSE(tag.contains(QStringLiteral("GPS"), Qt::CaseInsensitive)) << qPrintable(tag);
            EXPECT_FALSE(tag.contains(QStringLiteral("Serial"), Qt::CaseInsensitive)) << qPrintable(tag);
        }
    }
}

// A rebuild killed at any moment leaves an album whose record names only files that
// exist, and the next build completes it and removes what the killed one left.
TEST(BatchAlbum, AKilledRebuildLeavesARecordThatNamesOnlyFilesThatExist)
{
    QUORVEL_REQUIRE_TESTDATA();
    const AlbumFolders folders;
    ASSERT_TRUE(folders.made());
    const QString &source = folders.source;
    const QString &album = folders.album;
    const QDir cameras(test::testPicture(QStringLiteral("cameras")));
    int pictures = 0;
    for (const QString &name : cameras.entryList({ QStringLiteral("*.jpg") }, QDir::Files)) {
        ASSERT_TRUE(QFile::link(cameras.filePath(name), QDir(source).filePath(name)));
        ++pictures;
    }
    ASSERT_EQ(runBatch({ QStringLiteral("--album"), QStringLiteral("--web-size=640"), source, album }), 0);

    // Each rebuild remakes every picture at another size; it is killed once the first
    // new web-size copy is there, about half way, and near the end.
    int webSize = 660;
    for (const int killAfter : { 1, pictures / 2, pictures - 2 }) {
        const QSet<QString> before = toSet(QDir(album + QStringLiteral("/web")).entryList(QDir::Files));
        QProcess process;
        process.start(QStringLiteral(QUORVEL_BATCH_EXE),
            { QStringLiteral("--album"), QStringLiteral("--web-size=%1").arg(webSize++), source, album });
        ASSERT_TRUE(process.waitForStarted());
        QElapsedTimer waited;
        waited.start();
        const auto madeSoFar = [&] {
            int made = 0;
            for (const QString &name : QDir(album + QStringLiteral("/web")).entryList(QDir::Files))
                made += before.contains(name) ? 0 : 1;
            return made;
        };
        while (madeSoFar() < killAfter && process.state() == QProcess::Running && waited.elapsed() < 60000)
            QThread::msleep(2);
        ::kill(pid_t(process.processId()), SIGKILL);
        process.waitForFinished(10000);

        const QSet<QString> recorded = recordedFiles(album);
        EXPECT_GE(recorded.size(), pictures * 3);
        for (const QString &file : recorded)
            EXPECT_TRUE(QFileInfo::exists(QDir(album).filePath(file))) << qPrintable(file) << " after " << killAfter;
    }
    QString errors;
    ASSERT_EQ(runBatch({ QStringLiteral("--album"), QStringLiteral("--web-size=700"), source, album }, &errors), 0);
    EXPECT_TRUE(errors.isEmpty()) << qPrintable(errors);
    QSet<QString> left = toSet(filesBelow(album));
    left.remove(QStringLiteral(".quorvel-album.json"));
    EXPECT_EQ(left, recordedFiles(album));
    EXPECT_EQ(QDir(album + QStringLiteral("/web")).entryList(QDir::Files).size(), pictures);
}

// The album reads a picture as far as its decoder needs: with the build's address space
// capped at 256 MB, a photo followed by 600 MB (after its end marker, or without one)
// gets the very files of the photo alone. A picture that needs more memory than there
// is (a GIF whose screen is 8192 x 8192 pixels) is refused alone, named with the
// reason; the others are in the album.
TEST(BatchAlbum, APictureTheBuildCannotAffordIsRefusedAloneAndPaddingCostsNoMemory)
{
#ifdef QUORVEL_ADDRESS_SANITIZER
    GTEST_SKIP() << "the address sanitizer's own reservations do not fit an address space cap";
#endif
    QUORVEL_REQUIRE_TESTDATA();
    const AlbumFolders folders;
    ASSERT_TRUE(folders.made());
    const QString &source = folders.source;
    const QString &album = folders.album;
    const QByteArray photo = test::readFile(test::testPicture(QStringLiteral("cameras/nikon-e950.jpg")));
    ASSERT_TRUE(photo.endsWith("\xFF\xD9"));
    ASSERT_TRUE(test::writeFile(QDir(source).filePath(QStringLiteral("photo.jpg")), photo));
    // The padding is a hole in the file: it takes no room on the disk.
    constexpr qint64 kPadding = qint64(600) << 20;
    for (const auto &[name, bytes] :
        { std::pair { "padded.jpg", photo }, std::pair { "no-end.jpg", photo.chopped(2) } }) {
        QFile file(QDir(source).filePath(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        ASSERT_TRUE(file.resize(bytes.size() + kPadding));
    }
    QByteArray gif("GIF89a\x00\x20\x00\x20\x80\x00\x00\x00\x00\x00\xFF\xFF\xFF", 19);
    gif += QByteArray(",\0\0\0\0\x01\0\x01\0\0\x02\x02\x44\x01\0;", 16);
    const QString screen = QDir(source).filePath(QStringLiteral("screen.gif"));
    ASSERT_TRUE(test::writeFile(screen, gif));

    QString errors;
    EXPECT_EQ(runBatch({ QStringLiteral("--album"), source, album }, &errors, 0, rlim_t(256) << 20), 3)
        << qPrintable(errors);
    EXPECT_EQ(errors,
        QStringLiteral("quorvel-batch: \"%1\": There is not enough memory to decode the GIF picture.\n").arg(screen));
    const QJsonArray pictures =
        QJsonDocument::fromJson(test::readFile(QDir(album).filePath(QStringLiteral(".quorvel-album.json"))))
            .object()
            .value(QStringLiteral("pictures"))
            .toArray();
    ASSERT_EQ(pictures.size(), 3);
    QSet<QByteArray> webCopies;
    for (const QJsonValue &picture : pictures)
        webCopies.insert(test::readFile(QDir(album).filePath(picture[QStringLiteral("web")].toString())));
    EXPECT_EQ(webCopies.size(), 1);
    EXPECT_FALSE(webCopies.begin()->isEmpty());
}

// A rebuild whose page cannot be written (a full disk) fails with exit status 4 and the
// reason, and leaves the page there as it was with every file it shows; the record
// still names them as the album's, so the next build writes the page and then deletes
// the files of the picture no longer in it.
TEST(BatchAlbum, APageThatCannotBeWrittenIsNotRecordedAndKeepsWhatItShows)
{
    QUORVEL_REQUIRE_TESTDATA();
    const AlbumFolders folders;
    ASSERT_TRUE(folders.made());
    const QString &source = folders.source;
    const QString &album = folders.album;
    for (const char *name : { "canon-eos-d60.jpg", "nikon-e950.jpg", "olympus-pen-e-p3.jpg" })
        ASSERT_TRUE(QFile::copy(test::testPicture(QStringLiteral("cameras/") + QLatin1String(name)),
            QDir(source).filePath(QLatin1String(name))));
    ASSERT_EQ(runBatch({ QStringLiteral("--album"), source, album }), 0);
    const QString index = QDir(album).filePath(QStringLiteral("index.html"));
    const QByteArray page = test::readFile(index);
    const QSet<QString> first = recordedFiles(album);

    // One picture fewer and a long intro: the page outgrows the limit, the record not.
    ASSERT_TRUE(QFile::remove(QDir(source).filePath(QStringLiteral("olympus-pen-e-p3.jpg"))));
    const QStringList rebuild {
        QStringLiteral("--album"), QStringLiteral("--intro"), QString(6000, QLatin1Char('x')), source, album
    };
    QString errors;
    EXPECT_EQ(runBatch(rebuild, &errors, 5000), 4);
    EXPECT_TRUE(errors.contains(QStringLiteral("index.html")) && errors.contains(QStringLiteral("File too large")))
        << qPrintable(errors);
    EXPECT_EQ(test::readFile(index), page);
    const QSet<QString> recorded = recordedFiles(album)
        + toSet(QJsonDocument::fromJson(test::readFile(QDir(album).filePath(QStringLiteral(".quorvel-album.json"))))
                    .object()
                    .value(QStringLiteral("pending"))
                    .toVariant()
                    .toStringList());
    for (const QString &file : first) {
        EXPECT_TRUE(QFileInfo::exists(QDir(album).filePath(file))) << qPrintable(file);
        EXPECT_TRUE(recorded.contains(file)) << qPrintable(file);
    }

    ASSERT_EQ(runBatch(rebuild, &errors), 0) << qPrintable(errors);
    EXPECT_TRUE(test::readFile(index).contains(QByteArray(6000, 'x')));
    QSet<QString> left = toSet(filesBelow(album));
    left.remove(QStringLiteral(".quorvel-album.json"));
    EXPECT_EQ(left, recordedFiles(album));
    EXPECT_EQ(QDir(album + QStringLiteral("/web")).entryList(QDir::Files).size(), 2);
}

// --update leaves a thumbnail newer than its picture and of the size asked for, and
// makes it anew when the size changed; without it every thumbnail is written.
TEST(BatchAlbum, UpdateLeavesCurrentThumbnailsAlone)
{
    QUORVEL_REQUIRE_TESTDATA();
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString source = root.filePath(QStringLiteral("pictures"));
    const QString dest = root.filePath(QStringLiteral("thumbs"));
    ASSERT_TRUE(QDir().mkpath(source));
    ASSERT_TRUE(QDir().mkpath(dest));
    for (const char *name : { "nikon-e950.jpg", "samsung-gt-i9000-orientation-6.jpg" })
        ASSERT_TRUE(QFile::copy(test::testPicture(QStringLiteral("cameras/") + QLatin1String(name)),
            QDir(source).filePath(QLatin1String(name))));
    const QString thumb = QDir(dest).filePath(QStringLiteral("samsung-gt-i9000-orientation-6.jpg"));
    const auto identity = [&] {
        return QFileInfo(thumb).lastModified().toMSecsSinceEpoch();
    };
    ASSERT_EQ(runBatch({ QStringLiteral("--size=100"), source, dest }), 0);
    const qint64 first = identity();
    QThread::msleep(20);
    ASSERT_EQ(runBatch({ QStringLiteral("--update"), QStringLiteral("--size=100"), source, dest }), 0);
    EXPECT_EQ(identity(), first);
    ASSERT_EQ(runBatch({ QStringLiteral("--update"), QStringLiteral("--size=120"), source, dest }), 0);
    const qint64 resized = identity();
    EXPECT_NE(resized, first);
    QThread::msleep(20);
    ASSERT_EQ(runBatch({ QStringLiteral("--size=120"), source, dest }), 0);
    EXPECT_NE(identity(), resized);
}
