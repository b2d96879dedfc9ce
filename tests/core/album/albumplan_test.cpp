// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/albumplan.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quorvel::album;

namespace
{

constexpr qint64 kBuiltAt = 1'000'000'000'000;
constexpr qint64 kOld = kBuiltAt - 3'600'000; // an hour before the build

FileSettings settings(int webSize = 2048)
{
    FileSettings result;
    result.webSize = webSize;
    result.quality = 85;
    result.thumbHeight = 200;
    return result;
}

// The record of an album of one picture "a.jpg" (1000 bytes, modified an hour before
// the build), with pending files of a build that was stopped.
Manifest record(bool withOriginal)
{
    Manifest manifest;
    manifest.settings = settings();
    manifest.builtAt = kBuiltAt;
    ManifestPicture picture = fileNamesFor(
        { QStringLiteral("/p/a.jpg"), QStringLiteral("a.jpg"), 1000, kOld }, manifest.settings, withOriginal);
    picture.size = 1000;
    picture.modified = kOld;
    manifest.pictures.push_back(picture);
    manifest.pageFiles = QStringList { QStringLiteral("index.html"), QStringLiteral("album.css") };
    manifest.pending = QStringList { QStringLiteral("web/b-00000000.jpg") };
    return manifest;
}

QSet<QString> filesOf(const Manifest &manifest)
{
    QSet<QString> files;
    for (const ManifestPicture &picture : manifest.pictures) {
        const QStringList own = picture.files();
        files.unite(QSet<QString>(own.begin(), own.end()));
    }
    files.insert(QStringLiteral("index.html"));
    files.insert(QStringLiteral("album.css"));
    return files;
}

struct PlanCase {
    const char *what;
    qint64 size;
    qint64 modified;
    FileSettings settings;
    bool originals; ///< asked for now
    bool recordedOriginal; ///< the record has a copy
    const char *missing; ///< a file of the picture deleted by hand, or null
    PictureWork work;
    bool copyOriginal;
};

} // namespace

TEST(AlbumPlan, DecidesForEachPictureWhatToReadAndWhatToMake)
{
    const PlanCase cases[] = {
        { "unchanged", 1000, kOld, settings(), false, false, nullptr, PictureWork::Keep, false },
        { "touched: same size, other time",
            1000,
            kOld + 5000,
            settings(),
            false,
            false,
            nullptr,
            PictureWork::Compare,
            false },
        { "modified in the clock tick of the build",
            1000,
            kBuiltAt - 1000,
            settings(),
            false,
            false,
            nullptr,
            PictureWork::Compare,
            false },
        { "other size", 1001, kOld, settings(), false, false, nullptr, PictureWork::Make, false },
        { "other web size", 1000, kOld, settings(1024), false, false, nullptr, PictureWork::Make, false },
        { "web copy deleted by hand", 1000, kOld, settings(), false, false, "web", PictureWork::Make, false },
        { "originals asked for now", 1000, kOld, settings(), true, false, nullptr, PictureWork::Keep, true },
        { "original already copied", 1000, kOld, settings(), true, true, nullptr, PictureWork::Keep, false },
        { "copied original deleted by hand", 1000, kOld, settings(), true, true, "original", PictureWork::Keep, true },
        { "originals no longer asked for", 1000, kOld, settings(), false, true, nullptr, PictureWork::Keep, false },
    };
    for (const PlanCase &c : cases) {
        const Manifest previous = record(c.recordedOriginal);
        QSet<QString> present = filesOf(previous);
        if (c.missing)
            present.remove(QLatin1String(c.missing) == QLatin1String("web") ? previous.pictures[0].web
                                                                            : previous.pictures[0].original);
        const AlbumPlan plan = planAlbum(&previous,
            { { QStringLiteral("/p/a.jpg"), QStringLiteral("a.jpg"), c.size, c.modified } },
            c.settings,
            c.originals,
            present);
        ASSERT_EQ(plan.pictures.size(), 1u) << c.what;
        EXPECT_EQ(plan.pictures[0].previous, 0) << c.what;
        EXPECT_EQ(plan.pictures[0].work, c.work) << c.what;
        EXPECT_EQ(plan.pictures[0].copyOriginal, c.copyOriginal) << c.what;
        EXPECT_TRUE(plan.foreign.isEmpty()) << c.what;
    }
}

TEST(AlbumPlan, NewPicturesGetNamesOfTheirOwnAndFilesNotRecordedAreForeign)
{
    const Manifest previous = record(false);
    QSet<QString> present = filesOf(previous);
    present.insert(QStringLiteral("web/b-00000000.jpg")); // pending: the album's own
    present.insert(QStringLiteral("notes.txt"));
    present.insert(QStringLiteral("thumbs/mine.jpg"));
    const AlbumPlan plan = planAlbum(&previous,
        { { QStringLiteral("/p/a.jpg"), QStringLiteral("a.jpg"), 2000, kOld },
            { QStringLiteral("/p/b.png"), QStringLiteral("b.png"), 10, kOld },
            { QStringLiteral("/q/b.png"), QStringLiteral("b.png"), 10, kOld } },
        settings(),
        true,
        present);
    ASSERT_EQ(plan.pictures.size(), 2u);
    EXPECT_EQ(plan.duplicates, QStringList { QStringLiteral("/q/b.png") });
    EXPECT_EQ(plan.foreign, (QStringList { QStringLiteral("notes.txt"), QStringLiteral("thumbs/mine.jpg") }));
    // A changed picture's files get new names: the old ones stay until the record is written.
    EXPECT_EQ(plan.pictures[0].work, PictureWork::Make);
    EXPECT_NE(plan.pictures[0].names.web, previous.pictures[0].web);
    EXPECT_TRUE(plan.pictures[0].names.web.startsWith(QStringLiteral("web/a-")));
    EXPECT_EQ(plan.pictures[1].previous, -1);
    EXPECT_EQ(plan.pictures[1].work, PictureWork::Make);
    EXPECT_TRUE(plan.pictures[1].copyOriginal);
    EXPECT_EQ(plan.pictures[1].names.original, QStringLiteral("originals/b.png"));
    EXPECT_TRUE(plan.pictures[1].names.thumb2x.endsWith(QStringLiteral("@2x.jpg")));
}

TEST(AlbumManifest, RoundTripsAndRefusesARecordThatNamesFilesOutsideTheAlbum)
{
    const Manifest written = record(true);
    QString error;
    const std::optional<Manifest> read = Manifest::fromJson(written.toJson(), &error);
    ASSERT_TRUE(read) << error.toStdString();
    EXPECT_EQ(read->pictures, written.pictures);
    EXPECT_EQ(read->settings, written.settings);
    EXPECT_EQ(read->builtAt, written.builtAt);
    EXPECT_EQ(read->pending, written.pending);
    EXPECT_EQ(read->ownFiles(), written.ownFiles());

    for (const char *path :
        { "../outside.jpg", "/etc/passwd", "web/../../x", "", ".quorvel-album.json", "web//a.jpg" }) {
        Manifest hostile = written;
        hostile.pictures[0].web = QString::fromUtf8(path);
        EXPECT_FALSE(Manifest::fromJson(hostile.toJson(), &error)) << path;
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_FALSE(Manifest::fromJson("{\"kind\": \"something else\"}", &error));
    EXPECT_FALSE(Manifest::fromJson("not json", &error));
}

// A file is hashed in pieces, which a read may cut anywhere: the hash is that of its
// bytes whatever the pieces.
TEST(AlbumManifest, HashingInPiecesGivesTheHashOfTheWholeBytes)
{
    QByteArray bytes(3 * 1024 * 1024 + 77, Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = char((i * 7919) >> 5);
    for (const qsizetype length : { 0, 1, 31, 32, 33, 100, 1000 }) {
        const QByteArrayView whole(bytes.constData(), length);
        for (const qsizetype cut : { 1, 5, 31, 32, 40 }) {
            ContentHasher hasher;
            for (qsizetype at = 0; at < length; at += cut)
                hasher.add(whole.sliced(at, std::min(cut, length - at)));
            EXPECT_EQ(hasher.result(), contentHash(whole)) << length << " in pieces of " << cut;
        }
    }
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("photo.jpg"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    QString error;
    EXPECT_EQ(fileContentHash(path, &error), contentHash(bytes));
    EXPECT_FALSE(fileContentHash(folder.path(), &error));
    EXPECT_FALSE(error.isEmpty());
}
