// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"
#include "app/commandline.h"
#include "app/mainwindow.h"
#include "app/translations.h"
#include "imaging/decoderwarnings.h"
#include "platform/prompts.h"
#include "wysiwyg/editoropener.h"
#include "wysiwyg/webengine.h"

#include <QApplication>
#include <QTimer>

#include <csignal>
#include <cstdio>

namespace
{

void print(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

int main(int argc, char **argv)
{
    // The command line is answered before anything needs a display, so --help,
    // --version and a wrong option work on a text console and over ssh.
    QStringList rawArguments;
    for (int i = 1; i < argc; ++i)
        rawArguments += QString::fromLocal8Bit(argv[i]);
    const quorvel::ProgramCommand early = quorvel::parseProgramArguments(rawArguments);
    if (early.action == quorvel::ProgramCommand::Action::ShowHelp) {
        print(stdout, quorvel::programHelpText());
        return 0;
    }
    if (early.action == quorvel::ProgramCommand::Action::ShowVersion) {
        print(stdout, quorvel::programVersionBanner());
        return 0;
    }
    if (early.action == quorvel::ProgramCommand::Action::Refuse) {
        print(stderr, early.error + QLatin1Char('\n'));
        return 2;
    }

#ifdef SIGXFSZ
    // Beyond a file size limit (ulimit -f) a write is to fail with its reason ("File too
    // large") and be reported, not kill the program.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    quorvel::nameDecodedPicturesInMessages();
    quorvel::prepareWebEngine();
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    QApplication::setApplicationVersion(QStringLiteral(QUORVEL_VERSION));
    // Matches the window to example.quorvel.Quorvel.desktop (its icon and name in the task bar).
    QGuiApplication::setDesktopFileName(QStringLiteral("example.quorvel.Quorvel"));

    // What is left once the toolkit has taken its own options (-platform, ...): an
    // option passed over above that this toolkit build does not take is refused here.
    const quorvel::ProgramCommand command = quorvel::parseProgramArguments(QApplication::arguments().mid(1));
    if (command.action == quorvel::ProgramCommand::Action::Refuse) {
        print(stderr, command.error + QLatin1Char('\n'));
        return 2;
    }

    // The program's texts in the user's language, and the toolkit's own for its
    // standard buttons; English when no translation ships for it.
    quorvel::installTranslations();
    const quorvel::ProgramFolder folders = quorvel::ProgramFolder::forRunningProgram();

    quorvel::Application app(folders, std::make_unique<quorvel::QtPrompts>());
    quorvel::registerHtmlEditor(app);
    app.mainWindow()->show();
    // For the install tests: start up fully (settings read, logo pictures copied, main
    // window shown), say which installed manual the Defaults dialog's links open, then
    // quit as File > Exit would.
    if (qEnvironmentVariableIsSet("QUORVEL_TEST_QUIT_AFTER_START")) {
        const QString manual = folders.installedManualPage(QStringLiteral("contents"));
        print(stdout, QStringLiteral("manual: %1\n").arg(manual.isEmpty() ? QStringLiteral("built in only") : manual));
        QTimer::singleShot(0, app.mainWindow(), &QWidget::close);
    }
    return QApplication::exec();
}
