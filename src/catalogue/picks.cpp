// The picks kept in step with the table's rebuilds: reads the windows' titles and lives, hands them to the rules.
#include "catalogue/picks.h"
#include "base/platform.h"
#include "catalogue/catalogue.h"
#include "catalogue/catalogue_rules.h"
#include "catalogue/pick_rules.h"

static Picks picks;  // by row and by slot; outlives rebuilds
static WindowId remembered_windows[MAX_WINDOWS];  // the slots' windows, handed to each rebuild

bool row_ticked(int i)
{
    return i >= 0 && i < MAX_WINDOWS && picks.ticked[i];
}

const WindowId *picked_windows(void)
{
    for (int j = 0; j < MAX_WINDOWS; ++j)
        remembered_windows[j] = picks.slots[j].window;
    return remembered_windows;
}

static void read_slot_lives(bool *slot_alive)
{
    for (int j = 0; j < MAX_WINDOWS; ++j) {
        HWND window = (HWND)picks.slots[j].window;
        slot_alive[j] = window != NULL && IsWindow(window);
    }
}

bool toggle_pick(int i)
{
    if (i < 0 || i >= MAX_WINDOWS)
        return false;
    bool slot_alive[MAX_WINDOWS];
    read_slot_lives(slot_alive);
    char title[TEXT_LEN];
    window_title(win_table[i].hwTarget, title);
    return flip_pick(picks, i, (WindowId)win_table[i].hwTarget, title, slot_alive);
}

void restore_checks(void)
{
    int n = entries_with_next(win_count);
    static char titles[MAX_WINDOWS][TEXT_LEN];
    const char *title_of[MAX_WINDOWS];
    read_entry_titles(n, titles, title_of);
    PickRow rows[MAX_WINDOWS];
    for (int i = 0; i < n; ++i)
        rows[i] = {(WindowId)win_table[i].hwTarget, title_of[i], entry_appeared(i)};
    bool slot_alive[MAX_WINDOWS];
    read_slot_lives(slot_alive);
    restore_picks(picks, rows, n, slot_alive);
}
