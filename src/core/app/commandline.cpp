// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"

#include <QCoreApplication>

namespace quorvel
{

ProgramCommand parseProgramArguments(const QStringList &arguments)
{
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("-h") || argument == QLatin1String("--help"))
            return { ProgramCommand::Action::ShowHelp, {} };
        if (argument == QLatin1String("--version"))
            return { ProgramCommand::Action::ShowVersion, {} };
    }
    if (arguments.isEmpty())
        return {};
    const QString &first = arguments.first();
    const QString error = first.startsWith(QLatin1Char('-'))
        ? QCoreApplication::translate("quorvel::CommandLine", "quorvel: unknown option '%1'").arg(first)
        : QCoreApplication::translate("quorvel::CommandLine", "quorvel: takes no file or folder ('%1')").arg(first);
    return { ProgramCommand::Action::Refuse,
        error + QLatin1Char('\n')
            + QCoreApplication::translate("quorvel::CommandLine", "Try 'quorvel --help' for more information.") };
}

QString programHelpText()
{
    return QCoreApplication::translate("quorvel::CommandLine",
        "Usage: quorvel [OPTION]\n"
        "Make thumbnails and an HTML gallery page from a folder of pictures.\n"
        "Started without options, Quorvel opens its main window.\n"
        "\n"
        "  -h, --help       show this help and exit\n"
        "      --version    show the version and exit\n"
        "\n"
        "The manual opens with F1 in every window, or from File > Help.\n"
        "To make thumbnails and a gallery page from a script, see quorvel-batch --help.\n");
}

QString programVersionBanner()
{
    return QStringLiteral("quorvel " QUORVEL_VERSION "\n")
        + QCoreApplication::translate("quorvel::CommandLine",
            "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
            "This is free software: you are free to change and redistribute it.\n"
            "There is NO WARRANTY, to the extent permitted by law.\n");
}

} // namespace quorvel
