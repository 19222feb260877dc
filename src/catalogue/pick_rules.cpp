// The picks' bookkeeping: ticks remembered by window and, for a window that has gone, by title.
#include "catalogue/pick_rules.h"
#include "base/byte_text.h"
#include <string.h>

static bool remembers_living_window(const Picks &picks, int slot, const bool *slot_alive)
{
    return picks.slots[slot].window != 0 && slot_alive[slot];
}

static void remember(RememberedTick &slot, WindowId window, const char *title)
{
    slot.window = window;
    strncpy(slot.title, title, TEXT_LEN - 1);
    slot.title[TEXT_LEN - 1] = '\0';
}

// Where a living window's tick held in `row` goes so that a new tick there does not lose it: an empty
// slot first, else one whose window has gone (giving up that title); -1 when there is none.
static int new_home_for_displaced_tick(const Picks &picks, int row, const bool *slot_alive)
{
    for (int pass = 0; pass < 2; ++pass)
        for (int j = 0; j < MAX_WINDOWS; ++j)
            if (j != row && (pass == 0 ? picks.slots[j].window == 0 : !remembers_living_window(picks, j, slot_alive)))
                return j;
    return -1;
}

bool flip_pick(Picks &picks, int row, WindowId window, const char *title, const bool *slot_alive)
{
    if (row < 0 || row >= MAX_WINDOWS)
        return false;
    picks.ticked[row] = !picks.ticked[row];
    if (picks.ticked[row]) {
        RememberedTick &here = picks.slots[row];
        if (remembers_living_window(picks, row, slot_alive) && here.window != window) {
            int home = new_home_for_displaced_tick(picks, row, slot_alive);
            if (home >= 0)
                picks.slots[home] = here;
        }
        remember(here, window, title);
    } else if (window != 0) {
        for (RememberedTick &slot : picks.slots)
            if (slot.window == window)
                remember(slot, 0, "");
    }
    return picks.ticked[row];
}

static bool has_own_tick(const Picks &picks, WindowId window)
{
    if (window == 0)
        return false;
    for (const RememberedTick &slot : picks.slots)
        if (slot.window == window)
            return true;
    return false;
}

void restore_picks(Picks &picks, const PickRow *rows, int row_count, const bool *slot_alive)
{
    bool claimed[MAX_WINDOWS] = {};
    WindowId owner_before[MAX_WINDOWS];
    for (int j = 0; j < MAX_WINDOWS; ++j)
        owner_before[j] = picks.slots[j].window;
    for (int i = 0; i < MAX_WINDOWS; ++i)
        picks.ticked[i] = i < row_count && has_own_tick(picks, rows[i].window);
    for (int i = 0; i < row_count && i < MAX_WINDOWS; ++i) {
        // An empty title matches nothing: empty slots have one, and so has a window that has gone.
        if (picks.ticked[i] || !rows[i].appeared || rows[i].title[0] == '\0')
            continue;
        for (int j = 0; j < row_count && j < MAX_WINDOWS; ++j) {
            // A slot whose window is unknown (never ticked, or unticked) or still alive claims no other window.
            if (owner_before[j] == 0 || slot_alive[j] || claimed[j] || !same_text(rows[i].title, picks.slots[j].title))
                continue;
            picks.ticked[i] = true;
            claimed[j] = true;
            picks.slots[j].window = rows[i].window;
            break;
        }
    }
}
