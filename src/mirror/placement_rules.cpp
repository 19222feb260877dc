// Where the mirrors stand, which show, and in which order.
#include "mirror/placement_rules.h"

static Box mirror_box(const ScreenRect &target, const Mapping &mapping)
{
    return box_of(map_rect(mapping, target));
}

PlacementPlan plan_placement(const PlacementView *views, int count, bool fore_button_or_none, const Screens &screens,
                             bool curtain)
{
    const MonitorArea &ext = screens.ext;
    PlacementPlan plan = {};
    plan.fore_index = -1;
    plan.face = FACE_UNCHANGED;
    for (int i = 0; i < count && i < MAX_WINDOWS; ++i) {
        const PlacementView &v = views[i];
        PlacementStep &s = plan.steps[i];
        s.action = MIRROR_LEFT_ALONE;
        // A minimised target's mirror is hidden by the visibility pass; this one leaves it be.
        if (!v.has_mirror || v.target_minimised)
            continue;
        if (v.target_is_foreground) {
            plan.fore_index = i;
            plan.face = v.ticked ? FACE_MIRRORED : FACE_NOT_MIRRORED;
        }
        // An unticked entry's mirror is hidden: it needs no place until it is ticked, and is placed
        // in the pass that follows the tick, before it shows.
        if (!v.ticked)
            continue;
        // In the spotlight, what the audience would see of the window fills their screen.
        s.mapping = screens.mapping;
        if (v.spotlit && v.target_rect_known)
            s.mapping = fitted(v.thumbnail ? v.visible_bounds : v.target_rect, screens.main, ext);
        if (v.target_rect_known && v.thumbnail) {
            s.thumbnail = mirror_geometry(v.target_rect, v.visible_bounds, ext, s.mapping);
            s.thumbnail_known = true;
            s.box = s.thumbnail.box;
        } else if (v.target_rect_known) {
            s.box = mirror_box(v.target_rect, s.mapping);
            s.clip = mirror_clip(s.box, ext);
            s.clip_known = true;
        }
        if (v.target_is_foreground && !curtain) {
            if (v.target_rect_known)
                s.action = MIRROR_PLACED_UNDER_TARGET;
        } else if (fore_button_or_none && !v.target_is_foreground) {
            s.clip_known = s.thumbnail_known = false;
        } else if (v.target_rect_known && !(v.mirror_placed && same_box(v.mirror_box, s.box))) {
            // Moving a window to where it was last put changes nothing on the screen but costs a
            // full round of position messages.
            s.action = MIRROR_MOVED;
        }
    }
    return plan;
}

VisibilityAction plan_visibility(const VisibilityView &v)
{
    // An unticked entry's mirror is hidden whatever its target does: the target is not looked at.
    if (!v.ticked)
        return v.has_mirror ? MIRROR_HIDE : MIRROR_KEPT;
    // A target that has closed since the last rebuild has nothing left to show: its mirror
    // would keep the closed window's last picture on the external monitor.
    if (v.target_gone)
        return v.has_mirror ? MIRROR_HIDE : MIRROR_KEPT;
    if (!v.has_mirror)
        return MIRROR_MISSING;
    // A minimised window in front parks the button: the button's own pass sees to that.
    if (v.target_minimised || v.blank || v.outside_spotlight)
        return MIRROR_HIDE;
    return MIRROR_SHOW;
}

void stack_mirrors(const WindowId *targets, int count, const WindowId *met, int met_count, int *order)
{
    int place[MAX_WINDOWS];  // of each mirror sorted in so far: its window's place among those met, -1 for none
    for (int i = 0; i < count && i < MAX_WINDOWS; ++i) {
        int at = -1;
        for (int j = 0; j < met_count && at < 0; ++j)
            if (met[j] == targets[i])
                at = j;
        // The back-most first: sorted in as they come.
        int k = i;
        for (; k > 0 && place[k - 1] < at; --k) {
            order[k] = order[k - 1];
            place[k] = place[k - 1];
        }
        order[k] = i;
        place[k] = at;
    }
}
