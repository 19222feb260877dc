// The catalogue's decisions, on plain values: which windows are listed, in which rows and order, and
// which windows stand for another's content.
#pragma once
#include "base/geometry.h"
#include "base/limits.h"

// What the exclusion rules need of a class name. A window's class never changes: its traits can
// be kept from one pass over the windows to the next.
struct ClassTraits {
    bool mozilla_main;  // exactly the Mozilla main-window class
    bool excluded;      // contains "Mirror" or "FeedBack"
    bool desktop;       // the shell's desktop ("Progman", "WorkerW"): behind everything, across every monitor
};
ClassTraits class_traits(const char *class_name);

// Applies the exclusion rules in order: empty title, excluded titles (exact), excluded title
// parts (anywhere), a Mozilla main-window class without "Mozilla" in the title, class names
// containing "Mirror" or "FeedBack". is_excluded_by_title applies the first three alone: a
// title they exclude needs no class name. A window that passes them is listed unless the
// compositor keeps it off the screen (cloaked), which no rule on its names can tell.
bool is_excluded(const ClassTraits &window_class, const char *title);
bool is_excluded_by_title(const char *title);

// Entries 0 .. win_count - 1 form the catalogue; the entry just past it is still pumped,
// relabelled and consulted for ticks, but only while the table has room for it.
int entries_with_next(int win_count);

// True when both lists hold the same windows, in whatever order; neither holds a window twice.
bool same_windows(const WindowId *a, int a_count, const WindowId *b, int b_count);

// Which of `count` eligible windows, in enumeration order, get the MAX_WINDOWS rows: every
// window that a tick remembers keeps a row, the others fill the rest in enumeration order.
// Writes the chosen indices, still in enumeration order, into chosen; returns how many.
int choose_listed(const bool *remembered, int count, int *chosen);

// The title order: one exchange pass, not a full sort. Entry i takes, at most once, the first
// later entry whose title sorts before its own. order must hold 0 .. count - 1 on entry; on
// return order[k] is the index of the title that ends in place k.
void order_by_title(const char *const *titles, int count, int *order);

// Two browser classes show their content in an owned window, which is followed through its owner instead:
// each step tests the whole class name.
bool takes_owner_chrome(const char *class_name);
bool takes_owner_mozilla(const char *class_name);
