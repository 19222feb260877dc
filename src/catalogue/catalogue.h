// Window discovery: which top-level windows are listed, and the window table's contents.
#pragma once
#include "base/win32.h"
#include "catalogue/catalogue_rules.h"

// EnumWindows callback of the counting pass; data points to an int counter, which stops at
// MAX_WINDOWS: a crowded desktop gives a full, stable catalogue instead of a rebuild per tick.
BOOL CALLBACK count_proc(HWND window, LPARAM data);

// EnumWindows callback of the collecting pass; data points to the list of eligible windows.
BOOL CALLBACK collect_proc(HWND window, LPARAM data);

// The number of eligible windows now, up to MAX_WINDOWS.
int count_eligible(void);

// Rebuilds win_table and win_count from the desktop: the windows that the remembered ticks
// name keep their rows, every listed entry gets a mirror, hidden until placed, and the table
// is ordered by title and each mirror styled for its target. Returns the new count.
int build_catalogue(const WindowId *remembered, int remembered_count);

// Whether the window of entry `index` has appeared since the rebuild before the last one: it
// was not among the eligible windows then.
bool entry_appeared(int index);
