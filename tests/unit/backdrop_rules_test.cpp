// The backdrop: the curtain, the rectangles a pass reads, others' windows named, the wallpaper and its height.
#include "backdrop/backdrop_rules.h"
#include "rows.h"
#include <algorithm>
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
}

TEST(Curtain, AFewRectanglesReadAPassInTurnNeverPastTheWindowsMet)
{
    const struct { int start, count; Ints read; int next; } rows[] = {
        {0, 10, {0, 1, 2, 3}, 4}, {8, 10, {0, 1, 8, 9}, 2}, {2, 3, {0, 1, 2}, 0}, {0, 0, {}, 0},
        {8, 5, {0, 1, 2, 3}, 4}, {5, 5, {0, 1, 2, 3}, 4}};  // windows closed since the turn was handed on
    for (const auto &r : rows) {
        Ints read;
        for (int i = -1; i <= r.count; ++i)
            if (read_in_turn(i, r.start, r.count))
                read.push_back(i);
        EXPECT_EQ(read, r.read) << &r - rows;
        EXPECT_EQ(next_turn_start(r.start, r.count), r.next) << &r - rows;
    }
}

TEST(External, EachWindowOfOthersNamedOnceWhileItStaysThereTheShellsDesktopNever)
{
    // Passes over a window of others (1) and the shell's desktop (2), which spans every monitor: looked at or not.
    const ExternalLook passes[][2] = {{{1, true, true, true}, {2, false, true, true}},
                                      {{1, true, true, true}, {2, false, true, true}},  // read again, still there
                                      {{1, true, false, false}, {2, false, false, false}},  // not read this pass
                                      {{1, true, true, false}, {2, false, true, true}},  // gone from it
                                      {{1, true, true, true}, {2, false, true, true}}};  // back
    WindowId on[2], now_on[2];
    int on_count = 0;
    std::vector<bool> named;
    for (const auto &looks : passes) {
        bool pass_named[2];
        on_count = follow_windows_on_external(looks, 2, on, on_count, now_on, pass_named);
        std::copy(now_on, now_on + on_count, on);
        named.push_back(pass_named[0]), named.push_back(pass_named[1]);
    }
    EXPECT_EQ(named, (std::vector<bool>{true, false, false, false, false, false, false, false, true, false}));
}

TEST(Wallpaper, ShowsWithItsSwitchWhileBlankInTheSpotlightOrZoomedAndPictureHeightIsDividedFirst)
{
    EXPECT_EQ((Ints{wallpaper_shows(false, false, false, false), wallpaper_shows(true, false, false, false),
                    wallpaper_shows(false, true, false, false), wallpaper_shows(false, false, true, false),
                    wallpaper_shows(false, false, false, true)}),
              (Ints{false, true, true, true, true}));
    EXPECT_EQ(wallpaper_picture_size(1366).height, 747);
    EXPECT_EQ(wallpaper_picture_size(1792).height, 979);  // not 980
}

} // namespace
