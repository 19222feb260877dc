// Where the toggle button goes for foreground windows the stories do not stage, and the
// wallpaper picture's height where the division does not come out even.
#include "overlay/overlay_rules.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

ButtonMove move_for(const char *class_name, bool program_window = false, bool minimised = false)
{
    ForegroundView f = {};
    f.class_name = class_name, f.program_window = program_window, f.minimised = minimised;
    f.rect_known = true, f.rect = {0, 0, 300, 200};
    return place_for_foreground(f).move;
}

TEST(Button, InsideAMaximisedCaptionParkedForAMinimisedWindowStaysForItsOwn)
{
    ForegroundView maximised = {};
    maximised.class_name = "Notepad", maximised.maximised = maximised.rect_known = true;
    maximised.rect = {-8, -8, 1928, 1048};
    ButtonPlacement p = place_for_foreground(maximised);
    EXPECT_EQ((std::vector<int>{p.move, p.box.x, p.box.y}), (std::vector<int>{BUTTON_ON_WINDOW, 1784, -2}));
    EXPECT_EQ(move_for("Notepad", false, true), BUTTON_PARKED);
    EXPECT_EQ(move_for("Notepad", true), BUTTON_STAYS);
    EXPECT_EQ(move_for("Mirror3"), BUTTON_STAYS);
    EXPECT_EQ(move_for("Progman"), BUTTON_STAYS);
}

TEST(Wallpaper, PictureHeightIsDividedFirst)
{
    EXPECT_EQ(wallpaper_picture_size(1366).height, 747);
    EXPECT_EQ(wallpaper_picture_size(1792).height, 979);  // not 980
}

} // namespace
