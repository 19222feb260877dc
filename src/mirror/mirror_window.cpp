// Mirror creation and painting. Painting copies straight from the target's window DC to
// the mirror's, with no bitmap in between, then draws the pointer marker while that switch
// is on.
#include "mirror/mirror_window.h"
#include "app/platform.h"
#include "app/texts.h"
#include "app/trace.h"
#include "mirror/mirror_rules.h"
#include <stdio.h>

enum { NAME_LEN = 32, PAINT_TIMER = 1, PAINT_MS = 30 };

HWND create_mirror(void)
{
    char name[NAME_LEN];
    snprintf(name, sizeof name, TXT_MIRROR_NAME_FMT, win_num);

    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = mirror_proc;
    wc.hInstance = hInst;
    wc.hIcon = (HICON)LoadImageA(NULL, IDI_APPLICATION, IMAGE_ICON, 0, 0, LR_SHARED | LR_DEFAULTSIZE);
    wc.hIconSm = wc.hIcon;
    wc.hCursor = (HCURSOR)LoadImageA(NULL, IDC_ARROW, IMAGE_CURSOR, 0, 0, LR_SHARED | LR_DEFAULTSIZE);
    wc.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
    wc.lpszClassName = name;
    if (RegisterClassExA(&wc) == 0)
        return NULL;
    return CreateWindowExA(0, name, name, (DWORD)MIRROR_STYLE_CREATED, 0, 0, 1, 1, NULL, NULL, hInst, NULL);
}

// The entry that holds this mirror, or entry 0 when none does (as during creation).
static const WinEntry &entry_of(const HWND__ *mirror)
{
    for (int k = 0; k < MAX_WINDOWS; ++k)
        if (win_table[k].hwMir == mirror)
            return win_table[k];
    return win_table[0];
}

static void copy_target_image(HWND mirror, HWND target)
{
    // At most the main monitor's size, and no more than the mirror can show: the rest would
    // be clipped anyway, and every pixel read costs a read back from the display.
    RECT r = {0, 0, 0, 0};
    GetWindowRect(mirror, &r);
    int width = main_area.width < r.right - r.left ? main_area.width : r.right - r.left;
    int height = main_area.height < r.bottom - r.top ? main_area.height : r.bottom - r.top;
    HDC target_dc = GetWindowDC(target);
    HDC mirror_dc = GetWindowDC(mirror);
    BitBlt(mirror_dc, 0, 0, width, height, target_dc, 0, 0, SRCCOPY);
    ReleaseDC(target, target_dc);
    ReleaseDC(mirror, mirror_dc);
}

static void paint_marker(HWND mirror, const WinEntry &e)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(mirror, &ps);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    HGDIOBJ previous = SelectObject(dc, red);
    // With no foreground window and no target there is nothing to point into.
    if (e.hwTarget == hwFore && hwFore != NULL)
        draw_pointer_marker(dc, e, cursor_pos.x, cursor_pos.y);
    SelectObject(dc, previous);
    DeleteObject(red);
    EndPaint(mirror, &ps);
}

static void on_paint(HWND mirror)
{
    const WinEntry &e = entry_of(mirror);
    // The copy goes into the window being painted: a mirror that is in no entry must not
    // paint through a null handle, which would mean the whole screen. A hidden mirror shows
    // nothing, so it copies nothing; showing it brings a paint.
    if (e.hwTarget != NULL && IsWindowVisible(mirror))
        copy_target_image(mirror, e.hwTarget);
    // Without the marker the update region stays invalid, so the mirror keeps repainting
    // on every fetch; that is what keeps it live while the marker is off.
    if (set_mousepointer)
        paint_marker(mirror, e);
}

LRESULT CALLBACK mirror_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        SetTimer(window, PAINT_TIMER, PAINT_MS, NULL);
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
        InvalidateRect(window, NULL, TRUE);
        UpdateWindow(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void draw_pointer_marker(HDC dc, const WinEntry &entry, int x, int y)
{
    HWND target = entry.hwTarget;
    bool maximised = IsZoomed(target) != 0;
    char class_name[TEXT_LEN];
    window_class(target, class_name);
    int normal_left = 0;
    int normal_top = 0;
    if (!maximised) {
        WINDOWPLACEMENT wp = {};
        wp.length = sizeof wp;
        if (!GetWindowPlacement(target, &wp)) {
            // No place to put the disc: say so and leave the mirror's image alone.
            trace_line(TXT_TR_PLACEMENT_FAILED);
            return;
        }
        normal_left = wp.rcNormalPosition.left;
        normal_top = wp.rcNormalPosition.top;
    }
    ScreenRect r = marker_box(maximised, is_chrome_class(class_name), x, y, normal_left, normal_top);
    Ellipse(dc, r.left, r.top, r.right, r.bottom);
}
