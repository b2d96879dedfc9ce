// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"

#include <gtest/gtest.h>

namespace quorvel
{
namespace
{

using Action = ProgramCommand::Action;

TEST(ProgramCommandLine, NoArgumentsRunsTheProgram)
{
    EXPECT_EQ(parseProgramArguments({}).action, Action::Run);
}

TEST(ProgramCommandLine, HelpAndVersionWinWhereverTheyStand)
{
    EXPECT_EQ(parseProgramArguments({ QStringLiteral("--help") }).action, Action::ShowHelp);
    EXPECT_EQ(parseProgramArguments({ QStringLiteral("-h") }).action, Action::ShowHelp);
    EXPECT_EQ(parseProgramArguments({ QStringLiteral("--version") }).action, Action::ShowVersion);
    EXPECT_EQ(
        parseProgramArguments({ QStringLiteral("--bogus"), QStringLiteral("--version") }).action, Action::ShowVersion);
    // The first of the two decides.
    EXPECT_EQ(
        parseProgramArguments({ QStringLiteral("--version"), QStringLiteral("--help") }).action, Action::ShowVersion);
}

TEST(ProgramCommandLine, AnythingElseIsRefusedWithAPointerToHelp)
{
    const ProgramCommand option = parseProgramArguments({ QStringLiteral("--size"), QStringLiteral("9") });
    EXPECT_EQ(option.action, Action::Refuse);
    EXPECT_EQ(
        option.error, QStringLiteral("quorvel: unknown option '--size'\nTry 'quorvel --help' for more information."));
    const ProgramCommand file = parseProgramArguments({ QStringLiteral("pictures") });
    EXPECT_EQ(file.action, Action::Refuse);
    EXPECT_TRUE(file.error.startsWith(QStringLiteral("quorvel: takes no file or folder ('pictures')\n")));
    // -v is not a short --version here, as with quorvel-batch.
    EXPECT_EQ(parseProgramArguments({ QStringLiteral("-v") }).action, Action::Refuse);
}

// The line is read before the toolkit starts (without a display it would abort), so
// the toolkit's own options and their values are passed over, not refused.
TEST(ProgramCommandLine, ToolkitOptionsAreLeftToTheToolkitAndTheRestIsRefusedBeforeIt)
{
    for (const QStringList &arguments : {
             QStringList { QStringLiteral("-platform"), QStringLiteral("offscreen") },
             QStringList { QStringLiteral("--platform"), QStringLiteral("xcb"), QStringLiteral("-reverse") },
             QStringList {
                 QStringLiteral("-style=fusion"), QStringLiteral("-qwindowtitle"), QStringLiteral("My pictures") },
             QStringList { QStringLiteral("-display"), QStringLiteral(":1"), QStringLiteral("-sync") },
         })
        EXPECT_EQ(parseProgramArguments(arguments).action, Action::Run) << qPrintable(arguments.join(u' '));
    const ProgramCommand after =
        parseProgramArguments({ QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("--bogus") });
    EXPECT_EQ(after.action, Action::Refuse);
    EXPECT_TRUE(after.error.startsWith(QStringLiteral("quorvel: unknown option '--bogus'\n")));
    // A value of the toolkit's is not an option of the program's.
    EXPECT_EQ(parseProgramArguments({ QStringLiteral("-stylesheet"), QStringLiteral("-my.qss") }).action, Action::Run);
}

TEST(ProgramCommandLine, HelpAndVersionTextsFollowTheUsualForm)
{
    EXPECT_TRUE(programHelpText().startsWith(QStringLiteral("Usage: quorvel [OPTION]\n")));
    EXPECT_TRUE(programHelpText().contains(QStringLiteral("  -h, --help ")));
    EXPECT_TRUE(programHelpText().endsWith(QLatin1Char('\n')));
    EXPECT_TRUE(programVersionBanner().startsWith(QStringLiteral("quorvel " QUORVEL_VERSION "\n")));
}

} // namespace
} // namespace quorvel
