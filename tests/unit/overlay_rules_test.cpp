// Where the toggle button goes for foreground windows the stories do not stage, and the
// wallpaper picture's height where the division does not come out even.
#include "overlay/overlay_rules.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

ForegroundView window_at(ScreenRect r, const char *class_name = "Notepad")
{
    ForegroundView f = {};
    f.class_name = class_name;
    f.rect_known = true;
    f.rect = r;
    return f;
}

TEST(Button, InsideAMaximisedCaptionParkedForAMinimisedWindowStaysForItsOwn)
{
    ForegroundView maximised = window_at({-8, -8, 1928, 1048});
    maximised.maximised = true;
    ButtonPlacement p = place_for_foreground(maximised);
    EXPECT_EQ((std::vector<int>{p.move, p.box.x, p.box.y}), (std::vector<int>{BUTTON_ON_WINDOW, 1784, -2}));
    ForegroundView minimised = window_at({0, 0, 0, 0});
    minimised.minimised = true;
    EXPECT_EQ(place_for_foreground(minimised).move, BUTTON_PARKED);
    ForegroundView own = window_at({0, 0, 300, 200});
    own.program_window = true;
    EXPECT_EQ(place_for_foreground(own).move, BUTTON_STAYS);
    EXPECT_EQ(place_for_foreground(window_at({0, 0, 300, 200}, "Mirror3")).move, BUTTON_STAYS);
    EXPECT_EQ(place_for_foreground(window_at({0, 0, 300, 200}, "Progman")).move, BUTTON_STAYS);
}

TEST(Wallpaper, PictureHeightIsDividedFirst)
{
    EXPECT_EQ(wallpaper_picture_size(1366).height, 747);
    EXPECT_EQ(wallpaper_picture_size(1792).height, 979);  // not 980
}

} // namespace
