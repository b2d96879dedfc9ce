// SPDX-License-Identifier: GPL-3.0-or-later
// Test main of the page editor's tests: the browser engine needs its contexts shared
// before the application object exists. ctest sets the headless environment; the
// defaults here let the executable also run by hand.

#include "wysiwyg/webengine.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    quorvel::prepareWebEngine();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
