// Window operations shared across the program: text reads that always leave a terminated
// text, class registration, placement without activation, and the bounded paint request.
#include "app/platform.h"
#include <string.h>

void window_title(HWND window, char *out)
{
    out[0] = '\0';
    if (window != NULL && GetWindowTextA(window, out, TEXT_LEN) <= 0)
        out[0] = '\0';
}

void window_class(HWND window, char *out)
{
    out[0] = '\0';
    if (window != NULL && GetClassNameA(window, out, TEXT_LEN) <= 0)
        out[0] = '\0';
}

ATOM register_plain_class(const char *name, WNDPROC procedure, HINSTANCE instance)
{
    WNDCLASSA wc = {};
    wc.style = CS_VREDRAW | CS_HREDRAW;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(NULL, IDI_APPLICATION);
    wc.hCursor = LoadCursorA(NULL, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
    wc.lpszClassName = name;
    return RegisterClassA(&wc);
}

void set_text_if_changed(HWND window, const char *text)
{
    char now[TEXT_LEN + 2] = "";
    if (window == NULL)
        return;
    GetWindowTextA(window, now, sizeof now);
    if (strcmp(now, text) == 0)
        return;
    SetWindowTextA(window, text);
}

void place_window(HWND window, HWND insert_after, int x, int y, int width, int height)
{
    SetWindowPos(window, insert_after, x, y, width, height, SWP_NOACTIVATE);
}

void place_on_top(HWND window, int x, int y, int width, int height)
{
    SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
    place_window(window, HWND_TOPMOST, x, y, width, height);
}

void nudge_paint(HWND target)
{
    enum { PAINT_WAIT_MS = 50 };
    if (target == NULL)
        return;
    DWORD_PTR result = 0;
    SendMessageTimeoutA(target, WM_PAINT, 0, 0, SMTO_ABORTIFHUNG | SMTO_NORMAL, PAINT_WAIT_MS, &result);
}
