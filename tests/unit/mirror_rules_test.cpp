// Where mirrors stand, which show, how they are cut to the external monitor, and the marker.
#include "mirror/mirror_rules.h"
#include <gtest/gtest.h>

namespace {

const MonitorArea BELOW_RIGHT = {1920, 200, 1920, 1080};  // an external monitor offset both ways

PlacementView target_at(ScreenRect r)
{
    PlacementView v = {};
    v.has_mirror = true;
    v.target_rect_known = true;
    v.target_rect = r;
    return v;
}

TEST(Placement, MirrorsStandAtTheTargetMovedByTheExternalOrigin)
{
    PlacementView views[4] = {target_at({100, 50, 900, 650}), target_at({-8, -8, 1928, 1048}),
                              target_at({10, 10, 20, 20}), target_at({0, 0, 10, 10})};
    views[2].target_minimised = true;
    views[3].has_mirror = false;
    PlacementPlan plan = plan_placement(views, 4, false, BELOW_RIGHT);
    EXPECT_EQ(plan.steps[0].action, MIRROR_MOVED);
    EXPECT_EQ(plan.steps[0].box.x, 2020);
    EXPECT_EQ(plan.steps[0].box.y, 250);
    EXPECT_EQ(plan.steps[0].box.width, 800);
    EXPECT_EQ(plan.steps[0].box.height, 600);
    EXPECT_EQ(plan.steps[1].box.x, 1912);  // a maximised window overhangs the same way
    EXPECT_EQ(plan.steps[1].box.y, 192);
    EXPECT_EQ(plan.steps[2].action, MIRROR_HIDDEN);
    EXPECT_EQ(plan.steps[3].action, MIRROR_LEFT_ALONE);
    EXPECT_EQ(plan.fore_index, -1);
    EXPECT_EQ(plan.face, FACE_UNCHANGED);
}

TEST(Placement, TheForegroundEntryGoesUnderItsTargetAndSetsTheFace)
{
    PlacementView views[2] = {target_at({0, 0, 100, 100}), target_at({100, 100, 300, 300})};
    views[1].target_is_foreground = true;
    views[1].shown = 1;
    views[0].mirror_placed = true;  // already given this box: not moved again
    views[0].mirror_box = {1920, 200, 100, 100};
    PlacementPlan plan = plan_placement(views, 2, false, BELOW_RIGHT);
    EXPECT_EQ(plan.steps[0].action, MIRROR_LEFT_ALONE);
    EXPECT_EQ(plan.steps[1].action, MIRROR_PLACED_UNDER_TARGET);
    EXPECT_EQ(plan.fore_index, 1);
    EXPECT_EQ(plan.face, FACE_MIRRORED);
    views[1].shown = 0;
    EXPECT_EQ(plan_placement(views, 2, false, BELOW_RIGHT).face, FACE_NOT_MIRRORED);
    // While the button (or nothing) is in the foreground, no mirror moves.
    views[1].target_is_foreground = false;
    EXPECT_EQ(plan_placement(views, 2, true, BELOW_RIGHT).steps[1].action, MIRROR_LEFT_ALONE);
}

TEST(Visibility, ExactlyTickedTargetsThatAreThereAndNotMinimisedShow)
{
    const struct {
        VisibilityView view;
        VisibilityAction action;
        int shown;
        bool park;
    } cases[] = {
        {{false, true, true, false, false}, MIRROR_SHOW, 1, false},
        {{false, true, false, false, false}, MIRROR_HIDE, 0, false},
        {{false, true, true, true, false}, MIRROR_HIDE, 0, false},
        {{false, true, true, true, true}, MIRROR_HIDE, 0, true},   // the minimised foreground takes the button
        {{false, true, false, true, true}, MIRROR_HIDE, 0, false}, // ... only when it is ticked
        {{true, true, true, false, false}, MIRROR_HIDE, -1, false}, // the target has gone
        {{false, false, true, false, false}, MIRROR_MISSING, -1, false},
        {{false, false, false, false, false}, MIRROR_KEPT, -1, false},
    };
    for (const auto &c : cases) {
        VisibilityStep s = plan_visibility(c.view);
        EXPECT_EQ(s.action, c.action);
        EXPECT_EQ(s.shown, c.shown);
        EXPECT_EQ(s.park_button, c.park);
    }
}

TEST(Clip, AMirrorIsCutToTheExternalMonitor)
{
    const MonitorArea ext = {1024, 0, 1024, 768};
    MirrorClip inside = mirror_clip({1124, 100, 400, 300}, ext);
    EXPECT_TRUE(inside.whole);
    MirrorClip spill = mirror_clip({824, -20, 400, 300}, ext);  // a window at (-200, -20)
    EXPECT_FALSE(spill.whole);
    EXPECT_EQ(spill.part.left, 200);
    EXPECT_EQ(spill.part.top, 20);
    EXPECT_EQ(spill.part.right, 400);
    EXPECT_EQ(spill.part.bottom, 300);
    MirrorClip beyond = mirror_clip({1900, 700, 400, 300}, ext);  // past the far edges too
    EXPECT_EQ(beyond.part.right, 148);
    EXPECT_EQ(beyond.part.bottom, 68);
    MirrorClip lower = mirror_clip({1124, 150, 400, 300}, {1024, 200, 1024, 768});  // offset vertically
    EXPECT_EQ(lower.part.top, 50);
    EXPECT_EQ(lower.part.bottom, 300);
    MirrorClip nothing = mirror_clip({0, 0, 100, 100}, ext);
    EXPECT_EQ(nothing.part.right - nothing.part.left, 0);
}

TEST(Marker, DiscBoxByClassAndMaximisedState)
{
    const struct {
        bool maximised, chrome;
        int left, top;
    } cases[] = {
        {false, true, 490, 340},   // centred on the pointer inside the target
        {false, false, 480, 310},  // 10 left of and 30 above it, below a caption
        {true, true, 590, 390},    // a maximised target: the screen position as it is
        {true, false, 580, 360},
    };
    for (const auto &c : cases) {
        ScreenRect r = marker_box(c.maximised, c.chrome, 600, 400, 100, 50);
        EXPECT_EQ(r.left, c.left);
        EXPECT_EQ(r.top, c.top);
        EXPECT_EQ(r.right - r.left, 20);
        EXPECT_EQ(r.bottom - r.top, 20);
    }
}

TEST(Classes, ChromeByPartOwnersByWholeName)
{
    EXPECT_TRUE(is_chrome_class("Chrome_WidgetWin_1"));
    EXPECT_FALSE(is_chrome_class("Chrome_WidgetWin"));
    EXPECT_TRUE(takes_owner_chrome("Chrome_WidgetWin_"));
    EXPECT_FALSE(takes_owner_chrome("Chrome_WidgetWin_1"));
    EXPECT_TRUE(takes_owner_mozilla("MozillaWindowinclass"));
    EXPECT_FALSE(takes_owner_mozilla("MozillaWindowClass"));
}

} // namespace
