// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"

#include <QCoreApplication>

namespace quorvel
{
namespace
{

// The toolkit's own options, which QApplication takes out of the command line (with
// one dash or two): the first ones with a value in the next argument, or after "=".
constexpr const char *kToolkitOptionsWithValue[] = { "platform",
    "platformpluginpath",
    "platformtheme",
    "plugin",
    "qwindowgeometry",
    "qwindowicon",
    "qwindowtitle",
    "geometry",
    "title",
    "icon",
    "display",
    "name",
    "visual",
    "session",
    "style",
    "stylesheet",
    "qmljsdebugger" };
constexpr const char *kToolkitFlags[] = { "reverse", "sync", "nograb", "dograb", "widgetcount", "testability" };

// The option's name without its dashes and value ("--style=fusion" gives "style"),
// or an empty string for an argument that is not an option.
QString optionName(const QString &argument)
{
    if (!argument.startsWith(QLatin1Char('-')) || argument.size() < 2)
        return {};
    const QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
    return name.section(QLatin1Char('='), 0, 0);
}

// How many arguments the toolkit option at arguments[i] takes up, its value included;
// 0 when it is not one of the toolkit's.
qsizetype toolkitOptionLength(const QStringList &arguments, qsizetype i)
{
    const QString name = optionName(arguments[i]);
    if (name.isEmpty())
        return 0;
    for (const char *flag : kToolkitFlags) {
        if (name == QLatin1String(flag))
            return 1;
    }
    for (const char *option : kToolkitOptionsWithValue) {
        if (name == QLatin1String(option))
            return arguments[i].contains(QLatin1Char('=')) || i + 1 >= arguments.size() ? 1 : 2;
    }
    return 0;
}

} // namespace

ProgramCommand parseProgramArguments(const QStringList &arguments)
{
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("-h") || argument == QLatin1String("--help"))
            return { ProgramCommand::Action::ShowHelp, {} };
        if (argument == QLatin1String("--version"))
            return { ProgramCommand::Action::ShowVersion, {} };
    }
    // The toolkit's options are left to it; the first other argument is refused here,
    // before the toolkit starts, as it would abort without a display.
    qsizetype i = 0;
    while (i < arguments.size()) {
        const qsizetype length = toolkitOptionLength(arguments, i);
        if (length == 0)
            break;
        i += length;
    }
    if (i >= arguments.size())
        return {};
    const QString &first = arguments[i];
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
