// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QToolButton;

namespace quorvel
{

/// A pair of up and down arrow buttons beside a box (the box itself is separate).
class UpDownButtons : public QWidget
{
    Q_OBJECT
public:
    explicit UpDownButtons(QWidget *parent = nullptr);

    QToolButton *upButton() const
    {
        return m_up;
    }
    QToolButton *downButton() const
    {
        return m_down;
    }

    /// Names both buttons for assistive technology, e.g. "thumb size" gives
    /// "Increase thumb size" and "Decrease thumb size".
    void setSubject(const QString &subject);

Q_SIGNALS:
    void upClicked();
    void downClicked();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QToolButton *m_up;
    QToolButton *m_down;
};

} // namespace quorvel
