// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/textareatabs.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace quorvel
{
namespace
{

/// The text area that takes Tab as text, for itself or its viewport; else null.
QWidget *tabTakingTextArea(QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    for (int depth = 0; widget && depth < 2; ++depth, widget = widget->parentWidget()) {
        if (auto *edit = qobject_cast<QPlainTextEdit *>(widget))
            return edit->tabChangesFocus() ? nullptr : edit;
        if (auto *edit = qobject_cast<QTextEdit *>(widget))
            return edit->tabChangesFocus() || edit->isReadOnly() ? nullptr : edit;
    }
    return nullptr;
}

/// The next (or previous) control of the same window that takes focus by Tab.
QWidget *neighbour(QWidget *from, bool forward)
{
    QWidget *w = from;
    while (true) {
        w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
        if (!w || w == from)
            return nullptr;
        if (w->window() == from->window() && (w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled()
            && !w->isAncestorOf(from) && !from->isAncestorOf(w))
            return w;
    }
}

} // namespace

bool TextAreaTabs::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    const bool forward = key->key() == Qt::Key_Tab && modifiers == Qt::ControlModifier;
    const bool backward = (key->key() == Qt::Key_Backtab || key->key() == Qt::Key_Tab)
        && modifiers == (Qt::ControlModifier | Qt::ShiftModifier);
    if (!forward && !backward)
        return QObject::eventFilter(watched, event);
    QWidget *area = tabTakingTextArea(watched);
    if (!area)
        return QObject::eventFilter(watched, event);
    if (QWidget *next = neighbour(area, forward))
        next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

} // namespace quorvel
