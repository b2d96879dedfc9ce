// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>

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

// The program's own options; the toolkit's are added hidden from help.
QList<QCommandLineOption> programOptions()
{
    return { QCommandLineOption({ QStringLiteral("h"), QStringLiteral("help") },
                 QCoreApplication::translate("quorvel::CommandLine", "show this help and exit")),
        QCommandLineOption(QStringLiteral("version"),
            QCoreApplication::translate("quorvel::CommandLine", "show the version and exit")) };
}

// "  -s, --size N" or "      --no-border".
QString namesColumn(const QCommandLineOption &option)
{
    QString shortName = QStringLiteral("    ");
    QString longName;
    for (const QString &name : option.names()) {
        if (name.size() == 1)
            shortName = QLatin1Char('-') + name + QStringLiteral(", ");
        else
            longName = QStringLiteral("--") + name;
    }
    if (!option.valueName().isEmpty())
        longName += QLatin1Char(' ') + option.valueName();
    return QStringLiteral("  ") + shortName + longName;
}

// The argument that named an option the parser did not know, as it was typed
// ("--size=9" for the name "size").
QString typedOption(const QStringList &arguments, const QString &name)
{
    for (const QString &argument : arguments) {
        if (argument.startsWith(QLatin1Char('-'))
            && argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1).section(QLatin1Char('='), 0, 0) == name)
            return argument;
    }
    return name;
}

} // namespace

ProgramCommand parseProgramArguments(const QStringList &arguments)
{
    QCommandLineParser parser;
    // The toolkit's options take one dash or two ("-platform NAME"): a word after one
    // dash is one option, never a row of one-letter ones.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(programOptions());
    // The toolkit's options are passed over here, with their values, for QApplication
    // to take.
    for (const char *name : kToolkitOptionsWithValue) {
        QCommandLineOption option { QString::fromLatin1(name) };
        option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : kToolkitFlags) {
        QCommandLineOption option { QString::fromLatin1(name) };
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    const bool parsed = parser.parse(QStringList { QStringLiteral("quorvel") } + arguments);
    for (const QString &name : parser.optionNames()) {
        if (name == QLatin1String("h") || name == QLatin1String("help"))
            return { ProgramCommand::Action::ShowHelp, {} };
        if (name == QLatin1String("version"))
            return { ProgramCommand::Action::ShowVersion, {} };
    }
    // Anything else is refused here, before the toolkit starts, as it would abort
    // without a display.
    QString error;
    if (!parser.unknownOptionNames().isEmpty())
        error = QCoreApplication::translate("quorvel::CommandLine", "quorvel: unknown option '%1'")
                    .arg(typedOption(arguments, parser.unknownOptionNames().first()));
    else if (!parsed)
        error = QStringLiteral("quorvel: ") + parser.errorText(); // a toolkit option without its value
    else if (!parser.positionalArguments().isEmpty())
        error = QCoreApplication::translate("quorvel::CommandLine", "quorvel: takes no file or folder ('%1')")
                    .arg(parser.positionalArguments().first());
    if (error.isEmpty())
        return {};
    return { ProgramCommand::Action::Refuse,
        error + QLatin1Char('\n')
            + QCoreApplication::translate("quorvel::CommandLine", "Try 'quorvel --help' for more information.") };
}

qsizetype optionColumnWidth(const QList<QCommandLineOption> &options)
{
    qsizetype width = 0;
    for (const QCommandLineOption &option : options)
        width = std::max(width, namesColumn(option).size() + 2);
    return width;
}

QString optionHelpLines(const QList<QCommandLineOption> &options, qsizetype width)
{
    QString lines;
    for (const QCommandLineOption &option : options) {
        if (option.flags().testFlag(QCommandLineOption::HiddenFromHelp))
            continue;
        const QStringList description = option.description().split(QLatin1Char('\n'));
        lines += namesColumn(option).leftJustified(width) + description.first() + QLatin1Char('\n');
        for (const QString &more : description.mid(1))
            lines += QString(width, QLatin1Char(' ')) + more + QLatin1Char('\n');
    }
    return lines;
}

QString programHelpText()
{
    return QCoreApplication::translate("quorvel::CommandLine",
               "Usage: quorvel [OPTION]\n"
               "Make thumbnails and an HTML gallery page from a folder of pictures.\n"
               "Started without options, Quorvel opens its main window.\n")
        + QLatin1Char('\n') + optionHelpLines(programOptions(), optionColumnWidth(programOptions())) + QLatin1Char('\n')
        + QCoreApplication::translate("quorvel::CommandLine",
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
