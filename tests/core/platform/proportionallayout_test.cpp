// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/proportionallayout.h"

#include <gtest/gtest.h>

using namespace quorvel;

TEST(ProportionalLayout, FirstResizeOnlyRecordsTheBase)
{
    ProportionalLayout layout;
    const int i = layout.add(QRectF(10, 20, 100, 50));
    EXPECT_FALSE(layout.resize(QSizeF(400, 300), false));
    EXPECT_EQ(layout.base(), QSizeF(400, 300));
    EXPECT_EQ(layout.rect(i), QRectF(10, 20, 100, 50));
}

TEST(ProportionalLayout, ScalesLeftWidthByWidthAndTopHeightByHeight)
{
    ProportionalLayout layout;
    const int i = layout.add(QRectF(10, 20, 100, 50));
    layout.resize(QSizeF(400, 300), false);
    EXPECT_TRUE(layout.resize(QSizeF(800, 450), false));
    EXPECT_EQ(layout.rect(i), QRectF(20, 30, 200, 75));
    EXPECT_EQ(layout.base(), QSizeF(800, 450));
    EXPECT_EQ(layout.pixelRect(i), QRect(20, 30, 200, 75));
}

TEST(ProportionalLayout, MinimizedResizesChangeNothingAndRestoreScalesFromBefore)
{
    ProportionalLayout layout;
    const int i = layout.add(QRectF(40, 40, 80, 80));
    layout.resize(QSizeF(400, 400), false);
    EXPECT_FALSE(layout.resize(QSizeF(160, 30), true));
    EXPECT_FALSE(layout.resize(QSizeF(0, 0), false)); // a zero client area is not a size to scale to
    EXPECT_EQ(layout.base(), QSizeF(400, 400));
    layout.resize(QSizeF(200, 800), false);
    EXPECT_EQ(layout.rect(i), QRectF(20, 80, 40, 160));
}

TEST(ProportionalLayout, ManyResizesDoNotDrift)
{
    ProportionalLayout layout;
    const int i = layout.add(QRectF(13, 7, 101, 33));
    layout.resize(QSizeF(640, 480), false);
    for (int step = 0; step < 200; ++step)
        layout.resize(QSizeF(641 + (step * 37) % 300, 481 + (step * 53) % 200), false);
    layout.resize(QSizeF(640, 480), false);
    EXPECT_EQ(layout.pixelRect(i), QRect(13, 7, 101, 33));
}
