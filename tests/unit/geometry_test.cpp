// Checklist size, the button's anchor and box, and the wallpaper's picture height.
#include "app/limits.h"
#include "app/loop_geometry.h"
#include "overlay/overlay_geometry.h"
#include <gtest/gtest.h>

namespace {

TEST(ChecklistHeight, ThirtyOnePixelsPerEntryPlusOne)
{
    EXPECT_EQ(checklist_height(0), 31);
    EXPECT_EQ(checklist_height(5), 186);
    EXPECT_EQ(checklist_height(30), 961);
}

TEST(ButtonAnchor, NormalWindowHandsOverItsRectangle)
{
    ButtonAnchor a = button_anchor(false, false, {100, 50, 900, 650});
    EXPECT_EQ(a.left, 100);
    EXPECT_EQ(a.top, 50);
    EXPECT_EQ(a.width, 800);
}

TEST(ButtonAnchor, MaximisedWindowIsPulledInsideItsOverhangingFrame)
{
    ButtonAnchor a = button_anchor(false, true, {-8, -8, 1928, 1048});
    EXPECT_EQ(a.left, -8);
    EXPECT_EQ(a.top, -2);
    EXPECT_EQ(a.width, 1932);
}

TEST(ButtonAnchor, MinimisedWindowParksTheButton)
{
    ButtonAnchor a = button_anchor(true, false, {-32000, -32000, -31840, -31970});
    EXPECT_EQ(a.left, 0);
    EXPECT_EQ(a.top, 0);
    EXPECT_EQ(a.width, 1);
}

TEST(ButtonBox, SitsHundredFortyPixelsLeftOfTheRightEdge)
{
    ButtonAnchor a = button_anchor(false, false, {100, 50, 900, 650});
    Box b = button_box(a.left, a.top, a.width);
    EXPECT_EQ(b.x, 760);
    EXPECT_EQ(b.y, 50);
    EXPECT_EQ(b.width, 30);
    EXPECT_EQ(b.height, 20);

    a = button_anchor(false, true, {-8, -8, 1928, 1048});
    b = button_box(a.left, a.top, a.width);
    EXPECT_EQ(b.x, 1784);
    EXPECT_EQ(b.y, -2);
}

TEST(ButtonBox, IgnoresMirrorsAndTheShellWindowByClass)
{
    EXPECT_TRUE(button_ignores_class("Mirror0"));
    EXPECT_TRUE(button_ignores_class("Mirror29"));
    EXPECT_TRUE(button_ignores_class("Progman"));
    EXPECT_TRUE(button_ignores_class("XProgmanY"));
    EXPECT_FALSE(button_ignores_class("mirror"));
    EXPECT_FALSE(button_ignores_class("Notepad"));
    EXPECT_FALSE(button_ignores_class(""));
}

TEST(WallpaperHeight, FixedProportionOfTheWidthTruncated)
{
    const int widths[] = {1024, 1280, 1366, 1440, 1600, 1680, 1792, 1920};
    const int heights[] = {560, 700, 747, 787, 875, 918, 979, 1050};
    for (size_t i = 0; i < sizeof widths / sizeof widths[0]; ++i)
        EXPECT_EQ(wallpaper_picture_height(widths[i]), heights[i]) << widths[i];
}

TEST(TableLimits, TheEntryPastTheCatalogueExistsOnlyWhileThereIsRoom)
{
    EXPECT_EQ(entries_with_next(0), 1);
    EXPECT_EQ(entries_with_next(3), 4);
    EXPECT_EQ(entries_with_next(29), 30);
    EXPECT_EQ(entries_with_next(30), 30);
}

} // namespace
