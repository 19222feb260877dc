// The common resolution on equal widths and on heights, which the test desktops never differ in; no
// mode changed when the monitors are matched by scale.
#include "display/display_rules.h"
#include <gtest/gtest.h>

namespace {

TEST(CommonResolution, OnEqualWidthsTheExternalOnesAndHeightsNeverCompare)
{
    Resolution equal = choose_common_resolution({0, 0, 1280, 1024}, {1280, 0, 1280, 720});
    EXPECT_EQ(equal.height, 720);
    Resolution taller = choose_common_resolution({0, 0, 1024, 1280}, {1024, 0, 1280, 720});
    EXPECT_EQ(taller.width, 1024);
    EXPECT_EQ(taller.height, 1280);
}

TEST(Match, MatchingByScaleNeverChangesAMode)
{
    EXPECT_TRUE(should_change_display_modes(2, MATCH_RESOLUTION));
    EXPECT_FALSE(should_change_display_modes(2, MATCH_SCALE) || should_change_display_modes(1, MATCH_RESOLUTION));
}

} // namespace
