// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QTextBrowser;

namespace quorvel
{

/// The help window, captioned "Quorvel Help": shows the user manual, which ships
/// with the program as HTML pages, one per window, with a contents page.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

    /// Shows a page of the manual by its name ("contents", "main-window", ...), or a
    /// section of it ("gallery#options"); an unknown name shows the contents.
    void showTopic(const QString &topic);

    /// The name of the page on show.
    QString currentTopic() const;

    /// Whether a page of that name ships with the program.
    static bool hasTopic(const QString &topic);

private:
    QTextBrowser *m_browser;
};

} // namespace quorvel
