// Wallpaper window. The picture is loaded once and scaled once, to the monitor's width and a
// 1280 : 700 proportion of it; each paint copies the scaled picture 1:1. It is scaled again
// only when the external monitor's width changes.
#include "backdrop/wallpaper.h"
#include "backdrop/backdrop_rules.h"
#include "backdrop/curtain.h"
#include "base/limits.h"
#include "base/platform.h"
#include "base/settings.h"
#include "base/texts.h"
#include "base/trace.h"
#include "display/audience_window.h"
#include "display/displays.h"

// A bordered popup with a window menu, made visible; bit 0x80 has no meaning for this class
// and is kept so the style reads as it always has.
static const DWORD WALLPAPER_STYLE = WS_POPUP | WS_VISIBLE | WS_BORDER | WS_SYSMENU | 0x00000080;

static HWND hwWallPaper;
static bool wallpaper_switch = true;  // the picture behind the mirrors

static HBITMAP wallpaper_bitmap;  // as loaded from the file
static int bitmap_width;
static int bitmap_height;
static HBITMAP scaled_bitmap;     // as shown, for the monitor width it was made for
static PictureSize scaled_size;

static LRESULT CALLBACK wallpaper_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

void create_wallpaper(void)
{
    if (register_window_class(TXT_WALLPAPER_CLASS, wallpaper_proc, hInst, IDC_ARROW) == 0)
        return;
    hwWallPaper = CreateWindowExA(WS_EX_STATICEDGE, TXT_WALLPAPER_CLASS, TXT_WALLPAPER_TITLE, WALLPAPER_STYLE, 0, 0, 1,
                                  1, helper_owner(), NULL, hInst, NULL);
    join_audience_surface(hwWallPaper);
}

HWND wallpaper_window(void)
{
    return hwWallPaper;
}

bool wallpaper_switch_on(void)
{
    return wallpaper_switch;
}

void set_wallpaper_switch(bool on)
{
    wallpaper_switch = on;
}

// Stretches the picture once to the size it is shown at. A photo stretched afresh on every
// 30 ms repaint would keep a core busy.
static void scale_picture(HDC like)
{
    PictureSize size = wallpaper_picture_size(ext_area.width);
    if (scaled_bitmap != NULL && size.width == scaled_size.width && size.height == scaled_size.height)
        return;
    DeleteObject(scaled_bitmap);
    scaled_bitmap = CreateCompatibleBitmap(like, size.width, size.height);
    scaled_size = size;
    HDC from = CreateCompatibleDC(like);
    HDC to = CreateCompatibleDC(like);
    HGDIOBJ old_from = SelectObject(from, wallpaper_bitmap);
    HGDIOBJ old_to = SelectObject(to, scaled_bitmap);
    StretchBlt(to, 0, 0, size.width, size.height, from, 0, 0, bitmap_width, bitmap_height, SRCCOPY);
    SelectObject(from, old_from);
    SelectObject(to, old_to);
    DeleteDC(from);
    DeleteDC(to);
}

static void on_create(HWND window)
{
    start_repaint_timer(window);
    wallpaper_bitmap = load_setting_bitmap(TXT_SECTION_WALLPAPER);
    if (wallpaper_bitmap == NULL) {
        trace_line(TXT_TR_BITMAP_FAILED);
        return;
    }
    BITMAP bm = {};
    GetObjectA(wallpaper_bitmap, sizeof bm, &bm);
    bitmap_width = bm.bmWidth;
    bitmap_height = bm.bmHeight;
    HDC dc = GetDC(window);
    scale_picture(dc);
    ReleaseDC(window, dc);
}

static void draw_picture(HDC dc)
{
    // Without a picture the area stays as it is: the background is never erased.
    if (wallpaper_bitmap != NULL) {
        scale_picture(dc);
        HDC picture = CreateCompatibleDC(dc);
        HGDIOBJ previous = SelectObject(picture, scaled_bitmap);
        BitBlt(dc, 0, 0, scaled_size.width, scaled_size.height, picture, 0, 0, SRCCOPY);
        SelectObject(picture, previous);
        DeleteDC(picture);
    }
    // A curtain hides what lies behind it: the part the picture leaves (all of it without a picture) is black. So
    // is it in the audience's window, whose picture the wallpaper is part of: nothing of the desktop lies behind.
    if (curtain_on() || (GetWindowLongA(hwWallPaper, GWL_STYLE) & WS_CHILD) != 0) {
        RECT strip = {0, wallpaper_bitmap != NULL ? scaled_size.height : 0, ext_area.width, ext_area.height};
        FillRect(dc, &strip, (HBRUSH)GetStockObject(BLACK_BRUSH));
    }
}

static void on_paint(HWND window)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    draw_picture(dc);
    EndPaint(window, &ps);
}

// The picture is painted anew on every tick. A curtain's black strip below it changes only when the window
// is shown, moved or uncovered, which the system paints: filling it on every tick too would cost as much again.
static void on_timer(HWND window)
{
    RECT picture = {0, 0, scaled_size.width, scaled_size.height};
    InvalidateRect(window, curtain_on() ? &picture : NULL, TRUE);
    // Painted now: a window system may hand the loop's window-filtered fetches the paint of only the front-most
    // window that needs one (Wine does), and as a child of the audience's window the wallpaper's would wait.
    UpdateWindow(window);
}

static void on_destroy(void)
{
    DeleteObject(wallpaper_bitmap);
    DeleteObject(scaled_bitmap);
    wallpaper_bitmap = scaled_bitmap = NULL;
    PostQuitMessage(0);
}

static LRESULT CALLBACK wallpaper_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        on_create(window);
        return 0;
    case WM_CLOSE:
        // The wallpaper lives as long as the program: closed, the audience would see the desktop.
        return 0;
    case WM_DESTROY:
        on_destroy();
        return 0;
    case WM_PAINT:
        on_paint(window);
        return 0;
    case WM_PRINTCLIENT:
        draw_picture((HDC)wParam);
        return 0;
    case WM_ERASEBKGND:
        return 0;
    case WM_TIMER:
        on_timer(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void set_wallpaper_visible(bool visible)
{
    if (hwWallPaper == NULL || (IsWindowVisible(hwWallPaper) != 0) == visible)
        return;
    ShowWindow(hwWallPaper, visible ? SW_SHOWNOACTIVATE : SW_HIDE);
    // Shown again, it paints at once: a window system may hand the loop's window-filtered fetch the
    // paint of only the front-most window that needs one (Wine does), and the wallpaper is at the back.
    if (visible)
        repaint_now(hwWallPaper);
}

void show_wallpaper(void)
{
    if (hwWallPaper == NULL)
        return;
    ShowWindow(hwWallPaper, SW_SHOWNOACTIVATE);
    place_window(hwWallPaper, curtain_on() ? HWND_TOPMOST : HWND_BOTTOM, ext_area.x, ext_area.y, ext_area.width,
                 ext_area.height);
    EnableWindow(hwWallPaper, FALSE);
}
