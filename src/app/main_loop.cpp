// Each pass: the monitors' check, the message pump, the counters, then the per-pass work in order: the
// checklist pinned, the wallpaper's visibility, the pointer and the window in front captured, the cursor
// limit, the mirrors placed and shown, the audience's screen kept, the toggle button, the picked windows' answers,
// the preview; then a 10 ms sleep.
#include "app/main_loop.h"
#include "app/run_time_rules.h"
#include "backdrop/backdrop_rules.h"
#include "backdrop/curtain.h"
#include "backdrop/wallpaper.h"
#include "base/platform.h"
#include "base/step_times.h"
#include "base/texts.h"
#include "base/trace.h"
#include "catalogue/responding.h"
#include "controls/button.h"
#include "controls/checklist.h"
#include "controls/cursor_limit.h"
#include "controls/hotkeys.h"
#include "controls/preview.h"
#include "controls/window_menu.h"
#include "display/audience_window.h"
#include "display/displays.h"
#include "mirror/placement.h"
#include "mirror/screen_modes.h"

static MSG msgChecklist;
static int checklistGetResult;
static int time_count;  // completed iterations
static SYSTEMTIME start_time;
static SYSTEMTIME now_time;

int pump_messages(void)
{
    HWND checklist = checklist_window();
    checklistGetResult = GetMessageA(&msgChecklist, checklist, 0, 0);
    if (checklistGetResult == 0 || checklistGetResult == -1)
        return -1;
    TranslateMessage(&msgChecklist);
    DispatchMessageA(&msgChecklist);
    pump_hotkeys();

    // A fetch with no window would take any message of the thread; skip absent windows.
    if (button_window() != NULL)
        fetch_and_dispatch(button_window());
    if (wallpaper_window() != NULL)
        fetch_and_dispatch(wallpaper_window());
    pump_preview();
    // The helpers' owner has no timer: what reaches it (broadcasts to every top-level window) is taken
    // without waiting.
    dispatch_waiting(helper_owner());
    pump_mirrors();
    // The audience's window and what is left of its children's messages: last, so that the children's own
    // fetches above find their timers' messages.
    dispatch_waiting(audience_host());
    return 0;
}

void print_elapsed(void)
{
    Elapsed e = elapsed_between(start_time.wHour, start_time.wMinute, start_time.wSecond, now_time.wHour,
                                now_time.wMinute, now_time.wSecond);
    trace_line(TXT_TR_RUN_TIME);
    trace(TXT_TR_ELAPSED_SECONDS, e.seconds);
    trace(TXT_TR_ELAPSED_MINUTES, e.minutes);
    trace(TXT_TR_ELAPSED_HOURS, e.hours);
}

// Monitors that came or went, or another one picked, are set up as at start; monitors that moved (a mode,
// an arrangement, a rotation or a scale changed) have their areas read again. Either way the wallpaper,
// the mirrors, their pop-ups and the mapping follow in this pass.
static void check_displays(void)
{
    DisplayChange change = displays_changed();
    if (change == DISPLAYS_SAME)
        return;
    HWND host = audience_host();
    setup_displays(may_change_modes_after(change), checklist_window());
    // A thumbnail is drawn into a top-level window: moved between the monitor and the window, every mirror
    // registers anew, with its new top-level window.
    if (audience_host() != host)
        release_mirrors();
    show_wallpaper();
    list_monitors_in_menu(checklist_window());
}

static void follow_desktop(void)
{
    HWND checklist = checklist_window();
    pin_checklist();
    SendMessageA(checklist, WM_MOVE, 0, 0);
    bool spotlight = spotlit_window() != NULL;
    set_wallpaper_visible(wallpaper_shows(wallpaper_switch_on(), audience_blank(), spotlight, zoom_on()));

    AudiencePass pass = {};
    step_begins();
    GetCursorPos(&pass.cursor);
    step_ends(STEP_POINTER_READ);
    pass.fore = GetForegroundWindow();
    pass.fore_is_control = pass.fore == button_window();
    char class_name[TEXT_LEN];
    window_class(pass.fore, class_name);
    trace(TXT_TR_CLASS, class_name);

    // In the window the audience sees no monitor: the pointer has nowhere to be kept from.
    if (audience_host() == NULL)
        apply_cursor_limit(pass.cursor);

    PlacementResult placed = place_mirrors(pass);
    button_follows(placed.fore_entry, placed.face);
    update_mirror_visibility();
    HWND audience[MOST_AUDIENCE];
    int audience_count = audience_windows(audience, MOST_AUDIENCE);
    // In the window nothing of others stands among the audience's windows: the window clips them, and only
    // their order within it needs keeping.
    if (audience_host() == NULL)
        keep_audience_screen(wallpaper_window(), audience, audience_count);
    else
        stack_on_surface(wallpaper_window(), audience, audience_count);
    follow_foreground(pass.fore, class_name);
    check_responding();
    follow_preview();
    trace_step_times();
}

// The quit message that the closing checklist posted may have been taken by another window's
// fetch; the checklist's own fetch then fails on the destroyed window. That is still a normal
// close. A failed fetch on a live window is an error.
static int exit_code(void)
{
    if (checklistGetResult == 0)
        return (int)msgChecklist.wParam;
    return IsWindow(checklist_window()) ? 1 : 0;
}

int run_main_loop(void)
{
    GetLocalTime(&start_time);
    for (;;) {
        check_displays();
        if (pump_messages() == -1)
            break;
        time_count++;
        GetLocalTime(&now_time);
        if (time_count % 100 == 0) {
            trace(TXT_TR_TIME_COUNT, time_count);
            print_elapsed();
        }
        follow_desktop();
        Sleep(10);
    }
    return exit_code();
}
