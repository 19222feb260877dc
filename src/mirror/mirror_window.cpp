// Mirror creation, frames and painting. A mirror that paints by copy copies straight from the
// target's window DC to its own, with no bitmap in between, then draws the pointer marker while
// that switch is on; a mirror that shows a thumbnail leaves its picture to the compositor.
#include "mirror/mirror_window.h"
#include "base/dpi.h"
#include "base/dpi_rules.h"
#include "base/platform.h"
#include "base/texts.h"
#include "base/trace.h"
#include "display/displays.h"
#include "mirror/capture.h"
#include "mirror/mirror_rules.h"
#include <stdio.h>

enum { NAME_LEN = 32 };

// A mirror is made with a caption and a sizing frame, plus bit 0x80, which no mirror class
// gives a meaning (kept so the style reads as it always has). Once catalogued, a copying mirror
// takes the frame its target has: a bare popup for targets that draw their own caption. A
// thumbnail draws the target's own frame and caption: its mirror has none at all.
static const DWORD MIRROR_STYLE_CREATED = WS_CAPTION | WS_THICKFRAME | 0x00000080;
static const DWORD MIRROR_STYLE_FRAMED = WS_CAPTION | WS_THICKFRAME;
static const DWORD MIRROR_STYLE_BARE = WS_POPUP | WS_BORDER | WS_SYSMENU;
static const DWORD MIRROR_STYLE_THUMBNAIL = WS_POPUP | WS_SYSMENU;

HWND create_mirror(int index)
{
    char name[NAME_LEN];
    snprintf(name, sizeof name, TXT_MIRROR_NAME_FMT, index);
    if (register_window_class(name, mirror_proc, hInst, IDC_ARROW) == 0)
        return NULL;
    return CreateWindowExA(0, name, name, MIRROR_STYLE_CREATED, 0, 0, 1, 1, hwHelperOwner, NULL, hInst, NULL);
}

void restyle_mirror(HWND mirror)
{
    // Whether the target draws its own caption travels with the mirror, in its user data.
    bool chrome_class = GetWindowLongPtrA(mirror, GWLP_USERDATA) != 0;
    DWORD style = shows_thumbnail(mirror) ? MIRROR_STYLE_THUMBNAIL
                                          : chrome_class ? MIRROR_STYLE_BARE : MIRROR_STYLE_FRAMED;
    // The visibility bit is kept: cleared under a shown window, it would leave the window on the
    // screen while the system takes it for hidden, so that hiding it would do nothing.
    SetWindowLongA(mirror, GWL_STYLE, (LONG)(style | (GetWindowLongA(mirror, GWL_STYLE) & WS_VISIBLE)));
    // The new style word has no WS_DISABLED, so it enables the mirror again: a click on the
    // external monitor would make the mirror the foreground window and bring the button there.
    EnableWindow(mirror, FALSE);
    // A thumbnail fills the client area, which must now be the whole window.
    SetWindowPos(mirror, NULL, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void style_mirror_for(HWND mirror, bool chrome_class)
{
    SetWindowLongPtrA(mirror, GWLP_USERDATA, chrome_class ? 1 : 0);
    restyle_mirror(mirror);
}

void refresh_mirror(int index)
{
    // A paint request makes another program run its painting code: only for a picture that is
    // copied and seen. The compositor keeps a thumbnail live by itself.
    const WinEntry &e = win_table[index];
    if (shows_thumbnail(e.hwMir) || !IsWindowVisible(e.hwMir))
        return;
    nudge_paint(e.hwTarget);
    SendMessageA(e.hwMir, WM_PAINT, 0, 0);
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

// The entry that holds this mirror, or entry 0 when none does (as during creation).
static const WinEntry &entry_of(const HWND__ *mirror)
{
    for (int k = 0; k < MAX_WINDOWS; ++k)
        if (win_table[k].hwMir == mirror)
            return win_table[k];
    return win_table[0];
}

// The mapping of each mirror that has been placed; one that has not uses the monitors' own.
struct MirrorMapping {
    HWND mirror;
    Mapping mapping;
};
static MirrorMapping mappings[MAX_WINDOWS];

void set_mirror_mapping(HWND mirror, const Mapping &mapping)
{
    for (MirrorMapping &m : mappings) {
        if (m.mirror == mirror || m.mirror == NULL) {
            m.mirror = mirror;
            m.mapping = mapping;
            return;
        }
    }
}

Mapping mirror_mapping(const HWND__ *mirror)
{
    for (const MirrorMapping &m : mappings)
        if (m.mirror == mirror)
            return m.mapping;
    return main_to_external();
}

static void copy_target_image(HWND mirror, HWND target)
{
    RECT r = {0, 0, 0, 0};
    GetWindowRect(mirror, &r);
    if (mirror_mapping(mirror).scale != 1.0) {
        // The whole window, stretched to the mirror's size.
        RECT t = {0, 0, 0, 0};
        GetWindowRect(target, &t);
        ScreenRect whole = {0, 0, t.right - t.left, t.bottom - t.top};
        copy_picture(mirror, target, whole, r.right - r.left, r.bottom - r.top);
        return;
    }
    // At most the main monitor's size, and no more than the mirror can show: the rest would
    // be clipped anyway, and every pixel read costs a read back from the display.
    int width = main_area.width < r.right - r.left ? main_area.width : r.right - r.left;
    int height = main_area.height < r.bottom - r.top ? main_area.height : r.bottom - r.top;
    ScreenRect whole = {0, 0, width, height};
    copy_picture(mirror, target, whole, width, height);
}

static void paint_marker(HWND mirror, HWND target)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(mirror, &ps);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    HGDIOBJ previous = SelectObject(dc, red);
    // With no foreground window and no target there is nothing to point into.
    if (target == hwFore && hwFore != NULL)
        draw_pointer_marker(dc, mirror, target, cursor_pos.x, cursor_pos.y);
    SelectObject(dc, previous);
    DeleteObject(red);
    EndPaint(mirror, &ps);
}

static void on_paint(HWND mirror)
{
    if (shows_thumbnail(mirror)) {
        PAINTSTRUCT ps;
        BeginPaint(mirror, &ps);
        EndPaint(mirror, &ps);
        return;
    }
    HWND target = entry_of(mirror).hwTarget;
    // The copy goes into the window being painted: a mirror that is in no entry must not
    // paint through a null handle, which would mean the whole screen. A hidden mirror shows
    // nothing, so it copies nothing; showing it brings a paint.
    if (target != NULL && IsWindowVisible(mirror))
        copy_target_image(mirror, target);
    // Without the marker the update region stays invalid, so the mirror keeps repainting
    // on every fetch; that is what keeps it live while the marker is off.
    if (set_mousepointer)
        paint_marker(mirror, target);
}

LRESULT CALLBACK mirror_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
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

void draw_pointer_marker(HDC dc, HWND mirror, HWND target, int x, int y)
{
    Mapping mapping = mirror_mapping(mirror);
    bool maximised = IsZoomed(target) != 0;
    char class_name[TEXT_LEN];
    window_class(target, class_name);
    ScreenPoint normal_origin = {0, 0};
    if (!maximised && mapping.scale == 1.0) {
        WINDOWPLACEMENT wp = {};
        wp.length = sizeof wp;
        if (!GetWindowPlacement(target, &wp)) {
            // No place to put the disc: say so and leave the mirror's image alone.
            trace_line(TXT_TR_PLACEMENT_FAILED);
            return;
        }
        normal_origin = {wp.rcNormalPosition.left, wp.rcNormalPosition.top};
    }
    POINT client = {0, 0};
    ClientToScreen(mirror, &client);
    ScreenPoint cursor = {x, y}, client_origin = {client.x, client.y};
    int disc = scale_to_dpi(DISC_SIZE, window_dpi(mirror));
    ScreenRect r = marker_box(mapping, maximised, is_chrome_class(class_name), cursor, normal_origin, client_origin, disc);
    Ellipse(dc, r.left, r.top, r.right, r.bottom);
}
