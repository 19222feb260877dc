// Where the toggle button goes, and the wallpaper picture's size.
#include "overlay/overlay_rules.h"
#include <gtest/gtest.h>

namespace {

ForegroundView window_at(ScreenRect r, const char *class_name = "Notepad")
{
    ForegroundView f = {};
    f.class_name = class_name;
    f.rect_known = true;
    f.rect = r;
    return f;
}

TEST(Button, FollowsTheForegroundWindowOrStays)
{
    ButtonPlacement p = place_for_foreground(window_at({100, 50, 900, 650}));
    EXPECT_EQ(p.move, BUTTON_ON_WINDOW);
    EXPECT_EQ(p.box.x, 760);
    EXPECT_EQ(p.box.y, 50);
    EXPECT_EQ(p.box.width, 30);
    EXPECT_EQ(p.box.height, 20);

    ForegroundView maximised = window_at({-8, -8, 1928, 1048});
    maximised.maximised = true;
    p = place_for_foreground(maximised);
    EXPECT_EQ(p.box.x, 1784);
    EXPECT_EQ(p.box.y, -2);

    ForegroundView minimised = window_at({0, 0, 0, 0});
    minimised.minimised = true;
    EXPECT_EQ(place_for_foreground(minimised).move, BUTTON_PARKED);

    ForegroundView own = window_at({0, 0, 300, 200});
    own.program_window = true;
    EXPECT_EQ(place_for_foreground(own).move, BUTTON_STAYS);
    EXPECT_EQ(place_for_foreground(window_at({0, 0, 300, 200}, "Mirror3")).move, BUTTON_STAYS);
    EXPECT_EQ(place_for_foreground(window_at({0, 0, 300, 200}, "Progman")).move, BUTTON_STAYS);
    ForegroundView none = {};
    none.none = true;
    EXPECT_EQ(place_for_foreground(none).move, BUTTON_STAYS);
}

TEST(Wallpaper, PictureSizeKeepsTheFixedProportion)
{
    EXPECT_EQ(wallpaper_picture_size(1366).height, 747);
    EXPECT_EQ(wallpaper_picture_size(1792).height, 979);  // divided first: not 980
    EXPECT_EQ(wallpaper_picture_size(1920).height, 1050);
}

} // namespace
