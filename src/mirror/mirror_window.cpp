// Mirror creation, frames and painting. A mirror that paints by copy copies straight from the
// target's window DC to its own, with no bitmap in between, then draws the pointer marker while
// that switch is on; a mirror that shows a thumbnail leaves its picture to the compositor.
#include "mirror/mirror_window.h"
#include "base/platform.h"
#include "base/texts.h"
#include "base/trace.h"
#include "capture/capture.h"
#include "catalogue/catalogue.h"
#include "catalogue/catalogue_rules.h"
#include "display/audience_window.h"
#include "display/displays.h"
#include "mirror/marker.h"
#include "mirror/marker_rules.h"
#include <stdio.h>

enum { NAME_LEN = 32 };

static HWND entry_mirrors[MAX_WINDOWS];

// The mapping of each mirror that has been placed; one that has not uses the monitors' own.
static Mapping mappings[MAX_WINDOWS];
static bool mapped[MAX_WINDOWS];

// A mirror is made with a caption and a sizing frame, plus bit 0x80, which no mirror class
// gives a meaning (kept so the style reads as it always has). Once catalogued, a copying mirror
// takes the frame its target has: a bare popup for targets that draw their own caption. A
// thumbnail draws the target's own frame and caption: its mirror has none at all.
static const DWORD MIRROR_STYLE_CREATED = WS_CAPTION | WS_THICKFRAME | 0x00000080;
static const DWORD MIRROR_STYLE_FRAMED = WS_CAPTION | WS_THICKFRAME;
static const DWORD MIRROR_STYLE_BARE = WS_POPUP | WS_BORDER | WS_SYSMENU;
static const DWORD MIRROR_STYLE_THUMBNAIL = WS_POPUP | WS_SYSMENU;

static LRESULT CALLBACK mirror_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

HWND mirror_of(int index)
{
    return index >= 0 && index < MAX_WINDOWS ? entry_mirrors[index] : NULL;
}

static int index_of(const HWND__ *mirror)
{
    for (int k = 0; k < MAX_WINDOWS; ++k)
        if (mirror != NULL && entry_mirrors[k] == mirror)
            return k;
    return -1;
}

static HWND create_mirror(int index)
{
    char name[NAME_LEN];
    snprintf(name, sizeof name, TXT_MIRROR_NAME_FMT, index);
    if (register_window_class(name, mirror_proc, hInst, IDC_ARROW) == 0)
        return NULL;
    return CreateWindowExA(0, name, name, MIRROR_STYLE_CREATED, 0, 0, 1, 1, helper_owner(), NULL, hInst, NULL);
}

void make_entry_mirror(int index)
{
    HWND &mirror = entry_mirrors[index];
    if (mirror == NULL) {
        mirror = create_mirror(index);
        if (mirror != NULL)
            trace(TXT_TR_MIRROR_CREATED, index);
        join_audience_surface(mirror);
    }
    EnableWindow(mirror, FALSE);
    show_mirror(mirror, false);
    UpdateWindow(mirror);
}

void restyle_mirror(HWND mirror)
{
    // Whether the target draws its own caption travels with the mirror, in its user data.
    bool chrome_class = GetWindowLongPtrA(mirror, GWLP_USERDATA) != 0;
    DWORD style = shows_thumbnail(mirror) ? MIRROR_STYLE_THUMBNAIL
                                          : chrome_class ? MIRROR_STYLE_BARE : MIRROR_STYLE_FRAMED;
    // The visibility bit is kept: cleared under a shown window, it would leave the window on the
    // screen while the system takes it for hidden, so that hiding it would do nothing.
    // A mirror in the audience's window stays its child, without a frame: its copy shows its window's own, and
    // the window may be sized so small that a frame would leave no client area to paint.
    DWORD kept = (DWORD)GetWindowLongA(mirror, GWL_STYLE) & (WS_VISIBLE | WS_CHILD | WS_CLIPSIBLINGS);
    if (kept & WS_CHILD)
        style = MIRROR_STYLE_THUMBNAIL & ~WS_POPUP;
    SetWindowLongA(mirror, GWL_STYLE, (LONG)(style | kept));
    // The new style word has no WS_DISABLED, so it enables the mirror again: a click on the
    // external monitor would make the mirror the foreground window and bring the button there.
    EnableWindow(mirror, FALSE);
    // A thumbnail fills the client area, which must now be the whole window.
    SetWindowPos(mirror, NULL, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void apply_mirror_styles(void)
{
    char class_name[TEXT_LEN];
    for (int k = 0; k < win_count; ++k) {
        window_class(win_table[k].hwTarget, class_name);
        SetWindowLongPtrA(entry_mirrors[k], GWLP_USERDATA, is_chrome_class(class_name) ? 1 : 0);
        restyle_mirror(entry_mirrors[k]);
    }
}

void hide_mirrors_past_catalogue(void)
{
    for (int k = win_count; k < MAX_WINDOWS; ++k)
        show_mirror(entry_mirrors[k], false);
}

void label_mirror(int index, const char *title)
{
    char mirror_title[TEXT_LEN + 2];
    snprintf(mirror_title, sizeof mirror_title, TXT_MIRROR_TITLE_FMT, title);
    set_text_if_changed(entry_mirrors[index], mirror_title);
}

void refresh_mirror(int index)
{
    // A paint request makes another program run its painting code: only for a picture that is
    // copied and seen. The compositor keeps a thumbnail live by itself.
    HWND mirror = entry_mirrors[index];
    if (shows_thumbnail(mirror) || !IsWindowVisible(mirror))
        return;
    nudge_paint(win_table[index].hwTarget);
    SendMessageA(mirror, WM_PAINT, 0, 0);
}

void show_mirror(HWND mirror, bool shown)
{
    if (mirror == NULL || (IsWindowVisible(mirror) != 0) == shown)
        return;  // each call is a round of window messages: none when nothing changes
    if (shown) {
        start_repaint_timer(mirror);
        ShowWindow(mirror, SW_SHOWNOACTIVATE);
    } else {
        ShowWindow(mirror, SW_HIDE);
        KillTimer(mirror, REPAINT_TIMER);
    }
}

void set_mirror_mapping(int index, const Mapping &mapping)
{
    mappings[index] = mapping;
    mapped[index] = true;
}

Mapping mirror_mapping(const HWND__ *mirror)
{
    int k = index_of(mirror);
    return k >= 0 && mapped[k] ? mappings[k] : main_to_external();
}

// Into the mirror's window, or into `into` where given (the mirror asked to print itself).
static void copy_target_image(HWND mirror, HWND target, HDC into = NULL)
{
    RECT r = {0, 0, 0, 0};
    GetWindowRect(mirror, &r);
    bool scaled = mirror_mapping(mirror).scale != 1.0;
    ScreenRect t = {0, 0, 0, 0};
    if (scaled)  // a copy at 1:1 needs only the mirror's size: one read less on every paint
        read_window_rect(target, &t);
    CopyPart copy = copy_part({r.left, r.top, r.right, r.bottom}, t, scaled, main_area);
    if (into != NULL)
        copy_picture_into(into, target, copy);
    else
        copy_picture(mirror, target, copy);
}

// The mirror's picture into a device context that asks for it: the thumbnail's part of the window, or the copy
// with its disc.
static void on_print(HWND mirror, HDC dc)
{
    int k = index_of(mirror);
    HWND target = k >= 0 ? win_table[k].hwTarget : NULL;
    if (target == NULL || print_thumbnail(mirror, dc))
        return;
    copy_target_image(mirror, target, dc);
    if (marker_switch_on())
        print_marker(dc, mirror, target, mirror_mapping(mirror));
}

static void on_paint(HWND mirror)
{
    if (shows_thumbnail(mirror)) {
        PAINTSTRUCT ps;
        BeginPaint(mirror, &ps);
        EndPaint(mirror, &ps);
        return;
    }
    int k = index_of(mirror);
    HWND target = k >= 0 ? win_table[k].hwTarget : NULL;
    // The copy goes into the window being painted: a mirror that is in no entry must not
    // paint through a null handle, which would mean the whole screen. A hidden mirror shows
    // nothing, so it copies nothing; showing it brings a paint.
    if (target != NULL && IsWindowVisible(mirror))
        copy_target_image(mirror, target);
    // Without the marker the update region stays invalid, so the mirror keeps repainting
    // on every fetch; that is what keeps it live while the marker is off.
    if (marker_switch_on())
        paint_marker(mirror, target, mirror_mapping(mirror));
}

static LRESULT CALLBACK mirror_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:  // made hidden: its repaint timer starts when it is shown
    case WM_CLOSE:
        // A mirror lives as long as the program: closed from the keyboard or by another
        // program, its entry would lose its mirror for good.
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_PAINT:
        on_paint(window);
        return 0;
    case WM_PRINTCLIENT:
        on_print(window, (HDC)wParam);
        return 0;
    case WM_ERASEBKGND:
        return 0;
    case WM_TIMER:
        // Paint now rather than when the paint message comes round: a window system may hand
        // a window-filtered fetch the paint of only the front-most window that needs one
        // (Wine does), which would leave the mirrors behind the other windows waiting.
        repaint_now(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void pump_entry_mirrors(void)
{
    for (int i = 0; i < entries_with_next(win_count); ++i)
        if (entry_mirrors[i] != NULL && IsWindowVisible(entry_mirrors[i]))
            fetch_and_dispatch(entry_mirrors[i]);
}
