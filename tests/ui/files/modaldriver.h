// SPDX-License-Identifier: GPL-3.0-or-later
// Answers the modal windows a call opens, one action per window, in the order they
// appear; a modal window beyond the script is closed and counted as a failure.
#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace quorvel::test
{

using ModalAction = std::function<void(QWidget *)>;

/// Runs call; each modal window it shows gets the next action. Returns the names
/// (objectName) of the modal windows met, in order.
inline QStringList runWithModals(const std::function<void()> &call, std::vector<ModalAction> actions)
{
    QStringList met;
    std::size_t next = 0;
    QPointer<QWidget> handled;
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || (handled && handled == modal && modal->isVisible()))
            return;
        handled = modal;
        met.append(modal->objectName());
        if (next < actions.size()) {
            actions[next++](modal);
        } else {
            ADD_FAILURE() << "unexpected modal window " << modal->objectName().toStdString();
            modal->close();
        }
    });
    timer.start();
    call();
    timer.stop();
    EXPECT_EQ(next, actions.size()) << "some scripted modal windows never appeared";
    return met;
}

} // namespace quorvel::test
