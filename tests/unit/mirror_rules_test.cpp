// Where mirrors stand, which show, how they are cut to the external monitor, and the marker:
// the rows the end-to-end stories cannot stage or see.
#include "mirror/mirror_rules.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

typedef std::vector<int> Ints;

TEST(Placement, MirrorsStandAtTheirTargetsMovedByTheExternalOrigin)
{
    PlacementView views[4] = {};
    const ScreenRect rects[4] = {{-8, -8, 1928, 1048}, {10, 10, 20, 20}, {0, 0, 1, 1}, {100, 100, 300, 300}};
    for (int i = 0; i < 4; ++i)
        views[i].has_mirror = views[i].target_rect_known = true, views[i].target_rect = rects[i];
    views[1].target_minimised = true;
    views[2].has_mirror = false;
    views[3].target_is_foreground = true;
    views[3].shown = 1;
    const MonitorArea below_right = {1920, 200, 1920, 1080};
    PlacementPlan plan = plan_placement(views, 4, false, below_right);
    EXPECT_EQ((Ints{plan.steps[0].action, plan.steps[0].box.x, plan.steps[0].box.y, plan.steps[0].box.width}),
              (Ints{MIRROR_MOVED, 1912, 192, 1936}));
    EXPECT_EQ((Ints{plan.steps[1].action, plan.steps[2].action, plan.steps[3].action}),
              (Ints{MIRROR_HIDDEN, MIRROR_LEFT_ALONE, MIRROR_PLACED_UNDER_TARGET}));
    EXPECT_EQ((Ints{plan.fore_index, plan.face}), (Ints{3, FACE_MIRRORED}));
    // While the button (or nothing) is in the foreground, no mirror moves.
    EXPECT_EQ(plan_placement(views, 4, true, below_right).steps[0].action, MIRROR_LEFT_ALONE);
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
        EXPECT_EQ((Ints{s.action, s.shown, s.park_button}), (Ints{c.action, c.shown, c.park}));
    }
}

TEST(CutMarkerOwners, TheEdgesTheMaximisedTargetAndWholeClassNames)
{
    // A mirror is cut at the external monitor's far and lower edges too.
    MirrorClip beyond = mirror_clip({1900, 700, 400, 300}, {1024, 0, 1024, 768});
    EXPECT_EQ((Ints{beyond.whole, beyond.part.left, beyond.part.top, beyond.part.right, beyond.part.bottom}),
              (Ints{false, 0, 0, 148, 68}));
    MirrorClip lower = mirror_clip({1124, 150, 400, 300}, {1024, 200, 1024, 768});
    EXPECT_EQ((Ints{lower.part.top, lower.part.bottom}), (Ints{50, 300}));
    // On a maximised target the pointer's screen position counts.
    EXPECT_EQ(marker_box(true, true, 600, 400, 100, 50).left, 590);
    ScreenRect framed = marker_box(true, false, 600, 400, 100, 50);
    EXPECT_EQ((Ints{framed.left, framed.top, framed.right, framed.bottom}), (Ints{580, 360, 600, 380}));
    // The owner steps take the whole class name.
    EXPECT_EQ((Ints{takes_owner_chrome("Chrome_WidgetWin_"), takes_owner_chrome("Chrome_WidgetWin_1"),
                    takes_owner_mozilla("MozillaWindowinclass"), takes_owner_mozilla("MozillaWindowClass")}),
              (Ints{true, false, true, false}));
}

} // namespace
