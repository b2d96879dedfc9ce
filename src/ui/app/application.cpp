// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

#include "app/mainwindow.h"
#include "platform/helpwindow.h"
#include "platform/prompts.h"

namespace quorvel
{

Application::Application(ProgramFolder folders, std::unique_ptr<Prompts> prompts, QObject *parent)
    : QObject(parent)
    , m_folders(std::move(folders))
    , m_prompts(std::move(prompts))
{
}

Application::~Application()
{
    delete m_htmlEditor;
    delete m_help;
    delete m_mainWindow;
}

frmForm *Application::mainWindow()
{
    if (!m_mainWindow) {
        m_mainWindow = new frmForm(*this);
        m_mainWindow->setAttribute(Qt::WA_DeleteOnClose);
        m_mainWindow->load();
    }
    return m_mainWindow;
}

QWidget *Application::showHtmlEditor()
{
    if (!m_htmlEditor && m_htmlEditorFactory) {
        m_htmlEditor = m_htmlEditorFactory();
        m_htmlEditor->setAttribute(Qt::WA_DeleteOnClose);
    }
    if (m_htmlEditor) {
        m_htmlEditor->show();
        m_htmlEditor->raise();
        m_htmlEditor->activateWindow();
    }
    return m_htmlEditor;
}

void Application::showHelp(const QString &topic)
{
    if (!m_help) {
        m_help = new HelpWindow;
        m_help->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_help->showTopic(topic);
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

void Application::closeHelp()
{
    if (m_help)
        m_help->close();
}

} // namespace quorvel
