// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/renamerules.h"

#include <gtest/gtest.h>

using namespace quorvel;

namespace
{

struct RuleCase {
    const char *label;
    std::int16_t code;
    const char *text;
    std::int16_t caseCode;
    const char *path;
    const char *expected; ///< empty: refused with `error`
    RenameError error = RenameError::None;
};

const RuleCase kRuleCases[] = {
    // The examples of the rule window, on Filename.jpg with "xxx".
    { "appendExtension", 1, "xxx", 11, "/pics/Filename.jpg", "/pics/Filename.jpgxxx" },
    { "appendPrefix", 2, "xxx", 11, "/pics/Filename.jpg", "/pics/xxxFilename.jpg" },
    { "replaceExtension", 3, "xxx", 11, "/pics/Filename.jpg", "/pics/Filename.xxx" },
    { "shorten", 4, "2", 11, "/pics/Filename.jpg", "/pics/Filena.jpg" },
    { "replacePrefix", 6, "xxx", 11, "/pics/Filename.jpg", "/pics/xxxename.jpg" },
    { "appendSuffix", 7, "xxx", 11, "/pics/Filename.jpg", "/pics/Filenamexxx.jpg" },
    { "replaceSuffix", 8, "xxx", 11, "/pics/Filename.jpg", "/pics/Filenxxx.jpg" },
    { "caseUpper", 12, "", 9, "/pics/Filename.jpg", "/pics/FILENAME.JPG" },
    { "caseLower", 12, "", 10, "/pics/Filename.jpg", "/pics/filename.jpg" },
    // Where the case conversion applies: the whole name for 2 and 6, only P for 7,
    // never for 1, 3, 4 and 8; the folder is never converted.
    { "prefixUpper", 2, "ab_", 9, "/Pics/x.jpg", "/Pics/AB_X.JPG" },
    { "replacePrefixLower", 6, "AB", 10, "/Pics/XYname.JPG", "/Pics/abname.jpg" },
    { "suffixUpperOnlyText", 7, "_v", 9, "/Pics/name.jpg", "/Pics/name_V.jpg" },
    { "appendExtensionNoCase", 1, ".bak", 9, "/Pics/name.jpg", "/Pics/name.jpg.bak" },
    { "replaceExtensionNoCase", 3, "png", 9, "/Pics/name.jpg", "/Pics/name.png" },
    { "replaceSuffixNoCase", 8, "x", 9, "/Pics/name.jpg", "/Pics/namx.jpg" },
    // Only the part after the last dot is the extension.
    { "lastDotOnly", 3, "zip", 11, "/pics/a.tar.gz", "/pics/a.tar.zip" },
    // Names without a dot, and a dotted folder over one.
    { "noDotReplaceExtension", 3, "txt", 11, "/pics/readme", "/pics/readme.txt" },
    { "dottedFolderReplaceExtension", 3, "txt", 11, "/pics.2024/readme", "/pics.2024/readme.txt" },
    { "dottedFolderSuffix", 7, "_1", 11, "/pics.2024/readme", "/pics.2024/readme_1" },
    { "dottedFolderShorten", 4, "2", 11, "/pics.2024/readme", "/pics.2024/read" },
    { "dottedFolderReplaceSuffix", 8, "ME", 11, "/pics.2024/readme", "/pics.2024/readME" },
    // Cuts stay inside the file name.
    { "shortenWholeStem", 4, "8", 11, "/pics/Filename.jpg", "", RenameError::InvalidName },
    { "shortenIntoFolder", 4, "12", 11, "/pics/Filename.jpg", "", RenameError::InvalidName },
    { "shortenByZero", 4, "0", 11, "/pics/Filename.jpg", "/pics/Filename.jpg" },
    { "shortenNotANumber", 4, "two", 11, "/pics/Filename.jpg", "", RenameError::InvalidName },
    { "shortenFraction", 4, "1.5", 11, "/pics/Filename.jpg", "", RenameError::InvalidName },
    { "shortenNegative", 4, "-1", 11, "/pics/Filename.jpg", "", RenameError::InvalidName },
    { "replaceSuffixWholeStem", 8, "Filename", 11, "/p/Filename.jpg", "/p/Filename.jpg" },
    { "replaceSuffixIntoFolder", 8, "123456789", 11, "/pics/Filename.jpg", "", RenameError::InvalidName },
    { "replacePrefixTooLong", 6, "Filename.jpg!", 11, "/pics/Filename.jpg", "", RenameError::CannotRename },
    { "replacePrefixWholeName", 6, "Filename.jpg", 11, "/pics/Filename.jpg", "/pics/Filename.jpg" },
    // A result that names no file is refused with the rule's own kind of message.
    { "appendSlash", 1, "/", 11, "/pics/a.jpg", "", RenameError::CannotRename },
    { "replaceExtensionDotDot", 3, "", 11, "/pics/..", "", RenameError::InvalidName },
    // A text with a separator moves the file on purpose.
    { "prefixFolder", 2, "old/", 11, "/pics/a.jpg", "/pics/old/a.jpg" },
    // No rule chosen.
    { "unknownRule", 13, "x", 11, "/pics/a.jpg", "", RenameError::NoRule },
};

class RenameRuleTable : public ::testing::TestWithParam<RuleCase>
{
};

} // namespace

TEST_P(RenameRuleTable, GivesTheNewPath)
{
    const RuleCase &c = GetParam();
    const NewName result =
        newPathFor(QString::fromUtf8(c.path), RenameRule { c.code, QString::fromUtf8(c.text), c.caseCode, 1 }, 1);
    EXPECT_EQ(result.error, c.error);
    EXPECT_EQ(result.path, QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Rules, RenameRuleTable, ::testing::ValuesIn(kRuleCases), [](const ::testing::TestParamInfo<RuleCase> &info) {
        return std::string(info.param.label);
    });

TEST(RenameRules, SequentialNumbersInListOrderWithoutPadding)
{
    const RenamePlan plan = planRenames({ QStringLiteral("/p/a.JPG"), QStringLiteral("/p/b.gif") },
        RenameRule { SequentialRenaming, QStringLiteral("img"), UpperCase, 9 });
    ASSERT_EQ(plan.error, RenameError::None);
    ASSERT_EQ(plan.moves.size(), 2);
    EXPECT_EQ(plan.moves[0].to, QStringLiteral("/p/IMG9.JPG"));
    EXPECT_EQ(plan.moves[1].to, QStringLiteral("/p/IMG10.GIF"));

    const RenamePlan plain = planRenames(
        { QStringLiteral("/p/x.jpg"), QStringLiteral("/p/readme") }, RenameRule { 5, QStringLiteral("ren"), 11, 1 });
    EXPECT_EQ(plain.moves[0].to, QStringLiteral("/p/ren1.jpg"));
    EXPECT_EQ(plain.moves[1].to, QStringLiteral("/p/ren2"));
}

TEST(RenameRules, PlanStopsAtTheFirstEntryItCannotName)
{
    const RenamePlan plan =
        planRenames({ QStringLiteral("/p/longname.jpg"), QStringLiteral("/p/ab.jpg"), QStringLiteral("/p/other.jpg") },
            RenameRule { ShortenFilename, QStringLiteral("3"), CaseUnchanged, 1 });
    EXPECT_EQ(plan.error, RenameError::InvalidName);
    EXPECT_EQ(plan.failedIndex, 1);
    EXPECT_EQ(plan.moves.size(), 1);

    const RenamePlan none = planRenames({ QStringLiteral("/p/a.jpg") }, RenameRule {});
    EXPECT_EQ(none.error, RenameError::NoRule);
}

TEST(RenameRules, NamePartsAreFoundFromTheEnd)
{
    const NameParts parts = splitName(QStringLiteral("/a.b/c.d.e"));
    EXPECT_EQ(parts.folder, QStringLiteral("/a.b/"));
    EXPECT_EQ(parts.name, QStringLiteral("c.d.e"));
    EXPECT_EQ(parts.stem, QStringLiteral("c.d"));
    EXPECT_EQ(parts.extension, QStringLiteral("e"));
    EXPECT_FALSE(splitName(QStringLiteral("/a.b/c")).hasDot);
}

TEST(RenameRules, MessagesByKindAndMoment)
{
    EXPECT_EQ(renameErrorMessage(RenameError::InvalidName, false),
        QStringLiteral("This is not a valid filename, cannot rename!"));
    EXPECT_EQ(renameErrorMessage(RenameError::InvalidName, true),
        QStringLiteral("This is not a valid filename, cannot rename!"));
    EXPECT_EQ(renameErrorMessage(RenameError::CannotRename, false),
        QStringLiteral("This file can not be renamed, perhaps it already exists!"));
    EXPECT_EQ(renameErrorMessage(RenameError::CannotRename, true),
        QStringLiteral("File does not exist perhaps it has already been renamed, or your renaming it to an "
                       "exisiting filename!"));
}
