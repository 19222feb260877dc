// The audience's window: made once, shown or hidden as the audience comes and goes, its children taken in and
// given back, its picture composed from theirs on request, its size followed by the set-up's check.
#include "display/audience_window.h"
#include "base/limits.h"
#include "base/platform.h"
#include "base/settings.h"
#include "base/texts.h"

// A normal window with a caption, a task-bar button and a sizing frame, that cannot be minimised: a minimised
// window gives a meeting app no picture.
static const DWORD HOST_STYLE = WS_OVERLAPPEDWINDOW & ~WS_MINIMIZEBOX;
static const DWORD HOST_EX_STYLE = WS_EX_APPWINDOW;

// A child keeps no frame: a mirror's copy shows its window's own, and a frame would leave a small child (the window
// sized small) no client area to paint. Given back, it has its frame again.
static const DWORD FRAME_STYLE = WS_CAPTION | WS_THICKFRAME | WS_BORDER | WS_DLGFRAME;
static const DWORD FRAME_EX_STYLE = WS_EX_STATICEDGE | WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE | WS_EX_DLGMODALFRAME;
static const UINT FRAME_CHANGED = SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;

enum { MOST_JOINED = MAX_WINDOWS + MAX_POPUPS + 2 };

// A joined window as it stood on the desktop before it was taken in, to be given back so.
struct Joined {
    HWND window;
    HWND owner;
    DWORD style;
    DWORD ex_style;
    COLORREF key;
    BYTE alpha;
    DWORD layered_flags;
};
static Joined joined[MOST_JOINED];
static int joined_count;

static HWND host;
static bool hosting;
static bool close_asked;
static SurfaceSize wanted = {SURFACE_WIDTH_BY_DEFAULT, SURFACE_HEIGHT_BY_DEFAULT};
static HWND stacked[MOST_JOINED];  // the children's order as last set, the lowest first
static int stacked_count;

static LRESULT CALLBACK host_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

static Box frame_for(const MonitorArea &main, SurfaceSize client)
{
    RECT r = {0, 0, client.width, client.height};
    AdjustWindowRectEx(&r, HOST_STYLE, FALSE, HOST_EX_STYLE);
    return {main.x, main.y, r.right - r.left, r.bottom - r.top};
}

static void take_in(Joined &j)
{
    HWND w = j.window;
    if (!IsWindow(w) || GetParent(w) == host)
        return;
    j.owner = GetWindow(w, GW_OWNER);
    j.style = (DWORD)GetWindowLongA(w, GWL_STYLE);
    j.ex_style = (DWORD)GetWindowLongA(w, GWL_EXSTYLE);
    if (j.ex_style & WS_EX_LAYERED)
        GetLayeredWindowAttributes(w, &j.key, &j.alpha, &j.layered_flags);
    // A child cannot be topmost, and a layered child needs what older systems lack: a plain child it is, clipped
    // to the window like any other.
    SetWindowLongA(w, GWL_EXSTYLE, (LONG)(j.ex_style & ~(WS_EX_TOPMOST | WS_EX_LAYERED | FRAME_EX_STYLE)));
    // The style first, then the parent, as the platform asks of a pop-up becoming a child.
    // Clipped by its siblings above it: the wallpaper, repainted on every tick, would paint over the mirrors.
    SetWindowLongA(w, GWL_STYLE, (LONG)((j.style & ~(WS_POPUP | FRAME_STYLE)) | WS_CHILD | WS_CLIPSIBLINGS));
    SetParent(w, host);
    SetWindowPos(w, NULL, 0, 0, 0, 0, FRAME_CHANGED);
}

static void give_back(const Joined &j)
{
    HWND w = j.window;
    if (!IsWindow(w) || GetParent(w) != host)
        return;
    SetParent(w, NULL);
    // The style as it is now (the room may have changed its frame meanwhile), a pop-up again where it was one.
    DWORD style = (DWORD)GetWindowLongA(w, GWL_STYLE);
    DWORD kept = WS_POPUP | WS_CLIPSIBLINGS | FRAME_STYLE;
    SetWindowLongA(w, GWL_STYLE, (LONG)((style & ~(WS_CHILD | WS_CLIPSIBLINGS)) | (j.style & kept)));
    SetWindowLongA(w, GWL_EXSTYLE,
                   (LONG)(GetWindowLongA(w, GWL_EXSTYLE) | (j.ex_style & (WS_EX_LAYERED | FRAME_EX_STYLE))));
    SetWindowPos(w, NULL, 0, 0, 0, 0, FRAME_CHANGED);
    if (j.ex_style & WS_EX_LAYERED)
        SetLayeredWindowAttributes(w, j.key, j.alpha, j.layered_flags);
    // The owner keeps it off the task bar, as it was made.
    SetWindowLongPtrA(w, GWLP_HWNDPARENT, (LONG_PTR)j.owner);
    if (j.ex_style & WS_EX_TOPMOST)
        SetWindowPos(w, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void join_audience_surface(HWND window)
{
    if (window == NULL || joined_count >= MOST_JOINED)
        return;
    for (int i = 0; i < joined_count; ++i)
        if (joined[i].window == window)
            return;
    Joined &j = joined[joined_count++];
    j = {};
    j.window = window;
    if (hosting)
        take_in(j);
}

static void make_host(const MonitorArea &main)
{
    if (host != NULL || register_window_class(TXT_AUDIENCE_CLASS, host_proc, hInst, IDC_ARROW) == 0)
        return;
    Box b = frame_for(main, wanted);
    host = CreateWindowExA(HOST_EX_STYLE, TXT_AUDIENCE_CLASS, TXT_AUDIENCE_TITLE, HOST_STYLE, b.x, b.y, b.width,
                           b.height, NULL, NULL, hInst, NULL);
}

void host_audience(bool on, const MonitorArea &main, SurfaceSize client)
{
    if (on == hosting)
        return;
    if (on) {
        wanted = client;
        make_host(main);
        if (host == NULL)
            return;
        // At the back of the desktop, where it hides none of the presenter's windows, without taking the keyboard.
        Box b = frame_for(main, wanted);
        ShowWindow(host, SW_SHOWNOACTIVATE);
        SetWindowPos(host, HWND_BOTTOM, b.x, b.y, b.width, b.height, SWP_NOACTIVATE);
        hosting = true;
        for (int i = 0; i < joined_count; ++i)
            take_in(joined[i]);
    } else {
        hosting = false;
        for (int i = 0; i < joined_count; ++i)
            give_back(joined[i]);
        stacked_count = 0;
        if (host != NULL)
            ShowWindow(host, SW_HIDE);
    }
}

HWND audience_host(void)
{
    return hosting ? host : NULL;
}

SurfaceSize audience_client_size(void)
{
    RECT c = {0, 0, 0, 0};
    if (host == NULL || !GetClientRect(host, &c))
        return wanted;
    return surface_size(c.right, c.bottom);
}

bool audience_close_asked(void)
{
    bool asked = close_asked;
    close_asked = false;
    return asked;
}

// One child's picture at its place, cut to its region: the child paints its window's picture from its own top
// left corner, as it does on the screen.
static void print_child(HDC dc, HWND child)
{
    RECT r = {0, 0, 0, 0};
    GetWindowRect(child, &r);
    MapWindowPoints(NULL, host, (POINT *)&r, 2);
    int saved = SaveDC(dc);
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    if (GetWindowRgn(child, region) != ERROR) {
        POINT origin = {0, 0};
        GetViewportOrgEx(dc, &origin);  // a region is selected in device coordinates
        OffsetRgn(region, r.left + origin.x, r.top + origin.y);
        ExtSelectClipRgn(dc, region, RGN_AND);
    }
    DeleteObject(region);
    OffsetViewportOrgEx(dc, r.left, r.top, NULL);
    SendMessageA(child, WM_PRINTCLIENT, (WPARAM)dc, PRF_CLIENT);
    RestoreDC(dc, saved);
}

void print_audience(HDC dc)
{
    if (host == NULL)
        return;
    RECT c = {0, 0, 0, 0};
    GetClientRect(host, &c);
    FillRect(dc, &c, (HBRUSH)GetStockObject(BLACK_BRUSH));
    HWND top = GetWindow(host, GW_CHILD);
    for (HWND child = top != NULL ? GetWindow(top, GW_HWNDLAST) : NULL; child != NULL;
         child = GetWindow(child, GW_HWNDPREV))
        if (IsWindowVisible(child))
            print_child(dc, child);
}

// Black where no child stands (the wallpaper hidden by its switch): the children are left alone, so that a
// thumbnail the compositor draws into the window over a child is not painted over.
static void on_paint(HWND window)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    for (HWND child = GetWindow(window, GW_CHILD); child != NULL; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r = {0, 0, 0, 0};
        if (!IsWindowVisible(child) || !GetWindowRect(child, &r))
            continue;
        MapWindowPoints(NULL, window, (POINT *)&r, 2);
        ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
    FillRect(dc, &ps.rcPaint, (HBRUSH)GetStockObject(BLACK_BRUSH));
    EndPaint(window, &ps);
}

// The frame as the system draws it, then the client area's picture at its place in the window.
static LRESULT on_print(HWND window, HDC dc, LPARAM flags)
{
    LRESULT result = DefWindowProcA(window, WM_PRINT, (WPARAM)dc, flags & ~(PRF_CLIENT | PRF_CHILDREN));
    if (flags & PRF_CLIENT) {
        POINT client = {0, 0};
        RECT w = {0, 0, 0, 0};
        ClientToScreen(window, &client);
        GetWindowRect(window, &w);
        int saved = SaveDC(dc);
        OffsetViewportOrgEx(dc, (flags & PRF_NONCLIENT) ? client.x - w.left : 0,
                            (flags & PRF_NONCLIENT) ? client.y - w.top : 0, NULL);
        print_audience(dc);
        RestoreDC(dc, saved);
    }
    return result;
}

static void on_min_max(MINMAXINFO *info)
{
    // The client area within the setting's own limits, however the presenter sizes the window.
    RECT least = {0, 0, SURFACE_MIN_WIDTH, SURFACE_MIN_HEIGHT};
    RECT most = {0, 0, SURFACE_MAX_WIDTH, SURFACE_MAX_HEIGHT};
    AdjustWindowRectEx(&least, HOST_STYLE, FALSE, HOST_EX_STYLE);
    AdjustWindowRectEx(&most, HOST_STYLE, FALSE, HOST_EX_STYLE);
    info->ptMinTrackSize = {least.right - least.left, least.bottom - least.top};
    info->ptMaxTrackSize = {most.right - most.left, most.bottom - most.top};
}

static LRESULT CALLBACK host_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GETMINMAXINFO:
        on_min_max((MINMAXINFO *)lParam);
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_MINIMIZE)
            return 0;  // the key or a program may still ask: a minimised window has no picture to share
        break;
    case WM_CLOSE:
        // The audience goes back to the monitor, as the window menu's item does; the window stays for the run.
        close_asked = true;
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        on_paint(window);
        return 0;
    case WM_PRINTCLIENT:
        print_audience((HDC)wParam);
        return 0;
    case WM_PRINT:
        return on_print(window, (HDC)wParam, lParam);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void stack_on_surface(HWND wallpaper, const HWND *audience, int count)
{
    if (!hosting)
        return;
    HWND order[MOST_JOINED];
    int n = 0;
    if (wallpaper != NULL && GetParent(wallpaper) == host)
        order[n++] = wallpaper;
    for (int i = 0; i < count && n < MOST_JOINED; ++i)
        if (GetParent(audience[i]) == host)
            order[n++] = audience[i];
    bool same = n == stacked_count;
    // Each must stand right above the one before it: read back, as a room may have raised one of them.
    for (int i = 0; i < n && same; ++i)
        same = order[i] == stacked[i] && (i == 0 || GetWindow(order[i], GW_HWNDNEXT) == order[i - 1]);
    if (same)
        return;
    for (int i = 0; i < n; ++i) {
        SetWindowPos(order[i], HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        stacked[i] = order[i];
    }
    stacked_count = n;
}
