// The checklist window owns the catalogue: it builds it on creation, refreshes captions
// and mirror titles every 30 ms, rebuilds it when the eligible windows change, and turns row
// clicks into ticks, each remembered with the window it was made for.
#include "catalogue/checklist.h"
#include "base/dpi.h"
#include "base/platform.h"
#include "base/state.h"
#include "base/texts.h"
#include "base/trace.h"
#include "catalogue/catalogue.h"
#include "display/displays.h"
#include "mirror/mirror_window.h"
#include "overlay/button.h"
#include <stdio.h>
#include <string.h>

// WS_THICKFRAME on the rows is kept from the window's first design: it gives each row a
// raised edge that sets the rows apart.
static const DWORD CHECKLIST_STYLE = WS_VISIBLE | WS_OVERLAPPEDWINDOW;
static const DWORD ROW_STYLE = WS_CHILD | WS_VISIBLE | WS_THICKFRAME | BS_CHECKBOX;

// The DPI of the monitor the checklist stands on, and the rows' font at it.
static unsigned checklist_dpi;
static HFONT row_font;

// One checklist row; row i always stands for win_table[i].
struct CheckRow {
    HWND hwCheck;
    int checked;
};
static CheckRow check_rows[MAX_WINDOWS];

// The tick last made in each row: the window's title then, or " " after the row was
// unticked, and the window it was made for. They outlive catalogue rebuilds.
static char sel_titles[MAX_WINDOWS][TEXT_LEN];
static WindowId sel_windows[MAX_WINDOWS];

bool row_ticked(int i)
{
    return check_rows[i].checked != 0;
}

HWND create_checklist(HINSTANCE instance)
{
    if (register_window_class(TXT_CHECKLIST_CLASS, checklist_proc, instance, IDC_ARROW) == 0)
        return NULL;
    return CreateWindowExA(0, TXT_CHECKLIST_CLASS, TXT_CHECKLIST_TITLE, CHECKLIST_STYLE, 0, 0, CHECKLIST_WIDTH, 0,
                           NULL, NULL, instance, NULL);
}

static ChecklistSize size_now(void)
{
    return checklist_size(win_count, checklist_dpi, frame_height_for_dpi(CHECKLIST_STYLE, 0, checklist_dpi));
}

// Rows, their font and the window follow the DPI of the monitor the checklist stands on.
static void follow_dpi(HWND window)
{
    unsigned dpi = window_dpi(window);
    if (dpi == checklist_dpi && row_font != NULL)
        return;
    checklist_dpi = dpi;
    HFONT font = create_message_font(dpi);
    ChecklistSize size = size_now();
    for (int i = 0; i < MAX_WINDOWS; ++i) {
        MoveWindow(check_rows[i].hwCheck, 0, size.row_height * i, size.width, size.row_height, FALSE);
        SendMessageA(check_rows[i].hwCheck, WM_SETFONT, (WPARAM)font, FALSE);
    }
    // The rows no longer use the old font: it can go.
    if (row_font != NULL)
        DeleteObject(row_font);
    row_font = font;
    if (hwChecklist != NULL)  // null while the window is being created
        pin_checklist();
}

void pin_checklist(void)
{
    // The size last asked for: the system may keep a window wider than asked (its least width for the
    // caption's buttons at a large DPI), and asking again on every pass would repaint it on every pass.
    static ChecklistSize asked;
    RECT r = {0, 0, 0, 0};
    GetWindowRect(hwChecklist, &r);
    ChecklistSize size = size_now();
    if (r.left == 0 && r.top == 0 && size.width == asked.width && size.height == asked.height)
        return;
    asked = size;
    MoveWindow(hwChecklist, 0, 0, size.width, size.height, TRUE);
    RedrawWindow(hwChecklist, NULL, NULL, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// The row's caption and the mirror's title follow the target's title.
static void label_entry(int i, const char *title)
{
    char mirror_title[TEXT_LEN + 2];
    snprintf(mirror_title, sizeof mirror_title, TXT_MIRROR_TITLE_FMT, title);
    set_text_if_changed(win_table[i].hwMir, mirror_title);
    set_text_if_changed(check_rows[i].hwCheck, title);
}

// Rows of the catalogue and the one just past it show their entry's title; that last one
// holds nothing, or what a larger catalogue left there. Later rows show the placeholder.
static void relabel_rows(void)
{
    char title[TEXT_LEN];
    for (int i = 0; i < MAX_WINDOWS; ++i) {
        if (i > win_count) {
            set_text_if_changed(check_rows[i].hwCheck, TXT_ROW_PLACEHOLDER);
            continue;
        }
        window_title(win_table[i].hwTarget, title);
        label_entry(i, title);
        trace(TXT_TR_LINE, title);
    }
}

static void rebuild_catalogue(void)
{
    build_catalogue(sel_windows, MAX_WINDOWS);
    relabel_rows();
}

static void on_create(HWND window)
{
    for (int i = 0; i < MAX_WINDOWS; ++i) {
        check_rows[i].hwCheck = CreateWindowExA(0, TXT_ROW_CLASS, TXT_ROW_PLACEHOLDER, ROW_STYLE, 0, ROW_HEIGHT * i,
                                                CHECKLIST_WIDTH, ROW_HEIGHT, window, (HMENU)(INT_PTR)i, hInst, NULL);
        check_rows[i].checked = 0;
    }
    follow_dpi(window);
    collect_eligible();
    rebuild_catalogue();
    trace(TXT_TR_WIN_NUM, win_count);
    start_repaint_timer(window);
}

// Unticking takes the window's tick back wherever it was remembered, so that no later
// rebuild puts it on the external monitor again.
static void forget_window(WindowId window)
{
    for (int j = 0; j < MAX_WINDOWS; ++j) {
        if (window != 0 && sel_windows[j] == window) {
            strcpy(sel_titles[j], " ");
            sel_windows[j] = 0;
        }
    }
}

static RememberedTick remembered_tick(int j)
{
    HWND window = (HWND)sel_windows[j];
    RememberedTick t = {sel_titles[j], sel_windows[j], window != NULL && IsWindow(window)};
    return t;
}

// A tick made in a row whose slot still remembers another living window's tick (ticked there,
// since moved to another row) first moves that tick to a free slot, so it is not lost.
static void remember_tick(int row, HWND window)
{
    RememberedTick ticks[MAX_WINDOWS];
    for (int j = 0; j < MAX_WINDOWS; ++j)
        ticks[j] = remembered_tick(j);
    int home = new_home_for_displaced_tick(ticks, MAX_WINDOWS, row, (WindowId)window);
    if (home >= 0) {
        memmove(sel_titles[home], sel_titles[row], TEXT_LEN);
        sel_windows[home] = sel_windows[row];
    }
    window_title(window, sel_titles[row]);
    sel_windows[row] = (WindowId)window;
}

// Both the row's own click and the toggle button arrive here with the row index.
static void toggle_row(int id)
{
    trace(TXT_TR_CHECK_ID, id);
    // Only rows toggle: the window-menu ids (1012 and up) and ids between the rows and them end here.
    if (id >= MAX_WINDOWS)
        return;
    CheckRow &row = check_rows[id];
    WinEntry &e = win_table[id];
    int now_checked = SendMessageA(row.hwCheck, BM_GETCHECK, 0, 0) == BST_UNCHECKED ? 1 : 0;
    row.checked = now_checked;
    SendMessageA(row.hwCheck, BM_SETCHECK, (WPARAM)now_checked, 0);
    refresh_mirror(id);

    if (now_checked) {
        e.shown = 1;
        remember_tick(id, e.hwTarget);
        trace(TXT_TR_LINE, sel_titles[id]);
        char class_name[TEXT_LEN];
        window_class(e.hwTarget, class_name);
        trace(TXT_TR_LINE, class_name);
    } else {
        e.shown = 0;
        forget_window((WindowId)e.hwTarget);
        strcpy(sel_titles[id], " ");
        sel_windows[id] = 0;
    }
}

static bool toggle_switch(WPARAM command)
{
    static const struct {
        WPARAM id;
        int *value;
        const char *line;
    } switches[] = {
        {ID_MOUSE_LIMIT, &mouse_limit, TXT_TR_MOUSE_LIMIT},
        {ID_MOUSE_POINTER, &set_mousepointer, TXT_TR_MOUSE_POINTER},
        {ID_WALLPAPER, &set_wp, TXT_TR_WALLPAPER},
        {ID_BLANK, &set_blank, TXT_TR_BLANK},
    };
    if (command > ID_MONITORS && command <= ID_MONITORS + MOST_MONITORS) {
        pick_external_monitor((int)(command - ID_MONITORS));
        return true;
    }
    for (const auto &s : switches) {
        if (command == s.id) {
            *s.value = 1 - *s.value;
            trace(s.line, *s.value);
            // The blank's item shows by its check mark whether the audience's screen is blank.
            if (s.id == ID_BLANK)
                CheckMenuItem(GetSystemMenu(hwChecklist, FALSE), ID_BLANK,
                              MF_BYCOMMAND | (set_blank ? MF_CHECKED : MF_UNCHECKED));
            return true;
        }
    }
    return false;
}

static void refresh_labels(void)
{
    char title[TEXT_LEN];
    for (int i = 0; i < win_count; ++i) {
        WinEntry &e = win_table[i];
        window_title(e.hwTarget, title);
        label_entry(i, title);
        refresh_mirror(i);
    }
}

static void after_rebuild(void)
{
    trace(TXT_TR_WIN_NUM_CHANGED, win_count);
    restore_checks();
    if (win_count == 0)
        park_button(HWND_BOTTOM);
    // Entries past the catalogue are no longer placed or shown by the main loop: a mirror
    // left visible there would freeze on the external monitor (a window that closed or was
    // minimised), or show a listed window a second time in its old place.
    for (int i = win_count; i < MAX_WINDOWS; ++i)
        if (win_table[i].hwMir != NULL)
            show_mirror(win_table[i].hwMir, false);
}

static void on_timer(HWND window)
{
    bool changed = collect_eligible();
    refresh_labels();
    if (changed) {
        rebuild_catalogue();
        after_rebuild();
    }
    InvalidateRect(window, NULL, TRUE);
}

static void on_sizing(RECT *drag)
{
    ChecklistSize size = size_now();
    drag->right = size.width;
    drag->bottom = size.height;
}

static void on_destroy(void)
{
    // Each row goes with the window before this message's end; none uses the font after it.
    for (const CheckRow &row : check_rows)
        SendMessageA(row.hwCheck, WM_SETFONT, 0, FALSE);
    DeleteObject(row_font);
    row_font = NULL;
    PostQuitMessage(0);
}

LRESULT CALLBACK checklist_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        on_create(window);
        return 0;
    case WM_DESTROY:
        on_destroy();
        return 0;
    case WM_DPICHANGED:
        follow_dpi(window);
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
    case WM_DISPLAYCHANGE:
        note_display_change();
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void restore_checks(void)
{
    int n = entries_with_next(win_count);
    static char titles[MAX_WINDOWS][TEXT_LEN];
    const char *row_titles[MAX_WINDOWS];
    WindowId row_windows[MAX_WINDOWS];
    bool row_appeared[MAX_WINDOWS];
    for (int i = 0; i < n; ++i) {
        window_title(win_table[i].hwTarget, titles[i]);
        row_titles[i] = titles[i];
        row_windows[i] = (WindowId)win_table[i].hwTarget;
        row_appeared[i] = entry_appeared(i);
    }
    RememberedTick ticks[MAX_WINDOWS];
    for (int j = 0; j < MAX_WINDOWS; ++j)
        ticks[j] = remembered_tick(j);
    bool ticked[MAX_WINDOWS];
    int claimed[MAX_WINDOWS];
    plan_ticks(row_windows, row_titles, row_appeared, n, ticks, MAX_WINDOWS, n, ticked, claimed);
    for (int i = 0; i < n; ++i) {
        check_rows[i].checked = ticked[i] ? 1 : 0;
        SendMessageA(check_rows[i].hwCheck, BM_SETCHECK, ticked[i] ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    for (int j = 0; j < MAX_WINDOWS; ++j)
        if (claimed[j] >= 0)
            sel_windows[j] = row_windows[claimed[j]];
}

static void insert_item(HMENU menu, UINT position, UINT id, const char *text, UINT type, UINT state)
{
    char copy[TEXT_LEN];
    snprintf(copy, sizeof copy, "%s", text);
    MENUITEMINFOA mii = {};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_ID | MIIM_TYPE | MIIM_STATE;
    mii.fType = type;
    mii.fState = state;
    mii.wID = id;
    mii.dwTypeData = copy;
    InsertMenuItemA(menu, position, TRUE, &mii);
}

void add_menu_items(HWND window)
{
    static const struct {
        UINT id;
        const char *text;
    } items[] = {
        // Each goes in at the top: the last here is the first in the menu.
        {ID_BLANK, TXT_MENU_BLANK},
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
    for (const auto &item : items)
        insert_item(menu, 0, item.id, item.text, MFT_STRING, MFS_ENABLED);
    list_monitors_in_menu();
}

void list_monitors_in_menu(void)
{
    enum { FIRST_PLACE = 4 };  // below the switches and the blank
    HMENU menu = GetSystemMenu(hwChecklist, FALSE);
    if (menu == NULL)
        return;
    for (int id = ID_MONITORS; id <= ID_MONITORS + MOST_MONITORS; ++id)
        DeleteMenu(menu, (UINT)id, MF_BYCOMMAND);
    const MonitorFound *monitors = NULL;
    int main_index = -1, external_index = -1;
    int count = monitors_found(&monitors, &main_index, &external_index);
    if (count < 2)
        return;
    UINT place = FIRST_PLACE;
    insert_item(menu, place++, ID_MONITORS, "", MFT_SEPARATOR, MFS_ENABLED);
    for (int i = 0; i < count; ++i) {
        if (i == main_index)
            continue;
        const MonitorArea &a = monitors[i].area;
        char text[TEXT_LEN];
        snprintf(text, sizeof text, TXT_MENU_MONITOR_FMT, i + 1, a.width, a.height, a.x, a.y);
        insert_item(menu, place++, (UINT)(ID_MONITORS + i + 1), text, MFT_STRING,
                    i == external_index ? MFS_CHECKED : MFS_UNCHECKED);
    }
}
