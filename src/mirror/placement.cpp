// Placement and visibility of the catalogued mirrors: each pass gathers what the windows look
// like now, lets the rules decide, and applies the decision; thumbnails, the marker window and the
// pop-up mirrors follow the mirrors.
#include "mirror/placement.h"
#include "backdrop/curtain.h"
#include "base/compositor.h"
#include "base/platform.h"
#include "base/step_times.h"
#include "base/texts.h"
#include "base/trace.h"
#include "capture/capture.h"
#include "catalogue/catalogue.h"
#include "catalogue/met_windows.h"
#include "catalogue/picks.h"
#include "display/displays.h"
#include "mirror/marker.h"
#include "mirror/mirror_window.h"
#include "mirror/screen_modes.h"
#include "popups/popups.h"

// What was last applied to each entry's mirror: its box and its cut. Asking the window system again
// on every pass costs more than the rest of the placement, and a mirror too small for its frame
// never stands exactly at its box, so it would be moved again on every pass.
struct Applied {
    bool placed;
    Box box;
    MirrorClip clip;
};
static Applied applied[MAX_WINDOWS];

static int fore_entry = -1;  // from the placement pass to the marker, in the same pass
static HWND hwFore;

void start_mirrors(void)
{
    // A mirror that has not been placed has no region: it shows whole.
    for (Applied &a : applied)
        a.clip.whole = true;
    start_capture();
    start_popups();
    create_marker_overlay();
}

void pump_mirrors(void)
{
    pump_entry_mirrors();
    pump_marker_overlay();
    pump_popups();
}

// Each read of another program's window is a round trip to the window system: an unticked entry
// that is not in the foreground is not looked at.
static PlacementView placement_view(int index)
{
    HWND target = win_table[index].hwTarget, mirror = mirror_of(index);
    PlacementView v = {};
    v.has_mirror = mirror != NULL;
    v.ticked = row_ticked(index);
    v.target_is_foreground = target == hwFore && hwFore != NULL;
    v.spotlit = spotlit_window() != NULL && target == spotlit_window();
    if (!v.ticked && !v.target_is_foreground)
        return v;
    v.thumbnail = shows_thumbnail(mirror);
    v.target_minimised = window_out_of_view(target);
    v.target_rect_known = read_window_rect(target, &v.target_rect);
    if (v.target_rect_known && v.thumbnail)
        v.visible_bounds = visible_bounds_of(target, v.target_rect);
    v.mirror_placed = applied[index].placed;
    v.mirror_box = applied[index].box;
    return v;
}

// A mirror that would reach past the external monitor is cut to it, so that no part of it
// ever covers the user's own screen.
static void clip_mirror(int index, const MirrorClip &clip)
{
    Applied &done = applied[index];
    if (done.clip.whole == clip.whole && (clip.whole || same_rect(done.clip.part, clip.part)))
        return;
    HWND mirror = mirror_of(index);
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

// Returns whether a stretched copy was painted again.
static bool apply_placement(int index, const PlacementStep &s)
{
    HWND mirror = mirror_of(index), target = win_table[index].hwTarget;
    // The mapping and the cut first: a copy painted in its new place must use the new ones.
    if (s.clip_known || s.thumbnail_known)
        set_mirror_mapping(index, s.mapping);
    if (s.clip_known)
        clip_mirror(index, s.clip);
    if (s.thumbnail_known) {
        // The box itself is cut: a region left from copying would hide part of the thumbnail.
        MirrorClip whole = {true, {0, 0, 0, 0}};
        clip_mirror(index, whole);
        set_thumbnail_geometry(mirror, s.thumbnail);
    }
    const Box &b = s.box;
    step_begins();
    if (s.action == MIRROR_MOVED)
        MoveWindow(mirror, b.x, b.y, b.width, b.height, TRUE);
    else if (s.action == MIRROR_PLACED_UNDER_TARGET)
        place_window(mirror, target, b.x, b.y, b.width, b.height);
    if (s.action == MIRROR_LEFT_ALONE)
        return false;
    step_ends(STEP_MOVE);
    applied[index].placed = true;
    applied[index].box = b;
    // A stretched copy is painted again at once, in its new place: while the zoom follows the pointer, a copy
    // left to its timer would show the last place's picture for a moment.
    if (!s.clip_known || s.mapping.scale == 1.0)
        return false;
    repaint_now(mirror);
    step_ends(STEP_REPAINT);
    return true;
}

// Registrations follow the entries before anything is placed: the entries past the catalogue
// give theirs up. A mirror's frame follows the way it paints.
static void follow_targets(void)
{
    for (int i = 0; i < MAX_WINDOWS; ++i) {
        HWND target = win_table[i].hwTarget, mirror = mirror_of(i);
        bool wanted = i < win_count && row_ticked(i) && target != NULL && IsWindow(target);
        CaptureChange change = capture_follows(mirror, wanted ? target : NULL);
        if (change.refused)
            trace(TXT_TR_MIRROR_COPIES, i, change.result);
        if (change.method_changed)
            restyle_mirror(mirror);
    }
}

PlacementResult place_mirrors(const AudiencePass &pass)
{
    hwFore = pass.fore;
    marker_sees(pass.fore, pass.cursor);
    follow_targets();
    check_spotlight();
    PlacementView views[MAX_WINDOWS];
    step_begins();
    for (int i = 0; i < win_count; ++i)
        views[i] = placement_view(i);
    Screens screens = {main_area, ext_area, audience_mapping(pass.cursor)};
    PlacementPlan plan = plan_placement(views, win_count, pass.fore_is_control || pass.fore == NULL, screens,
                                        curtain_on());
    step_ends(STEP_PLACEMENT);
    bool repainted = false;
    for (int i = 0; i < win_count; ++i)
        repainted = apply_placement(i, plan.steps[i]) || repainted;
    if (repainted) {
        step_begins();
        show_painted_now();
        step_ends(STEP_REPAINT);
    }
    fore_entry = plan.fore_index;
    PlacementResult result = {plan.fore_index, plan.face};
    return result;
}

static PopupTarget popup_target(HWND target)
{
    PopupTarget t = {};
    t.window = (WindowId)target;
    t.thread = GetWindowThreadProcessId(target, NULL);
    t.in_front = target == hwFore;
    read_window_rect(target, &t.rect);
    return t;
}

// The disc over the foreground window's mirror, where that mirror shows a thumbnail; a mirror that
// copies paints its own.
static void follow_with_marker(void)
{
    bool catalogued = fore_entry >= 0 && fore_entry < win_count;
    HWND mirror = catalogued ? mirror_of(fore_entry) : NULL;
    place_marker(mirror, catalogued ? applied[fore_entry].box : Box{0, 0, 0, 0}, mirror_mapping(mirror));
}

void update_mirror_visibility(void)
{
    PopupTarget shown[MAX_WINDOWS];
    Mapping mappings[MAX_WINDOWS];
    int shown_count = 0;
    take_owners();
    for (int i = 0; i < win_count; ++i) {
        HWND target = win_table[i].hwTarget, mirror = mirror_of(i), spotlit = spotlit_window();
        VisibilityView v = {};
        v.has_mirror = mirror != NULL;
        v.ticked = row_ticked(i);
        if (v.ticked) {  // an unticked entry's target is not looked at
            v.target_gone = target == NULL || !IsWindow(target);
            v.target_minimised = window_out_of_view(target);
            v.blank = audience_blank();
            v.outside_spotlight = spotlit != NULL && target != spotlit;
        }
        VisibilityAction action = plan_visibility(v);
        if (action == MIRROR_MISSING)
            trace(TXT_TR_MIRROR_NULL, i);
        if (action != MIRROR_SHOW && action != MIRROR_HIDE)
            continue;
        show_mirror(mirror, action == MIRROR_SHOW);
        set_thumbnail_shown(mirror, action == MIRROR_SHOW);
        if (action == MIRROR_SHOW) {
            mappings[shown_count] = mirror_mapping(mirror);
            shown[shown_count++] = popup_target(target);
        }
    }
    follow_with_marker();
    follow_popups(shown, mappings, shown_count);
}

int audience_windows(HWND *out, int max)
{
    // The shown mirrors as their windows stand, then the pop-up mirrors and the marker above them.
    int met_count = 0;
    const MetWindow *met = windows_met(&met_count);
    static WindowId met_ids[MAX_MET];
    for (int j = 0; j < met_count; ++j)
        met_ids[j] = met[j].window;
    HWND mirrors[MAX_WINDOWS];
    WindowId targets[MAX_WINDOWS];
    int n = 0;
    for (int i = 0; i < win_count && n < max; ++i) {
        HWND mirror = mirror_of(i);
        if (mirror == NULL || !IsWindowVisible(mirror))
            continue;
        mirrors[n] = mirror;
        targets[n++] = (WindowId)win_table[i].hwTarget;
    }
    int order[MAX_WINDOWS];
    stack_mirrors(targets, n, met_ids, met_count, order);
    for (int k = 0; k < n; ++k)
        out[k] = mirrors[order[k]];
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

bool shown_mirror_box(int index, Box *box)
{
    HWND mirror = mirror_of(index);
    if (mirror == NULL || !IsWindowVisible(mirror) || !applied[index].placed)
        return false;
    *box = applied[index].box;
    return true;
}
