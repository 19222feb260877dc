// A stand-in for the compositor's thumbnails, for a desktop that has none (Wine), built as
// dwmapi.dll: registrations that follow the documented contract, drawn by a thread of their own
// 33 times a second with a plain copy of the source. Windows with a sizing frame are given
// 7 pixels of invisible border left, right and below, as Windows 10 gives them. The number of live
// registrations is the title of a hidden window of class "VtDwmStandIn", for the stories to read.
#undef UNICODE
#include <windows.h>
#include <stdio.h>

enum { MAX_THUMBNAILS = 256, FRAME_MS = 30, INVISIBLE_BORDER = 7, EXTENDED_FRAME_BOUNDS = 9 };
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

__declspec(dllexport) HRESULT WINAPI DwmGetWindowAttribute(HWND window, DWORD attribute, void *value, DWORD size)
{
    RECT r;
    if (attribute != EXTENDED_FRAME_BOUNDS || size != sizeof r || !GetWindowRect(window, &r))
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
