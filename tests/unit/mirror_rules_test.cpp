// Where mirrors stand, which show, how they are cut to the external monitor, and the marker:
// the rows the end-to-end stories cannot stage or see.
#include "mirror/mirror_rules.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

const MonitorArea BELOW_RIGHT = {1920, 200, 1920, 1080};  // an external monitor offset both ways

PlacementView target_at(ScreenRect r)
{
    PlacementView v = {};
    v.has_mirror = v.target_rect_known = true;
    v.target_rect = r;
    return v;
}

TEST(Placement, MirrorsStandAtTheirTargetsMovedByTheExternalOrigin)
{
    PlacementView views[4] = {target_at({-8, -8, 1928, 1048}), target_at({10, 10, 20, 20}), target_at({0, 0, 1, 1}),
                              target_at({100, 100, 300, 300})};
    views[1].target_minimised = true;
    views[2].has_mirror = false;
    views[3].target_is_foreground = true;
    views[3].shown = 1;
    PlacementPlan plan = plan_placement(views, 4, false, BELOW_RIGHT);
    EXPECT_EQ(plan.steps[0].action, MIRROR_MOVED);
    EXPECT_EQ((std::vector<int>{plan.steps[0].box.x, plan.steps[0].box.y, plan.steps[0].box.width}),
              (std::vector<int>{1912, 192, 1936}));
    EXPECT_EQ(plan.steps[1].action, MIRROR_HIDDEN);
    EXPECT_EQ(plan.steps[2].action, MIRROR_LEFT_ALONE);
    EXPECT_EQ(plan.steps[3].action, MIRROR_PLACED_UNDER_TARGET);
    EXPECT_EQ(plan.fore_index, 3);
    EXPECT_EQ(plan.face, FACE_MIRRORED);
    // While the button (or nothing) is in the foreground, no mirror moves.
    EXPECT_EQ(plan_placement(views, 4, true, BELOW_RIGHT).steps[0].action, MIRROR_LEFT_ALONE);
}

TEST(Visibility, ExactlyTickedTargetsThatAreThereAndNotMinimisedShow)
{
    const struct {
        VisibilityView view;  // gone, has mirror, ticked, minimised, foreground
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
    };
    for (const auto &c : cases) {
        VisibilityStep s = plan_visibility(c.view);
        EXPECT_EQ((std::vector<int>{s.action, s.shown, s.park_button}), (std::vector<int>{c.action, c.shown, c.park}));
    }
}

TEST(Clip, AMirrorIsCutAtTheExternalMonitorsFarAndLowerEdgesToo)
{
    MirrorClip beyond = mirror_clip({1900, 700, 400, 300}, {1024, 0, 1024, 768});
    EXPECT_FALSE(beyond.whole);
    EXPECT_EQ((std::vector<int>{beyond.part.left, beyond.part.top, beyond.part.right, beyond.part.bottom}),
              (std::vector<int>{0, 0, 148, 68}));
    MirrorClip lower = mirror_clip({1124, 150, 400, 300}, {1024, 200, 1024, 768});
    EXPECT_EQ((std::vector<int>{lower.part.top, lower.part.bottom}), (std::vector<int>{50, 300}));
}

TEST(Marker, OnAMaximisedTargetTheScreenPositionCounts)
{
    EXPECT_EQ(marker_box(true, true, 600, 400, 100, 50).left, 590);
    ScreenRect framed = marker_box(true, false, 600, 400, 100, 50);
    EXPECT_EQ((std::vector<int>{framed.left, framed.top, framed.right, framed.bottom}),
              (std::vector<int>{580, 360, 600, 380}));
}

TEST(Classes, OwnerStepsTakeTheWholeClassName)
{
    EXPECT_TRUE(takes_owner_chrome("Chrome_WidgetWin_"));
    EXPECT_FALSE(takes_owner_chrome("Chrome_WidgetWin_1"));
    EXPECT_TRUE(takes_owner_mozilla("MozillaWindowinclass"));
    EXPECT_FALSE(takes_owner_mozilla("MozillaWindowClass"));
}

} // namespace
