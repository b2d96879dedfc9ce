// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/contexthelp.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace quorvel
{
namespace
{

struct WindowTopic {
    const char *window; // the window's objectName
    const char *topic; // page of the manual, with an optional #section
};

// One line a window. Dialogs that belong to a bigger window point into its page.
constexpr WindowTopic kWindowTopics[] = {
    { "frmForm", "main-window" },
    { "helpWindow", "contents" },
    { "Form5", "defaults" },
    { "frmAdvOpt", "advanced-options" },
    { "saveto", "gallery#options" },
    { "creationProgress", "gallery" },
    { "pageView", "gallery#page-view" },
    { "Form4", "header-footer-editor" },
    { "MainForm", "html-editor" },
    { "InsertTableDlg", "html-editor#table" },
    { "InsertHTMLDlg", "html-editor#insert" },
    { "Form1", "html-editor#insert-thumbnail" },
    { "savedirs", "html-editor#insert-thumbnail" },
    { "form21", "html-editor#insert-thumbnail" },
    { "picView", "picture-viewer" },
    { "Form2", "image-replace" },
    { "frmFileManage", "file-manager" },
    { "frmFileManageRename", "file-manager" },
    { "frmRenameChoice", "file-manager" },
    { "frmAskRename", "file-manager" },
};

} // namespace

QString helpTopicForWindow(const QWidget *window)
{
    for (const QWidget *w = window ? window->window() : nullptr; w;) {
        for (const WindowTopic &entry : kWindowTopics) {
            if (w->objectName() == QLatin1String(entry.window))
                return QLatin1String(entry.topic);
        }
        // A dialog of a window: the parent's window.
        const QWidget *parent = w->parentWidget();
        w = parent ? parent->window() : nullptr;
    }
    return QStringLiteral("contents");
}

ContextHelp::ContextHelp(std::function<void(const QString &)> show, QObject *parent)
    : QObject(parent)
    , m_show(std::move(show))
{
}

bool ContextHelp::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier || !watched->isWidgetType())
        return QObject::eventFilter(watched, event);
    if (type == QEvent::ShortcutOverride) {
        // Claimed here so that no window's own F1 shortcut takes it first.
        event->accept();
        return true;
    }
    if (key->isAutoRepeat())
        return true;
    m_show(helpTopicForWindow(static_cast<QWidget *>(watched)));
    return true;
}

} // namespace quorvel
