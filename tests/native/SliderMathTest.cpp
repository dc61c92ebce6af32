#include <gtest/gtest.h>

#include "SliderMath.h"

namespace {

using namespace SliderMath;

TEST(SliderMath, ClickOnA200PixelTrack)
{
    struct Case {
        int x;
        bool round;
        int value;
    };
    const Case cases[] = {
        {199, false, 9}, {0, false, 0}, {199, true, 10}, {10, true, 1}, {9, true, 0},
        {-30, false, 0}, {260, true, 10},  // outside the track: clamped
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "x=" << c.x << " round=" << c.round);
        EXPECT_EQ(Settle(ClickValue(c.x, 0, 10, 200), c.round, 0, 10), c.value);
    }
}

TEST(SliderMath, ThumbPlacementClampsTheValue)
{
    // Track 200 wide, thumb 10 wide: 190 pixels of travel.
    EXPECT_EQ(ThumbLeft(0, 0, 10, 0, 200, 10), 0);
    EXPECT_EQ(ThumbLeft(5, 0, 10, 0, 200, 10), 95);
    EXPECT_EQ(ThumbLeft(10, 0, 10, 0, 200, 10), 190);
    EXPECT_EQ(ThumbLeft(99, 0, 10, 0, 200, 10), 190);
    EXPECT_EQ(ThumbLeft(-4, 2, 100, 0, 200, 10), 0);
    EXPECT_EQ(ThumbLeft(3, 5, 5, 7, 200, 10), 7);  // empty range: left limit
}

TEST(SliderMath, DragPastTheEndsStopsAtTheEndsWithTheExtremeValues)
{
    // Thumb at 95 of 190: a drag of -500 stops at the left limit, +500 at the right.
    const int left = 95 + LimitDrag(-500, 95, 10, 0, 200);
    const int right = 95 + LimitDrag(500, 95, 10, 0, 200);
    EXPECT_EQ(left, 0);
    EXPECT_EQ(right, 190);
    EXPECT_EQ(DragValue(left, 0, 10, 0, 200, 10), 0);
    EXPECT_EQ(DragValue(right, 0, 10, 0, 200, 10), 10);
    EXPECT_EQ(LimitDrag(7, 95, 10, 0, 200), 7);
    // Integer arithmetic while dragging: 94 of 190 is 4.94..., truncated to 4.
    EXPECT_EQ(DragValue(94, 0, 10, 0, 200, 10), 4);
}

TEST(SliderMath, ReleaseRoundsOrTruncates)
{
    const double v = ReleaseValue(94, 0, 10, 0, 200, 10);  // 4.947...
    EXPECT_EQ(Settle(v, false, 0, 10), 4);
    EXPECT_EQ(Settle(v, true, 0, 10), 5);
    EXPECT_EQ(ThumbLeft(5, 0, 10, 0, 200, 10), 95);  // where the rounding slider snaps to
    EXPECT_EQ(Settle(1e300, true, 0, 10), 10);
    EXPECT_EQ(Settle(-1e300, false, 2, 100), 2);
    EXPECT_EQ(ReleaseValue(50, 3, 9, 0, 10, 10), 3.0);  // no room to move: the minimum
}

}  // namespace
