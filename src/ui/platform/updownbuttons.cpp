// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/updownbuttons.h"

#include <QToolButton>

namespace quorvel
{

UpDownButtons::UpDownButtons(QWidget *parent)
    : QWidget(parent)
    , m_up(new QToolButton(this))
    , m_down(new QToolButton(this))
{
    m_up->setObjectName(QStringLiteral("up"));
    m_down->setObjectName(QStringLiteral("down"));
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    m_up->setAutoRepeat(true);
    m_down->setAutoRepeat(true);
    connect(m_up, &QToolButton::clicked, this, &UpDownButtons::upClicked);
    connect(m_down, &QToolButton::clicked, this, &UpDownButtons::downClicked);
    setSubject(tr("value"));
}

void UpDownButtons::setSubject(const QString &subject)
{
    m_up->setAccessibleName(tr("Increase %1").arg(subject));
    m_down->setAccessibleName(tr("Decrease %1").arg(subject));
    m_up->setToolTip(m_up->accessibleName());
    m_down->setToolTip(m_down->accessibleName());
}

void UpDownButtons::resizeEvent(QResizeEvent *)
{
    const int half = height() / 2;
    m_up->setGeometry(0, 0, width(), half);
    m_down->setGeometry(0, half, width(), height() - half);
}

} // namespace quorvel
