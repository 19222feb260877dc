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

// The compositor's caption buttons: 3 x 46 x 30 at 96 DPI inside a 7-pixel invisible border, scaled.
ButtonPlacement on_caption(ScreenRect window, ScreenRect buttons, unsigned dpi, bool maximised = false)
{
    ForegroundView f = {};
    f.class_name = "Notepad", f.rect_known = f.caption_buttons_known = true, f.maximised = maximised;
    f.rect = window, f.caption_buttons = buttons, f.dpi = dpi;
    return place_for_foreground(f);
}

TEST(Button, LeftOfTheCaptionButtonsWithinTheirHeightAtEveryScale)
{
    typedef std::vector<int> Ints;
    auto box = [](const ButtonPlacement &p) { return Ints{p.box.x, p.box.y, p.box.width, p.box.height}; };
    EXPECT_EQ(box(on_caption({100, 50, 900, 650}, {655, 1, 793, 31}, 96)), (Ints{721, 56, 30, 20}));
    EXPECT_EQ(box(on_caption({100, 50, 900, 650}, {586, 1, 793, 46}, 144)), (Ints{635, 58, 45, 30}));
    EXPECT_EQ(box(on_caption({-8, -8, 1928, 1048}, {1652, 8, 1928, 52}, 192, true)), (Ints{1576, 2, 60, 40}));
    EXPECT_EQ(box(on_caption({0, 0, 400, 300}, {200, 0, 380, 14}, 96)), (Ints{175, 0, 21, 14}));  // a low caption
    // Bounds that no caption holds (a minimised or hidden window's): the place of old.
    EXPECT_EQ(box(on_caption({100, 50, 900, 650}, {655, 1, 900, 31}, 144)), (Ints{760, 50, 45, 30}));
    EXPECT_EQ(box(on_caption({100, 50, 900, 650}, {0, 0, 0, 0}, 0)), (Ints{760, 50, 30, 20}));
}

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
