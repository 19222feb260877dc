// The checklist window owns the catalogue: it builds it on creation, refreshes captions
// and mirror titles every 30 ms, rebuilds it when the number of eligible windows changes,
// and turns row clicks into ticks.
#include "catalogue/checklist.h"
#include "app/limits.h"
#include "app/loop_geometry.h"
#include "app/platform.h"
#include "app/state.h"
#include "app/texts.h"
#include "app/trace.h"
#include "catalogue/catalogue.h"
#include "catalogue/tick_match.h"
#include <stdio.h>
#include <string.h>

enum {
    CHECKLIST_STYLE = 0x10CF0000,  // WS_VISIBLE | WS_OVERLAPPEDWINDOW
    ROW_STYLE = 0x50040002,        // WS_CHILD | WS_VISIBLE | WS_THICKFRAME | BS_CHECKBOX
    ROW_WIDTH = 300,
    ROW_HEIGHT = 30,
    REFRESH_TIMER = 1,
    REFRESH_MS = 30
};

HWND create_checklist(HINSTANCE instance)
{
    if (register_plain_class(TXT_CHECKLIST_CLASS, checklist_proc, instance) == 0)
        return NULL;
    return CreateWindowExA(0, TXT_CHECKLIST_CLASS, TXT_CHECKLIST_TITLE, CHECKLIST_STYLE, 0, 0,
                           CHECKLIST_WIDTH, 0, NULL, NULL, instance, NULL);
}

static void build_catalogue(void)
{
    win_num = 0;
    EnumWindows(collect_proc, 0);
    win_count = win_num;
    sort_by_title();
    apply_mirror_styles();
}

static void on_create(HWND window)
{
    for (int i = 0; i < MAX_WINDOWS; ++i) {
        check_rows[i].hwCheck = CreateWindowExA(0, TXT_ROW_CLASS, TXT_ROW_PLACEHOLDER, ROW_STYLE, 0, ROW_HEIGHT * i,
                                                ROW_WIDTH, ROW_HEIGHT, window, (HMENU)(INT_PTR)i, hInst, NULL);
        check_rows[i].checked = 0;
    }
    build_catalogue();
    trace(TXT_TR_WIN_NUM, win_num);
    SetTimer(window, REFRESH_TIMER, REFRESH_MS, NULL);
}

// Both the row's own click and the toggle button arrive here with the row index.
static void toggle_row(int id)
{
    trace(TXT_TR_CHECK_ID, id);
    // Only rows toggle: menu ids (100 and up) and ids between the rows and them end here.
    if (id >= MAX_WINDOWS)
        return;
    CheckRow &row = check_rows[id];
    WinEntry &e = win_table[id];
    int now_checked = SendMessageA(row.hwCheck, BM_GETCHECK, 0, 0) == BST_UNCHECKED ? 1 : 0;
    row.checked = now_checked;
    SendMessageA(row.hwCheck, BM_SETCHECK, (WPARAM)now_checked, 0);
    nudge_paint(e.hwTarget);
    SendMessageA(e.hwMir, WM_PAINT, 0, 0);

    if (now_checked) {
        e.shown = 1;
        window_title(e.hwTarget, sel_titles[id]);
        trace(TXT_TR_LINE, sel_titles[id]);
        char class_name[TEXT_LEN];
        window_class(e.hwTarget, class_name);
        trace(TXT_TR_LINE, class_name);
    } else {
        e.shown = 0;
        strcpy(sel_titles[id], " ");
    }
}

static bool toggle_switch(WPARAM command)
{
    switch (command) {
    case ID_MOUSE_LIMIT:
        mouse_limit = 1 - mouse_limit;
        trace(TXT_TR_MOUSE_LIMIT, mouse_limit);
        return true;
    case ID_MOUSE_POINTER:
        set_mousepointer = 1 - set_mousepointer;
        trace(TXT_TR_MOUSE_POINTER, set_mousepointer);
        return true;
    case ID_WALLPAPER:
        set_wp = 1 - set_wp;
        trace(TXT_TR_WALLPAPER, set_wp);
        return true;
    default:
        return false;
    }
}

static void refresh_labels(void)
{
    char title[TEXT_LEN];
    char mirror_title[TEXT_LEN + 2];
    for (int i = 0; i < win_count; ++i) {
        WinEntry &e = win_table[i];
        window_title(e.hwTarget, title);
        snprintf(mirror_title, sizeof mirror_title, TXT_MIRROR_TITLE_FMT, title);
        set_text_if_changed(e.hwMir, mirror_title);
        window_title(e.hwTarget, title);
        set_text_if_changed(check_rows[i].hwCheck, title);
        nudge_paint(e.hwTarget);
        SendMessageA(e.hwMir, WM_PAINT, 0, 0);
    }
}

static void rebuild_catalogue(void)
{
    build_catalogue();
    trace(TXT_TR_WIN_NUM_CHANGED, win_num);
    restore_checks();
    if (win_count < MAX_WINDOWS) {
        // The entry that has just dropped out, if any, gets one last repaint.
        WinEntry &past = win_table[win_count];
        nudge_paint(past.hwTarget);
        SendMessageA(past.hwMir, WM_PAINT, 0, 0);
    }
    if (win_count == 0) {
        place_window(hwButton, HWND_BOTTOM, 0, 0, 1, 1);
        ShowWindow(win_table[0].hwMir, SW_HIDE);
    }
    // Entries past the catalogue are no longer placed or shown by the main loop: a mirror
    // left visible there would freeze on the external monitor (a window that closed or was
    // minimised), or show a listed window a second time in its old place.
    for (int i = win_count; i < MAX_WINDOWS; ++i)
        if (win_table[i].hwMir != NULL)
            ShowWindow(win_table[i].hwMir, SW_HIDE);
}

static void on_timer(HWND window)
{
    win_num = 0;
    EnumWindows(count_proc, 0);
    refresh_labels();
    if (win_count != win_num)
        rebuild_catalogue();
    InvalidateRect(window, NULL, TRUE);
}

static void on_sizing(RECT *drag)
{
    drag->right = CHECKLIST_WIDTH;
    drag->bottom = checklist_height(win_count);
}

LRESULT CALLBACK checklist_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        on_create(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_ERASEBKGND:
        return 0;
    case WM_COMMAND:
        toggle_row(LOWORD(wParam));
        return 0;
    case WM_SYSCOMMAND:
        if (toggle_switch(wParam))
            return 0;
        break;
    case WM_TIMER:
        on_timer(window);
        break;
    case WM_SIZING:
        on_sizing((RECT *)lParam);
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void restore_checks(void)
{
    int n = entries_with_next(win_count);
    char title[TEXT_LEN];
    for (int i = 0; i < n; ++i) {
        window_title(win_table[i].hwTarget, title);
        int slot = remembered_slot(title, sel_titles, n);
        // Slots before the match each set the row unticked once, as the search passes them.
        int misses = slot < 0 ? n : slot;
        for (int j = 0; j < misses; ++j) {
            check_rows[i].checked = 0;
            SendMessageA(check_rows[i].hwCheck, BM_SETCHECK, BST_UNCHECKED, 0);
        }
        if (slot >= 0) {
            check_rows[i].checked = 1;
            SendMessageA(check_rows[i].hwCheck, BM_SETCHECK, BST_CHECKED, 0);
        }
    }
}

void add_menu_items(HWND window)
{
    static const struct {
        UINT id;
        const char *text;
    } items[] = {
        {ID_MOUSE_LIMIT, TXT_MENU_MOUSE_LIMIT},
        {ID_MOUSE_POINTER, TXT_MENU_MOUSE_POINTER},
        {ID_WALLPAPER, TXT_MENU_WALLPAPER},
    };
    if (window == NULL)
        return;
    // The items go into the window menu only. Shown as a menu bar as well, the whole window
    // menu would wrap over several lines of the 300-pixel window, whose height has room for
    // the caption and the rows alone, and hide the rows.
    HMENU menu = GetSystemMenu(window, FALSE);
    for (const auto &item : items) {
        char text[TEXT_LEN];
        snprintf(text, sizeof text, "%s", item.text);
        MENUITEMINFOA mii = {};
        mii.cbSize = sizeof mii;
        mii.fMask = MIIM_ID | MIIM_TYPE;
        mii.fType = MFT_STRING;
        mii.wID = item.id;
        mii.dwTypeData = text;
        InsertMenuItemA(menu, 0, TRUE, &mii);
    }
}
