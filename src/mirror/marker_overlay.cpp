// The marker window: a layered, click-through popup cut to a disc, painted red.
#include "mirror/marker_overlay.h"
#include "base/platform.h"
#include "base/state.h"
#include "base/texts.h"

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
                              TXT_MARKER_CLASS, "", WS_POPUP, 0, 0, 20, 20, hwHelperOwner, NULL, hInst, NULL);
    // A layered window shows nothing until its attributes are set.
    SetLayeredWindowAttributes(overlay, 0, 255, LWA_ALPHA);
}

static bool same_plan(const MarkerOverlay &a, const MarkerOverlay &b)
{
    return a.box.x == b.box.x && a.box.y == b.box.y && a.box.width == b.box.width && a.box.height == b.box.height &&
           a.disc.left == b.disc.left && a.disc.top == b.disc.top && a.disc.right == b.disc.right &&
           a.disc.bottom == b.disc.bottom;
}

void place_marker_overlay(const MarkerOverlay &plan)
{
    if (overlay == NULL)
        return;
    if (!plan.shown) {
        if (shown)
            ShowWindow(overlay, SW_HIDE);
        shown = false;
        return;
    }
    if (shown && same_plan(plan, placed))
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
    MSG msg;
    while (overlay != NULL && PeekMessageA(&msg, overlay, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

HWND marker_window_shown(void)
{
    return shown ? overlay : NULL;
}
