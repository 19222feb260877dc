// Wallpaper window. The picture is loaded once and stretched afresh on every paint to the
// monitor's width and a 1280 : 700 proportion of it.
#include "overlay/wallpaper.h"
#include "app/limits.h"
#include "app/platform.h"
#include "app/settings.h"
#include "app/state.h"
#include "app/texts.h"
#include "app/trace.h"
#include "overlay/overlay_geometry.h"

enum { WALLPAPER_STYLE = 0x90880080, REPAINT_TIMER = 1, REPAINT_MS = 30 };

static HBITMAP wallpaper_bitmap;
static int bitmap_width;
static int bitmap_height;

HWND create_wallpaper(HINSTANCE instance)
{
    if (register_plain_class(TXT_WALLPAPER_CLASS, wallpaper_proc, instance) == 0)
        return NULL;
    return CreateWindowExA(WS_EX_STATICEDGE, TXT_WALLPAPER_CLASS, TXT_WALLPAPER_TITLE, WALLPAPER_STYLE, 0, 0, 1, 1,
                           NULL, NULL, instance, NULL);
}

static void on_create(HWND window)
{
    SetTimer(window, REPAINT_TIMER, REPAINT_MS, NULL);
    char path[TEXT_LEN];
    read_setting_filename(TXT_SECTION_WALLPAPER, path);
    wallpaper_bitmap = (HBITMAP)LoadImageA(NULL, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
    if (wallpaper_bitmap == NULL) {
        trace_line(TXT_TR_BITMAP_FAILED);
        return;
    }
    BITMAP bm = {};
    GetObjectA(wallpaper_bitmap, sizeof bm, &bm);
    bitmap_width = bm.bmWidth;
    bitmap_height = bm.bmHeight;
}

static void on_paint(HWND window)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    // Without a picture the area stays as it is: the background is never erased.
    if (wallpaper_bitmap != NULL) {
        HDC picture = CreateCompatibleDC(dc);
        HGDIOBJ previous = SelectObject(picture, wallpaper_bitmap);
        int width = ext_area.width;
        StretchBlt(dc, 0, 0, width, wallpaper_picture_height(width), picture, 0, 0, bitmap_width, bitmap_height,
                   SRCCOPY);
        SelectObject(picture, previous);
        DeleteDC(picture);
    }
    EndPaint(window, &ps);
}

LRESULT CALLBACK wallpaper_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        on_create(window);
        return 0;
    case WM_DESTROY:
        DeleteObject(wallpaper_bitmap);
        wallpaper_bitmap = NULL;
        PostQuitMessage(0);
        return 0;
    case WM_PAINT:
        on_paint(window);
        return 0;
    case WM_ERASEBKGND:
        return 0;
    case WM_TIMER:
        InvalidateRect(window, NULL, TRUE);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void show_wallpaper(void)
{
    if (hwWallPaper == NULL)
        return;
    ShowWindow(hwWallPaper, SW_SHOWNOACTIVATE);
    place_window(hwWallPaper, HWND_BOTTOM, ext_area.x, ext_area.y, ext_area.width, ext_area.height);
    EnableWindow(hwWallPaper, FALSE);
}
