// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/appstate.h"
#include "app/mainwindow.h"
#include "platform/helpwindow.h"
#include "platform/programfolder.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

namespace quorvel
{

class Prompts;

/// Owns the program-wide state and is the window registry: it creates a window on
/// demand, hands out the live instance, and forgets it when it closes, so a window
/// opened again starts from its design values. Windows reach each other only
/// through here.
class Application : public QObject
{
    Q_OBJECT
public:
    Application(ProgramFolder folders, std::unique_ptr<Prompts> prompts, QObject *parent = nullptr);
    ~Application() override;

    AppState &state()
    {
        return m_state;
    }
    const ProgramFolder &programFolder() const
    {
        return m_folders;
    }
    Prompts &prompts()
    {
        return *m_prompts;
    }

    /// The main window, created and loaded (start-up steps) on first use.
    frmForm *mainWindow();
    /// The main window if it is open, else null.
    frmForm *mainWindowIfOpen() const
    {
        return m_mainWindow;
    }

    /// Makes the WYSIWYG page editor window. The editor lives in a library of its own
    /// (the only one that links the browser engine); the program registers it at
    /// start-up, so this library and its tests need not link the engine.
    void setHtmlEditorFactory(std::function<QWidget *()> factory)
    {
        m_htmlEditorFactory = std::move(factory);
    }
    bool canOpenHtmlEditor() const
    {
        return static_cast<bool>(m_htmlEditorFactory);
    }
    /// Shows the page editor, created on first use; null when none is registered.
    QWidget *showHtmlEditor();

    /// Shows the help window with a page of the manual.
    void showHelp(const QString &topic);
    /// The help window if it is open, else null.
    HelpWindow *helpWindowIfOpen() const
    {
        return m_help;
    }
    /// Closes the help window, if open.
    void closeHelp();

private:
    AppState m_state;
    ProgramFolder m_folders;
    std::unique_ptr<Prompts> m_prompts;
    QPointer<frmForm> m_mainWindow;
    QPointer<HelpWindow> m_help;
    std::function<QWidget *()> m_htmlEditorFactory;
    QPointer<QWidget> m_htmlEditor;
};

} // namespace quorvel
