#include "core/panel/hatch_pattern.h"

#include <gtest/gtest.h>

namespace {

TEST(HatchPattern, OneDiagonalRisingToTheRightEveryEightPixels)
{
    for (int y = 0; y < 16; ++y) {
        int hatched = 0;
        for (int x = 0; x < 16; ++x) {
            if (IsHatchPixel(x, y)) {
                ++hatched;
                EXPECT_EQ((x + y) % 8, 7) << "x=" << x << " y=" << y;
            }
        }
        EXPECT_EQ(hatched, 2) << "row " << y;
    }
    // The bottom row of the 8 by 8 tile starts the line at its left edge.
    EXPECT_TRUE(IsHatchPixel(0, 7));
    EXPECT_TRUE(IsHatchPixel(7, 0));
}

}  // namespace
