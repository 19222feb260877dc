// Per-monitor DPI, the frame's size and the message font, each with its fallback for systems that
// lack the per-monitor functions (Windows 7 and 8.1: one DPI for every monitor).
#include "base/dpi.h"
#include "base/dpi_rules.h"
#include "base/platform.h"
#include "base/texts.h"
#include "base/trace.h"

typedef UINT(WINAPI *DpiForWindowFn)(HWND);
typedef BOOL(WINAPI *AdjustForDpiFn)(LPRECT, DWORD, BOOL, DWORD, UINT);
typedef BOOL(WINAPI *ParametersForDpiFn)(UINT, UINT, PVOID, UINT, UINT);

template <typename Fn> static Fn user32_function(const char *name)
{
    return function_in<Fn>(GetModuleHandleA("user32.dll"), name);
}

// The one DPI of every monitor where the system has no other.
static unsigned system_dpi(void)
{
    HDC screen = GetDC(NULL);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(NULL, screen);
    return dpi > 0 ? (unsigned)dpi : (unsigned)BASE_DPI;
}

unsigned window_dpi(HWND window)
{
    static DpiForWindowFn dpi_for_window = user32_function<DpiForWindowFn>("GetDpiForWindow");
    static bool unusable_traced;
    unsigned dpi = dpi_for_window != NULL ? dpi_for_window(window) : system_dpi();
    if (dpi_usable(dpi))
        return dpi;
    // A window that has just closed reads 0: nothing to say about that.
    if (dpi != 0 && !unusable_traced) {
        trace(TXT_TR_DPI_UNUSABLE, dpi, (unsigned)BASE_DPI);
        unusable_traced = true;
    }
    return BASE_DPI;
}

// A client area of 100 x 100 with the frame of a window of this style around it, at this DPI.
static RECT framed(DWORD style, DWORD ex_style, unsigned dpi)
{
    static AdjustForDpiFn adjust_for_dpi = user32_function<AdjustForDpiFn>("AdjustWindowRectExForDpi");
    RECT r = {0, 0, 100, 100};
    if (adjust_for_dpi == NULL || !adjust_for_dpi(&r, style, FALSE, ex_style, dpi))
        AdjustWindowRectEx(&r, style, FALSE, ex_style);
    return r;
}

int frame_height_for_dpi(DWORD style, DWORD ex_style, unsigned dpi)
{
    RECT r = framed(style, ex_style, dpi);
    return (r.bottom - r.top) - 100;
}

int frame_width_for_dpi(DWORD style, DWORD ex_style, unsigned dpi)
{
    RECT r = framed(style, ex_style, dpi);
    return (r.right - r.left) - 100;
}

// The system's message font at this DPI, as a wide font description: the per-DPI query has no ANSI form.
static bool message_font_for_dpi(unsigned dpi, LOGFONTW *font)
{
    static ParametersForDpiFn parameters_for_dpi = user32_function<ParametersForDpiFn>("SystemParametersInfoForDpi");
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof metrics;
    if (parameters_for_dpi == NULL || !parameters_for_dpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi))
        return false;
    *font = metrics.lfMessageFont;
    return true;
}

HFONT create_message_font(unsigned dpi)
{
    LOGFONTW wide;
    LOGFONTA font = {};
    if (message_font_for_dpi(dpi, &wide)) {
        font.lfHeight = wide.lfHeight;
        font.lfWeight = wide.lfWeight;
        font.lfCharSet = wide.lfCharSet;
        font.lfQuality = wide.lfQuality;
        font.lfPitchAndFamily = wide.lfPitchAndFamily;
        WideCharToMultiByte(CP_ACP, 0, wide.lfFaceName, -1, font.lfFaceName, LF_FACESIZE, NULL, NULL);
    } else {
        // The system's own DPI only: scaled from there.
        NONCLIENTMETRICSA metrics = {};
        metrics.cbSize = sizeof metrics;
        SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
        font = metrics.lfMessageFont;
        font.lfHeight = MulDiv(font.lfHeight, (int)dpi, (int)system_dpi());
    }
    return CreateFontIndirectA(&font);
}
