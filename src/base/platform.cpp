// Window operations shared across the program: text reads that always leave a terminated
// text, class registration, the helpers' owner, the main loop's fetches, repainting, placement
// without activation, the bounded paint request.
#include "base/platform.h"
#include "base/texts.h"
#include <string.h>

HINSTANCE hInst;
static HWND owner_of_helpers;

void create_helper_owner(void)
{
    register_window_class(TXT_HELPER_OWNER_CLASS, DefWindowProcA, hInst, IDC_ARROW);
    owner_of_helpers = CreateWindowExA(0, TXT_HELPER_OWNER_CLASS, TXT_HELPER_OWNER_CLASS, WS_POPUP, 0, 0, 1, 1, NULL,
                                       NULL, hInst, NULL);
}

HWND helper_owner(void)
{
    return owner_of_helpers;
}

bool read_window_rect(HWND window, ScreenRect *rect)
{
    RECT r;
    if (window == NULL || !GetWindowRect(window, &r))
        return false;
    *rect = screen_rect(r);
    return true;
}

bool window_is_ours(HWND window)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process == GetCurrentProcessId();
}

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

void fetch_and_dispatch(HWND window)
{
    MSG msg;
    GetMessageA(&msg, window, 0, 0);
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

void dispatch_waiting(HWND window)
{
    MSG msg;
    while (window != NULL && PeekMessageA(&msg, window, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void repaint_now(HWND window)
{
    InvalidateRect(window, NULL, TRUE);
    UpdateWindow(window);
}

void show_painted_now(void)
{
    enum { NO_SUCH_MESSAGE = WM_APP + 0x3FFE };  // nobody posts it
    MSG message;
    PeekMessageA(&message, NULL, NO_SUCH_MESSAGE, NO_SUCH_MESSAGE, PM_NOREMOVE);
}

void place_window(HWND window, HWND insert_after, int x, int y, int width, int height)
{
    UINT flags = SWP_NOACTIVATE;
    // A child stands among its siblings alone: the topmost group, or a window of another parent to stand
    // under, would fail the whole move. Its parent keeps the children's order.
    bool special = insert_after == HWND_TOP || insert_after == HWND_BOTTOM;
    if ((GetWindowLongA(window, GWL_STYLE) & WS_CHILD) != 0 && !special &&
        (insert_after == HWND_TOPMOST || insert_after == HWND_NOTOPMOST || GetParent(insert_after) != GetParent(window)))
        flags |= SWP_NOZORDER;
    SetWindowPos(window, insert_after, x, y, width, height, flags);
}

void place_on_top(HWND window, int x, int y, int width, int height)
{
    SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
    place_window(window, HWND_TOPMOST, x, y, width, height);
}
