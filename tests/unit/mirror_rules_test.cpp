// Where mirrors stand, which show, their order, the marker, and the spotlight and zoom keys: rows no story stages.
#include "mirror/marker_rules.h"
#include "mirror/placement_rules.h"
#include "mirror/screen_mode_rules.h"
#include "rows.h"
#include <gtest/gtest.h>

namespace {

TEST(Placement, MirrorsStandAtTheirTargetsMovedByTheExternalOrigin)
{
    PlacementView views[4] = {};
    const ScreenRect rects[4] = {{-8, -8, 1928, 1048}, {10, 10, 20, 20}, {0, 0, 1, 1}, {100, 100, 300, 300}};
    for (int i = 0; i < 4; ++i)
        views[i].has_mirror = views[i].ticked = views[i].target_rect_known = true, views[i].target_rect = rects[i];
    // The minimised window's mirror is hidden by the visibility pass, not moved.
    views[1].target_minimised = true, views[2].has_mirror = false, views[3].target_is_foreground = true;
    const MonitorArea main = {0, 0, 1920, 1080}, below_right = {1920, 200, 1920, 1080};
    const Screens screens = {main, below_right, one_to_one(main, below_right)};
    PlacementPlan plan = plan_placement(views, 4, false, screens, false);
    EXPECT_EQ((Ints{plan.steps[0].action, plan.steps[0].box.x, plan.steps[0].box.y, plan.steps[0].box.width}),
              (Ints{MIRROR_MOVED, 1912, 192, 1936}));
    EXPECT_EQ((Ints{plan.steps[1].action, plan.steps[2].action, plan.steps[3].action}),
              (Ints{MIRROR_LEFT_ALONE, MIRROR_LEFT_ALONE, MIRROR_PLACED_UNDER_TARGET}));
    EXPECT_EQ((Ints{plan.fore_index, plan.face}), (Ints{3, FACE_MIRRORED}));
    // Above a curtain the foreground window's mirror keeps the curtain's order: moved, not stacked under it.
    EXPECT_EQ(plan_placement(views, 4, false, screens, true).steps[3].action, MIRROR_MOVED);
    // While the button (or nothing) is in the foreground, no mirror moves.
    EXPECT_EQ(plan_placement(views, 4, true, screens, false).steps[0].action, MIRROR_LEFT_ALONE);
    // In the spotlight, a window of 480 x 270 fills the external monitor.
    views[0].target_rect = {100, 100, 580, 370}, views[0].spotlit = true;
    EXPECT_EQ(ints(plan_placement(views, 1, false, screens, false).steps[0].box), (Ints{1920, 200, 1920, 1080}));
    views[0].spotlit = false;
    // An unticked entry's hidden mirror is not placed, but its window in front still tells the button.
    views[0].ticked = views[3].ticked = false;
    plan = plan_placement(views, 4, false, screens, false);
    EXPECT_EQ((Ints{plan.steps[0].action, plan.steps[3].action, plan.fore_index, plan.face}),
              (Ints{MIRROR_LEFT_ALONE, MIRROR_LEFT_ALONE, 3, FACE_NOT_MIRRORED}));
}

TEST(Visibility, ExactlyTheTickedEntriesWhoseTargetIsThereShowNoneWhileBlankOrInAnotherWindowsSpotlight)
{
    const bool F = false, T = true;
    // v: gone, mirror, ticked, minimised, blank, outside the spotlight.
    const struct { VisibilityView v; VisibilityAction action; } rows[] = {
        {{F, T, T, F, F, F}, MIRROR_SHOW}, {{F, F, T, F, F, F}, MIRROR_MISSING}, {{F, F, F, F, F, F}, MIRROR_KEPT},
        {{F, T, F, F, F, F}, MIRROR_HIDE}, {{T, T, T, F, F, F}, MIRROR_HIDE},  // unticked; closed since the rebuild
        {{T, F, T, F, F, F}, MIRROR_KEPT},  {{F, T, T, T, F, F}, MIRROR_HIDE},  {{F, T, T, F, T, F}, MIRROR_HIDE},
        {{F, T, T, F, F, T}, MIRROR_HIDE},
    };
    for (const auto &r : rows)
        EXPECT_EQ(plan_visibility(r.v), r.action) << &r - rows;
}

TEST(Stacking, TheMirrorsStandAsTheirWindowsThoseNotMetYetInFrontInTheirEntriesOrder)
{
    const WindowId targets[] = {5, 6, 7, 8}, met[] = {7, 9, 5};  // front to back; 9 has no mirror shown
    int order[4];
    stack_mirrors(targets, 4, met, 3, order);
    EXPECT_EQ(Ints(order, order + 4), (Ints{0, 2, 1, 3}));
}

TEST(ScreenModes, TheSpotlightAndTheZoomEndEachOther)
{
    const struct { ScreenModes now; bool front_mirrored; Ints after_spotlight_key, after_zoom_key; } rows[] = {
        {{false, false}, true, {true, false}, {false, true}}, {{true, false}, false, {false, false}, {false, true}},
        {{false, false}, false, {false, false}, {false, true}},  // refused over a window not mirrored
        {{true, false}, true, {false, false}, {false, true}},    // the spotlight ends wherever the key is pressed
        {{false, true}, true, {true, false}, {false, false}},
        {{false, true}, false, {false, false}, {false, false}},  // refused: the zoom ends all the same
    };
    for (const auto &r : rows) {
        ScreenModes s = spotlight_key_pressed(r.now, r.front_mirrored), z = zoom_key_pressed(r.now);
        EXPECT_EQ((Ints{s.spotlight, s.zoom}), r.after_spotlight_key) << &r - rows;
        EXPECT_EQ((Ints{z.spotlight, z.zoom}), r.after_zoom_key) << &r - rows;
    }
    EXPECT_EQ((Ints{spotlight_holds(true, true, false), spotlight_holds(false, true, false),
                    spotlight_holds(true, false, false), spotlight_holds(true, true, true)}),
              (Ints{true, false, false, false}));
}

TEST(Thumbnail, TheMarkerIsCentredOnThePointerAndCutToTheMirror)
{
    const MonitorArea ext = {1024, 0, 1024, 768};
    const Mapping one = one_to_one({0, 0, 1024, 768}, ext);
    MarkerOverlay m = plan_marker_overlay(true, true, {300, 200}, one, {1224, 100, 400, 300}, 20);
    EXPECT_EQ((Ints{m.shown, m.box.x, m.box.y, m.box.width, m.disc.left, m.disc.right}),
              (Ints{true, 1314, 190, 20, 0, 20}));
    m = plan_marker_overlay(true, true, {205, 300}, one, {1224, 100, 400, 300}, 30);  // the pointer 5 pixels in, at 144 DPI
    EXPECT_EQ((Ints{m.box.x, m.box.width, m.disc.left, m.disc.right}), (Ints{1224, 20, -10, 20}));
    EXPECT_FALSE(plan_marker_overlay(true, true, {100, 200}, one, {1224, 100, 400, 300}, 20).shown);  // off the mirror
}

TEST(Marker, OnAMaximisedTargetScaledAndAtAnotherScale)
{
    // On a maximised target the pointer's screen position counts.
    const Mapping one = one_to_one({0, 0, 1024, 768}, {1024, 0, 1024, 768});
    EXPECT_EQ(marker_box(one, true, true, {600, 400}, {100, 50}, {0, 0}, 20).left, 590);
    EXPECT_EQ(ints(marker_box(one, true, false, {600, 400}, {100, 50}, {0, 0}, 20)), (Ints{580, 360, 600, 380}));
    // At 192 DPI, around the same centre.
    EXPECT_EQ(ints(marker_box(one, true, false, {600, 400}, {100, 50}, {0, 0}, 40)), (Ints{570, 350, 610, 390}));
    // At another scale the disc is centred on the pointer's place on the external monitor.
    Mapping half = one;
    half.scale = 0.5;
    EXPECT_EQ(ints(marker_box(half, false, false, {600, 400}, {100, 50}, {1100, 20}, 20)), (Ints{214, 170, 234, 190}));
}

} // namespace
