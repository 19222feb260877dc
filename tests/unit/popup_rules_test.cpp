// Which pop-ups follow a ticked window (owners, threads, the front window, touching), in order, at most a pool.
#include "popups/popup_rules.h"
#include "rows.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

// Target 1 on thread 7 at (100, 100, 500, 400); target 2 on thread 8 at (600, 100, 900, 400).
const PopupTarget TARGETS[] = {{1, 7, true, {100, 100, 500, 400}}, {2, 8, false, {600, 100, 900, 400}}};

PopupCandidate window(WindowId id, std::vector<WindowId> owners, unsigned thread, ScreenRect rect)
{
    PopupCandidate c = {};
    c.window = id, c.visible = true, c.thread = thread, c.rect_known = true, c.rect = rect;
    for (WindowId o : owners)
        c.owners[c.owner_count++] = o;
    return c;
}

// The candidates that follow, front first, as (window, target window) pairs.
Ints follows(const std::vector<PopupCandidate> &cs, bool first_in_front = true)
{
    PopupTarget targets[2] = {TARGETS[0], TARGETS[1]};
    targets[0].in_front = first_in_front;
    PopupPlan plan = plan_popups(targets, 2, cs.data(), (int)cs.size());
    Ints out;
    for (int k = 0; k < plan.count; ++k)
        out.push_back((int)cs[plan.follows[k].candidate].window), out.push_back((int)targets[plan.follows[k].target].window);
    return out;
}

TEST(Popups, OwnedByATargetThroughAnyChainOfOwners)
{
    const ScreenRect far_away = {2000, 2000, 2100, 2100};
    EXPECT_EQ(follows({window(10, {1}, 99, far_away), window(11, {50, 51, 2}, 99, far_away),
                       window(12, {50, 51}, 7, far_away)}),
              (Ints{10, 1, 11, 2}));
}

TEST(Popups, UnownedOnTheFrontTargetsThreadOnlyWhereTheyTouchItOrItsPopups)
{
    const ScreenRect below = {200, 400, 300, 500}, beside_below = {300, 450, 380, 520}, apart = {0, 700, 50, 750};
    // A list on the target's bottom edge, and a sub-list touching that list only.
    EXPECT_EQ(follows({window(20, {}, 7, beside_below), window(21, {}, 7, below), window(22, {}, 7, apart)}),
              (Ints{20, 1, 21, 1}));
    // The same windows while another window is in front, or on another thread, or owned by another window.
    EXPECT_EQ(follows({window(21, {}, 7, below)}, false), Ints{});
    EXPECT_EQ(follows({window(21, {}, 9, below)}), Ints{});
    EXPECT_EQ(follows({window(21, {60}, 7, below)}), Ints{});
    // Not in front, a target's unowned windows do not follow even where they touch it.
    EXPECT_EQ(follows({window(23, {}, 8, {650, 400, 700, 450})}), Ints{});
}

TEST(Popups, NeverAListedOursHiddenMinimisedOrCloakedWindowAndAtMostAPoolFull)
{
    PopupCandidate listed = window(30, {1}, 7, {0, 0, 10, 10}), ours = listed, hidden = listed, minimised = listed;
    PopupCandidate cloaked = listed;
    listed.listable = true, ours.window = 31, ours.ours = true, hidden.window = 32, hidden.visible = false;
    minimised.window = 33, minimised.minimised = true, cloaked.window = 34, cloaked.cloaked = true;
    EXPECT_EQ(follows({listed, ours, hidden, minimised, cloaked}), Ints{});
    std::vector<PopupCandidate> many;
    for (int i = 0; i < MAX_POPUPS + 2; ++i)
        many.push_back(window(40 + i, {1}, 7, {0, 0, 10, 10}));
    PopupPlan plan = plan_popups(TARGETS, 2, many.data(), (int)many.size());
    EXPECT_EQ((Ints{plan.count, plan.more, plan.follows[0].candidate}), (Ints{MAX_POPUPS, true, 0}));
}

} // namespace
