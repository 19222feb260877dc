// The backdrop: whether the curtain holds, the windows of others named as they come onto the external monitor,
// and the wallpaper picture's height where the division does not come out even.
#include "backdrop/backdrop_rules.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

TEST(Curtain, HoldsWhileNothingOfOthersOnTheExternalMonitorIsAboveItAndTheAudiencesWindowsKeepTheirOrder)
{
    const WindowId audience[] = {11, 12, 13};  // a mirror, a pop-up's mirror, the marker: the lowest first
    const AboveWallpaper in_order[] = {{99, true, false}, {13, true, false}, {50, false, false}, {12, true, false},
                                       {11, true, false}};  // the button and a window of others on the main monitor
    EXPECT_TRUE(curtain_holds(in_order, 5, audience, 3));
    const AboveWallpaper tray[] = {{13, true, false}, {12, true, false}, {11, true, false}, {60, false, true}};
    EXPECT_FALSE(curtain_holds(tray, 4, audience, 3));  // a task bar on the external monitor
    const AboveWallpaper swapped[] = {{12, true, false}, {13, true, false}, {11, true, false}};
    EXPECT_FALSE(curtain_holds(swapped, 3, audience, 3));
    EXPECT_FALSE(curtain_holds(in_order + 1, 3, audience, 3));  // the lowest mirror fell below the curtain
    EXPECT_TRUE(lies_on({1000, 0, 1025, 100}, {1024, 0, 1024, 768}));
    EXPECT_FALSE(lies_on({1000, 0, 1024, 100}, {1024, 0, 1024, 768}));  // touching is not lying on it
    bool on = true;
    EXPECT_FALSE(read_curtain_setting("maybe", &on) || on);
}

TEST(Wallpaper, PictureHeightIsDividedFirst)
{
    EXPECT_EQ(wallpaper_picture_size(1366).height, 747);
    EXPECT_EQ(wallpaper_picture_size(1792).height, 979);  // not 980
}

} // namespace
