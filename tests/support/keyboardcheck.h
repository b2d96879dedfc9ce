// SPDX-License-Identifier: GPL-3.0-or-later
// Keyboard and screen-reader checks of a whole window, shared by the window tests:
// every control is reachable with Tab, has an accessible name, and the "&"
// mnemonics of a window (and of each of its menus) are unique and lead somewhere;
// a screen reader hears a window and what its labels show; a state change does
// what a click does.
#pragma once

#include <QStringList>

class QAbstractButton;
class QWidget;

namespace quorvel::test
{

/// The controls a user works with: buttons, boxes, lists, sliders, text areas and
/// any widget that takes focus by Tab; visible and enabled ones only. Tool bar
/// buttons are left out (a tool bar is not in the Tab order on any desktop; its
/// commands have menu entries or buttons in the window).
QList<QWidget *> userControls(QWidget *window);

/// Presses Tab (Ctrl+Tab in text areas that take Tab as text) from the window's
/// focused control round the whole window and names every control never reached.
/// A radio button counts as reached when another of its exclusive group was: the
/// arrow keys move within the group. The window must be shown.
QStringList controlsNotReachedByTab(QWidget *window);

/// Controls whose accessible name is empty, by objectName and class.
QStringList controlsWithoutAccessibleName(QWidget *window);

/// Letters used by more than one "&" mnemonic of the window's captions (buttons,
/// labels with a buddy, group boxes, menu bar titles), or of one menu's entries,
/// and labels whose mnemonic has no buddy to go to. tolerated: captions users know as
/// they are; a repeated letter still works (it moves between the controls or
/// entries, Enter chooses), so those may share one.
QStringList mnemonicFaults(QWidget *window, const QStringList &tolerated = {});

/// Faults a screen reader meets in the window: the window itself not announced as a
/// window or dialog; a label read by a fixed name that leaves out the text it shows;
/// a label that takes the focus (a link) without an action to press it.
QStringList screenReaderFaults(QWidget *window);

/// The check boxes, option buttons and toggle buttons of the window (tool bars
/// included) that are shown and enabled, in the window's own order.
QList<QAbstractButton *> stateButtons(QWidget *window);

/// What a user and a screen reader can observe of a window, one line a fact: for
/// every widget whether it shows and is enabled, with its caption, text, state or
/// value and its accessible name; the state of every action; the properties of the
/// program's own widgets (an imaging control's quality, ...). Two copies of a
/// window in the same state give the same lines.
QStringList observableState(QWidget *window);

} // namespace quorvel::test
