// Window discovery: which top-level windows are listed, and the window table's contents.
#pragma once
#include "base/win32.h"
#include "catalogue/catalogue_rules.h"

// EnumWindows callback of the collecting pass; data points to the list of eligible windows.
BOOL CALLBACK collect_proc(HWND window, LPARAM data);

// Collects the eligible windows now. True when they are not the windows that the catalogue was
// last built from: one has come or gone, even when another went or came in the same turn.
bool collect_eligible(void);

// Rebuilds win_table and win_count from the windows that the last collect_eligible found: the
// windows that the remembered ticks name keep their rows, every listed entry gets a mirror,
// hidden until placed, and the table is ordered by title and each mirror styled for its
// target. Returns the new count.
int build_catalogue(const WindowId *remembered, int remembered_count);

// Whether the window of entry `index` has appeared since the rebuild before the last one: it
// was not among the eligible windows then.
bool entry_appeared(int index);

// The visible, not minimised top-level windows that the last collecting pass met, front to back, and
// whether each is eligible: the pop-up mirrors look among them without a pass of their own.
enum { MAX_MET = 1024 };
struct MetWindow {
    WindowId window;
    bool listable;
};
const MetWindow *windows_met(int *count);

// Whether the catalogue would list the window now.
bool window_listable(HWND window);
