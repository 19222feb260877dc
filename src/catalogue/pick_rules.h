// The picks' bookkeeping on plain values: ticking, unticking and what a rebuild of the list ticks again.
#pragma once
#include "base/geometry.h"
#include "base/limits.h"

// A tick remembered in a slot (the row it was made in): the window it was made for and that window's title
// then. An empty slot has window 0 and an empty title.
struct RememberedTick {
    char title[TEXT_LEN];
    WindowId window;
};

// Whether each row of the list is ticked, and the ticks remembered per slot. The slots outlive rebuilds;
// the rows' ticks are planned again from them after each.
struct Picks {
    bool ticked[MAX_WINDOWS];
    RememberedTick slots[MAX_WINDOWS];
};

// A row of the list after a rebuild: its window, that window's title now, and whether the window appeared
// since the last rebuild (one that sat on the desktop all along was the user's to tick).
struct PickRow {
    WindowId window;
    const char *title;
    bool appeared;
};

// Ticks or unticks `row`, which holds `window` titled `title`; slot_alive[j] tells whether slot j's window
// still lives. A tick is remembered in the row's slot; a living window's tick that the slot held (ticked
// there, moved since to another row) first moves to a free slot, else to one whose window has gone.
// Unticking takes back that window's tick wherever it is remembered, and no other. Returns the row's tick.
bool flip_pick(Picks &picks, int row, WindowId window, const char *title, const bool *slot_alive);

// After a rebuild into rows[0 .. row_count - 1]: a row is ticked when a remembered tick belongs to its
// window, whatever the title is now. A remembered title ticks another window only when the window it was
// ticked for has gone (a document closed and opened again), only a row that appeared since the last
// rebuild, only among the first row_count slots, and only once; that slot then remembers the new window.
void restore_picks(Picks &picks, const PickRow *rows, int row_count, const bool *slot_alive);
