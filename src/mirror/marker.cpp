// The marker's switch and its view of the pass; the disc drawn into a copy; the disc's own window over a
// thumbnail: a layered, click-through popup cut to a disc, painted red.
#include "mirror/marker.h"
#include "base/dpi.h"
#include "base/dpi_rules.h"
#include "base/platform.h"
#include "base/texts.h"
#include "base/trace.h"
#include "capture/capture.h"
#include "display/audience_window.h"
#include "mirror/marker_rules.h"

static bool marker_switch = true;
static HWND fore_window;  // as the last pass captured it
static POINT cursor_pos;

static HWND overlay;
static HBRUSH red;
static bool shown;
static MarkerOverlay placed;  // the plan last applied while shown

static LRESULT CALLBACK marker_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        FillRect(dc, &ps.rcPaint, red);
        EndPaint(window, &ps);
        return 0;
    }
    case WM_PRINTCLIENT: {  // the disc's region cuts it, as on the screen
        RECT all = {0, 0, 0, 0};
        GetClientRect(window, &all);
        FillRect((HDC)wParam, &all, red);
        return 0;
    }
    case WM_ERASEBKGND:
    case WM_CLOSE:  // lives as long as the program, like the other helpers
        return 0;
    case WM_DESTROY:
        DeleteObject(red);
        red = NULL;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void create_marker_overlay(void)
{
    if (register_window_class(TXT_MARKER_CLASS, marker_proc, hInst, IDC_ARROW) == 0)
        return;
    red = CreateSolidBrush(RGB(255, 0, 0));
    // Layered and transparent: clicks go to whatever lies beneath. No title: never listed.
    overlay = CreateWindowExA(WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW,
                              TXT_MARKER_CLASS, "", WS_POPUP, 0, 0, 20, 20, helper_owner(), NULL, hInst, NULL);
    // A layered window shows nothing until its attributes are set.
    SetLayeredWindowAttributes(overlay, 0, 255, LWA_ALPHA);
    join_audience_surface(overlay);
}

static void show_overlay(const MarkerOverlay &plan)
{
    if (overlay == NULL)
        return;
    if (!plan.shown) {
        if (shown)
            ShowWindow(overlay, SW_HIDE);
        shown = false;
        return;
    }
    if (shown && same_box(plan.box, placed.box) && same_rect(plan.disc, placed.disc))
        return;
    // Once set, the window owns the region and deletes it with the next one.
    const ScreenRect &d = plan.disc;
    HRGN disc = CreateEllipticRgn(d.left, d.top, d.right, d.bottom);
    if (!SetWindowRgn(overlay, disc, FALSE))
        DeleteObject(disc);
    // Topmost: the foreground window's mirror is stacked right under its window on every pass,
    // which would otherwise put it over the disc. Nothing of the user's is on that monitor.
    SetWindowPos(overlay, HWND_TOPMOST, plan.box.x, plan.box.y, plan.box.width, plan.box.height,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    repaint_now(overlay);
    shown = true;
    placed = plan;
}

void pump_marker_overlay(void)
{
    dispatch_waiting(overlay);
}

HWND marker_window_shown(void)
{
    return shown ? overlay : NULL;
}

bool marker_switch_on(void)
{
    return marker_switch;
}

void set_marker_switch(bool on)
{
    marker_switch = on;
}

void marker_sees(HWND fore, POINT cursor)
{
    fore_window = fore;
    cursor_pos = cursor;
}

void place_marker(HWND fore_mirror, const Box &box, const Mapping &mapping)
{
    bool thumbnail_shown = fore_mirror != NULL && IsWindowVisible(fore_mirror) && shows_thumbnail(fore_mirror);
    ScreenPoint cursor = {cursor_pos.x, cursor_pos.y};
    int disc = thumbnail_shown ? scale_to_dpi(DISC_SIZE, window_dpi(fore_mirror)) : DISC_SIZE;
    show_overlay(plan_marker_overlay(marker_switch, thumbnail_shown, cursor, mapping,
                                     thumbnail_shown ? box : Box{0, 0, 0, 0}, disc));
}

// The disc for the pointer at (x, y), screen coordinates, with the brush selected in dc, placed for the target.
static void draw_pointer_marker(HDC dc, HWND mirror, HWND target, const Mapping &mapping, int x, int y)
{
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

void paint_marker(HWND mirror, HWND target, const Mapping &mapping)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(mirror, &ps);
    print_marker(dc, mirror, target, mapping);
    EndPaint(mirror, &ps);
}

void print_marker(HDC dc, HWND mirror, HWND target, const Mapping &mapping)
{
    HBRUSH brush = CreateSolidBrush(RGB(255, 0, 0));
    HGDIOBJ previous = SelectObject(dc, brush);
    // With no foreground window and no target there is nothing to point into.
    if (target == fore_window && fore_window != NULL)
        draw_pointer_marker(dc, mirror, target, mapping, cursor_pos.x, cursor_pos.y);
    SelectObject(dc, previous);
    DeleteObject(brush);
}
