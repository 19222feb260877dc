// Each iteration: monitor check, message pump, counters, checklist pinning, wallpaper
// switch, cursor and foreground capture, cursor limit, mirrors, toggle button, 10 ms sleep.
#include "app/main_loop.h"
#include "app/cursor_limit.h"
#include "app/elapsed.h"
#include "app/loop_geometry.h"
#include "app/platform.h"
#include "app/state.h"
#include "app/texts.h"
#include "app/trace.h"
#include "display/displays.h"
#include "mirror/placement.h"
#include "overlay/button.h"
#include "overlay/wallpaper.h"

static void fetch_and_dispatch(MSG *msg, HWND window, int *result)
{
    *result = GetMessageA(msg, window, 0, 0);
    TranslateMessage(msg);
    DispatchMessageA(msg);
}

int pump_messages(void)
{
    checklistGetResult = GetMessageA(&msgChecklist, hwChecklist, 0, 0);
    if (checklistGetResult == 0 || checklistGetResult == -1)
        return -1;
    TranslateMessage(&msgChecklist);
    DispatchMessageA(&msgChecklist);

    // A fetch with no window would take any message of the thread; skip absent windows.
    if (hwButton != NULL)
        fetch_and_dispatch(&msgButton, hwButton, &buttonGetResult);
    if (hwWallPaper != NULL)
        fetch_and_dispatch(&msgWallPaper, hwWallPaper, &wallPaperGetResult);

    // The entry just past the catalogue still holds a mirror after a shrink: pump it too.
    for (int i = 0; i < entries_with_next(win_count); ++i) {
        WinEntry &e = win_table[i];
        if (e.hwMir != NULL)
            fetch_and_dispatch(&e.msgMir, e.hwMir, &e.mirGetResult);
    }
    return 0;
}

void print_elapsed(void)
{
    Elapsed e = elapsed_between(start_time.wHour, start_time.wMinute, start_time.wSecond,
                                now_time.wHour, now_time.wMinute, now_time.wSecond);
    trace_line(TXT_TR_RUN_TIME);
    trace(TXT_TR_ELAPSED_SECONDS, e.seconds);
    trace(TXT_TR_ELAPSED_MINUTES, e.minutes);
    trace(TXT_TR_ELAPSED_HOURS, e.hours);
}

static void check_monitor_count(void)
{
    if (GetSystemMetrics(SM_CMONITORS) == monitor_num)
        return;
    monitor_num = 0;
    setup_displays();
    show_wallpaper();
}

static void apply_cursor_limit(void)
{
    ScreenPoint pos = {cursor_pos.x, cursor_pos.y};
    CursorMoves moves = cursor_limit_moves(pos, main_area.width, main_area.height);
    for (int i = 0; i < moves.count; ++i)
        SetCursorPos(moves.to[i].x, moves.to[i].y);
}

static void follow_foreground_with_button(void)
{
    if (hwFore == NULL)
        return;
    RECT r = {0, 0, 0, 0};
    bool minimised = IsIconic(hwFore) != 0;
    bool maximised = !minimised && IsZoomed(hwFore) != 0;
    if (!minimised && !GetWindowRect(hwFore, &r))
        return;
    ScreenRect rect = {r.left, r.top, r.right, r.bottom};
    ButtonAnchor a = button_anchor(minimised, maximised, rect);
    place_button(a.left, a.top, a.width);
}

static void run_iteration_work(void)
{
    MoveWindow(hwChecklist, 0, 0, CHECKLIST_WIDTH, checklist_height(win_count), TRUE);
    SendMessageA(hwChecklist, WM_MOVE, 0, 0);
    if (hwWallPaper != NULL)
        ShowWindow(hwWallPaper, set_wp ? SW_SHOWNOACTIVATE : SW_HIDE);

    GetCursorPos(&cursor_pos);
    hwFore = GetForegroundWindow();
    char class_name[TEXT_LEN];
    window_class(hwFore, class_name);
    trace(TXT_TR_CLASS, class_name);

    if (mouse_limit)
        apply_cursor_limit();

    place_mirrors();
    update_mirror_visibility();
    follow_foreground_with_button();
}

void run_main_loop(void)
{
    for (;;) {
        check_monitor_count();
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
}

int loop_exit_code(void)
{
    if (checklistGetResult == 0)
        return (int)msgChecklist.wParam;
    // The quit message that the closing checklist posted may have been taken by another
    // window's fetch; the checklist's own fetch then fails on the destroyed window. That is
    // still a normal close. A failed fetch on a live window is an error.
    return IsWindow(hwChecklist) ? 1 : 0;
}
