// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/defaults.h"
#include "app/version.h"
#include "imaging/advancedoptions.h"
#include "platform/numbers.h"
#include "testsupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quorvel;

namespace
{

DefaultsChoice choice(const QString &height, const QString &width)
{
    DefaultsChoice c;
    c.path = QStringLiteral("/pics/thumbs/");
    c.alwaysOverwrite = true;
    c.heightText = height;
    c.widthText = width;
    c.useBorder = true;
    return c;
}

} // namespace

TEST(Defaults, SizeBoxesTakeWholeNumbersFrom1To32767Only)
{
    const std::pair<const char *, int> accepted[] = {
        { "45", 45 }, { "1", 1 }, { "32767", 32767 }, { " 60 ", 60 }, { "+7", 7 }, { "007", 7 }
    };
    for (const auto &[text, value] : accepted)
        EXPECT_EQ(defaultSizeValue(QLatin1String(text)), std::optional<std::int16_t>(value)) << text;
    for (const char *text : { "", " ", "0", "-1", "32768", "99999999999", "4.5", "45px", "abc", "1e2", "4 5" })
        EXPECT_EQ(defaultSizeValue(QLatin1String(text)), std::nullopt) << text;
}

TEST(Defaults, AStoredZeroShowsAs45)
{
    EXPECT_EQ(defaultSizeText(0), QStringLiteral("45"));
    EXPECT_EQ(defaultSizeText(60), QStringLiteral("60"));
    EXPECT_EQ(defaultSizeText(-3), QStringLiteral("-3"));
}

TEST(Defaults, SavingWritesTheBoxTextsVerbatimThenSetsTheVariables)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("quorvel.ins"));
    AppState state;
    DefaultsChoice c = choice(QStringLiteral(" 64"), QStringLiteral("80"));
    c.ftpProgram = QStringLiteral("/usr/bin/ftp");
    const DefaultsSaveResult result = saveDefaults(path, c, state);
    ASSERT_TRUE(result.ok()) << result.reason.toStdString();
    EXPECT_EQ(test::readFile(path), QByteArray("/pics/thumbs/\r\n 1 \r\n 64\r\n80\r\n 1 \r\n/usr/bin/ftp\r\n"));
    EXPECT_EQ(state.defPathToThumb, QStringLiteral("/pics/thumbs/"));
    EXPECT_EQ(state.overwrite, 1);
    EXPECT_EQ(state.defThumbHeight, 64);
    EXPECT_EQ(state.defThumbWidth, 80);
    EXPECT_EQ(state.tableBorder, 1);
    EXPECT_EQ(state.FTPprog, QStringLiteral("/usr/bin/ftp"));
}

TEST(Defaults, RefusedSizesAndFailedWritesChangeNeitherFileNorVariables)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("quorvel.ins"));
    const QByteArray old("/old/\r\n 0 \r\n45\r\n45\r\n 0 \r\n");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(old);
    }
    AppState state;
    state.defPathToThumb = QStringLiteral("/old/");

    // Both refused: the height is named first.
    DefaultsSaveResult result = saveDefaults(path, choice(QStringLiteral("x"), QStringLiteral("0")), state);
    EXPECT_EQ(result.failure, DefaultsSaveResult::Failure::Height);
    result = saveDefaults(path, choice(QStringLiteral("45"), QStringLiteral("40000")), state);
    EXPECT_EQ(result.failure, DefaultsSaveResult::Failure::Width);
    EXPECT_EQ(test::readFile(path), old);

    // A folder that cannot hold the file: the reason names the file.
    result = saveDefaults(dir.filePath(QStringLiteral("quorvel.ins/quorvel.ins")),
        choice(QStringLiteral("45"), QStringLiteral("45")),
        state);
    EXPECT_EQ(result.failure, DefaultsSaveResult::Failure::File);
    EXPECT_TRUE(result.reason.contains(QStringLiteral("quorvel.ins")));
    EXPECT_EQ(test::readFile(path), old);

    EXPECT_EQ(state.defPathToThumb, QStringLiteral("/old/"));
    EXPECT_EQ(state.overwrite, 0);
    EXPECT_EQ(state.defThumbHeight, 0);
    EXPECT_EQ(state.tableBorder, 0);
}

TEST(Version, MajorMinorAndBuildInPlainDecimal)
{
    EXPECT_EQ(versionText(3, 0, 53), QStringLiteral("3.0, Build: 53"));
    EXPECT_EQ(versionText(1, 0, 3), QStringLiteral("1.0, Build: 3"));
    // The program's own comes from the one version the build sets.
    const QStringList parts = QStringLiteral(QUORVEL_VERSION).split(QLatin1Char('.'));
    ASSERT_EQ(parts.size(), 3);
    EXPECT_EQ(programVersionText(), versionText(parts[0].toInt(), parts[1].toInt(), parts[2].toInt()));
}

TEST(Numbers, SignPlaceIsABlankUnlessNegative)
{
    EXPECT_EQ(numberWithSignPlace(85), QStringLiteral(" 85"));
    EXPECT_EQ(numberWithSignPlace(0), QStringLiteral(" 0"));
    EXPECT_EQ(numberWithSignPlace(-3), QStringLiteral("-3"));
}

TEST(AdvancedOptionFlags, AChoiceSetsItsFlagAndClearsTheOtherTwoOfItsGroupOnly)
{
    AdvancedOptionFlags flags;
    flags.chooseDctMethod(2);
    flags.chooseDitherPolicy(1);
    flags.chooseDitherMethod(0);
    EXPECT_EQ((std::array { flags.advDctSlow, flags.advDctFast, flags.advDctFloat }),
        (std::array<std::int16_t, 3> { 0, 0, 1 }));
    EXPECT_EQ((std::array { flags.advDitherExtra, flags.advNoDither, flags.advAlwaysDither }),
        (std::array<std::int16_t, 3> { 0, 1, 0 }));
    EXPECT_EQ((std::array { flags.advDitherNone, flags.advDitherOrdered, flags.advDitherFloyd }),
        (std::array<std::int16_t, 3> { 1, 0, 0 }));
    flags.chooseDctMethod(0);
    EXPECT_EQ((std::array { flags.advDctSlow, flags.advDctFast, flags.advDctFloat }),
        (std::array<std::int16_t, 3> { 1, 0, 0 }));
    EXPECT_EQ(flags.advNoDither, 1); // other groups untouched
    EXPECT_EQ(flags.advFancy, 0);
}
