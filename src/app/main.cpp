// Entry point: one copy per session; sets up the displays, creates the program's windows and
// runs the main loop until the checklist window is closed.
#include "app/main_loop.h"
#include "backdrop/curtain.h"
#include "backdrop/wallpaper.h"
#include "base/platform.h"
#include "base/step_times.h"
#include "base/texts.h"
#include "base/trace.h"
#include "controls/button.h"
#include "controls/checklist.h"
#include "controls/hotkeys.h"
#include "controls/preview.h"
#include "controls/window_menu.h"
#include "display/displays.h"
#include "mirror/placement.h"
#include "mirror/screen_modes.h"

// Held for the whole run: the named mutex exists as long as a copy holds it, and the system
// closes the handle when a copy ends, even by a crash, so a copy that died never blocks the next.
static HANDLE instance_mutex;

// True when another copy of the program runs in this session.
static bool another_copy_runs(void)
{
    instance_mutex = CreateMutexA(NULL, FALSE, TXT_SINGLE_INSTANCE_MUTEX);
    return instance_mutex != NULL && GetLastError() == ERROR_ALREADY_EXISTS;
}

// A second copy would put a second wallpaper over the first one's mirrors and a second button
// beside the first: it shows the user the copy that runs instead.
static void bring_running_copy_forward(void)
{
    HWND running = FindWindowA(TXT_CHECKLIST_CLASS, TXT_CHECKLIST_TITLE);
    if (running != NULL) {
        if (IsIconic(running))
            ShowWindow(running, SW_RESTORE);
        SetForegroundWindow(running);
    }
    trace_line(TXT_TR_ALREADY_RUNNING);
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    start_trace();
    start_step_times();
    if (another_copy_runs()) {
        bring_running_copy_forward();
        return 0;
    }
    hInst = GetModuleHandleA(NULL);
    setup_displays(true, NULL);  // no window of the program yet to own a warning
    create_helper_owner();
    start_mirrors();
    start_zoom();
    start_curtain();

    // The wallpaper comes before the checklist, which creates the mirrors: where the window
    // system stacks windows in creation order and cannot lower one (Wine's X11 driver without
    // a window manager), a wallpaper made later would cover every mirror made with the
    // checklist, whatever its place in the Z order.
    create_wallpaper();
    show_wallpaper();

    HWND checklist = create_checklist();
    if (checklist == NULL) {
        // The checklist's fetch is the loop's only way out; without the window there is
        // nothing to run and nothing to close.
        trace_line(TXT_TR_CHECKLIST_FAILED);
        return 1;
    }
    ShowWindow(checklist, SW_SHOWNORMAL);
    add_menu_items(checklist);
    register_hotkeys();

    // Shown without activation, like every later placement: the keyboard stays with the
    // checklist, so the user's first Alt+F4 does not go to the button.
    create_button(checklist);
    ShowWindow(button_window(), SW_SHOWNOACTIVATE);
    start_preview();

    int code = run_main_loop();
    release_hotkeys();
    release_mirrors();
    trace_line(TXT_TR_APP_END);
    return code;
}
