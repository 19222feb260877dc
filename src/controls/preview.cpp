// The preview window: its place, its picture stretched from the screen's own pixels of the external monitor,
// the marks of windows that do not answer, and the status line, a static control below the picture.
#include "controls/preview.h"
#include "backdrop/curtain.h"
#include "backdrop/wallpaper.h"
#include "base/dpi.h"
#include "base/dpi_rules.h"
#include "base/platform.h"
#include "base/settings.h"
#include "base/texts.h"
#include "base/trace.h"
#include "catalogue/catalogue.h"
#include "catalogue/met_windows.h"
#include "catalogue/responding.h"
#include "controls/preview_rules.h"
#include "display/audience_window.h"
#include "display/displays.h"
#include "mirror/placement.h"
#include "mirror/screen_modes.h"

// Sized and moved by the presenter; its children are not painted over.
static const DWORD PREVIEW_STYLE = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;
static const COLORREF MARK_COLOUR = RGB(255, 176, 0);
enum {
    MARK_WIDTH = 3,
    READ_BAND_PIXELS = 1024 * 32  // 128 KiB at 32 bits a pixel
};

static HWND hwPreview;
static HWND hwStatus;
static DWORD painted_at;

// The scene the picture was last read for, when it last changed, and when the whole monitor was last read.
static PreviewScene shown_scene;
static DWORD scene_changed_at, whole_read_at;

// The external monitor's pixels as last read, at their own size, in a bitmap of the screen's format: the read is
// one plain block copy, the stretch to the picture's size works on memory alone.
static HDC hdcCapture;
static HBITMAP bmpCapture;
static HGDIOBJ bmpBefore;  // what the memory DC held before the capture's bitmap
static int captured_width, captured_height;

static LRESULT CALLBACK preview_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
static bool read_external(bool whole, const Box *boxes, int count);

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
    bool show = false;
    read_setting_with(TXT_SECTION_PREVIEW, TXT_KEY_SHOW, read_preview_setting, &show, TXT_TR_PREVIEW_UNREADABLE);
    if (show)
        set_preview_open(true);
}

static void create_preview(void)
{
    if (register_window_class(TXT_PREVIEW_CLASS, preview_proc, hInst, IDC_ARROW) == 0)
        return;
    // Made hidden on the main monitor, it reads that monitor's DPI as its own, then takes its place there.
    hwPreview = CreateWindowExA(0, TXT_PREVIEW_CLASS, TXT_PREVIEW_TITLE, PREVIEW_STYLE, main_area.x, main_area.y, 1, 1,
                                helper_owner(), NULL, hInst, NULL);
    if (hwPreview == NULL)
        return;
    unsigned dpi = window_dpi(hwPreview);
    Box b = preview_place(main_area, ext_area, dpi, frame_width_for_dpi(PREVIEW_STYLE, 0, dpi),
                          frame_height_for_dpi(PREVIEW_STYLE, 0, dpi));
    SetWindowPos(hwPreview, NULL, b.x, b.y, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
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
    scene_changed_at = GetTickCount();
    trace(TXT_TR_PREVIEW, open ? 1 : 0);
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

// The modes and marks the picture shows, as they are now.
static void gather_modes(PreviewScene *scene)
{
    scene->ext = ext_area;
    scene->blank = audience_blank();
    scene->spotlight = spotlit_window() != NULL;
    scene->zoom = zoom_on();
    scene->curtain = curtain_on();
    scene->wallpaper = wallpaper_window() != NULL && IsWindowVisible(wallpaper_window());
    scene->not_responding = 0;
    for (int i = 0; i < win_count && i < 32; ++i)
        if (entry_not_responding(i))
            scene->not_responding |= 1u << i;
}

static void add_place(PreviewScene *scene, HWND window)
{
    ScreenRect r;
    if (!read_window_rect(window, &r))
        return;
    ScreenRect on_ext = overlap(box_of(r), ext_area);
    if (on_ext.right == on_ext.left || on_ext.bottom == on_ext.top)
        return;
    if (scene->place_count < PREVIEW_MOST_PLACES)
        scene->places[scene->place_count] = box_of(r);
    scene->place_count++;
}

// The scene: the modes, and the places of the windows on the external monitor whose pixels may change, the
// audience's (mirrors, pop-ups, marker) in their order, then those of others that the catalogue's pass met.
static void gather_scene(PreviewScene *scene)
{
    gather_modes(scene);
    scene->place_count = 0;
    HWND audience[MOST_AUDIENCE];
    int count = audience_windows(audience, MOST_AUDIENCE);
    for (int i = 0; i < count; ++i)
        add_place(scene, audience[i]);
    const MetWindow *met = windows_met(&count);
    for (int i = 0; i < count; ++i)
        if (!met[i].ours && !met[i].traits.desktop)
            add_place(scene, (HWND)met[i].window);
}

// Reads what the plan asks of the external monitor and paints it: all of the preview after a whole read,
// else only the picture's parts that were read, a pixel wider each side for the stretch's rounding.
static void read_and_paint(const PreviewRead &plan)
{
    RECT c = {0, 0, 0, 0};
    GetClientRect(hwPreview, &c);
    Box p = {0, 0, 0, 0};
    if (audience_monitor_number() != 0)
        p = preview_picture(c.right, c.bottom, status_height(hwPreview), ext_area);
    if (p.width <= 0 || p.height <= 0 || plan.whole) {
        if (p.width > 0 && p.height > 0)
            read_external(true, NULL, 0);
        paint_all_now();
        return;
    }
    if (!read_external(false, plan.boxes, plan.count))
        return;
    for (int i = 0; i < plan.count; ++i) {
        ScreenRect r = in_picture(plan.boxes[i], ext_area, p);
        RECT part = {r.left - 1, r.top - 1, r.right + 1, r.bottom + 1};
        InvalidateRect(hwPreview, &part, FALSE);
    }
    RedrawWindow(hwPreview, NULL, NULL, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// A new picture: the whole monitor when the scene changed or a whole read is due, else only the places.
static void refresh_picture(void)
{
    static PreviewScene now;
    gather_scene(&now);
    DWORD t = GetTickCount();
    if (!same_scene(now, shown_scene))
        scene_changed_at = t;
    PreviewClock clock = {hdcCapture != NULL, t - scene_changed_at, t - whole_read_at};
    PreviewRead plan = plan_preview_read(shown_scene, now, clock);
    // The audience's window prints its whole picture at once, without reading the screen.
    if (audience_host() != NULL)
        plan.whole = true;
    shown_scene = now;
    if (plan.whole)
        whole_read_at = t;
    read_and_paint(plan);
}

void follow_preview(void)
{
    if (!preview_open())
        return;
    ScreenRect r;
    Box moved;
    // The audience's window paints its own picture: the preview may stand over it.
    if (audience_host() == NULL && read_window_rect(hwPreview, &r) &&
        keep_off_external(box_of(r), main_area, ext_area, &moved))
        SetWindowPos(hwPreview, NULL, moved.x, moved.y, moved.width, moved.height, SWP_NOZORDER | SWP_NOACTIVATE);
    char status[TEXT_LEN];
    preview_status(status, sizeof status, audience_monitor_number(), ext_area, audience_blank(),
                   spotlit_window() != NULL, zoom_on(), curtain_on() && audience_host() == NULL);
    set_text_if_changed(hwStatus, status);
    // A change of what the preview shows is read and painted in this pass; otherwise a refresh when one is due.
    PreviewScene modes = {};
    gather_modes(&modes);
    if (GetTickCount() - painted_at < (DWORD)PREVIEW_EVERY_MS && same_modes(modes, shown_scene))
        return;
    painted_at = GetTickCount();
    refresh_picture();
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

// The bitmap the external monitor is read into, at its size, made again when that changes. False when it
// cannot be had for now (out of memory): the next refresh tries again.
static bool have_capture_bitmap(HDC screen)
{
    if (hdcCapture != NULL && (captured_width != ext_area.width || captured_height != ext_area.height))
        release_capture_bitmap();
    if (hdcCapture == NULL) {
        hdcCapture = CreateCompatibleDC(screen);
        bmpCapture = CreateCompatibleBitmap(screen, ext_area.width, ext_area.height);
        bmpBefore = SelectObject(hdcCapture, bmpCapture);
        captured_width = ext_area.width;
        captured_height = ext_area.height;
    }
    if (bmpCapture == NULL)
        release_capture_bitmap();
    return hdcCapture != NULL;
}

// Copies a box of the screen (screen coordinates, inside the external monitor) to its place in the bitmap, in
// bands of at most READ_BAND_PIXELS: each read of the screen passes through a buffer of the band's size, which a
// whole monitor at once would make a few megabytes large, taken and given back with every read (Wine's X11
// driver); on Windows the bands cost only a few more calls.
static bool read_box(HDC screen, const Box &b)
{
    int rows = b.width > 0 && b.width < READ_BAND_PIXELS ? READ_BAND_PIXELS / b.width : 1;
    for (int y = 0; y < b.height; y += rows) {
        int band = b.height - y < rows ? b.height - y : rows;
        if (!BitBlt(hdcCapture, b.x - ext_area.x, b.y + y - ext_area.y, b.width, band, screen, b.x, b.y + y, SRCCOPY))
            return false;
    }
    return true;
}

// Reads the screen as it is composed over the external monitor, the whole of it or these boxes (screen
// coordinates, inside the monitor) into their places in the bitmap: the wallpaper, the mirrors, their pop-ups,
// the marker, the curtain, and any window of others lying there.
static bool read_external(bool whole, const Box *boxes, int count)
{
    HDC screen = GetDC(NULL);
    bool read = have_capture_bitmap(screen);
    // The audience's window is asked for its own picture, whatever covers it, as a meeting app asks.
    if (read && audience_host() != NULL)
        SendMessageA(audience_host(), WM_PRINTCLIENT, (WPARAM)hdcCapture, PRF_CLIENT);
    else if (read && whole)
        read = read_box(screen, ext_area);
    for (int i = 0; read && !whole && audience_host() == NULL && i < count; ++i)
        read = read_box(screen, boxes[i]);
    ReleaseDC(NULL, screen);
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
    // A paint before the first refresh (on opening) reads the monitor itself; later ones show what the last
    // refresh read.
    if (p.width > 0 && p.height > 0 && (hdcCapture != NULL || read_external(true, NULL, 0))) {
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
