// Placement and visibility of the catalogued mirrors: each pass gathers what the windows look
// like now, lets the rules decide, and applies the decision; thumbnails, the marker window and the
// pop-up mirrors follow the mirrors.
#include "mirror/placement.h"
#include "base/compositor.h"
#include "base/dpi.h"
#include "base/dpi_rules.h"
#include "base/platform.h"
#include "base/state.h"
#include "base/texts.h"
#include "base/trace.h"
#include "catalogue/catalogue.h"
#include "catalogue/checklist.h"
#include "display/displays.h"
#include "mirror/capture.h"
#include "mirror/marker_overlay.h"
#include "mirror/mirror_rules.h"
#include "mirror/mirror_window.h"
#include "mirror/popups.h"
#include "overlay/button.h"
#include "overlay/curtain.h"

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
    HWND owner_checked;  // the target whose class the owner steps last looked at
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

// A target that the user cannot see shows no mirror: minimised, or cloaked by the compositor (on another
// virtual desktop, say). Its tick stays, and its mirror comes back with it.
static bool out_of_view(HWND target)
{
    return IsIconic(target) || window_cloaked(target);
}

static int fore_entry = -1;  // from the placement pass to the marker, in the same iteration
static HWND spotlit;         // the window in the spotlight, or null

bool spotlight_on(void)
{
    return spotlit != NULL;
}

static void set_spotlight(HWND window)
{
    spotlit = window;
    trace(TXT_TR_SPOTLIGHT, window != NULL ? 1 : 0);
}

static int entry_of(const HWND__ *window)
{
    for (int i = 0; i < win_count; ++i)
        if (window != NULL && win_table[i].hwTarget == window)
            return i;
    return -1;
}

void press_spotlight_key(void)
{
    HWND front = GetForegroundWindow();
    int i = entry_of(front);
    bool mirrored = i >= 0 && row_ticked(i) && win_table[i].shown != 0;
    switch (press_spotlight(spotlit != NULL, mirrored)) {
    case SPOTLIGHT_STARTS:
        set_spotlight(front);
        break;
    case SPOTLIGHT_ENDS:
        set_spotlight(NULL);
        break;
    case SPOTLIGHT_REFUSED:
        trace_line(TXT_TR_SPOTLIGHT_REFUSED);
        break;
    }
}

// The spotlight ends by itself when its window closes, is minimised or unticked, or leaves the list.
static void check_spotlight(void)
{
    if (spotlit == NULL)
        return;
    int i = entry_of(spotlit);
    if (!spotlight_holds(i >= 0 && IsWindow(spotlit), i >= 0 && row_ticked(i), out_of_view(spotlit)))
        set_spotlight(NULL);
}

void start_mirrors(void)
{
    start_capture();
    start_popups();
    create_marker_overlay();
}

static void fetch_and_dispatch(HWND window)
{
    MSG msg;
    GetMessageA(&msg, window, 0, 0);
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

void pump_mirrors(void)
{
    // The entry just past the catalogue still holds a mirror after a shrink: pump it too. A hidden
    // mirror has no timer, so its fetch could wait for ever, and nothing to paint: what others may
    // post to it waits until it is shown.
    for (int i = 0; i < entries_with_next(win_count); ++i)
        if (win_table[i].hwMir != NULL && IsWindowVisible(win_table[i].hwMir))
            fetch_and_dispatch(win_table[i].hwMir);
    pump_marker_overlay();
    pump_popups();
}

// Each read of another program's window is a round trip to the window system: an unticked entry
// that is not in the foreground is not looked at.
static PlacementView placement_view(int index)
{
    const WinEntry &e = win_table[index];
    PlacementView v = {};
    v.has_mirror = e.hwMir != NULL;
    v.ticked = row_ticked(index);
    v.target_is_foreground = e.hwTarget == hwFore && hwFore != NULL;
    v.shown = e.shown;
    v.spotlit = spotlit != NULL && e.hwTarget == spotlit;
    if (!v.ticked && !v.target_is_foreground)
        return v;
    v.thumbnail = shows_thumbnail(e.hwMir);
    v.target_minimised = out_of_view(e.hwTarget);
    RECT r;
    v.target_rect_known = e.hwTarget != NULL && GetWindowRect(e.hwTarget, &r);
    if (v.target_rect_known)
        v.target_rect = screen_rect(r);
    if (v.target_rect_known && v.thumbnail)
        v.visible_bounds = visible_bounds_of(e.hwTarget, v.target_rect);
    if (v.has_mirror) {
        const Applied &done = applied_to(e.hwMir);
        v.mirror_placed = done.placed;
        v.mirror_box = done.box;
    }
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
    if (s.clip_known || s.thumbnail_known)
        set_mirror_mapping(e.hwMir, s.mapping);
    if (s.clip_known)
        clip_mirror(e.hwMir, s.clip);
    if (s.thumbnail_known) {
        // The box itself is cut: a region left from copying would hide part of the thumbnail.
        MirrorClip whole = {true, {0, 0, 0, 0}};
        clip_mirror(e.hwMir, whole);
        set_thumbnail_geometry(e.hwMir, s.thumbnail);
    }
}

// Registrations follow the entries before anything is placed: the entries past the catalogue
// give theirs up. A mirror's frame follows the way it paints.
static void follow_targets(void)
{
    for (int i = 0; i < MAX_WINDOWS; ++i) {
        const WinEntry &e = win_table[i];
        bool wanted = i < win_count && row_ticked(i) && e.hwTarget != NULL && IsWindow(e.hwTarget);
        CaptureChange change = capture_follows(e.hwMir, wanted ? e.hwTarget : NULL);
        if (change.refused)
            trace(TXT_TR_MIRROR_COPIES, i, change.result);
        if (change.method_changed)
            restyle_mirror(e.hwMir);
    }
}

int place_mirrors(void)
{
    follow_targets();
    check_spotlight();
    PlacementView views[MAX_WINDOWS];
    for (int i = 0; i < win_count; ++i)
        views[i] = placement_view(i);
    Screens screens = {main_area, ext_area, main_to_external()};
    PlacementPlan plan = plan_placement(views, win_count, hwFore == hwButton || hwFore == NULL, screens, curtain_on());
    for (int i = 0; i < win_count; ++i) {
        // The face goes to the button when its entry comes round, as the pass reaches it.
        if (i == plan.fore_index && plan.face != FACE_UNCHANGED)
            SendMessageA(hwButton, plan.face == FACE_MIRRORED ? BTN_STATE_ON : BTN_STATE_OFF, 0, 0);
        apply_placement(win_table[i], plan.steps[i]);
    }
    fore_entry = plan.fore_index;
    return plan.fore_index;
}

// Two browser classes show their content in an owned window; follow the owner instead. A window's
// class never changes: each target is looked at once. A window that has gone has no class.
static void substitute_owner(WinEntry &e)
{
    Applied *done = e.hwMir != NULL ? &applied_to(e.hwMir) : NULL;
    if (done != NULL && done->owner_checked == e.hwTarget)
        return;
    char class_name[TEXT_LEN];
    window_class(e.hwTarget, class_name);
    if (takes_owner_chrome(class_name))
        e.hwTarget = GetWindow(e.hwTarget, GW_OWNER);
    window_class(e.hwTarget, class_name);
    if (takes_owner_mozilla(class_name))
        e.hwTarget = GetWindow(e.hwTarget, GW_OWNER);
    if (done != NULL)
        done->owner_checked = e.hwTarget;
}

// The disc over the foreground window's mirror, where that mirror shows a thumbnail; a mirror that
// copies paints its own.
static void place_marker(void)
{
    const WinEntry *fore = fore_entry >= 0 && fore_entry < win_count ? &win_table[fore_entry] : NULL;
    bool thumbnail_shown = fore != NULL && IsWindowVisible(fore->hwMir) && shows_thumbnail(fore->hwMir);
    Box box = thumbnail_shown ? applied_to(fore->hwMir).box : Box{0, 0, 0, 0};
    Mapping mapping = thumbnail_shown ? mirror_mapping(fore->hwMir) : main_to_external();
    ScreenPoint cursor = {cursor_pos.x, cursor_pos.y};
    int disc = thumbnail_shown ? scale_to_dpi(DISC_SIZE, window_dpi(fore->hwMir)) : DISC_SIZE;
    place_marker_overlay(plan_marker_overlay(set_mousepointer != 0, thumbnail_shown, cursor, mapping, box, disc));
}

static PopupTarget popup_target(const WinEntry &e)
{
    PopupTarget t = {};
    t.window = (WindowId)e.hwTarget;
    t.thread = GetWindowThreadProcessId(e.hwTarget, NULL);
    t.in_front = e.hwTarget == hwFore;
    RECT r = {0, 0, 0, 0};
    GetWindowRect(e.hwTarget, &r);
    t.rect = screen_rect(r);
    return t;
}

void update_mirror_visibility(void)
{
    PopupTarget shown[MAX_WINDOWS];
    Mapping mappings[MAX_WINDOWS];
    int shown_count = 0;
    for (int i = 0; i < win_count; ++i) {
        WinEntry &e = win_table[i];
        substitute_owner(e);
        VisibilityView v = {};
        v.has_mirror = e.hwMir != NULL;
        v.ticked = row_ticked(i);
        if (v.ticked) {  // an unticked entry's target is not looked at
            v.target_gone = e.hwTarget == NULL || !IsWindow(e.hwTarget);
            v.target_minimised = out_of_view(e.hwTarget);
            v.blank = set_blank != 0;
            v.outside_spotlight = spotlit != NULL && e.hwTarget != spotlit;
        }
        VisibilityStep s = plan_visibility(v);
        if (s.action == MIRROR_SHOW || s.action == MIRROR_HIDE)
            show_mirror(e.hwMir, s.action == MIRROR_SHOW);
        else if (s.action == MIRROR_MISSING)
            trace(TXT_TR_MIRROR_NULL, i);
        if (s.shown >= 0)
            e.shown = s.shown;
        if (s.action == MIRROR_SHOW || s.action == MIRROR_HIDE)
            set_thumbnail_shown(e.hwMir, s.action == MIRROR_SHOW);
        if (s.action == MIRROR_SHOW) {
            mappings[shown_count] = mirror_mapping(e.hwMir);
            shown[shown_count++] = popup_target(e);
        }
    }
    place_marker();
    follow_popups(shown, mappings, shown_count);
}

int audience_windows(HWND *out, int max)
{
    // Front to back as the catalogue's last pass met their windows; a window it has not met yet, in front.
    int met_count = 0;
    const MetWindow *met = windows_met(&met_count);
    int place[MAX_WINDOWS];
    int n = 0;
    for (int i = 0; i < win_count && n < max; ++i) {
        const WinEntry &e = win_table[i];
        if (e.hwMir == NULL || !IsWindowVisible(e.hwMir))
            continue;
        int k = n++;
        int at = -1;
        for (int j = 0; j < met_count && at < 0; ++j)
            if (met[j].window == (WindowId)e.hwTarget)
                at = j;
        // The back-most first: sorted in as they come.
        for (; k > 0 && place[k - 1] < at; --k) {
            out[k] = out[k - 1];
            place[k] = place[k - 1];
        }
        out[k] = e.hwMir;
        place[k] = at;
    }
    n += popup_mirrors_shown(out + n, max - n);
    HWND marker = marker_window_shown();
    if (marker != NULL && n < max)
        out[n++] = marker;
    return n;
}

void release_mirrors(void)
{
    release_capture();
}
