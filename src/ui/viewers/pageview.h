// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace quorvel
{

class Application;
class LinkLabel;

/// "Page View": offers the gallery page just written. A click on "Click  HERE to
/// view your Page" (or Enter or Space while it has the focus) opens pageFolder +
/// htmlFileName with the program the system associates with it, or the album's
/// index.html when the latest run built a web album.
class pageView : public QWidget
{
    Q_OBJECT
public:
    explicit pageView(Application &app, QWidget *parent = nullptr);

    /// Opens the page of the latest run.
    void openPage();

private:
    Application &m_app;
    LinkLabel *m_link = nullptr;
};

} // namespace quorvel
