// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineOption>
#include <QList>
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

/// Reads the arguments after the program name with QCommandLineParser. --help or
/// --version anywhere wins (the first of them), as with the usual Linux programs. Needs
/// no QCoreApplication, so that the program answers its command line before anything
/// needs a display.
ProgramCommand parseProgramArguments(const QStringList &arguments);

/// The width of the names column of --help for these options: the widest
/// "  -s, --size N" and two blanks.
qsizetype optionColumnWidth(const QList<QCommandLineOption> &options);

/// The lines of --help that list options, as the usual Linux programs do: the names
/// ("  -s, --size N", "      --no-border") padded to width, then the description, a
/// line of --help for each of its lines. Options hidden from help are left out.
QString optionHelpLines(const QList<QCommandLineOption> &options, qsizetype width);

/// The text of `quorvel --help`, ending in a line break.
QString programHelpText();
/// The text of `quorvel --version`, ending in a line break.
QString programVersionBanner();

} // namespace quorvel
