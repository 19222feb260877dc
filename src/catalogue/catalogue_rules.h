// The catalogue's decisions, on plain values: which windows are listed, in which rows, which
// rows are ticked after a rebuild, and how tall the checklist is.
#pragma once
#include "base/geometry.h"
#include "base/limits.h"

// What the exclusion rules need of a class name. A window's class never changes: its traits can
// be kept from one pass over the windows to the next.
struct ClassTraits {
    bool mozilla_main;  // exactly the Mozilla main-window class
    bool excluded;      // contains "Mirror" or "FeedBack"
};
ClassTraits class_traits(const char *class_name);

// Applies the exclusion rules in order: empty title, excluded titles (exact), excluded title
// parts (anywhere), a Mozilla main-window class without "Mozilla" in the title, class names
// containing "Mirror" or "FeedBack". is_excluded_by_title applies the first three alone: a
// title they exclude needs no class name. A window that passes them is listed unless the
// compositor keeps it off the screen (cloaked), which no rule on its names can tell.
bool is_excluded(const ClassTraits &window_class, const char *title);
bool is_excluded_by_title(const char *title);

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

// The row that lists `window` among the first `count` rows, or -1.
int row_of_window(const WindowId *row_windows, int count, WindowId window);

// The checklist at a DPI: 300 wide with rows 30 high at 96 DPI, both scaled, and 31 pixels high per
// catalogued window plus one (scaled), or taller where the frame (frame_height, above and below the
// client area, at that DPI) would leave the last row cut: every catalogued window's row lies fully
// inside the client area.
enum { CHECKLIST_WIDTH = 300, ROW_HEIGHT = 30 };
struct ChecklistSize {
    int width;
    int height;
    int row_height;
};
ChecklistSize checklist_size(int catalogue_size, unsigned dpi, int frame_height);
