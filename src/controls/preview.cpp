// The preview window: its place, its picture stretched from the screen's own pixels of the external monitor,
// the marks of windows that do not answer, and the status line, a static control below the picture.
#include "controls/preview.h"
#include "backdrop/curtain.h"
#include "base/dpi.h"
#include "base/dpi_rules.h"
#include "base/platform.h"
#include "base/settings.h"
#include "base/texts.h"
#include "base/trace.h"
#include "catalogue/catalogue.h"
#include "catalogue/responding.h"
#include "controls/checklist.h"
#include "controls/preview_rules.h"
#include "controls/window_menu.h"
#include "display/audience_window.h"
#include "display/displays.h"
#include "mirror/placement.h"
#include "mirror/screen_modes.h"

// Sized and moved by the presenter; its children are not painted over.
static const DWORD PREVIEW_STYLE = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;
static const COLORREF MARK_COLOUR = RGB(255, 176, 0);
enum { MARK_WIDTH = 3 };

static HWND hwPreview;
static HWND hwStatus;
static DWORD painted_at;

// The external monitor's pixels as last read, at their own size, in a bitmap of the screen's format: the read is
// one plain block copy, the stretch to the picture's size works on memory alone.
static HDC hdcCapture;
static HBITMAP bmpCapture;
static HGDIOBJ bmpBefore;  // what the memory DC held before the capture's bitmap
static int captured_width, captured_height;

static LRESULT CALLBACK preview_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

static void release_capture_bitmap(void)
{
    if (hdcCapture == NULL)
        return;
    SelectObject(hdcCapture, bmpBefore);
    DeleteObject(bmpCapture);
    DeleteDC(hdcCapture);
    hdcCapture = NULL;
    bmpCapture = NULL;
}

// The picture and the status line painted at once, none of them left waiting: a window system may hand a
// window-filtered fetch the paint of only the front-most window that needs one (Wine does), and a paint left
// waiting here, in front, would keep the main loop's fetches for the windows behind it from their paints.
static void paint_all_now(void)
{
    RedrawWindow(hwPreview, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void start_preview(void)
{
    char value[TEXT_LEN], shown[TEXT_LEN];
    bool show = false;
    read_setting(TXT_SECTION_PREVIEW, TXT_KEY_SHOW, value, shown);
    if (!read_preview_setting(value, &show))
        trace(TXT_TR_PREVIEW_UNREADABLE, shown);
    if (show)
        set_preview_open(true);
}

static void create_preview(void)
{
    if (register_window_class(TXT_PREVIEW_CLASS, preview_proc, hInst, IDC_ARROW) == 0)
        return;
    // At the DPI of the main monitor, where the checklist stands.
    unsigned dpi = window_dpi(checklist_window());
    Box b = preview_place(main_area, ext_area, dpi, frame_width_for_dpi(PREVIEW_STYLE, 0, dpi),
                          frame_height_for_dpi(PREVIEW_STYLE, 0, dpi));
    hwPreview = CreateWindowExA(0, TXT_PREVIEW_CLASS, TXT_PREVIEW_TITLE, PREVIEW_STYLE, b.x, b.y, b.width, b.height,
                                helper_owner(), NULL, hInst, NULL);
}

bool preview_open(void)
{
    return hwPreview != NULL && IsWindowVisible(hwPreview);
}

void set_preview_open(bool open)
{
    if (open && hwPreview == NULL)
        create_preview();
    if (hwPreview == NULL)
        return;
    // Shown without activation: the keyboard stays where the presenter works. Closed, it keeps no picture.
    ShowWindow(hwPreview, open ? SW_SHOWNOACTIVATE : SW_HIDE);
    if (open)
        paint_all_now();
    else
        release_capture_bitmap();
    painted_at = GetTickCount() - PREVIEW_EVERY_MS;
    trace(TXT_TR_PREVIEW, open ? 1 : 0);
    mark_menu_item(checklist_window(), ID_PREVIEW, open);
}

HWND preview_window(void)
{
    return hwPreview;
}

void pump_preview(void)
{
    dispatch_waiting(hwPreview);
}

static int status_height(HWND window)
{
    return scale_to_dpi(STATUS_HEIGHT, window_dpi(window));
}

static int audience_monitor_number(void)
{
    if (audience_host() != NULL)
        return AUDIENCE_IN_WINDOW;
    const MonitorFound *monitors = NULL;
    int main_index = -1, external_index = -1;
    monitors_found(&monitors, &main_index, &external_index);
    return external_index + 1;
}

void follow_preview(void)
{
    if (!preview_open())
        return;
    ScreenRect r;
    Box moved;
    // The audience's window paints its own picture: the preview may stand over it.
    if (audience_host() == NULL && read_window_rect(hwPreview, &r) && keep_off_external(box_of(r), main_area, ext_area, &moved))
        SetWindowPos(hwPreview, NULL, moved.x, moved.y, moved.width, moved.height, SWP_NOZORDER | SWP_NOACTIVATE);
    char status[TEXT_LEN];
    preview_status(status, sizeof status, audience_monitor_number(), ext_area, audience_blank(),
                   spotlit_window() != NULL, zoom_on(), curtain_on() && audience_host() == NULL);
    set_text_if_changed(hwStatus, status);
    if (GetTickCount() - painted_at < (DWORD)PREVIEW_EVERY_MS)
        return;
    painted_at = GetTickCount();
    paint_all_now();
}

// Black wherever the picture does not reach: the bands beside it, or all of it without an external monitor.
static void fill_around(HDC dc, int width, int height, const Box &p)
{
    HBRUSH black = (HBRUSH)GetStockObject(BLACK_BRUSH);
    const RECT bands[] = {{0, 0, width, p.y}, {0, p.y + p.height, width, height}, {0, p.y, p.x, p.y + p.height},
                          {p.x + p.width, p.y, width, p.y + p.height}};
    for (const RECT &band : bands)
        if (band.right > band.left && band.bottom > band.top)
            FillRect(dc, &band, black);
}

// A frame around the place of each picked window that does not answer, as its mirror stands there.
static void mark_not_responding(HDC dc, const Box &picture)
{
    HBRUSH brush = NULL;
    for (int i = 0; i < win_count; ++i) {
        Box on_ext;
        if (!entry_not_responding(i) || !shown_mirror_box(i, &on_ext))
            continue;
        if (brush == NULL)
            brush = CreateSolidBrush(MARK_COLOUR);
        ScreenRect r = in_picture(on_ext, ext_area, picture);
        for (int k = 0; k < MARK_WIDTH && r.right - k > r.left + k && r.bottom - k > r.top + k; ++k) {
            RECT frame = {r.left + k, r.top + k, r.right - k, r.bottom - k};
            FrameRect(dc, &frame, brush);
        }
    }
    if (brush != NULL)
        DeleteObject(brush);
}

// Reads the screen as it is composed over the external monitor: the wallpaper, the mirrors, their pop-ups, the
// marker, the curtain, and any window of others lying there. The bitmap is made again when the monitor's size
// changes.
static bool capture(HDC like)
{
    if (hdcCapture != NULL && (captured_width != ext_area.width || captured_height != ext_area.height))
        release_capture_bitmap();
    HDC screen = GetDC(NULL);
    if (hdcCapture == NULL) {
        hdcCapture = CreateCompatibleDC(like);
        bmpCapture = CreateCompatibleBitmap(screen, ext_area.width, ext_area.height);
        bmpBefore = SelectObject(hdcCapture, bmpCapture);
        captured_width = ext_area.width;
        captured_height = ext_area.height;
    }
    // The audience's window is asked for its own picture, whatever covers it, as a meeting app asks.
    if (bmpCapture != NULL && audience_host() != NULL) {
        ReleaseDC(NULL, screen);
        SendMessageA(audience_host(), WM_PRINTCLIENT, (WPARAM)hdcCapture, PRF_CLIENT);
        return true;
    }
    bool read = bmpCapture != NULL && BitBlt(hdcCapture, 0, 0, captured_width, captured_height, screen, ext_area.x,
                                             ext_area.y, SRCCOPY);
    ReleaseDC(NULL, screen);
    if (bmpCapture == NULL)  // out of memory for now: the next paint tries again
        release_capture_bitmap();
    return read;
}

static void on_paint(HWND window)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT c = {0, 0, 0, 0};
    GetClientRect(window, &c);
    int room = c.bottom - status_height(window);
    Box p = {0, 0, 0, 0};
    if (audience_monitor_number() != 0)
        p = preview_picture(c.right, c.bottom, status_height(window), ext_area);
    fill_around(dc, c.right, room, p);
    if (p.width > 0 && p.height > 0 && capture(dc)) {
        int previous = SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, p.x, p.y, p.width, p.height, hdcCapture, 0, 0, captured_width, captured_height, SRCCOPY);
        SetStretchBltMode(dc, previous);
        mark_not_responding(dc, p);
    }
    EndPaint(window, &ps);
}

static void on_create(HWND window)
{
    hwStatus = CreateWindowExA(0, TXT_STATUS_CLASS, "", WS_CHILD | WS_VISIBLE | SS_LEFT, 0, 0, 1, 1, window, NULL,
                               hInst, NULL);
    SendMessageA(hwStatus, WM_SETFONT, (WPARAM)GetStockObject(DEFAULT_GUI_FONT), FALSE);
}

static void on_size(HWND window, int width, int height)
{
    MoveWindow(hwStatus, 0, height - status_height(window), width, status_height(window), TRUE);
    InvalidateRect(window, NULL, FALSE);
}

static LRESULT CALLBACK preview_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        on_create(window);
        return 0;
    case WM_SIZE:
        on_size(window, LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_PAINT:
        on_paint(window);
        return 0;
    case WM_ERASEBKGND:
        return 0;
    case WM_CLOSE:
        // Its close button closes it; the program goes on, and the window menu opens it again.
        set_preview_open(false);
        return 0;
    case WM_DESTROY:
        release_capture_bitmap();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
