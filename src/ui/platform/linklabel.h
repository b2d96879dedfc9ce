// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace quorvel
{

/// A plain-text label that acts as a link: underlined in the link colour, with the
/// pointing-hand cursor, reachable by Tab, and activated by a click of the left
/// mouse button or by Enter or Space while it has the focus. Plain text keeps the
/// caption exactly as written (a rich-text link would fold double blanks).
class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);

Q_SIGNALS:
    void activated();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace quorvel
