// The benchmark's reference copier: one window that copies one target with GetWindowDC and
// BitBlt on a 30 ms timer, and nothing else. The mirrors' latency is compared with it.
//   refcopy <target hwnd, hex> <x> <y>
#include "app/win32.h"
#include <stdio.h>
#include <stdlib.h>

static HWND target;

static LRESULT CALLBACK copier_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER: {
        RECT r;
        GetWindowRect(target, &r);
        HDC from = GetWindowDC(target);
        HDC to = GetWindowDC(window);
        BitBlt(to, 0, 0, r.right - r.left, r.bottom - r.top, from, 0, 0, SRCCOPY);
        ReleaseDC(target, from);
        ReleaseDC(window, to);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int main(int argc, char **argv)
{
    if (argc < 4) {
        fprintf(stderr, "usage: refcopy target-hwnd x y\n");
        return 2;
    }
    target = (HWND)(ULONG_PTR)strtoull(argv[1], NULL, 16);
    RECT r;
    if (!GetWindowRect(target, &r))
        return 3;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = copier_proc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = "ReferenceCopier";
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(0, wc.lpszClassName, "Reference copier", WS_POPUP, atoi(argv[2]), atoi(argv[3]),
                                  r.right - r.left, r.bottom - r.top, NULL, NULL, wc.hInstance, NULL);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    SetTimer(window, 1, 30, NULL);
    printf("ready\n");
    fflush(stdout);
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0) > 0)
        DispatchMessageA(&msg);
    return 0;
}
