// Entry point: sets up the displays, creates the program's windows and runs the main loop until the checklist window is closed.
#include "app/main_loop.h"
#include "app/state.h"
#include "app/texts.h"
#include "app/trace.h"
#include "catalogue/checklist.h"
#include "display/displays.h"
#include "overlay/button.h"
#include "overlay/wallpaper.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    start_trace();
    hInst = GetModuleHandleA(NULL);
    setup_displays();
    hwDesktop = GetDesktopWindow();

    // The wallpaper comes before the checklist, which creates the mirrors: where the window
    // system stacks windows in creation order and cannot lower one (Wine's X11 driver without
    // a window manager), a wallpaper made later would cover every mirror made with the
    // checklist, whatever its place in the Z order.
    if (set_wp) {
        hwWallPaper = create_wallpaper(hInst);
        msgWallPaper.hwnd = hwWallPaper;
        show_wallpaper();
    }

    hwChecklist = create_checklist(hInst);
    msgChecklist.hwnd = hwChecklist;
    if (hwChecklist == NULL) {
        // The checklist's fetch is the loop's only way out; without the window there is
        // nothing to run and nothing to close.
        trace_line(TXT_TR_CHECKLIST_FAILED);
        return 1;
    }
    ShowWindow(hwChecklist, SW_SHOWNORMAL);
    add_menu_items(hwChecklist);

    hwButton = create_button(hInst);
    msgButton.hwnd = hwButton;
    ShowWindow(hwButton, SW_SHOWNORMAL);

    GetLocalTime(&start_time);

    run_main_loop();

    trace_line(TXT_TR_APP_END);
    return loop_exit_code();
}
