// SPDX-License-Identifier: GPL-3.0-or-later
// quorvel-batch against what users' folders really hold and what really happens to
// runs: picture names made of markup, quotes, line breaks, dashes and bytes that are not
// text, and a run killed part way.
#include "testsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

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

const QRegularExpression &anchorShape()
{
    static const QRegularExpression shape(
        QStringLiteral("^<a href = [^ <>\"'`=]+><img src = [^ <>\"'`=]+ border = 0></a>$"));
    return shape;
}

bool isStructureLine(const QByteArray &line)
{
    static const QList<QByteArray> lines {
        "<TABLE border = 0>", "<TR>", "<TD>", "</TD>", "</TR><TR>", "</TD></TR></TABLE>"
    };
    return lines.contains(line);
}

// A run's folders in a temporary folder: the pictures and the thumbnails.
struct RunFolders {
    QTemporaryDir root;
    QString source = root.filePath(QStringLiteral("pictures"));
    QString dest = root.filePath(QStringLiteral("thumbs"));

    bool made() const
    {
        return root.isValid() && QDir().mkpath(source) && QDir().mkpath(dest);
    }
};

// Every file under root, as paths relative to it.
QStringList filesUnder(const QString &root)
{
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files += QDir(root).relativeFilePath(it.next());
    files.sort();
    return files;
}

} // namespace

TEST(BatchReliability, HostileNamesKeepThePageWellFormedAndNothingIsWrittenElsewhere)
{
    QUORVEL_REQUIRE_TESTDATA();
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString source = root.filePath(QStringLiteral("pictures"));
    const QString dest = root.filePath(QStringLiteral("thumbs"));
    const QString work = root.filePath(QStringLiteral("work"));
    for (const QString &folder : { source, dest, work })
        ASSERT_TRUE(QDir().mkpath(folder));

    const QStringList names { QStringLiteral("<b onmouseover=alert(1)>x.jpg"),
        QStringLiteral("say \"cheese\" & 'smile'.jpg"),
        QStringLiteral("two\nlines.jpg"),
        QStringLiteral("-rf.jpg"),
        QStringLiteral("--size=1.jpg"),
        QStringLiteral("%3Cb%3E #1?.jpg"),
        QString(240, QLatin1Char('n')) + ".jpg",
        QStringLiteral("back\\slash.jpg") };
    const QString picture = test::testPicture(QStringLiteral("cameras/nikon-e950.jpg"));
    for (const QString &name : names)
        ASSERT_TRUE(QFile::copy(picture, QDir(source).filePath(name))) << qPrintable(name);
    // A name that is not valid text in the system's encoding cannot be named in the
    // program's text at all: it is left out of the run like a file of another type.
    const QByteArray badName = QFile::encodeName(source) + "/bad\xff\xfe.jpg";
    ASSERT_EQ(::link(QFile::encodeName(picture).constData(), badName.constData()), 0);

    QProcess process;
    process.setWorkingDirectory(work);
    process.start(QStringLiteral(QUORVEL_BATCH_EXE),
        { QStringLiteral("--page=index.html"), QStringLiteral("--columns=3"), source, dest });
    ASSERT_TRUE(process.waitForFinished(120000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();

    // Every line of the page is a table line, the empty header and footer, or one anchor
    // around one image whose values hold no blank, quote or angle bracket.
    const QByteArray page = test::readFile(QDir(source).filePath(QStringLiteral("index.html")));
    ASSERT_TRUE(page.endsWith("\r\n"));
    int anchors = 0;
    // Split at CR LF only: a lone LF or CR inside a line would be a broken line.
    const QList<QByteArray> lines = page.chopped(2).split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray line = lines[i];
        if (i + 1 < lines.size()) {
            ASSERT_TRUE(line.endsWith('\r')) << line.toStdString();
            line.chop(1);
        }
        ASSERT_FALSE(line.contains('\r')) << line.toStdString();
        if (line.isEmpty() || isStructureLine(line))
            continue;
        EXPECT_TRUE(anchorShape().match(QString::fromLatin1(line)).hasMatch()) << line.toStdString();
        ++anchors;
    }
    EXPECT_EQ(anchors, names.size());

    // The thumbnails went to the thumbnail folder under the pictures' names, and nothing
    // was written anywhere else: not in the working folder, not beside the pictures.
    QStringList expected;
    for (const QString &name : names)
        expected += QStringLiteral("pictures/") + name;
    expected += QStringLiteral("pictures/index.html");
    for (const QString &name : names)
        expected += QStringLiteral("thumbs/") + name;
    expected.sort();
    QStringList found = filesUnder(root.path());
    found.removeIf([](const QString &path) {
        return path.startsWith(QLatin1String("pictures/bad"));
    });
    EXPECT_EQ(found, expected);
    EXPECT_TRUE(QDir(work).isEmpty());
}

// Memory for a picture does not grow with what its file holds after the picture data:
// with the run's address space capped at 256 MB, a photo followed by 600 MB (after its
// end marker, or without one) gets its thumbnail, the very one of the photo alone. A
// picture that needs more memory than there is (a GIF whose screen is 8192 x 8192
// pixels) is refused alone, named with the reason; the others get their thumbnails and
// the page is written. Under the address sanitizer, whose own reservations do not fit an
// address space cap, its allocator refuses every block above 128 MB instead: the GIF's
// screen needs 192 MB, and reading the padding would need more.
TEST(BatchReliability, APictureTheRunCannotAffordIsRefusedAloneAndPaddingCostsNoMemory)
{
    QUORVEL_REQUIRE_TESTDATA();
    const RunFolders folders;
    ASSERT_TRUE(folders.made());
    const QString &source = folders.source;
    const QString &dest = folders.dest;
    const QByteArray photo = test::readFile(test::testPicture(QStringLiteral("cameras/nikon-e950.jpg")));
    ASSERT_TRUE(photo.endsWith("\xFF\xD9"));
    for (const char *name : { "casio-ex-z3.jpg", "canon-powershot-sx60hs-orientation-6.jpg", "nikon-e950.jpg" })
        ASSERT_TRUE(QFile::copy(test::testPicture(QStringLiteral("cameras/") + QLatin1String(name)),
            QDir(source).filePath(QLatin1String(name))));
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
    ASSERT_TRUE(test::writeFile(QDir(source).filePath(QStringLiteral("screen.gif")), gif));

    QProcess process;
#ifdef QUORVEL_ADDRESS_SANITIZER
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ASAN_OPTIONS"),
        environment.value(QStringLiteral("ASAN_OPTIONS"))
            + QStringLiteral(":allocator_may_return_null=1:max_allocation_size_mb=128"));
    process.setProcessEnvironment(environment);
#else
    process.setChildProcessModifier([] {
        rlimit cap;
        cap.rlim_cur = cap.rlim_max = rlim_t(256) << 20;
        setrlimit(RLIMIT_AS, &cap);
    });
#endif
    process.start(QStringLiteral(QUORVEL_BATCH_EXE), { QStringLiteral("--page=index.html"), source, dest });
    ASSERT_TRUE(process.waitForFinished(120000));
    QString err = QString::fromLocal8Bit(process.readAllStandardError());
#ifdef QUORVEL_ADDRESS_SANITIZER
    // The sanitizer's allocator says so for each block it refused.
    err.remove(
        QRegularExpression(QStringLiteral("^==\\d+==WARNING: AddressSanitizer failed to allocate 0x[0-9a-f]+ bytes\n"),
            QRegularExpression::MultilineOption));
#endif
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << err.toStdString();
    EXPECT_EQ(process.exitCode(), 3) << err.toStdString(); // a picture could not be read
    EXPECT_EQ(err,
        QStringLiteral("quorvel-batch: \"%1\": There is not enough memory to decode the GIF picture.\n")
            .arg(QDir(source).filePath(QStringLiteral("screen.gif"))));
    const QByteArray thumbnail = test::readFile(QDir(dest).filePath(QStringLiteral("nikon-e950.jpg")));
    ASSERT_FALSE(thumbnail.isEmpty());
    EXPECT_EQ(test::readFile(QDir(dest).filePath(QStringLiteral("padded.jpg"))), thumbnail);
    EXPECT_EQ(test::readFile(QDir(dest).filePath(QStringLiteral("no-end.jpg"))), thumbnail);
    EXPECT_EQ(QDir(dest).entryList(QDir::Files).size(), 5);
    EXPECT_EQ(test::readFile(QDir(source).filePath(QStringLiteral("index.html"))).count("<a href = "), 6);
}

// A run killed at any moment leaves every file under its final name whole: each
// thumbnail there is a complete picture, and the page is either the one from before
// the run or the complete new one. What else it leaves are its temporary files, named
// after it, which the next run into those folders removes, and nothing else.
TEST(BatchReliability, AKilledRunLeavesOnlyWholeFilesUnderTheirNamesAndTheNextRunClearsItsLeftovers)
{
    QUORVEL_REQUIRE_TESTDATA();
    const RunFolders folders;
    ASSERT_TRUE(folders.made());
    const QString &source = folders.source;
    const QString &dest = folders.dest;
    const QDir cameras(test::testdataDir() + QStringLiteral("/cameras"));
    int pictures = 0;
    for (int copy = 0; copy < 3; ++copy) {
        for (const QString &name : cameras.entryList({ QStringLiteral("*.jpg") }, QDir::Files)) {
            const QString target = QDir(source).filePath(QStringLiteral("%1-%2").arg(copy).arg(name));
            ASSERT_TRUE(QFile::link(cameras.filePath(name), target));
            ++pictures;
        }
    }
    const QString pagePath = QDir(source).filePath(QStringLiteral("index.html"));
    const QByteArray oldPage("the page of an earlier run\r\n");
    // The files of both folders that are neither pictures nor the page: a killed run's
    // leftovers.
    const auto leftovers = [&] {
        QStringList found;
        for (const QString &folder : { source, dest }) {
            for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System)) {
                if (!name.endsWith(QLatin1String(".jpg")) && name != QLatin1String("index.html"))
                    found += name;
            }
        }
        return found;
    };
    QStringList killed;

    // Killed as soon as the first thumbnail is there, about half way, and near the end.
    for (const int killAfter : { 1, pictures / 2, pictures - 2 }) {
        ASSERT_TRUE(QDir(dest).removeRecursively());
        ASSERT_TRUE(QDir().mkpath(dest));
        ASSERT_TRUE(test::writeFile(pagePath, oldPage));

        QProcess process;
        process.start(QStringLiteral(QUORVEL_BATCH_EXE),
            { QStringLiteral("--page=index.html"), QStringLiteral("--size=300"), source, dest });
        ASSERT_TRUE(process.waitForStarted());
        QElapsedTimer waited;
        waited.start();
        while (QDir(dest).entryList({ QStringLiteral("*.jpg") }, QDir::Files).size() < killAfter
            && process.state() == QProcess::Running && waited.elapsed() < 60000)
            QThread::msleep(2);
        const qint64 pid = process.processId();
        ::kill(pid_t(pid), SIGKILL);
        process.waitForFinished(10000);
        killed += QStringLiteral(".quorvel-%1-").arg(pid);
        for (const QString &name : leftovers()) {
            EXPECT_TRUE(name.startsWith(killed.last()) && name.endsWith(QLatin1String(".tmp")))
                << qPrintable(name) << " after " << killAfter;
        }

        const QStringList made = QDir(dest).entryList({ QStringLiteral("*.jpg") }, QDir::Files);
        EXPECT_GE(made.size(), killAfter);
        for (const QString &name : made) {
            const QByteArray bytes = test::readFile(QDir(dest).filePath(name));
            EXPECT_TRUE(bytes.startsWith("\xFF\xD8") && bytes.endsWith("\xFF\xD9")) << qPrintable(name);
            QImageReader reader(QDir(dest).filePath(name));
            EXPECT_FALSE(reader.read().isNull()) << qPrintable(name) << " after " << killAfter;
        }
        const QByteArray page = test::readFile(pagePath);
        if (page != oldPage) {
            EXPECT_EQ(page.count("<a href = "), pictures) << "after " << killAfter;
            EXPECT_TRUE(page.endsWith("></a>\r\n"));
        }
    }
    // The page's temporary file lives for the whole run, so a killed run leaves it.
    EXPECT_FALSE(leftovers().isEmpty());

    // What is not a killed run's: a file of a live process (this one), a link and a
    // folder named like a leftover, other names.
    const QString alive = QStringLiteral(".quorvel-%1-7.tmp").arg(QCoreApplication::applicationPid());
    const QString link = killed.first() + QStringLiteral("99.tmp");
    const QStringList others { alive, QStringLiteral(".quorvel-notes.tmp"), QStringLiteral("index.html.Ab12Cd") };
    for (const QString &name : others)
        ASSERT_TRUE(test::writeFile(QDir(source).filePath(name), "keep"));
    ASSERT_TRUE(QFile::link(pagePath, QDir(dest).filePath(link)));
    ASSERT_TRUE(QDir(dest).mkdir(killed.last() + QStringLiteral("5.tmp")));

    QProcess process;
    process.start(QStringLiteral(QUORVEL_BATCH_EXE), { QStringLiteral("--page=index.html"), source, dest });
    ASSERT_TRUE(process.waitForFinished(120000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    QStringList expected = others + QStringList { link };
    expected.sort();
    QStringList remaining = leftovers();
    remaining.sort();
    EXPECT_EQ(remaining, expected);
    EXPECT_TRUE(QFileInfo(QDir(dest).filePath(killed.last() + QStringLiteral("5.tmp"))).isDir());
}
