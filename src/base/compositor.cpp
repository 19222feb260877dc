// Window attributes read from the compositor, with the module loaded once.
#include "base/compositor.h"
#include "base/platform.h"
#include "base/texts.h"

typedef HRESULT(WINAPI *AttributeFn)(HWND, DWORD, PVOID, DWORD);

// The attributes' numbers, as dwmapi.h numbers them; older headers lack the later ones.
enum {
    ATTRIBUTE_CAPTION_BUTTON_BOUNDS = 5,
    ATTRIBUTE_EXTENDED_FRAME_BOUNDS = 9,
    ATTRIBUTE_CLOAKED = 14  // Windows 8 and later
};

HMODULE compositor_module(void)
{
    static bool tried;
    static HMODULE module;
    if (!tried)
        module = LoadLibraryExA(TXT_COMPOSITOR_DLL, NULL, LOAD_LIBRARY_SEARCH_SYSTEM32);
    tried = true;
    return module;
}

static AttributeFn attribute_function(void)
{
    static bool tried;
    static AttributeFn function;
    if (!tried)
        function = function_in<AttributeFn>(compositor_module(), "DwmGetWindowAttribute");
    tried = true;
    return function;
}

static bool read_attribute(HWND window, DWORD attribute, void *value, DWORD size)
{
    AttributeFn read = attribute_function();
    return window != NULL && read != NULL && SUCCEEDED(read(window, attribute, value, size));
}

bool window_cloaked(HWND window)
{
    DWORD cloaked = 0;
    return read_attribute(window, ATTRIBUTE_CLOAKED, &cloaked, sizeof cloaked) && cloaked != 0;
}

bool window_out_of_view(HWND window)
{
    return IsIconic(window) || window_cloaked(window);
}

static bool read_rect(HWND window, DWORD attribute, ScreenRect *out)
{
    RECT r = {0, 0, 0, 0};
    if (!read_attribute(window, attribute, &r, sizeof r) || r.right <= r.left || r.bottom <= r.top)
        return false;
    *out = screen_rect(r);
    return true;
}

bool caption_button_bounds(HWND window, ScreenRect *bounds)
{
    return read_rect(window, ATTRIBUTE_CAPTION_BUTTON_BOUNDS, bounds);
}

bool extended_frame_bounds(HWND window, ScreenRect *bounds)
{
    return read_rect(window, ATTRIBUTE_EXTENDED_FRAME_BOUNDS, bounds);
}
