// WinMain when the checklist window cannot be created: it must say so and exit non-zero
// instead of pumping every message of the thread forever. The class name is taken first,
// so the checklist's registration fails exactly as it would in the program.
#include "app/win32.h"
#include <stdio.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int);

int main()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = "Checklist";
    if (!RegisterClassA(&wc)) {
        printf("could not take the class name\n");
        return 100;
    }
    int code = WinMain(GetModuleHandleA(NULL), NULL, (LPSTR) "", SW_SHOWNORMAL);
    fflush(stdout);
    printf("WinMain returned %d\n", code);
    return code;
}
