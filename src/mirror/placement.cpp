// Placement and visibility of the catalogued mirrors: each pass gathers what the windows look
// like now, lets the rules decide, and applies the decision.
#include "mirror/placement.h"
#include "base/platform.h"
#include "base/state.h"
#include "base/texts.h"
#include "base/trace.h"
#include "catalogue/checklist.h"
#include "mirror/mirror_rules.h"
#include "overlay/button.h"

static ScreenRect screen_rect(const RECT &r)
{
    ScreenRect s = {r.left, r.top, r.right, r.bottom};
    return s;
}

// What was last applied to each mirror: its box and its cut. Asking the window system again
// on every pass costs more than the rest of the placement, and a mirror too small for its frame
// never stands exactly at its box, so it would be moved again on every pass.
struct Applied {
    HWND mirror;
    bool placed;
    Box box;
    MirrorClip clip;
};
static Applied applied[MAX_WINDOWS];

static Applied &applied_to(HWND mirror)
{
    for (Applied &a : applied)
        if (a.mirror == mirror)
            return a;
    // A mirror seen for the first time has not been placed and has no region: it shows whole.
    for (Applied &a : applied) {
        if (a.mirror == NULL) {
            a.mirror = mirror;
            a.clip.whole = true;
            return a;
        }
    }
    return applied[0];  // there are never more mirrors than entries
}

static PlacementView placement_view(const WinEntry &e)
{
    PlacementView v = {};
    v.has_mirror = e.hwMir != NULL;
    v.target_minimised = IsIconic(e.hwTarget) != 0;
    v.target_is_foreground = e.hwTarget == hwFore && hwFore != NULL;
    RECT r;
    v.target_rect_known = e.hwTarget != NULL && GetWindowRect(e.hwTarget, &r);
    if (v.target_rect_known)
        v.target_rect = screen_rect(r);
    if (v.has_mirror) {
        const Applied &done = applied_to(e.hwMir);
        v.mirror_placed = done.placed;
        v.mirror_box = done.box;
    }
    v.shown = e.shown;
    return v;
}

static bool same_clip(const MirrorClip &a, const MirrorClip &b)
{
    return a.whole == b.whole && (a.whole || (a.part.left == b.part.left && a.part.top == b.part.top &&
                                              a.part.right == b.part.right && a.part.bottom == b.part.bottom));
}

// A mirror that would reach past the external monitor is cut to it, so that no part of it
// ever covers the user's own screen.
static void clip_mirror(HWND mirror, const MirrorClip &clip)
{
    Applied &done = applied_to(mirror);
    if (same_clip(done.clip, clip))
        return;
    if (clip.whole) {
        SetWindowRgn(mirror, NULL, TRUE);
    } else {
        // Once set, the window owns the region and deletes it with the next one.
        const ScreenRect &p = clip.part;
        HRGN region = CreateRectRgn(p.left, p.top, p.right, p.bottom);
        if (!SetWindowRgn(mirror, region, TRUE)) {
            DeleteObject(region);
            return;
        }
    }
    done.clip = clip;
}

static void apply_placement(const WinEntry &e, const PlacementStep &s)
{
    const Box &b = s.box;
    switch (s.action) {
    case MIRROR_LEFT_ALONE:
        break;
    case MIRROR_HIDDEN:
        ShowWindow(e.hwMir, SW_HIDE);
        return;
    case MIRROR_MOVED:
        MoveWindow(e.hwMir, b.x, b.y, b.width, b.height, TRUE);
        break;
    case MIRROR_PLACED_UNDER_TARGET:
        place_window(e.hwMir, e.hwTarget, b.x, b.y, b.width, b.height);
        break;
    }
    if (s.action == MIRROR_MOVED || s.action == MIRROR_PLACED_UNDER_TARGET) {
        Applied &done = applied_to(e.hwMir);
        done.placed = true;
        done.box = b;
    }
    if (s.clip_known)
        clip_mirror(e.hwMir, s.clip);
}

int place_mirrors(void)
{
    PlacementView views[MAX_WINDOWS];
    for (int i = 0; i < win_count; ++i)
        views[i] = placement_view(win_table[i]);
    PlacementPlan plan = plan_placement(views, win_count, hwFore == hwButton || hwFore == NULL, ext_area);
    for (int i = 0; i < win_count; ++i) {
        // The face goes to the button when its entry comes round, as the pass reaches it.
        if (i == plan.fore_index && plan.face != FACE_UNCHANGED)
            SendMessageA(hwButton, plan.face == FACE_MIRRORED ? BTN_STATE_ON : BTN_STATE_OFF, 0, 0);
        apply_placement(win_table[i], plan.steps[i]);
    }
    return plan.fore_index;
}

// Two browser classes show their content in an owned window; follow the owner instead.
static void substitute_owner(WinEntry &e)
{
    char class_name[TEXT_LEN];
    window_class(e.hwTarget, class_name);
    if (takes_owner_chrome(class_name))
        e.hwTarget = GetWindow(e.hwTarget, GW_OWNER);
    window_class(e.hwTarget, class_name);
    if (takes_owner_mozilla(class_name))
        e.hwTarget = GetWindow(e.hwTarget, GW_OWNER);
}

void update_mirror_visibility(void)
{
    for (int i = 0; i < win_count; ++i) {
        WinEntry &e = win_table[i];
        VisibilityView v = {};
        v.target_gone = e.hwTarget == NULL || !IsWindow(e.hwTarget);
        if (!v.target_gone)
            substitute_owner(e);
        v.has_mirror = e.hwMir != NULL;
        v.ticked = row_ticked(i);
        v.target_minimised = IsIconic(e.hwTarget) != 0;
        v.target_is_foreground = e.hwTarget == hwFore;
        VisibilityStep s = plan_visibility(v);
        if (s.park_button)
            park_button(HWND_TOPMOST);
        if (s.action == MIRROR_SHOW)
            ShowWindow(e.hwMir, SW_SHOWNOACTIVATE);
        else if (s.action == MIRROR_HIDE)
            ShowWindow(e.hwMir, SW_HIDE);
        else if (s.action == MIRROR_MISSING)
            trace(TXT_TR_MIRROR_NULL, i);
        if (s.shown >= 0)
            e.shown = s.shown;
    }
}
