// The counting and collecting passes over the top-level windows, the title order, and the
// row and mirror labels. The table holds MAX_WINDOWS entries: both passes stop there, so a
// crowded desktop gives a full, stable catalogue instead of a rebuild on every tick.
#include "catalogue/catalogue.h"
#include "app/platform.h"
#include "app/state.h"
#include "app/texts.h"
#include "app/trace.h"
#include "catalogue/eligibility.h"
#include "catalogue/title_order.h"
#include "mirror/mirror_rules.h"
#include "mirror/mirror_window.h"
#include <stdio.h>

static bool is_eligible(HWND window)
{
    if (!IsWindowVisible(window))
        return false;
    if (IsIconic(window))
        return false;
    char title[TEXT_LEN];
    char class_name[TEXT_LEN];
    window_title(window, title);
    window_class(window, class_name);
    return !is_excluded(class_name, title);
}

BOOL CALLBACK count_proc(HWND window, LPARAM)
{
    if (is_eligible(window))
        win_num++;
    return win_num < MAX_WINDOWS;
}

BOOL CALLBACK collect_proc(HWND window, LPARAM)
{
    if (!is_eligible(window))
        return TRUE;
    WinEntry &e = win_table[win_num];
    e.hwTarget = window;

    char text[TEXT_LEN];
    window_class(window, text);
    trace(TXT_TR_LINE, text);
    window_title(e.hwTarget, text);
    trace(TXT_TR_LINE, text);

    if (e.hwMir == NULL) {
        e.hwMir = create_mirror();
        if (e.hwMir != NULL) {
            trace(TXT_TR_MIRROR_CREATED, win_num);
            e.msgMir.hwnd = e.hwMir;
        }
    }
    EnableWindow(e.hwMir, FALSE);
    ShowWindow(e.hwMir, SW_HIDE);
    UpdateWindow(e.hwMir);

    win_num++;
    return win_num < MAX_WINDOWS;
}

static void entry_title(int index, char *out, void *)
{
    window_title(win_table[index].hwTarget, out);
}

static void swap_entries(int a, int b, void *)
{
    WinEntry t = win_table[a];
    win_table[a] = win_table[b];
    win_table[b] = t;
}

static void relabel(int i, int n)
{
    if (i > n) {
        SetWindowTextA(check_rows[i].hwCheck, TXT_ROW_PLACEHOLDER);
        return;
    }
    char title[TEXT_LEN];
    window_title(win_table[i].hwTarget, title);
    if (win_table[i].hwMir != NULL) {
        char mirror_title[TEXT_LEN + 2];
        snprintf(mirror_title, sizeof mirror_title, TXT_MIRROR_TITLE_FMT, title);
        SetWindowTextA(win_table[i].hwMir, mirror_title);
    }
    SetWindowTextA(check_rows[i].hwCheck, title);
    trace(TXT_TR_LINE, title);
}

void sort_by_title(void)
{
    int n = win_count;
    for (int i = 0; i < MAX_WINDOWS; ++i) {
        if (i + 1 < n)
            exchange_step(i, n, entry_title, swap_entries, NULL);
        relabel(i, n);
    }
}

void apply_mirror_styles(void)
{
    char class_name[TEXT_LEN];
    for (int k = 0; k < win_count; ++k) {
        window_class(win_table[k].hwTarget, class_name);
        SetWindowLongA(win_table[k].hwMir, GWL_STYLE, (LONG)mirror_style_for_class(class_name));
    }
}
