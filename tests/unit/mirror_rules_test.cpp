// Mirror styles, geometry, the marker's box and the owner steps.
#include "mirror/mirror_rules.h"
#include <gtest/gtest.h>

namespace {

void expect_rect(const ScreenRect &r, int left, int top, int right, int bottom)
{
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.right, right);
    EXPECT_EQ(r.bottom, bottom);
}

TEST(MirrorStyle, BarePopupForChromeLikeClasses)
{
    EXPECT_EQ(mirror_style_for_class("Chrome_WidgetWin_1"), 0x80880000UL);
    EXPECT_EQ(mirror_style_for_class("Chrome_WidgetWin_"), 0x80880000UL);
    EXPECT_EQ(mirror_style_for_class("XChrome_WidgetWin_0"), 0x80880000UL);
    EXPECT_EQ(mirror_style_for_class("Chrome_WidgetWin"), 0x00C40000UL);
    EXPECT_EQ(mirror_style_for_class("Notepad"), 0x00C40000UL);
    EXPECT_EQ(mirror_style_for_class(""), 0x00C40000UL);
}

TEST(MirrorBox, TargetRectangleMovedByTheExternalOrigin)
{
    Box b = mirror_box({100, 50, 900, 650}, 1920, 0);
    EXPECT_EQ(b.x, 2020);
    EXPECT_EQ(b.y, 50);
    EXPECT_EQ(b.width, 800);
    EXPECT_EQ(b.height, 600);
}

TEST(MirrorBox, MaximisedTargetOverhangsTheExternalMonitorTheSameWay)
{
    Box b = mirror_box({-8, -8, 1032, 776}, 1024, 0);
    EXPECT_EQ(b.x, 1016);
    EXPECT_EQ(b.y, -8);
    EXPECT_EQ(b.width, 1040);
}

TEST(MirrorBox, SingleMonitorPutsMirrorsLeftOfTheScreen)
{
    Box b = mirror_box({100, 100, 500, 400}, -1024, 0);
    EXPECT_EQ(b.x, -924);
    EXPECT_LT(b.x + b.width, 0);
}

TEST(MarkerBox, ChromeDiscIsCentredOnTheReferencePoint)
{
    expect_rect(marker_box(false, true, 600, 400, 100, 50), 490, 340, 510, 360);
}

TEST(MarkerBox, FramedDiscSitsAboveAndLeftOfTheReferencePoint)
{
    expect_rect(marker_box(false, false, 600, 400, 100, 50), 480, 310, 500, 330);
}

TEST(MarkerBox, MaximisedTargetUsesTheScreenPositionUnchanged)
{
    expect_rect(marker_box(true, true, 600, 400, 100, 50), 590, 390, 610, 410);
    expect_rect(marker_box(true, false, 600, 400, 100, 50), 580, 360, 600, 380);
}

TEST(MarkerBox, DiscIsTwentyPixelsEitherWay)
{
    for (int chrome = 0; chrome < 2; ++chrome) {
        ScreenRect r = marker_box(false, chrome != 0, 10, 10, 0, 0);
        EXPECT_EQ(r.right - r.left, 20);
        EXPECT_EQ(r.bottom - r.top, 20);
    }
}

TEST(OwnerSteps, ChromeStepNeedsTheWholeClassName)
{
    EXPECT_TRUE(takes_owner_chrome("Chrome_WidgetWin_"));
    EXPECT_FALSE(takes_owner_chrome("Chrome_WidgetWin_1"));
    EXPECT_FALSE(takes_owner_chrome("XChrome_WidgetWin_"));
}

TEST(OwnerSteps, MozillaStepMatchesItsOwnClassNameOnly)
{
    EXPECT_TRUE(takes_owner_mozilla("MozillaWindowinclass"));
    EXPECT_FALSE(takes_owner_mozilla("MozillaWindowClass"));
}

} // namespace
