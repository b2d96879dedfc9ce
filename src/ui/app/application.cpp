// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

#include "app/mainwindow.h"
#include "app/pageoptionsdialog.h"
#include "platform/helpwindow.h"
#include "platform/prompts.h"
#include "viewers/pageview.h"

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
    delete m_help;
    // The tool windows are the main window's children and go with it.
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

frmAdvOpt *Application::advancedOptionsWindow()
{
    if (!m_advancedOptionsWindow) {
        m_advancedOptionsWindow = new frmAdvOpt(*this, mainWindow());
        m_advancedOptionsWindow->setAttribute(Qt::WA_DeleteOnClose);
        m_advancedOptionsWindow->load();
    }
    return m_advancedOptionsWindow;
}

void Application::showAdvancedOptions()
{
    frmAdvOpt *window = advancedOptionsWindow();
    window->show();
    window->raise();
    window->activateWindow();
}

Form5 *Application::defaultsDialog()
{
    if (!m_defaultsDialog) {
        m_defaultsDialog = new Form5(*this, mainWindow());
        m_defaultsDialog->setAttribute(Qt::WA_DeleteOnClose);
        m_defaultsDialog->load();
    }
    return m_defaultsDialog;
}

void Application::showDefaults()
{
    Form5 *dialog = defaultsDialog();
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
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

namespace
{

template <typename Window> Window *present(Window *window)
{
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace

saveto *Application::showPageOptions()
{
    if (!m_pageOptions) {
        m_pageOptions = new saveto(*this, mainWindow());
        m_pageOptions->setAttribute(Qt::WA_DeleteOnClose);
    }
    return present(m_pageOptions.data());
}

pageView *Application::showPageView()
{
    if (!m_pageView) {
        m_pageView = new pageView(*this, mainWindow());
        m_pageView->setAttribute(Qt::WA_DeleteOnClose);
    }
    return present(m_pageView.data());
}

} // namespace quorvel
