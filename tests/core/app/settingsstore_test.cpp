// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settingsstore.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace quorvel;

namespace
{

AppState stateWith(int overwrite, int height, int width, int border, const QString &path = QStringLiteral("/old"))
{
    AppState state;
    state.defPathToThumb = path;
    state.overwrite = static_cast<std::int16_t>(overwrite);
    state.defThumbHeight = static_cast<std::int16_t>(height);
    state.defThumbWidth = static_cast<std::int16_t>(width);
    state.tableBorder = static_cast<std::int16_t>(border);
    return state;
}

} // namespace

TEST(SettingsStore, WritesTheDocumentedBytes)
{
    const SettingsRecord record { QStringLiteral("C:\\Thumbs"), 1, QStringLiteral("45"), QStringLiteral("45"), 1 };
    EXPECT_EQ(SettingsStore::toBytes(record), QByteArray("C:\\Thumbs\r\n 1 \r\n45\r\n45\r\n 1 \r\n"));
}

TEST(SettingsStore, NumberFormatHasSignPlaceAndTrailingSpace)
{
    EXPECT_EQ(SettingsStore::formatNumber(1), QByteArray(" 1 "));
    EXPECT_EQ(SettingsStore::formatNumber(0), QByteArray(" 0 "));
    EXPECT_EQ(SettingsStore::formatNumber(-3), QByteArray("-3 "));
    EXPECT_EQ(SettingsStore::formatNumber(32767), QByteArray(" 32767 "));
}

TEST(SettingsStore, SavedFileReadsBackWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("quorvel.ins"));
    const SettingsRecord record {
        QStringLiteral("/home/ann/web, pictures/ thumbs"), 0, QStringLiteral("45"), QStringLiteral("60"), 1
    };
    ASSERT_EQ(SettingsStore::save(path, record), QString());
    AppState state;
    ASSERT_TRUE(SettingsStore::load(path, state));
    EXPECT_EQ(state.defPathToThumb, record.defPathToThumb); // commas and spaces kept
    EXPECT_EQ(state.overwrite, 0);
    EXPECT_EQ(state.defThumbHeight, 45);
    EXPECT_EQ(state.defThumbWidth, 60);
    EXPECT_EQ(state.tableBorder, 1);
}

TEST(SettingsStore, EmptyPathWritesEmptyFirstLineAndReadsBackEmpty)
{
    const QByteArray bytes = SettingsStore::toBytes({ QString(), 1, QStringLiteral("45"), QStringLiteral("45"), 0 });
    EXPECT_TRUE(bytes.startsWith("\r\n 1 \r\n"));
    AppState state = stateWith(0, 0, 0, 1);
    SettingsStore::loadFromBytes(bytes, state);
    EXPECT_EQ(state.defPathToThumb, QString());
    EXPECT_EQ(state.overwrite, 1);
    EXPECT_EQ(state.defThumbHeight, 45);
    EXPECT_EQ(state.tableBorder, 0);
}

struct LoadCase {
    const char *name;
    QByteArray bytes;
    QString path;
    int overwrite, height, width, border;
};

void PrintTo(const LoadCase &c, std::ostream *out)
{
    *out << c.name;
}

class SettingsLoad : public ::testing::TestWithParam<LoadCase>
{
};

// Every step of loading is on its own: what fails keeps the earlier value (here
// "/old", 7, 8, 9, 1) and the later steps still run.
TEST_P(SettingsLoad, KeepsEarlierValuesStepByStep)
{
    const LoadCase &c = GetParam();
    AppState state = stateWith(7, 8, 9, 1);
    SettingsStore::loadFromBytes(c.bytes, state);
    EXPECT_EQ(state.defPathToThumb, c.path);
    EXPECT_EQ(state.overwrite, c.overwrite);
    EXPECT_EQ(state.defThumbHeight, c.height);
    EXPECT_EQ(state.defThumbWidth, c.width);
    EXPECT_EQ(state.tableBorder, c.border);
}

INSTANTIATE_TEST_SUITE_P(Cases,
    SettingsLoad,
    ::testing::Values(LoadCase { "documented", "C:\\Thumbs\r\n 1 \r\n45\r\n45\r\n 1 \r\n", "C:\\Thumbs", 1, 45, 45, 1 },
        LoadCase { "empty_file", "", "/old", 7, 8, 9, 1 },
        LoadCase { "path_only", "/pics\r\n", "/pics", 7, 8, 9, 1 },
        LoadCase { "short_file", "/pics\r\n 0 \r\n50\r\n", "/pics", 0, 50, 9, 1 },
        LoadCase { "line3_not_numeric", "/p\r\n 1 \r\nabc\r\n60\r\n 0 \r\n", "/p", 1, 8, 60, 0 },
        LoadCase { "spaces_around_numbers", "/p\r\n   1   \r\n  45\r\n45  \r\n 0 \r\n", "/p", 1, 45, 45, 0 },
        LoadCase { "commas_in_path", "a, b ,c\r\n 1 \r\n1\r\n2\r\n 1 \r\n", "a, b ,c", 1, 1, 2, 1 },
        LoadCase { "bare_line_feeds", "/p\n 1 \n45\n46\n 0 \n", "/p", 1, 45, 46, 0 },
        LoadCase { "no_final_line_end", "/p\r\n 1 \r\n45\r\n46\r\n 0", "/p", 1, 45, 46, 0 },
        LoadCase { "out_of_16_bit_range", "/p\r\n 1 \r\n40000\r\n-40000\r\n 1 \r\n", "/p", 1, 8, 9, 1 },
        LoadCase { "negative_and_decimal", "/p\r\n-1 \r\n44.5\r\n45.5\r\n 1 \r\n", "/p", -1, 44, 46, 1 },
        LoadCase { "blank_line_reads_zero", "/p\r\n 1 \r\n\r\n45\r\n 1 \r\n", "/p", 1, 0, 45, 1 },
        LoadCase { "two_numbers_on_a_line", "/p\r\n 1, 50\r\n60\r\n 0 \r\n", "/p", 1, 50, 60, 0 }),
    [](const ::testing::TestParamInfo<LoadCase> &info) {
        return std::string(info.param.name);
    });

TEST(SettingsStore, MissingFileChangesNothing)
{
    QTemporaryDir dir;
    AppState state = stateWith(1, 2, 3, 1);
    EXPECT_FALSE(SettingsStore::load(dir.filePath(QStringLiteral("quorvel.ins")), state));
    EXPECT_EQ(state.defPathToThumb, QStringLiteral("/old"));
    EXPECT_EQ(state.defThumbWidth, 3);
}

TEST(SettingsStore, FailedSaveLeavesThePreviousFileWholeAndSaysWhy)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("quorvel.ins"));
    const SettingsRecord old { QStringLiteral("/old"), 1, QStringLiteral("45"), QStringLiteral("45"), 1 };
    ASSERT_EQ(SettingsStore::save(path, old), QString());
    QString error;
    {
        // The disk fills up halfway through the new file.
        test::FileSizeLimit full(8);
        ASSERT_TRUE(full.active());
        error = SettingsStore::save(
            path, { QStringLiteral("/a/much/longer/path"), 0, QStringLiteral("1"), QStringLiteral("1"), 0 });
    }
    EXPECT_TRUE(error.contains(QStringLiteral("quorvel.ins"))) << error.toStdString();
    EXPECT_EQ(test::readFile(path), SettingsStore::toBytes(old));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({ QStringLiteral("quorvel.ins") })); // no leftovers
}

TEST(SettingsStore, SaveIntoAMissingFolderFailsWithoutCreatingIt)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gone/quorvel.ins"));
    const QString error =
        SettingsStore::save(path, { QStringLiteral("/x"), 1, QStringLiteral("45"), QStringLiteral("45"), 1 });
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(path));
}

TEST(SettingsStore, SaveWhereAFolderStandsFailsAndKeepsTheFolder)
{
    // Works as root too: a folder in the way cannot be replaced by the file.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("quorvel.ins"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("quorvel.ins")));
    const QString error =
        SettingsStore::save(path, { QStringLiteral("/x"), 1, QStringLiteral("45"), QStringLiteral("45"), 1 });
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(QFileInfo(path).isDir());
}

TEST(SettingsStore, FtpProgramIsAnOptionalSixthLine)
{
    // Without an FTP program the file keeps exactly its five lines.
    const SettingsRecord fiveLines { QStringLiteral("/t/"), 0, QStringLiteral("45"), QStringLiteral("60"), 0 };
    EXPECT_EQ(SettingsStore::toBytes(fiveLines), QByteArray("/t/\r\n 0 \r\n45\r\n60\r\n 0 \r\n"));

    SettingsRecord sixLines = fiveLines;
    sixLines.ftpProgram = QStringLiteral("/usr/bin/ftp client, v2");
    const QByteArray bytes = SettingsStore::toBytes(sixLines);
    EXPECT_EQ(bytes, QByteArray("/t/\r\n 0 \r\n45\r\n60\r\n 0 \r\n/usr/bin/ftp client, v2\r\n"));

    AppState state;
    SettingsStore::loadFromBytes(bytes, state);
    EXPECT_EQ(state.FTPprog, sixLines.ftpProgram); // taken whole, commas and spaces included
    EXPECT_EQ(state.tableBorder, 0);
    EXPECT_EQ(state.defThumbWidth, 60);
}

TEST(SettingsStore, FiveLineFilesLeaveTheFtpProgramAsItWas)
{
    AppState state = stateWith(0, 0, 0, 0);
    state.FTPprog = QStringLiteral("/opt/ftp");
    SettingsStore::loadFromBytes("C:\\Thumbs\r\n 1 \r\n45\r\n45\r\n 1 \r\n", state);
    EXPECT_EQ(state.FTPprog, QStringLiteral("/opt/ftp"));
    EXPECT_EQ(state.defPathToThumb, QStringLiteral("C:\\Thumbs"));
    EXPECT_EQ(state.tableBorder, 1);
}

TEST(SettingsStore, APipeOrFolderInPlaceOfTheFileIsNotRead)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // Opening a pipe nobody writes to would wait forever at start-up.
    const QString pipe = dir.filePath(QStringLiteral("quorvel.ins"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString folder = dir.filePath(QStringLiteral("folder"));
    ASSERT_TRUE(QDir().mkdir(folder));
    for (const QString &path : { pipe, folder }) {
        AppState state;
        state.defPathToThumb = QStringLiteral("kept");
        EXPECT_FALSE(SettingsStore::load(path, state)) << qPrintable(path);
        EXPECT_EQ(state.defPathToThumb, QStringLiteral("kept"));
    }
}
