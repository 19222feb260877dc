// The benchmark's helper inside the Wine desktop:
//   benchtool copy <dx> <dy> <hwnd>...          a bare reference copier, the mirrors' yardstick:
//       for each target a window at its place moved by (dx, dy), all copied one after the other
//       with GetWindowDC and BitBlt on one 30 ms timer
//   benchtool stretch <dx> <dy> <percent> <mode> <hwnd>...   the same at a scale: each copy at the
//       target's edges scaled by percent about the main monitor's origin, then moved by (dx, dy),
//       each edge rounded half up as the program maps edges; copied with StretchBlt in the mode
//       halftone or coloroncolor
//   benchtool crowd <n> <title>                 n small ordinary windows "<title> <i>", kept
//       until standard input closes
//   benchtool paint <hwnd> <count>              sends WM_PAINT count times, prints the ms taken
#undef UNICODE
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <math.h>
#include <vector>

static std::vector<HWND> targets, copies;
static std::vector<SIZE> copy_sizes;
static int stretch_mode;  // 0: copied as they are, with BitBlt

static void copy_all(void)
{
    for (size_t i = 0; i < targets.size(); ++i) {
        RECT r;
        GetWindowRect(targets[i], &r);
        HDC from = GetWindowDC(targets[i]);
        HDC to = GetWindowDC(copies[i]);
        if (stretch_mode == 0) {
            BitBlt(to, 0, 0, r.right - r.left, r.bottom - r.top, from, 0, 0, SRCCOPY);
        } else {
            // Set on every copy, as the program does: a window DC comes with the default mode each time.
            SetStretchBltMode(to, stretch_mode);
            if (stretch_mode == HALFTONE)
                SetBrushOrgEx(to, 0, 0, NULL);  // as HALFTONE requires after setting it
            StretchBlt(to, 0, 0, copy_sizes[i].cx, copy_sizes[i].cy, from, 0, 0, r.right - r.left, r.bottom - r.top,
                       SRCCOPY);
        }
        ReleaseDC(targets[i], from);
        ReleaseDC(copies[i], to);
    }
}

static LRESULT CALLBACK copier_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER:
        copy_all();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// An edge of the main monitor scaled by percent about its origin and moved by d, rounded half up.
static int mapped(int d, int percent, LONG edge)
{
    return (int)floor(d + percent / 100.0 * edge + 0.5);
}

static int copy(int dx, int dy, int percent, int mode, char **hwnds, int count)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = copier_proc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = "ReferenceCopier";
    RegisterClassA(&wc);
    for (int i = 0; i < count; ++i) {
        HWND target = (HWND)(ULONG_PTR)strtoull(hwnds[i], NULL, 0);
        RECT r;
        if (!GetWindowRect(target, &r))
            return 3;
        RECT c = {mapped(dx, percent, r.left), mapped(dy, percent, r.top), mapped(dx, percent, r.right),
                  mapped(dy, percent, r.bottom)};
        SIZE size = {c.right - c.left, c.bottom - c.top};
        targets.push_back(target);
        copy_sizes.push_back(size);
        copies.push_back(CreateWindowExA(0, wc.lpszClassName, "Reference copier", WS_POPUP, c.left, c.top, size.cx,
                                         size.cy, NULL, NULL, wc.hInstance, NULL));
        ShowWindow(copies.back(), SW_SHOWNOACTIVATE);
    }
    stretch_mode = mode;
    SetTimer(copies[0], 1, 30, NULL);
    printf("ready\n");
    fflush(stdout);
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0) > 0)
        DispatchMessageA(&msg);
    return 0;
}

static DWORD WINAPI wait_for_stdin(void *thread_id)
{
    char line[64];
    while (fgets(line, sizeof line, stdin))
        ;
    PostThreadMessageA(*(DWORD *)thread_id, WM_QUIT, 0, 0);
    return 0;
}

static int crowd(int count, const char *title)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.hbrBackground = (HBRUSH)GetStockObject(GRAY_BRUSH);
    wc.lpszClassName = "BenchCrowd";
    RegisterClassA(&wc);
    std::vector<HWND> windows;
    for (int i = 0; i < count; ++i) {
        char text[256];
        snprintf(text, sizeof text, "%s %d", title, i);
        // Ordinary listable windows, small and low on the main monitor, never activated.
        windows.push_back(CreateWindowExA(WS_EX_NOACTIVATE, wc.lpszClassName, text, WS_POPUP | WS_VISIBLE,
                                          (i * 37) % 1000, 700 + (i % 5) * 12, 24, 10, NULL, NULL, wc.hInstance,
                                          NULL));
    }
    printf("ready %d\n", (int)windows.size());
    fflush(stdout);
    DWORD self = GetCurrentThreadId();
    CloseHandle(CreateThread(NULL, 0, wait_for_stdin, &self, 0, NULL));
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0) > 0)
        DispatchMessageA(&msg);
    for (HWND h : windows)
        DestroyWindow(h);
    return 0;
}

static int paint(HWND window, long count)
{
    DWORD start = GetTickCount();
    for (long i = 0; i < count; ++i) {
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutA(window, WM_PAINT, 0, 0, SMTO_NORMAL, 5000, &result))
            return 4;
    }
    printf("%lu\n", (unsigned long)(GetTickCount() - start));
    return 0;
}

// The stretch mode a word names, or 0.
static int stretch_mode_named(const char *word)
{
    return strcmp(word, "halftone") == 0 ? HALFTONE : strcmp(word, "coloroncolor") == 0 ? COLORONCOLOR : 0;
}

int main(int argc, char **argv)
{
    HWND window = argc > 2 ? (HWND)(ULONG_PTR)strtoull(argv[2], NULL, 0) : NULL;
    if (argc >= 5 && strcmp(argv[1], "copy") == 0)
        return copy(atoi(argv[2]), atoi(argv[3]), 100, 0, argv + 4, argc - 4);
    if (argc >= 7 && strcmp(argv[1], "stretch") == 0 && stretch_mode_named(argv[5]) != 0)
        return copy(atoi(argv[2]), atoi(argv[3]), atoi(argv[4]), stretch_mode_named(argv[5]), argv + 6, argc - 6);
    if (argc == 4 && strcmp(argv[1], "crowd") == 0)
        return crowd(atoi(argv[2]), argv[3]);
    if (argc == 4 && strcmp(argv[1], "paint") == 0)
        return paint(window, atol(argv[3]));
    fprintf(stderr, "usage: benchtool copy DX DY HWND... | stretch DX DY PERCENT halftone|coloroncolor HWND... | "
                    "crowd N TITLE | paint HWND COUNT\n");
    return 2;
}
