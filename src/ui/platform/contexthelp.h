// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QWidget;

namespace quorvel
{

/// The page of the manual that belongs to a window, by the window's objectName:
/// "main-window" for frmForm, "gallery#options" for saveto, ... A window not in the
/// table (a message box, say) takes the page of the window it belongs to; one with
/// no such window at all, the contents. Every window with a page is one line of the
/// table in contexthelp.cpp.
QString helpTopicForWindow(const QWidget *window);

/// F1 anywhere in the program: shows the manual's page of the window that has the
/// focus. Installed once on the application, so every window, present and future,
/// has it without code of its own.
class ContextHelp : public QObject
{
    Q_OBJECT
public:
    /// show receives the topic, as HelpWindow::showTopic takes it.
    explicit ContextHelp(std::function<void(const QString &)> show, QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void(const QString &)> m_show;
};

} // namespace quorvel
