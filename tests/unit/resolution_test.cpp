// Monitor roles, the common resolution and when modes are changed.
#include "display/resolution.h"
#include <gtest/gtest.h>

namespace {

void expect_resolution(const MonitorArea &main, const MonitorArea &ext, int width, int height)
{
    Resolution r = choose_common_resolution(main, ext);
    EXPECT_EQ(r.width, width);
    EXPECT_EQ(r.height, height);
}

TEST(Resolution, NarrowerExternalMonitorGivesItsSize)
{
    expect_resolution({0, 0, 1920, 1080}, {1920, 0, 1024, 768}, 1024, 768);
}

TEST(Resolution, EqualWidthsTakeTheExternalMonitorsHeight)
{
    expect_resolution({0, 0, 1280, 1024}, {1280, 0, 1280, 720}, 1280, 720);
}

TEST(Resolution, NarrowerMainMonitorGivesItsSize)
{
    expect_resolution({0, 0, 1024, 768}, {-1920, 0, 1920, 1080}, 1024, 768);
}

TEST(Resolution, HeightsAreNeverCompared)
{
    expect_resolution({0, 0, 1024, 1280}, {1024, 0, 1280, 720}, 1024, 1280);
}

TEST(Monitors, OnlyTheMonitorAtTheOriginIsMain)
{
    EXPECT_TRUE(is_main_monitor(0, 0));
    EXPECT_FALSE(is_main_monitor(1024, 0));
    EXPECT_FALSE(is_main_monitor(-1920, 0));
    EXPECT_FALSE(is_main_monitor(0, 768));
}

TEST(Monitors, SingleMonitorPutsTheExternalAreaJustLeftOfIt)
{
    MonitorArea a = off_screen_area({0, 0, 1920, 1080});
    EXPECT_EQ(a.x, -1920);
    EXPECT_EQ(a.y, 0);
    EXPECT_EQ(a.width, 1920);
    EXPECT_EQ(a.height, 1080);
}

TEST(Monitors, ModesChangeOnlyWithAtLeastTwoMonitors)
{
    EXPECT_FALSE(should_change_display_modes(0));
    EXPECT_FALSE(should_change_display_modes(1));
    EXPECT_TRUE(should_change_display_modes(2));
    EXPECT_TRUE(should_change_display_modes(3));
}

} // namespace
