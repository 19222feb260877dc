// The window table: which of the eligible windows are listed, in which entry, and the window each entry
// shows. Entry i is the checklist's row i and has mirror i.
#pragma once
#include "base/geometry.h"
#include "base/limits.h"
#include "base/win32.h"

// One catalogued application window.
struct WinEntry {
    HWND hwTarget;       // the window shown through this entry
    HWND owner_checked;  // the target whose class the owner steps last looked at
};

// Written here only; read by the picks and by the rooms above: the checklist's rows, the mirrors, the keys.
extern WinEntry win_table[MAX_WINDOWS];
extern int win_count;

// Collects the eligible windows now. True when they are not the windows that the catalogue was
// last built from: one has come or gone, even when another went or came in the same turn.
bool collect_eligible(void);

// Rebuilds win_table and win_count from the windows that the last collect_eligible found: the windows
// that the remembered ticks name keep their rows, the others fill the rest, and the table is ordered by
// title. Each entry filled is traced, its class then its title, and handed to `filled` (the mirrors made
// and hidden for it). Returns the new count.
int build_catalogue(const WindowId *remembered, int remembered_count, void (*filled)(int index));

// Whether the window of entry `index` has appeared since the rebuild before the last one: it
// was not among the eligible windows then.
bool entry_appeared(int index);

// The titles of entries 0 .. count - 1 as their windows have them now, into titles, and title_of[i] at titles[i]:
// what the title rules are handed.
void read_entry_titles(int count, char (*titles)[TEXT_LEN], const char **title_of);

// The catalogued entry that shows this window, or -1.
int entry_of(const HWND__ *window);

// Two browser classes show their content in an owned window: such an entry's target becomes its owner, for good.
// Each target is looked at once (a window's class never changes).
void take_owners(void);
