// The picks: which catalogued windows are ticked to show on the external monitor. Each tick is remembered with
// the window it was made for and that window's title then, so that it outlives a rebuild of the catalogue.
#pragma once
#include "base/geometry.h"

// Whether entry i (row i of the checklist) is ticked.
bool row_ticked(int i);

// Ticks entry i, remembering the tick with its window, or unticks it, taking back that window's tick.
// Returns whether it is ticked now.
bool toggle_pick(int i);

// The windows that the remembered ticks name (MAX_WINDOWS of them, 0 for none): a rebuild keeps their rows.
const WindowId *picked_windows(void);

// After a rebuild: ticks every entry whose window a remembered tick belongs to, or whose title a tick
// remembers for a window that has gone; unticks the rest.
void restore_checks(void);
