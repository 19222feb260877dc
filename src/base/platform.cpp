// Window operations shared across the program: text reads that always leave a terminated
// text, class registration, repainting, placement without activation, the bounded paint request.
#include "base/platform.h"
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

void nudge_paint(HWND target)
{
    enum { PAINT_WAIT_MS = 50 };
    if (target == NULL)
        return;
    DWORD_PTR result = 0;
    SendMessageTimeoutA(target, WM_PAINT, 0, 0, SMTO_ABORTIFHUNG | SMTO_NORMAL, PAINT_WAIT_MS, &result);
}

ATOM register_window_class(const char *name, WNDPROC procedure, HINSTANCE instance, const char *cursor)
{
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(NULL, IDI_APPLICATION);
    wc.hIconSm = wc.hIcon;
    wc.hCursor = LoadCursorA(NULL, cursor);
    wc.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
    wc.lpszClassName = name;
    return RegisterClassExA(&wc);
}

void start_repaint_timer(HWND window)
{
    enum { REPAINT_MS = 30 };
    SetTimer(window, REPAINT_TIMER, REPAINT_MS, NULL);
}

void repaint_now(HWND window)
{
    InvalidateRect(window, NULL, TRUE);
    UpdateWindow(window);
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
