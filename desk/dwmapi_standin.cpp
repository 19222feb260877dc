// A stand-in for the compositor's thumbnails, for a desktop that has none (Wine), built as
// dwmapi.dll: registrations that follow the documented contract, drawn by a thread of their own
// 33 times a second with a plain copy of the source. Windows with a sizing frame are given
// 7 pixels of invisible border left, right and below, as Windows 10 gives them. A window's property
// "VtCloaked" (non-zero) cloaks it; "VtRefuse" makes every attribute of it fail with that code. A
// captioned window with a window menu has three caption buttons of 46 x 30 pixels at 96 DPI (22 high
// when maximised), scaled to its DPI, at its right edge inside the invisible border (a maximised
// window's: at its monitor's edge). The number of live registrations is the title of a hidden window
// of class "VtDwmStandIn", for the stories to read.
#undef UNICODE
#include <windows.h>
#include <stdio.h>

enum { MAX_THUMBNAILS = 256, FRAME_MS = 30, INVISIBLE_BORDER = 7 };
enum { CAPTION_BUTTON_BOUNDS = 5, EXTENDED_FRAME_BOUNDS = 9, CLOAKED = 14 };
enum { TNP_DESTINATION = 1, TNP_SOURCE = 2, TNP_OPACITY = 4, TNP_VISIBLE = 8, TNP_CLIENT_ONLY = 16 };

#pragma pack(push, 1)  // as the platform's header declares it
struct Properties {     // DWM_THUMBNAIL_PROPERTIES
    DWORD flags;
    RECT destination;
    RECT source;
    BYTE opacity;
    BOOL visible;
    BOOL client_only;
};
#pragma pack(pop)

struct Thumbnail {
    bool live;
    bool drawn;  // properties have been set
    HWND destination, source;
    Properties p;
};

static Thumbnail thumbnails[MAX_THUMBNAILS];  // id: index + 1
static CRITICAL_SECTION lock;
static HANDLE drawer;
static HINSTANCE module;

static bool top_level(HWND window)
{
    return IsWindow(window) && GetAncestor(window, GA_ROOT) == window;
}

static void draw(const Thumbnail &t)
{
    const RECT &s = t.p.source, &d = t.p.destination;
    HDC from = GetWindowDC(t.source);
    HDC to = GetDC(t.destination);
    StretchBlt(to, d.left, d.top, d.right - d.left, d.bottom - d.top, from, s.left, s.top, s.right - s.left,
               s.bottom - s.top, SRCCOPY);
    ReleaseDC(t.destination, to);
    ReleaseDC(t.source, from);
}

static DWORD WINAPI draw_thumbnails(void *)
{
    // Never shown: only its title counts.
    HWND reporter = CreateWindowExA(0, "VtDwmStandIn", "", WS_POPUP, 0, 0, 1, 1, NULL, NULL, module, NULL);
    int reported = -1;
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        int live = 0;
        EnterCriticalSection(&lock);
        for (const Thumbnail &t : thumbnails) {
            live += t.live;
            if (t.live && t.drawn && t.p.visible && IsWindow(t.source) && IsWindow(t.destination))
                draw(t);
        }
        LeaveCriticalSection(&lock);
        if (live != reported) {
            char text[16];
            snprintf(text, sizeof text, "%d", live);
            SetWindowTextA(reporter, text);
            reported = live;
        }
        MsgWaitForMultipleObjects(0, NULL, FALSE, FRAME_MS, QS_ALLINPUT);
    }
}

static Thumbnail *thumbnail_of(HANDLE id)
{
    ULONG_PTR i = (ULONG_PTR)id;
    return i >= 1 && i <= MAX_THUMBNAILS && thumbnails[i - 1].live ? &thumbnails[i - 1] : NULL;
}

extern "C" {

__declspec(dllexport) HRESULT WINAPI DwmRegisterThumbnail(HWND destination, HWND source, HANDLE *id)
{
    DWORD owner = 0;
    GetWindowThreadProcessId(destination, &owner);
    if (id == NULL || !top_level(destination) || !top_level(source) || owner != GetCurrentProcessId())
        return E_INVALIDARG;
    EnterCriticalSection(&lock);
    if (drawer == NULL)
        drawer = CreateThread(NULL, 0, draw_thumbnails, NULL, 0, NULL);
    HRESULT result = E_OUTOFMEMORY;
    for (int i = 0; i < MAX_THUMBNAILS; ++i) {
        if (!thumbnails[i].live) {
            thumbnails[i] = Thumbnail();
            thumbnails[i].live = true, thumbnails[i].destination = destination, thumbnails[i].source = source;
            *id = (HANDLE)(ULONG_PTR)(i + 1);
            result = S_OK;
            break;
        }
    }
    LeaveCriticalSection(&lock);
    return result;
}

__declspec(dllexport) HRESULT WINAPI DwmUpdateThumbnailProperties(HANDLE id, const Properties *p)
{
    EnterCriticalSection(&lock);
    Thumbnail *t = thumbnail_of(id);
    if (t != NULL && p != NULL) {
        t->p.destination = p->flags & TNP_DESTINATION ? p->destination : t->p.destination;
        t->p.source = p->flags & TNP_SOURCE ? p->source : t->p.source;
        t->p.visible = p->flags & TNP_VISIBLE ? p->visible : t->p.visible;
        t->drawn = true;
    }
    LeaveCriticalSection(&lock);
    return t != NULL && p != NULL ? S_OK : E_INVALIDARG;
}

__declspec(dllexport) HRESULT WINAPI DwmUnregisterThumbnail(HANDLE id)
{
    EnterCriticalSection(&lock);
    Thumbnail *t = thumbnail_of(id);
    if (t != NULL)
        t->live = false;
    LeaveCriticalSection(&lock);
    return t != NULL ? S_OK : E_INVALIDARG;
}

// The three caption buttons in the window's coordinates; none (an empty rectangle) without a caption.
static RECT caption_buttons(HWND window, const RECT &r)
{
    LONG style = GetWindowLongA(window, GWL_STYLE);
    UINT dpi = GetDpiForWindow(window) ? GetDpiForWindow(window) : 96;
    RECT b = {0, 0, 0, 0};
    if ((style & WS_CAPTION) != WS_CAPTION || !(style & WS_SYSMENU))
        return b;
    int right = r.right - r.left - (style & WS_THICKFRAME ? INVISIBLE_BORDER : 1), top = 1;
    if (IsZoomed(window)) {
        MONITORINFO m = {};
        m.cbSize = sizeof m;
        GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &m);
        right = m.rcMonitor.right - r.left, top = m.rcMonitor.top - r.top;
    }
    b = {right - 3 * MulDiv(46, dpi, 96), top, right, top + MulDiv(IsZoomed(window) ? 22 : 30, dpi, 96)};
    return b;
}

__declspec(dllexport) HRESULT WINAPI DwmGetWindowAttribute(HWND window, DWORD attribute, void *value, DWORD size)
{
    RECT r;
    if (!GetWindowRect(window, &r))
        return E_INVALIDARG;
    if (GetPropA(window, "VtRefuse"))
        return (HRESULT)(ULONG_PTR)GetPropA(window, "VtRefuse");
    if (attribute == CLOAKED && size == sizeof(DWORD)) {
        *(DWORD *)value = GetPropA(window, "VtCloaked") ? 1 : 0;  // DWM_CLOAKED_APP
        return S_OK;
    }
    if (attribute == CAPTION_BUTTON_BOUNDS && size == sizeof r) {
        *(RECT *)value = caption_buttons(window, r);
        return S_OK;
    }
    if (attribute != EXTENDED_FRAME_BOUNDS || size != sizeof r)
        return E_INVALIDARG;
    if (GetWindowLongA(window, GWL_STYLE) & WS_THICKFRAME)
        r.left += INVISIBLE_BORDER, r.right -= INVISIBLE_BORDER, r.bottom -= INVISIBLE_BORDER;
    *(RECT *)value = r;
    return S_OK;
}

__declspec(dllexport) HRESULT WINAPI DwmIsCompositionEnabled(BOOL *enabled)
{
    *enabled = TRUE;
    return S_OK;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void *)
{
    if (reason == DLL_PROCESS_ATTACH) {
        InitializeCriticalSection(&lock);
        module = instance;
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = instance;
        wc.lpszClassName = "VtDwmStandIn";
        RegisterClassA(&wc);
    }
    return TRUE;
}
}
