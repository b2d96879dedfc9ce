// SPDX-License-Identifier: GPL-3.0-or-later
#include "gallery/creationrun.h"
#include "imaging/thumbnailer.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <stdexcept>

using namespace quorvel;

namespace
{

bool copyPicture(const QString &relative, const QString &destination)
{
    return QFile::copy(test::testPicture(relative), destination);
}

class CreationRunTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_root.isValid());
        m_source = m_root.filePath(QStringLiteral("pictures"));
        m_dest = m_root.filePath(QStringLiteral("thumbs"));
        ASSERT_TRUE(QDir().mkpath(m_source));
        ASSERT_TRUE(QDir().mkpath(m_dest));
        m_state.htmlFileName = QStringLiteral("gallery.html");
        m_state.headertext = QStringLiteral("H");
        m_state.footertext = QStringLiteral("F");
    }

    /// Copies shared pictures into the source folder under the given names.
    void addPictures(const QList<std::pair<QString, QString>> &pictures)
    {
        for (const auto &[from, name] : pictures)
            ASSERT_TRUE(copyPicture(from, QDir(m_source).filePath(name))) << name.toStdString();
    }

    CreationRequest request(const QStringList &names) const
    {
        CreationRequest result;
        result.sourceFolder = m_source;
        result.destFolder = m_dest;
        for (const QString &name : names)
            result.pictures += QDir(m_source).filePath(name);
        return result;
    }

    QString page() const
    {
        return QString::fromUtf8(test::readFile(QDir(m_source).filePath(m_state.htmlFileName)));
    }

    QTemporaryDir m_root;
    QString m_source;
    QString m_dest;
    AppState m_state;
};

} // namespace

TEST_F(CreationRunTest, MakesEveryThumbnailAndThePageWithAndWithoutRenaming)
{
    QUORVEL_REQUIRE_TESTDATA();
    addPictures({ { QStringLiteral("cameras/nikon-e950.jpg"), QStringLiteral("a.jpg") },
        { QStringLiteral("formats/animated.gif"), QStringLiteral("b.gif") } });
    CreationRequest asked = request({ QStringLiteral("a.jpg"), QStringLiteral("b.gif") });
    asked.writePage = true;
    CreationOutcome outcome = runCreation(m_state, asked);
    EXPECT_EQ(outcome.result, CreationOutcome::Result::Completed);
    EXPECT_EQ(outcome.written, 2);
    EXPECT_TRUE(outcome.pageWritten) << outcome.pageError.toStdString();
    // A thumbnail keeps its picture's name, ".gif" included, and is a JPEG.
    QImageReader gif(QDir(m_dest).filePath(QStringLiteral("b.gif")));
    EXPECT_EQ(gif.format(), QByteArray("jpeg"));
    EXPECT_EQ(QImageReader(QDir(m_dest).filePath(QStringLiteral("a.jpg"))).size(), QSize(90, 68));
    EXPECT_EQ(page(),
        QStringLiteral("H\r\n<a href = a.jpg><img src = a.jpg border = 0></a>\r\n"
                       "<a href = b.gif><img src = b.gif border = 0></a>\r\n"));

    asked.rename = true;
    asked.prefix = QStringLiteral("t_");
    m_state.imageFolderRef = QStringLiteral("../thumbs");
    outcome = runCreation(m_state, asked);
    EXPECT_EQ(outcome.written, 2);
    EXPECT_TRUE(QFile::exists(QDir(m_dest).filePath(QStringLiteral("t_a.jpg"))));
    EXPECT_TRUE(page().contains(QStringLiteral("<a href = a.jpg><img src = ../thumbs/t_a.jpg border = 0></a>")));
    EXPECT_EQ(m_state.pictureName, QStringLiteral("b.gif"));
    EXPECT_EQ(m_state.picturePath, QDir(m_source).filePath(QStringLiteral("b.gif")));
    EXPECT_EQ(m_state.pageFolder, m_source + QLatin1Char('/'));
}

TEST_F(CreationRunTest, SameFolderWithoutRenamingIsRefusedUnderEverySpelling)
{
    QUORVEL_REQUIRE_TESTDATA();
    addPictures({ { QStringLiteral("cameras/nikon-e950.jpg"), QStringLiteral("a.jpg") } });
    const QByteArray original = test::readFile(QDir(m_source).filePath(QStringLiteral("a.jpg")));
    const QString link = m_root.filePath(QStringLiteral("link"));
    ASSERT_TRUE(QFile::link(m_source, link));

    for (const QString &dest :
        { m_source, m_source + QStringLiteral("/"), m_source + QStringLiteral("/../pictures"), link }) {
        for (const bool emptyPrefix : { false, true }) {
            CreationRequest asked = request({ QStringLiteral("a.jpg") });
            asked.destFolder = dest;
            asked.writePage = true;
            asked.rename = emptyPrefix; // renaming with an empty prefix keeps the names
            const CreationOutcome outcome = runCreation(m_state, asked);
            EXPECT_EQ(outcome.result, CreationOutcome::Result::Refused) << dest.toStdString();
            EXPECT_EQ(outcome.refusal, sameFolderMessage());
        }
    }
    EXPECT_TRUE(sameFolderMessage().contains(QStringLiteral("without \n\rrenaming")));
    EXPECT_EQ(test::readFile(QDir(m_source).filePath(QStringLiteral("a.jpg"))), original);
    EXPECT_FALSE(QFile::exists(QDir(m_source).filePath(m_state.htmlFileName)));

    // Renaming into the same folder runs and writes beside the picture.
    CreationRequest asked = request({ QStringLiteral("a.jpg") });
    asked.destFolder = m_source;
    asked.rename = true;
    asked.prefix = QStringLiteral("t_");
    EXPECT_EQ(runCreation(m_state, asked).written, 1);
    EXPECT_TRUE(QFile::exists(QDir(m_source).filePath(QStringLiteral("t_a.jpg"))));
}

TEST_F(CreationRunTest, NoThumbnailReplacesAPictureOfTheRunOrLeavesTheDestination)
{
    QUORVEL_REQUIRE_TESTDATA();
    // "t_a.jpg" is itself a picture of the run, and the thumbnail of "a.jpg".
    addPictures({ { QStringLiteral("cameras/nikon-e950.jpg"), QStringLiteral("a.jpg") },
        { QStringLiteral("cameras/htc-desire.jpg"), QStringLiteral("t_a.jpg") } });
    const QByteArray picture = test::readFile(QDir(m_source).filePath(QStringLiteral("t_a.jpg")));
    CreationRequest asked = request({ QStringLiteral("a.jpg"), QStringLiteral("t_a.jpg") });
    asked.destFolder = m_source;
    asked.rename = true;
    asked.prefix = QStringLiteral("t_");
    const CreationOutcome outcome = runCreation(m_state, asked);
    EXPECT_EQ(test::readFile(QDir(m_source).filePath(QStringLiteral("t_a.jpg"))), picture);
    ASSERT_EQ(outcome.failures.size(), 1);
    EXPECT_EQ(outcome.failures[0].picture, QDir(m_source).filePath(QStringLiteral("a.jpg")));
    EXPECT_EQ(outcome.written, 1); // t_t_a.jpg

    asked.prefix = QStringLiteral("../t_");
    EXPECT_EQ(runCreation(m_state, asked).result, CreationOutcome::Result::Refused);
    EXPECT_FALSE(QFile::exists(m_root.filePath(QStringLiteral("t_a.jpg"))));
}

TEST_F(CreationRunTest, ParallelRunWritesTheSameBytesAsOneAtATime)
{
    QUORVEL_REQUIRE_TESTDATA();
    QStringList names;
    const QDir cameras(test::testPicture(QStringLiteral("cameras")));
    for (const QString &name : cameras.entryList({ QStringLiteral("*.jpg") }, QDir::Files, QDir::Name)) {
        addPictures({ { QStringLiteral("cameras/") + name, name } });
        names += name;
    }
    addPictures({ { QStringLiteral("broken/truncated.jpg"), QStringLiteral("zz-broken.jpg") } });
    names += QStringLiteral("zz-broken.jpg");
    m_state.table = 1;
    m_state.columns = 3;

    QMap<QString, QByteArray> results[2];
    QByteArray pages[2];
    int jobs[2] = { 1, 4 };
    for (int run = 0; run < 2; ++run) {
        const QString dest = m_root.filePath(QStringLiteral("run%1").arg(run));
        ASSERT_TRUE(QDir().mkpath(dest));
        CreationRequest asked = request(names);
        asked.destFolder = dest;
        asked.writePage = true;
        asked.jobs = jobs[run];
        asked.settings.quality = 70;
        const CreationOutcome outcome = runCreation(m_state, asked);
        EXPECT_EQ(outcome.written, names.size() - 1);
        ASSERT_EQ(outcome.failures.size(), 1);
        // A picture that gives no thumbnail still has its cell.
        pages[run] = test::readFile(QDir(m_source).filePath(m_state.htmlFileName));
        EXPECT_TRUE(pages[run].contains("<a href = zz-broken.jpg><img src = zz-broken.jpg border = 0></a>"));
        for (const QString &name : QDir(dest).entryList(QDir::Files))
            results[run].insert(name, test::readFile(QDir(dest).filePath(name)));
    }
    EXPECT_EQ(results[0].size(), names.size() - 1);
    EXPECT_EQ(results[0], results[1]);
    EXPECT_EQ(pages[0], pages[1]);
}

TEST_F(CreationRunTest, DroppedFilesWithTheSameNameEndAsTheLastOne)
{
    QUORVEL_REQUIRE_TESTDATA();
    const QString other = m_root.filePath(QStringLiteral("other"));
    ASSERT_TRUE(QDir().mkpath(other));
    addPictures({ { QStringLiteral("cameras/nikon-e950.jpg"), QStringLiteral("x.jpg") } });
    ASSERT_TRUE(copyPicture(QStringLiteral("cameras/htc-desire.jpg"), QDir(other).filePath(QStringLiteral("x.jpg"))));
    m_state.picturePath = QStringLiteral("unchanged");
    CreationRequest asked;
    asked.sourceFolder = m_source;
    asked.destFolder = m_dest + QStringLiteral("/"); // a folder ending in its separator gets the name directly
    asked.dropped = true;
    asked.writePage = true;
    asked.jobs = 4;
    asked.pictures = { QDir(m_source).filePath(QStringLiteral("x.jpg")),
        QDir(other).filePath(QStringLiteral("x.jpg")),
        m_root.path() /* a folder is handed over like any dropped path */ };
    const CreationOutcome outcome = runCreation(m_state, asked);
    EXPECT_EQ(outcome.written, 2);
    EXPECT_EQ(outcome.failures.size(), 1);
    // The later picture (tall) wins, as it would one after another.
    EXPECT_EQ(QImageReader(QDir(m_dest).filePath(QStringLiteral("x.jpg"))).size().height(), 90);
    EXPECT_LT(QImageReader(QDir(m_dest).filePath(QStringLiteral("x.jpg"))).size().width(), 90);
    EXPECT_EQ(m_state.picturePath, QStringLiteral("unchanged"));
    EXPECT_EQ(page().count(QStringLiteral("<a href = x.jpg>")), 2);
}

TEST_F(CreationRunTest, APageThatCannotBeWrittenIsReportedAndTheThumbnailsAreMade)
{
    QUORVEL_REQUIRE_TESTDATA();
    addPictures({ { QStringLiteral("cameras/nikon-e950.jpg"), QStringLiteral("a.jpg") } });
    const QByteArray picture = test::readFile(QDir(m_source).filePath(QStringLiteral("a.jpg")));
    ASSERT_TRUE(QDir(m_source).mkdir(QStringLiteral("taken.html")));
    const QString emptyName;
    for (const QString &name : { emptyName, QStringLiteral("taken.html"), QStringLiteral("a.jpg") }) {
        m_state.htmlFileName = name;
        CreationRequest asked = request({ QStringLiteral("a.jpg") });
        asked.writePage = true;
        const CreationOutcome outcome = runCreation(m_state, asked);
        EXPECT_EQ(outcome.result, CreationOutcome::Result::Completed);
        EXPECT_FALSE(outcome.pageWritten);
        EXPECT_FALSE(outcome.pageError.isEmpty()) << name.toStdString();
        if (!name.isEmpty()) {
            EXPECT_TRUE(outcome.pageError.contains(name)) << outcome.pageError.toStdString();
        }
        EXPECT_EQ(outcome.written, 1);
        QFile::remove(QDir(m_dest).filePath(QStringLiteral("a.jpg")));
    }
    EXPECT_EQ(test::readFile(QDir(m_source).filePath(QStringLiteral("a.jpg"))), picture);

    // A page that fails midway leaves the earlier page whole.
    m_state.htmlFileName = QStringLiteral("gallery.html");
    QFile earlier(QDir(m_source).filePath(m_state.htmlFileName));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write(QByteArray(200, 'x'));
    earlier.close();
    m_state.headertext = QString(4000, QLatin1Char('h'));
    CreationRequest asked = request({ QStringLiteral("a.jpg") });
    asked.writePage = true;
    CreationOutcome outcome;
    {
        test::FileSizeLimit limit(1000);
        ASSERT_TRUE(limit.active()) << "file size limits are not available here";
        outcome = runCreation(m_state, asked);
    }
    EXPECT_FALSE(outcome.pageWritten);
    EXPECT_EQ(test::readFile(earlier.fileName()), QByteArray(200, 'x'));
}

TEST_F(CreationRunTest, CancelledRunClosesThePageWithThePicturesDone)
{
    QUORVEL_REQUIRE_TESTDATA();
    QStringList names;
    for (int i = 0; i < 40; ++i) {
        names += QStringLiteral("p%1.jpg").arg(i);
        addPictures({ { QStringLiteral("cameras/kodak-dx4330.jpg"), names.last() } });
    }
    m_state.table = 1;
    m_state.columns = 4;
    CreationRequest asked = request(names);
    asked.writePage = true;
    asked.jobs = 1;

    // Cancelled before the first picture: the page frame alone.
    CreationOutcome outcome = runCreation(m_state, asked, [](int, int) {
        return false;
    });
    EXPECT_EQ(outcome.result, CreationOutcome::Result::Cancelled);
    EXPECT_EQ(outcome.processed, 0);
    EXPECT_EQ(page(), QStringLiteral("H\r\n<TABLE border = 0>\r\n<TR>\r\n</TD></TR></TABLE>\r\nF\r\n"));

    outcome = runCreation(m_state, asked, [](int done, int) {
        return done < 2;
    });
    EXPECT_EQ(outcome.result, CreationOutcome::Result::Cancelled);
    EXPECT_GE(outcome.processed, 2);
    EXPECT_LT(outcome.processed, names.size());
    EXPECT_EQ(outcome.written, outcome.processed);
    EXPECT_EQ(outcome.written, int(QDir(m_dest).entryList(QDir::Files).size()));
    EXPECT_TRUE(outcome.pageWritten);
    EXPECT_EQ(page().count(QStringLiteral("<a href = ")), outcome.processed);
    EXPECT_TRUE(page().endsWith(QStringLiteral("</TD></TR></TABLE>\r\nF\r\n")));

    // A callback that throws while workers run leaves the run by its exception: the
    // workers are stopped and joined on the way out (one left running would end the
    // program), and the page is left as it was, with no temporary file beside it.
    const QString before = page();
    asked.jobs = 2;
    EXPECT_THROW(runCreation(m_state,
                     asked,
                     [](int done, int) -> bool {
                         if (done > 0)
                             throw std::runtime_error("stopped");
                         return true;
                     }),
        std::runtime_error);
    EXPECT_EQ(page(), before);
    EXPECT_EQ(QDir(m_source).entryList({ QStringLiteral("*.tmp") }, QDir::Files | QDir::Hidden), QStringList());
}

TEST_F(CreationRunTest, NothingSelectedWritesTheEmptyPageAndNoThumbnail)
{
    m_state.table = 1;
    m_state.columns = 4;
    CreationRequest asked = request({});
    asked.writePage = true;
    int lastDone = -1;
    const CreationOutcome outcome = runCreation(m_state, asked, [&](int done, int) {
        lastDone = done;
        return true;
    });
    EXPECT_EQ(outcome.result, CreationOutcome::Result::Completed);
    EXPECT_EQ(page(), QStringLiteral("H\r\n<TABLE border = 0>\r\n<TR>\r\n</TD></TR></TABLE>\r\nF\r\n"));
    EXPECT_TRUE(QDir(m_dest).isEmpty());
    EXPECT_EQ(lastDone, 0);

    // Without the page option the page is neither created nor changed.
    QFile::remove(QDir(m_source).filePath(m_state.htmlFileName));
    asked.writePage = false;
    runCreation(m_state, asked);
    EXPECT_FALSE(QFile::exists(QDir(m_source).filePath(m_state.htmlFileName)));
}
