// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace quorvel
{

/// A plain-text label that acts as a link: underlined in the link colour, with the
/// pointing-hand cursor, reachable by Tab, and activated by a click of the left
/// mouse button, by Enter or Space while it has the focus, or by a screen reader's
/// press action (it is a link to assistive technology, see accessibility.h). Plain
/// text keeps the caption exactly as written (a rich-text link would fold double
/// blanks).
class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);

    /// Does what a click does.
    void activate();

Q_SIGNALS:
    void activated();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace quorvel
