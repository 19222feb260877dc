// The ticks per entry and the ticks remembered per slot, kept in step with the table's rebuilds.
#include "catalogue/picks.h"
#include "base/platform.h"
#include "catalogue/catalogue.h"
#include "catalogue/catalogue_rules.h"
#include "catalogue/pick_rules.h"
#include <string.h>

static int checked[MAX_WINDOWS];  // by entry

// The tick last made in each slot (row): the window's title then, or " " after the row was
// unticked, and the window it was made for. They outlive catalogue rebuilds.
static char sel_titles[MAX_WINDOWS][TEXT_LEN];
static WindowId remembered_windows[MAX_WINDOWS];

bool row_ticked(int i)
{
    return i >= 0 && i < MAX_WINDOWS && checked[i] != 0;
}

const char *picked_title(int i)
{
    return sel_titles[i];
}

const WindowId *picked_windows(void)
{
    return remembered_windows;
}

static void remembered_ticks(RememberedTick *ticks)
{
    for (int j = 0; j < MAX_WINDOWS; ++j) {
        HWND window = (HWND)remembered_windows[j];
        ticks[j] = {sel_titles[j], remembered_windows[j], window != NULL && IsWindow(window)};
    }
}

// A tick made in a row whose slot still remembers another living window's tick (ticked there,
// since moved to another row) first moves that tick to a free slot, so it is not lost.
static void remember_tick(int row, HWND window)
{
    RememberedTick ticks[MAX_WINDOWS];
    remembered_ticks(ticks);
    int home = new_home_for_displaced_tick(ticks, MAX_WINDOWS, row, (WindowId)window);
    if (home >= 0) {
        memmove(sel_titles[home], sel_titles[row], TEXT_LEN);
        remembered_windows[home] = remembered_windows[row];
    }
    window_title(window, sel_titles[row]);
    remembered_windows[row] = (WindowId)window;
}

// Unticking takes the window's tick back wherever it was remembered, so that no later
// rebuild puts it on the external monitor again.
static void forget_window(WindowId window)
{
    for (int j = 0; j < MAX_WINDOWS; ++j) {
        if (window != 0 && remembered_windows[j] == window) {
            strcpy(sel_titles[j], " ");
            remembered_windows[j] = 0;
        }
    }
}

bool toggle_pick(int i)
{
    checked[i] = !checked[i];
    if (checked[i]) {
        remember_tick(i, win_table[i].hwTarget);
    } else {
        forget_window((WindowId)win_table[i].hwTarget);
        strcpy(sel_titles[i], " ");
        remembered_windows[i] = 0;
    }
    return checked[i] != 0;
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
    remembered_ticks(ticks);
    bool ticked[MAX_WINDOWS];
    int claimed[MAX_WINDOWS];
    plan_ticks(row_windows, row_titles, row_appeared, n, ticks, MAX_WINDOWS, n, ticked, claimed);
    for (int i = 0; i < n; ++i)
        checked[i] = ticked[i] ? 1 : 0;
    for (int j = 0; j < MAX_WINDOWS; ++j)
        if (claimed[j] >= 0)
            remembered_windows[j] = row_windows[claimed[j]];
}
