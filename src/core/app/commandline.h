// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace quorvel
{

/// What the program's command line asks for. The program takes only --help and
/// --version; the toolkit's own options (-platform NAME, -style=NAME, ...) are passed
/// over, for QApplication to take.
struct ProgramCommand {
    enum class Action {
        Run,
        ShowHelp,
        ShowVersion,
        Refuse,
    };
    Action action = Action::Run;
    /// For Refuse: the line to print on standard error, "quorvel: ..." included.
    QString error;
};

/// Reads the arguments after the program name. --help or --version anywhere wins
/// (the first of them), as with the usual Linux programs. Needs no QCoreApplication,
/// so that the program answers its command line before anything needs a display.
ProgramCommand parseProgramArguments(const QStringList &arguments);

/// The text of `quorvel --help`, ending in a line break.
QString programHelpText();
/// The text of `quorvel --version`, ending in a line break.
QString programVersionBanner();

} // namespace quorvel
