// Ticks after a rebuild, remembered by window and, for a window that has gone, by title.
#include "catalogue/pick_rules.h"
#include "base/byte_text.h"

static int tick_of_window(WindowId window, const RememberedTick *ticks, int tick_count)
{
    if (window == 0)
        return -1;
    for (int j = 0; j < tick_count; ++j)
        if (ticks[j].window == window)
            return j;
    return -1;
}

void plan_ticks(const WindowId *row_windows, const char *const *row_titles, const bool *row_appeared, int row_count,
                const RememberedTick *ticks, int tick_count, int title_slots, bool *ticked, int *claimed)
{
    for (int j = 0; j < tick_count; ++j)
        claimed[j] = -1;
    for (int i = 0; i < row_count; ++i)
        ticked[i] = tick_of_window(row_windows[i], ticks, tick_count) >= 0;
    for (int i = 0; i < row_count; ++i) {
        // An empty title matches nothing: never-ticked slots are empty, and a window that has
        // gone has an empty title.
        if (ticked[i] || !row_appeared[i] || row_titles[i][0] == '\0')
            continue;
        for (int j = 0; j < title_slots && j < tick_count; ++j) {
            const RememberedTick &t = ticks[j];
            // A tick whose window is unknown (an unticked row) or still alive claims no other window.
            if (t.window == 0 || t.window_alive || claimed[j] >= 0 || !same_text(row_titles[i], t.title))
                continue;
            ticked[i] = true;
            claimed[j] = i;
            break;
        }
    }
}

static bool remembers_living_window(const RememberedTick &t)
{
    return t.window != 0 && t.window_alive;
}

int new_home_for_displaced_tick(const RememberedTick *ticks, int tick_count, int row, WindowId ticked_window)
{
    const RememberedTick &here = ticks[row];
    if (!remembers_living_window(here) || here.window == ticked_window)
        return -1;
    // An empty or unticked slot first; else one whose window has gone, giving up that title.
    for (int pass = 0; pass < 2; ++pass)
        for (int j = 0; j < tick_count; ++j)
            if (j != row && (pass == 0 ? ticks[j].window == 0 : !remembers_living_window(ticks[j])))
                return j;
    return -1;
}
