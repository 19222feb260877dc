// The pop-ups that follow a ticked window: owner chains, the in-front window's thread, touching.
#include "popups/popup_rules.h"
#include "base/settings_rules.h"
#include "base/texts.h"

bool rects_touch(const ScreenRect &a, const ScreenRect &b)
{
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

static bool may_follow(const PopupCandidate &c)
{
    return c.visible && !c.minimised && !c.cloaked && !c.ours && !c.listable && c.rect_known;
}

// The target whose window owns the candidate, nearest owner first, or -1.
static int owning_target(const PopupCandidate &c, const PopupTarget *targets, int target_count)
{
    for (int k = 0; k < c.owner_count && k < MAX_OWNER_CHAIN; ++k)
        for (int t = 0; t < target_count; ++t)
            if (c.owners[k] != 0 && c.owners[k] == targets[t].window)
                return t;
    return -1;
}

// Whether an unowned window of the target's thread touches the target or one of its pop-ups.
static bool touches_target_or_its_popups(const PopupCandidate &c, int target, const PopupTarget *targets,
                                         const PopupCandidate *candidates, const int *target_of, int candidate_count)
{
    if (rects_touch(c.rect, targets[target].rect))
        return true;
    for (int j = 0; j < candidate_count; ++j)
        if (target_of[j] == target && rects_touch(c.rect, candidates[j].rect))
            return true;
    return false;
}

PopupPlan plan_popups(const PopupTarget *targets, int target_count, const PopupCandidate *candidates,
                      int candidate_count)
{
    enum { MAX_CANDIDATES = 1024 };
    static int target_of[MAX_CANDIDATES];
    int n = candidate_count < MAX_CANDIDATES ? candidate_count : MAX_CANDIDATES;
    for (int i = 0; i < n; ++i)
        target_of[i] = may_follow(candidates[i]) ? owning_target(candidates[i], targets, target_count) : -1;
    // Unowned windows of the front window's thread, one touching the next (a sub-menu beside its menu):
    // taken until no more join.
    for (int t = 0; t < target_count; ++t) {
        if (!targets[t].in_front)
            continue;
        for (bool joined = true; joined;) {
            joined = false;
            for (int i = 0; i < n; ++i) {
                const PopupCandidate &c = candidates[i];
                if (target_of[i] >= 0 || !may_follow(c) || c.owner_count > 0 || c.thread != targets[t].thread)
                    continue;
                if (touches_target_or_its_popups(c, t, targets, candidates, target_of, n)) {
                    target_of[i] = t;
                    joined = true;
                }
            }
        }
    }
    PopupPlan plan = {};
    for (int i = 0; i < n; ++i) {
        if (target_of[i] < 0)
            continue;
        if (plan.count == MAX_POPUPS) {
            plan.more = true;
            break;
        }
        plan.follows[plan.count++] = {i, target_of[i]};
    }
    return plan;
}

bool read_popups_setting(const char *value, bool *on)
{
    bool off = false;
    bool readable = read_either(value, TXT_YES, TXT_NO, &off);
    *on = !off;
    return readable;
}
