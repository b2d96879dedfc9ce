// SPDX-License-Identifier: GPL-3.0-or-later
// quorvel-batch run as a user runs it: a separate process, its exit status, its
// messages, and the gallery it makes opened in a real browser.
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace quorvel;

namespace
{

struct Result {
    int status = -1;
    QString out;
    QString err;
};

// fileSizeLimit > 0: the run's writes fail beyond that many bytes, as on a full disk.
Result runBatch(const QStringList &arguments, long long fileSizeLimit = 0)
{
    QProcess process;
    if (fileSizeLimit > 0) {
        process.setChildProcessModifier([fileSizeLimit] {
            rlimit limit;
            getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = rlim_t(fileSizeLimit);
            setrlimit(RLIMIT_FSIZE, &limit);
        });
    }
    process.start(QStringLiteral(QUORVEL_BATCH_EXE), arguments);
    Result result;
    if (!process.waitForFinished(120000))
        return result;
    result.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    result.err = QString::fromLocal8Bit(process.readAllStandardError());
    return result;
}

class BatchTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_root.isValid());
        m_source = m_root.filePath(QStringLiteral("pictures"));
        m_dest = m_root.filePath(QStringLiteral("pictures/thumbs"));
        ASSERT_TRUE(QDir().mkpath(m_dest));
    }

    QTemporaryDir m_root;
    QString m_source;
    QString m_dest;
};

} // namespace

TEST_F(BatchTest, BadOptionsAndFoldersExitWithTwo)
{
    for (const QStringList &arguments : {
             QStringList { QStringLiteral("--bogus"), m_source, m_dest },
             QStringList { QStringLiteral("--size"), QStringLiteral("0"), m_source, m_dest },
             QStringList { QStringLiteral("-q"), QStringLiteral("101"), m_source, m_dest },
             QStringList { QStringLiteral("--dct"), QStringLiteral("medium"), m_source, m_dest },
             QStringList { QStringLiteral("--page"), QStringLiteral(".html"), m_source, m_dest },
             QStringList { QStringLiteral("--page"), QStringLiteral("   "), m_source, m_dest },
             QStringList { QStringLiteral("--page"), QStringLiteral("a/b.html"), m_source, m_dest },
             QStringList { QStringLiteral("--page"), QStringLiteral("a\\b.html"), m_source, m_dest },
             QStringList {
                 QStringLiteral("--header"), m_root.filePath(QStringLiteral("missing.txt")), m_source, m_dest },
             QStringList { m_source },
             QStringList { m_root.filePath(QStringLiteral("missing")), m_dest },
             QStringList { m_source, QDir(m_dest).filePath(QStringLiteral("..")), QStringLiteral("extra") },
         }) {
        const Result result = runBatch(arguments);
        EXPECT_EQ(result.status, 2) << arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(result.err.startsWith(QStringLiteral("quorvel-batch: "))) << result.err.toStdString();
        EXPECT_TRUE(result.out.isEmpty());
    }
    const Result help = runBatch({ QStringLiteral("--help") });
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("Usage: quorvel-batch [options] SOURCE DEST")));
    const Result version = runBatch({ QStringLiteral("--version") });
    EXPECT_EQ(version.out, QStringLiteral("quorvel-batch " QUORVEL_VERSION "\n"));
}

TEST_F(BatchTest, SameFolderIsRefusedWithOneAndNothingWritten)
{
    QUORVEL_REQUIRE_TESTDATA();
    ASSERT_TRUE(QFile::copy(
        test::testPicture(QStringLiteral("cameras/nikon-e950.jpg")), QDir(m_source).filePath(QStringLiteral("a.jpg"))));
    const Result result =
        runBatch({ QStringLiteral("--page"), QStringLiteral("g.html"), m_source, m_source + QStringLiteral("/") });
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.err.contains(QStringLiteral("You can NOT create thumbs in the same folder")));
    EXPECT_EQ(QDir(m_source).entryList(QDir::Files), QStringList { QStringLiteral("a.jpg") });
}

TEST_F(BatchTest, SummaryNamesTheFailuresAndThePageIsInListOrderAndAllReadExitsWithZero)
{
    QUORVEL_REQUIRE_TESTDATA();
    for (const auto &[from, name] : { std::pair { "cameras/nikon-e950.jpg", "pic10.JPG" },
             std::pair { "cameras/htc-desire.jpg", "pic2.jpg" },
             std::pair { "broken/text.jpg", "pic3.jpg" },
             std::pair { "formats/static.gif", "pic1.gif" } }) {
        ASSERT_TRUE(QFile::copy(test::testPicture(QLatin1String(from)), QDir(m_source).filePath(QLatin1String(name))));
    }
    ASSERT_TRUE(test::writeFile(QDir(m_source).filePath(QStringLiteral("notes.txt")), "not a picture"));
    const Result result = runBatch({ QStringLiteral("--page=index.html"), QStringLiteral("-j2"), m_source, m_dest });
    EXPECT_EQ(result.status, 3) << result.err.toStdString(); // a picture that could not be read
    EXPECT_TRUE(result.out.startsWith(QStringLiteral("3 thumbnails written to "))) << result.out.toStdString();
    EXPECT_TRUE(result.out.contains(QStringLiteral(", 1 picture failed, ")));
    EXPECT_TRUE(result.err.contains(QStringLiteral("pic3.jpg"))) << result.err.toStdString();
    const QByteArray page = test::readFile(QDir(m_source).filePath(QStringLiteral("index.html")));
    EXPECT_EQ(page,
        QByteArray("\r\n"
                   "<a href = pic1.gif><img src = pic1.gif border = 0></a>\r\n"
                   "<a href = pic2.jpg><img src = pic2.jpg border = 0></a>\r\n"
                   "<a href = pic3.jpg><img src = pic3.jpg border = 0></a>\r\n"
                   "<a href = pic10.JPG><img src = pic10.JPG border = 0></a>\r\n"));
    EXPECT_FALSE(QFile::exists(QDir(m_dest).filePath(QStringLiteral("notes.txt"))));
    // A web album tells the same way.
    const Result album = runBatch({ QStringLiteral("--album"), m_source, m_root.filePath(QStringLiteral("album")) });
    EXPECT_EQ(album.status, 3) << album.err.toStdString();
}

// A DEST that is not there is made like mkdir -p, and the run says so; one that cannot
// be made is a write failure with its reason. A count of one takes the singular, and
// --progress into a file (not a terminal) writes plain lines, no carriage returns.
TEST_F(BatchTest, MissingDestIsMadeCountsOfOneAreSingularAndProgressIntoAFileIsPlainLines)
{
    QUORVEL_REQUIRE_TESTDATA();
    ASSERT_TRUE(QFile::copy(
        test::testPicture(QStringLiteral("cameras/nikon-e950.jpg")), QDir(m_source).filePath(QStringLiteral("a.jpg"))));
    const QString dest = m_root.filePath(QStringLiteral("new/thumbs"));
    const Result made = runBatch({ m_source, dest, QStringLiteral("--progress") });
    EXPECT_EQ(made.status, 0) << made.err.toStdString();
    EXPECT_EQ(
        made.out, QStringLiteral("Created folder %1.\n1 thumbnail written to %1, 0 pictures failed.\n").arg(dest));
    EXPECT_TRUE(QFile::exists(QDir(dest).filePath(QStringLiteral("a.jpg"))));
    EXPECT_FALSE(made.err.contains(QLatin1Char('\r')));
    EXPECT_TRUE(made.err.endsWith(QStringLiteral("\n1 of 1 picture\n"))) << made.err.toStdString();

    const QString album = m_root.filePath(QStringLiteral("new/album"));
    const Result madeAlbum = runBatch({ QStringLiteral("--album"), m_source, album });
    EXPECT_EQ(madeAlbum.status, 0) << madeAlbum.err.toStdString();
    EXPECT_TRUE(madeAlbum.out.startsWith(QStringLiteral("Created folder %1.\nAlbum ").arg(album)));
    EXPECT_TRUE(madeAlbum.out.contains(QStringLiteral(": 1 picture, 1 made, "))) << madeAlbum.out.toStdString();

    const QString blocked = QDir(m_source).filePath(QStringLiteral("a.jpg/thumbs"));
    const Result failed = runBatch({ m_source, blocked });
    EXPECT_EQ(failed.status, 4);
    EXPECT_EQ(failed.err,
        QStringLiteral("quorvel-batch: The folder \"%1\" could not be made: Not a directory.\n").arg(blocked));
}

// A full disk (a file size limit, which also holds for root) fails the thumbnails and
// the page: the run says why, with the system's reason, instead of dying of the limit's
// signal or saying "Unknown error", and its status is not that of a run that worked.
TEST_F(BatchTest, WritesThatFailAreNamedWithTheirReasonAndExitWithFour)
{
    QUORVEL_REQUIRE_TESTDATA();
    for (const char *name : { "a.jpg", "b.jpg" })
        ASSERT_TRUE(QFile::copy(
            test::testPicture(QStringLiteral("cameras/nikon-e950.jpg")), QDir(m_source).filePath(QLatin1String(name))));
    const QString header = m_root.filePath(QStringLiteral("header.html"));
    ASSERT_TRUE(test::writeFile(header, QByteArray(6000, 'h')));
    const QByteArray oldPage("the page of an earlier run\r\n");
    ASSERT_TRUE(test::writeFile(QDir(m_source).filePath(QStringLiteral("g.html")), oldPage));

    const Result full =
        runBatch({ QStringLiteral("--page=g.html"), QStringLiteral("--header"), header, m_source, m_dest }, 2000);
    EXPECT_EQ(full.status, 4) << full.err.toStdString();
    EXPECT_TRUE(full.err.contains(QStringLiteral("The gallery page \"%1\" could not be written: File too large.")
                                      .arg(QDir(m_source).filePath(QStringLiteral("g.html")))))
        << full.err.toStdString();
    EXPECT_TRUE(full.err.contains(
        QStringLiteral("Could not write \"%1\": File too large.").arg(QDir(m_dest).filePath(QStringLiteral("a.jpg")))));
    EXPECT_FALSE(full.err.contains(QStringLiteral("Unknown error")));
    EXPECT_TRUE(full.out.startsWith(QStringLiteral("0 thumbnails written to "))) << full.out.toStdString();
    EXPECT_EQ(test::readFile(QDir(m_source).filePath(QStringLiteral("g.html"))), oldPage);

    // Room for the thumbnails, not for the page: still a failure.
    const Result pageOnly =
        runBatch({ QStringLiteral("--page=g.html"), QStringLiteral("--header"), header, m_source, m_dest }, 4000);
    EXPECT_EQ(pageOnly.status, 4) << pageOnly.err.toStdString();
    EXPECT_TRUE(pageOnly.out.startsWith(QStringLiteral("2 thumbnails written to "))) << pageOnly.out.toStdString();
    EXPECT_EQ(runBatch({ QStringLiteral("--page=g.html"), m_source, m_dest }).status, 0);
    const QString album = m_root.filePath(QStringLiteral("album"));
    const Result fullAlbum = runBatch({ QStringLiteral("--album"), m_source, album }, 2000);
    EXPECT_EQ(fullAlbum.status, 4) << fullAlbum.err.toStdString();
    EXPECT_TRUE(fullAlbum.err.contains(QStringLiteral("File too large"))) << fullAlbum.err.toStdString();
}

// The gallery as a user sees it: names with a space and non-ASCII letters, opened in
// a real browser, every thumbnail shown and every link leading to a file.
TEST_F(BatchTest, GalleryOpensInABrowserWithEveryThumbnailAndLink)
{
    QUORVEL_REQUIRE_TESTDATA();
    const QString browser = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    ASSERT_FALSE(browser.isEmpty()) << "chromium is not installed (scripts/install-deps --test installs it)";
    for (const QString &name : { QStringLiteral("names/nokia 3110c phone.jpg"),
             QStringLiteral("names/olympus-\u03bc-digital-800.jpg"),
             QStringLiteral("cameras/nikon-e950.jpg"),
             QStringLiteral("formats/transparent.gif") }) {
        ASSERT_TRUE(QFile::copy(test::testPicture(name), QDir(m_source).filePath(name.section(QLatin1Char('/'), 1))));
    }
    const QString header = m_root.filePath(QStringLiteral("header.html"));
    const QString footer = m_root.filePath(QStringLiteral("footer.html"));
    // The header's script reports, once everything has loaded, which images did not.
    ASSERT_TRUE(test::writeFile(header,
        "<html><head><meta charset=\"utf-8\"><title>Gallery</title><script>\n"
        "addEventListener('load', function () {\n"
        "  var broken = [];\n"
        "  for (var i = 0; i < document.images.length; ++i) {\n"
        "    var image = document.images[i];\n"
        "    if (!(image.complete && image.naturalWidth > 0)) broken.push(image.getAttribute('src'));\n"
        "  }\n"
        "  document.body.setAttribute('data-images', document.images.length);\n"
        "  document.body.setAttribute('data-broken', broken.join('|'));\n"
        "});\n"
        "</script></head><body>"));
    ASSERT_TRUE(test::writeFile(footer, "</body></html>"));
    const QString pageName = QStringLiteral("my gallery.html");
    const Result result = runBatch({ QStringLiteral("--page"),
        pageName,
        QStringLiteral("--columns"),
        QStringLiteral("3"),
        QStringLiteral("--image-folder"),
        QStringLiteral("thumbs"),
        QStringLiteral("--prefix"),
        QStringLiteral("t "),
        QStringLiteral("--header"),
        header,
        QStringLiteral("--footer"),
        footer,
        m_source,
        m_dest });
    ASSERT_EQ(result.status, 0) << result.err.toStdString();

    QProcess chromium;
    chromium.start(browser,
        { QStringLiteral("--headless"),
            QStringLiteral("--no-sandbox"),
            QStringLiteral("--disable-gpu"),
            QStringLiteral("--user-data-dir=") + m_root.filePath(QStringLiteral("profile")),
            QStringLiteral("--virtual-time-budget=10000"),
            QStringLiteral("--dump-dom"),
            QUrl::fromLocalFile(QDir(m_source).filePath(pageName)).toString(QUrl::FullyEncoded) });
    ASSERT_TRUE(chromium.waitForFinished(120000));
    const QString dom = QString::fromUtf8(chromium.readAllStandardOutput());
    ASSERT_TRUE(dom.contains(QStringLiteral("data-images=\"4\""))) << dom.left(2000).toStdString();
    EXPECT_TRUE(dom.contains(QStringLiteral("data-broken=\"\""))) << dom.toStdString();

    // Every link and every image leads to a file beside the page.
    const QString page = QString::fromUtf8(test::readFile(QDir(m_source).filePath(pageName)));
    const QRegularExpression reference(QStringLiteral("(?:href|src) = ([^ >]+)"));
    int references = 0;
    for (const QRegularExpressionMatch &match : reference.globalMatch(page)) {
        const QString path = QUrl::fromPercentEncoding(match.captured(1).toUtf8());
        EXPECT_TRUE(QFile::exists(QDir(m_source).filePath(path))) << path.toStdString();
        ++references;
    }
    EXPECT_EQ(references, 8);
}
