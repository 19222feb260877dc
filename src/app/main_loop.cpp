// Each iteration: monitors' check, message pump, counters, checklist pinning, wallpaper
// switch, cursor and foreground capture, cursor limit, mirrors, the audience's screen, toggle button, 10 ms sleep.
#include "app/main_loop.h"
#include "app/app_rules.h"
#include "app/hotkeys.h"
#include "base/compositor.h"
#include "base/dpi.h"
#include "base/platform.h"
#include "base/state.h"
#include "base/texts.h"
#include "base/trace.h"
#include "catalogue/checklist.h"
#include "display/displays.h"
#include "mirror/placement.h"
#include "overlay/button.h"
#include "overlay/curtain.h"
#include "overlay/wallpaper.h"

static MSG msgChecklist;
static int checklistGetResult;
static int time_count;  // completed iterations
static SYSTEMTIME start_time;
static SYSTEMTIME now_time;

static void fetch_and_dispatch(HWND window)
{
    MSG msg;
    GetMessageA(&msg, window, 0, 0);
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

int pump_messages(void)
{
    checklistGetResult = GetMessageA(&msgChecklist, hwChecklist, 0, 0);
    if (checklistGetResult == 0 || checklistGetResult == -1)
        return -1;
    TranslateMessage(&msgChecklist);
    DispatchMessageA(&msgChecklist);
    pump_hotkeys();

    // A fetch with no window would take any message of the thread; skip absent windows.
    if (hwButton != NULL)
        fetch_and_dispatch(hwButton);
    if (hwWallPaper != NULL)
        fetch_and_dispatch(hwWallPaper);

    // The helpers' owner has no timer, so a fetch for it could wait for ever; what reaches it
    // (broadcasts to every top-level window) is taken without waiting.
    MSG msg;
    while (hwHelperOwner != NULL && PeekMessageA(&msg, hwHelperOwner, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);

    pump_mirrors();
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
    setup_displays(change == DISPLAYS_CAME_OR_WENT);
    show_wallpaper();
    list_monitors_in_menu();
}

static void apply_cursor_limit(void)
{
    ScreenPoint pos = {cursor_pos.x, cursor_pos.y};
    CursorMoves moves = cursor_limit_moves(pos, main_area.width, main_area.height);
    for (int i = 0; i < moves.count; ++i)
        SetCursorPos(moves.to[i].x, moves.to[i].y);
}

static void follow_foreground_with_button(const char *class_name)
{
    ForegroundView f = {};
    f.none = hwFore == NULL;
    f.program_window = hwFore == hwButton || hwFore == GetDesktopWindow() || hwFore == hwChecklist ||
                       hwFore == hwWallPaper;
    f.class_name = class_name;
    f.minimised = IsIconic(hwFore) != 0;
    f.maximised = IsZoomed(hwFore) != 0;
    RECT r;
    f.rect_known = hwFore != NULL && GetWindowRect(hwFore, &r);
    if (f.rect_known)
        f.rect = {r.left, r.top, r.right, r.bottom};
    f.caption_buttons_known = f.rect_known && caption_button_bounds(hwFore, &f.caption_buttons);
    f.dpi = window_dpi(hwButton);
    place_button(place_for_foreground(f));
}

static void run_iteration_work(void)
{
    pin_checklist();
    SendMessageA(hwChecklist, WM_MOVE, 0, 0);
    // While blank, or around the one window in the spotlight, the audience sees the picture, not the
    // desktop, whatever the switch says.
    set_wallpaper_visible(set_wp || set_blank || spotlight_on());

    GetCursorPos(&cursor_pos);
    hwFore = GetForegroundWindow();
    char class_name[TEXT_LEN];
    window_class(hwFore, class_name);
    trace(TXT_TR_CLASS, class_name);

    if (mouse_limit)
        apply_cursor_limit();

    int fore_entry = place_mirrors();
    if (fore_entry >= 0)
        button_follows_entry(fore_entry);
    update_mirror_visibility();
    keep_audience_screen();
    follow_foreground_with_button(class_name);
}

// The quit message that the closing checklist posted may have been taken by another window's
// fetch; the checklist's own fetch then fails on the destroyed window. That is still a normal
// close. A failed fetch on a live window is an error.
static int exit_code(void)
{
    if (checklistGetResult == 0)
        return (int)msgChecklist.wParam;
    return IsWindow(hwChecklist) ? 1 : 0;
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
        run_iteration_work();
        Sleep(10);
    }
    return exit_code();
}
