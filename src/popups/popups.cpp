// The pool of pop-up mirrors: the windows that might follow (the shown targets' threads' windows, and
// what the catalogue's pass met, with what it knows of each: owners, thread, process), the rule's choice
// applied to the pool, and the pool's painting.
#include "popups/popups.h"
#include "base/compositor.h"
#include "base/platform.h"
#include "base/settings.h"
#include "base/texts.h"
#include "base/trace.h"
#include "capture/capture.h"
#include "catalogue/met_windows.h"
#include "display/audience_window.h"
#include "display/displays.h"
#include <stdio.h>

static bool popups_on = true;

struct Slot {
    HWND mirror;
    HWND popup;  // the pop-up it shows, or null
    MirrorGeometry geometry;
    bool placed;  // shown at geometry.box
};
static Slot pool[MAX_POPUPS];
static int stacked[MAX_POPUPS];  // slots front to back as last stacked
static int stacked_count;
static bool overflow_traced;

static Slot *slot_of(const HWND__ *mirror)
{
    for (Slot &s : pool)
        if (s.mirror == mirror)
            return &s;
    return NULL;
}

static void on_paint(HWND window)
{
    PAINTSTRUCT ps;
    BeginPaint(window, &ps);
    EndPaint(window, &ps);
    // A thumbnail paints itself; a copy is taken straight from the pop-up's window.
    const Slot *s = slot_of(window);
    if (s != NULL && s->popup != NULL && !shows_thumbnail(window) && IsWindowVisible(window))
        copy_picture(window, s->popup, {s->geometry.source, s->geometry.box.width, s->geometry.box.height});
}

// The same picture into a device context that asks for it.
static void on_print(HWND window, HDC dc)
{
    const Slot *s = slot_of(window);
    if (s != NULL && s->popup != NULL && !print_thumbnail(window, dc))
        copy_picture_into(dc, s->popup, {s->geometry.source, s->geometry.box.width, s->geometry.box.height});
}

static LRESULT CALLBACK popup_mirror_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        on_paint(window);
        return 0;
    case WM_PRINTCLIENT:
        on_print(window, (HDC)wParam);
        return 0;
    case WM_ERASEBKGND:
    case WM_CLOSE:  // lives as long as the program, like the other helpers
        return 0;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void start_popups(void)
{
    read_setting_with(TXT_SECTION_MIRROR, TXT_KEY_POPUPS, read_popups_setting, &popups_on, TXT_TR_POPUPS_UNREADABLE);
    trace(TXT_TR_POPUPS, popups_on ? TXT_YES : TXT_NO);
    if (!popups_on || register_window_class(TXT_POPUP_MIRROR_CLASS, popup_mirror_proc, hInst, IDC_ARROW) == 0)
        return;
    // Helpers like the window mirrors: owned (no taskbar button), disabled (a click takes nothing), never
    // activated, topmost above the window mirrors. The title keeps them off the checklist.
    for (int i = 0; i < MAX_POPUPS; ++i) {
        char title[32];
        snprintf(title, sizeof title, TXT_POPUP_MIRROR_TITLE_FMT, i);
        pool[i].mirror = CreateWindowExA(WS_EX_TOPMOST | WS_EX_NOACTIVATE, TXT_POPUP_MIRROR_CLASS, title,
                                         WS_POPUP | WS_DISABLED, 0, 0, 1, 1, helper_owner(), NULL, hInst, NULL);
        join_audience_surface(pool[i].mirror);
    }
}

// The rectangle of a window the rule could take, and whether it still shows: read afresh on every pass,
// so that a pop-up that closes, hides, moves or is cloaked is followed at once.
static void read_state(HWND window, PopupCandidate &c)
{
    LONG style = GetWindowLongA(window, GWL_STYLE);
    c.visible = (style & WS_VISIBLE) != 0;
    c.minimised = (style & WS_MINIMIZE) != 0;
    c.cloaked = c.visible && window_cloaked(window);
    c.rect_known = read_window_rect(window, &c.rect);
}

// Only windows owned by a target or on a target's thread can follow: no other window's rectangle is read.
static bool may_concern(const MetWindow &f, const PopupTarget *targets, int count)
{
    for (int t = 0; t < count; ++t) {
        if (f.thread == targets[t].thread)
            return true;
        for (int k = 0; k < f.owner_count; ++k)
            if (f.owners[k] == targets[t].window)
                return true;
    }
    return false;
}

// The candidates, front to back: first the shown windows of the targets' own threads, listed afresh on
// every pass (a window's menus, lists and tooltips are nearly always its own thread's), so that a pop-up
// shows at the end of the pass it opened in; then the other windows that the catalogue's last pass met,
// for what a window owns on another thread or in another process.
struct Gathering {
    const PopupTarget *targets;
    int target_count;
    PopupCandidate *out;
    int count;
};

static bool on_a_target_thread(unsigned thread, const PopupTarget *targets, int count)
{
    for (int t = 0; t < count; ++t)
        if (thread == targets[t].thread)
            return true;
    return false;
}

static void add_candidate(Gathering &g, HWND window, const MetWindow &f)
{
    PopupCandidate &c = g.out[g.count++];
    c = {};
    c.window = f.window;
    c.ours = f.ours;
    c.listable = f.listable;
    c.owner_count = f.owner_count;
    for (int k = 0; k < f.owner_count; ++k)
        c.owners[k] = f.owners[k];
    c.thread = f.thread;
    if (!c.ours && !c.listable && may_concern(f, g.targets, g.target_count))
        read_state(window, c);
}

static BOOL CALLBACK add_thread_window(HWND window, LPARAM data)
{
    Gathering &g = *(Gathering *)data;
    if (g.count >= MAX_MET)  // full from an earlier thread's windows
        return FALSE;
    // Most of a thread's windows are hidden: one read tells.
    LONG style = GetWindowLongA(window, GWL_STYLE);
    if ((style & WS_VISIBLE) != 0 && (style & WS_MINIMIZE) == 0)
        add_candidate(g, window, facts_of_window(window, -1));
    return g.count < MAX_MET;
}

static int gather_candidates(const PopupTarget *targets, int count, PopupCandidate *out)
{
    Gathering g = {targets, count, out, 0};
    for (int t = 0; t < count; ++t)
        if (!on_a_target_thread(targets[t].thread, targets, t))  // each thread once
            EnumThreadWindows(targets[t].thread, add_thread_window, (LPARAM)&g);
    int met_count = 0;
    const MetWindow *met = windows_met(&met_count);
    for (int i = 0; i < met_count && g.count < MAX_MET; ++i)
        if (!on_a_target_thread(met[i].thread, targets, count))
            add_candidate(g, (HWND)met[i].window, met[i]);
    return g.count;
}

static void hide_slot(Slot &s)
{
    if (s.placed)
        ShowWindow(s.mirror, SW_HIDE);
    s.placed = false;
}

static void release_slot(Slot &s)
{
    if (s.popup == NULL)
        return;
    hide_slot(s);
    capture_follows(s.mirror, NULL);
    s.popup = NULL;
}

static Slot *slot_for(const HWND__ *popup)
{
    for (Slot &s : pool)
        if (s.popup == popup)
            return &s;
    for (Slot &s : pool)
        if (s.popup == NULL && s.mirror != NULL)
            return &s;
    return NULL;
}

static bool followed(const PopupPlan &plan, const PopupCandidate *candidates, const HWND__ *popup)
{
    for (int k = 0; k < plan.count; ++k)
        if ((HWND)candidates[plan.follows[k].candidate].window == popup)
            return true;
    return false;
}

// Shows the slot's pop-up at its place, or hides the slot when nothing of it is on the external monitor.
static bool show_slot(Slot &s, HWND popup, const ScreenRect &rect, const Mapping &mapping)
{
    Box was = s.geometry.box;
    s.popup = popup;
    s.geometry = mirror_geometry(rect, visible_bounds_of(popup, rect), ext_area, mapping);
    CaptureChange change = capture_follows(s.mirror, popup);
    if (change.refused)
        trace(TXT_TR_POPUP_COPIES, (int)(&s - pool), change.result);
    if (s.geometry.empty) {
        hide_slot(s);
        return false;
    }
    const Box &b = s.geometry.box;
    if (!s.placed || !same_box(was, b))
        SetWindowPos(s.mirror, NULL, b.x, b.y, b.width, b.height, SWP_NOACTIVATE | SWP_NOZORDER | SWP_SHOWWINDOW);
    s.placed = true;
    set_thumbnail_geometry(s.mirror, s.geometry);
    set_thumbnail_shown(s.mirror, true);
    return true;
}

// Front-most on top: each slot is put at the top of the topmost group, the back-most first. Only when
// the order has changed: restacking is a round of messages for every window.
static void stack(const int *order, int count)
{
    bool same = count == stacked_count;
    for (int k = 0; k < count && same; ++k)
        same = order[k] == stacked[k];
    if (same)
        return;
    for (int k = count - 1; k >= 0; --k)
        SetWindowPos(pool[order[k]].mirror, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
    for (int k = 0; k < count; ++k)
        stacked[k] = order[k];
    stacked_count = count;
}

static void apply(const PopupPlan &plan, const PopupCandidate *candidates, const Mapping *mappings)
{
    for (Slot &s : pool)
        if (s.popup != NULL && !followed(plan, candidates, s.popup))
            release_slot(s);
    int order[MAX_POPUPS];
    int shown = 0;
    for (int k = 0; k < plan.count; ++k) {
        const PopupCandidate &c = candidates[plan.follows[k].candidate];
        Slot *s = slot_for((HWND)c.window);
        if (s != NULL && show_slot(*s, (HWND)c.window, c.rect, mappings[plan.follows[k].target]))
            order[shown++] = (int)(s - pool);
    }
    stack(order, shown);
    for (int k = 0; k < shown; ++k)
        if (!shows_thumbnail(pool[order[k]].mirror))
            repaint_now(pool[order[k]].mirror);
    if (plan.more && !overflow_traced) {
        trace(TXT_TR_POPUPS_FULL, MAX_POPUPS, MAX_POPUPS);
        overflow_traced = true;
    }
}

void follow_popups(const PopupTarget *targets, const Mapping *mappings, int count)
{
    static PopupCandidate candidates[MAX_MET];
    if (!popups_on || count == 0) {
        for (Slot &s : pool)
            release_slot(s);
        stack(NULL, 0);
        return;
    }
    int candidate_count = gather_candidates(targets, count, candidates);
    apply(plan_popups(targets, count, candidates, candidate_count), candidates, mappings);
}

void pump_popups(void)
{
    for (const Slot &s : pool)
        dispatch_waiting(s.mirror);
}

int popup_mirrors_shown(HWND *out, int max)
{
    int n = 0;
    for (int k = stacked_count - 1; k >= 0 && n < max; --k)
        out[n++] = pool[stacked[k]].mirror;
    return n;
}
