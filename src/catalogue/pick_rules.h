// The picks' decisions, on plain values: which rows a rebuild ticks again, and where a displaced tick goes.
#pragma once
#include "base/geometry.h"

// A remembered tick: the title the user ticked and the window it was ticked for.
struct RememberedTick {
    const char *title;
    WindowId window;
    bool window_alive;
};

// Ticks after a rebuild, for rows 0 .. row_count - 1 holding row_windows with row_titles. A
// row is ticked when a remembered tick belongs to its window, whatever the title is now. A
// remembered title ticks another window only when the window it was ticked for has gone (a
// document closed and opened again), only a window that has appeared since the last rebuild
// (row_appeared: one that sat on the desktop all along was the user's to tick), only among the
// first title_slots ticks, and only once: claimed[j] is the row that took tick j by its title
// (its window is remembered from now on), or -1.
void plan_ticks(const WindowId *row_windows, const char *const *row_titles, const bool *row_appeared, int row_count,
                const RememberedTick *ticks, int tick_count, int title_slots, bool *ticked, int *claimed);

// Ticking `row` remembers the tick in that row's slot. When the slot still holds the tick of
// another window that lives (it was ticked there and has since moved to another row), that
// tick must move first, or it would be lost: the slot it moves to (one that remembers no living
// window), or -1 when nothing needs to move.
int new_home_for_displaced_tick(const RememberedTick *ticks, int tick_count, int row, WindowId ticked_window);
