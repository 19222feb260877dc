// The common resolution and the monitors' roles.
#include "display/display_rules.h"
#include <gtest/gtest.h>

namespace {

TEST(CommonResolution, TheNarrowerMonitorWinsAndOnlyWidthsCompare)
{
    const struct {
        MonitorArea main, ext;
        int width, height;
    } cases[] = {
        {{0, 0, 1280, 1024}, {1280, 0, 1280, 720}, 1280, 720},    // equal widths: the external one's
        {{0, 0, 1024, 768}, {-1920, 0, 1920, 1080}, 1024, 768},
        {{0, 0, 1024, 1280}, {1024, 0, 1280, 720}, 1024, 1280},   // heights are not compared
    };
    for (const auto &c : cases) {
        Resolution r = choose_common_resolution(c.main, c.ext);
        EXPECT_EQ(r.width, c.width);
        EXPECT_EQ(r.height, c.height);
    }
}

TEST(Monitors, RolesOffScreenAreaAndWhenModesChange)
{
    EXPECT_TRUE(is_main_monitor(0, 0));
    EXPECT_FALSE(is_main_monitor(0, -768));
    MonitorArea off = off_screen_area({0, 0, 1920, 1080});
    EXPECT_EQ(off.x, -1920);
    EXPECT_EQ(off.width, 1920);
    EXPECT_EQ(off.height, 1080);
    EXPECT_FALSE(should_change_display_modes(0));
    EXPECT_FALSE(should_change_display_modes(1));
    EXPECT_TRUE(should_change_display_modes(3));
}

} // namespace
