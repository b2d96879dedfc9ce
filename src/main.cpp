// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"
#include "app/mainwindow.h"
#include "platform/prompts.h"
#include "wysiwyg/editoropener.h"
#include "wysiwyg/webengine.h"

#include <QApplication>

int main(int argc, char **argv)
{
    quorvel::prepareWebEngine();
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    QApplication::setApplicationVersion(QStringLiteral(QUORVEL_VERSION));

    quorvel::Application app(quorvel::ProgramFolder::forRunningProgram(), std::make_unique<quorvel::QtPrompts>());
    quorvel::registerHtmlEditor(app);
    app.mainWindow()->show();
    return QApplication::exec();
}
