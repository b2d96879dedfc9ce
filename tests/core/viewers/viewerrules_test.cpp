// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewers/viewerrules.h"

#include <gtest/gtest.h>

using namespace quorvel;

TEST(ViewerRules, StepsShowEntriesAndStopPastTheEnd)
{
    struct Case {
        int pos;
        int count;
        ViewerStep expected;
    };
    const Case cases[] = {
        { 0, 3, ViewerStep::Show },
        { 2, 3, ViewerStep::Show },
        { 3, 3, ViewerStep::NoMorePictures }, // one past the last entry
        { 40, 3, ViewerStep::NoMorePictures },
        { 0, 0, ViewerStep::NoMorePictures }, // an empty list has no first picture
        { -1, 3, ViewerStep::Skip },
    };
    for (const Case &c : cases)
        EXPECT_EQ(viewerStep(c.pos, c.count), c.expected) << c.pos << " of " << c.count;
}

TEST(ViewerRules, TheLowestZoomIsOne)
{
    EXPECT_EQ(viewerZoom(0), 1);
    EXPECT_EQ(viewerZoom(-2), 1);
    EXPECT_EQ(viewerZoom(1), 1);
    EXPECT_EQ(viewerZoom(5), 5);
}

TEST(ViewerRules, LayoutFollowsTheWindowAndKeepsAPixelWhenTooSmall)
{
    // At 96 DPI a pixel is 15 twips: 10 -> 1 px, 100 -> 7 px, 800 -> 53 px, 50 -> 3 px.
    const ViewerLayout normal = viewerLayout(QSize(800, 600), 96);
    EXPECT_EQ(normal.picture, QRect(1, 1, 793, 547));
    EXPECT_EQ(normal.controlsTop, 547 + 3);

    const ViewerLayout tiny = viewerLayout(QSize(5, 40), 96);
    EXPECT_EQ(tiny.picture.size(), QSize(1, 1));
    EXPECT_EQ(tiny.controlsTop, 1 + 3);

    // Twice the DPI, twice the margins.
    EXPECT_EQ(viewerLayout(QSize(800, 600), 192).picture, QRect(1, 1, 800 - 13, 600 - 107));
}

TEST(ViewerRules, FitSideFitsTheAreaWithoutEnlarging)
{
    EXPECT_EQ(viewerFitSide(QSize(1800, 1200), QSize(900, 900)), 900); // width limits
    EXPECT_EQ(viewerFitSide(QSize(1200, 1800), QSize(900, 600)), 600); // height limits
    EXPECT_EQ(viewerFitSide(QSize(100, 50), QSize(800, 600)), 100); // never enlarged
    EXPECT_EQ(viewerFitSide(QSize(1800, 1200), QSize(0, 0)), 1); // at least one pixel
    EXPECT_EQ(viewerFitSide(QSize(), QSize(800, 600)), 0); // no picture
}
