// The checklist window: one checkbox row per catalogued window, the three switches and the blank.
#pragma once
#include "base/win32.h"

enum {
    ID_MOUSE_LIMIT = 1012,
    ID_MOUSE_POINTER = 1020,
    ID_WALLPAPER = 1021,
    ID_BLANK = 1022,
    ID_MONITORS = 1040  // the monitors' separator; monitor n is ID_MONITORS + n
};

// Registers the class and creates the window, whose creation builds the catalogue.
// Returns null when either fails.
HWND create_checklist(HINSTANCE instance);

LRESULT CALLBACK checklist_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// After a rebuild, ticks every row whose window a remembered tick belongs to, or whose title
// a tick remembers for a window that has gone.
void restore_checks(void);

// Puts the three switch items and the blank at the top of the window menu, and the monitors below them.
void add_menu_items(HWND window);

// Lists in the window menu the monitors the last set-up found, other than the main one (number, size and
// place), with a check on the audience's; picking one makes it the audience's. After every set-up.
void list_monitors_in_menu(void);

// Keeps the checklist at the top left, as tall as its rows at its monitor's DPI. When it has to change
// size, its rows are painted again at once: a window system may give the resized window a new surface
// (Wine does) whose rows would otherwise stay black until something else made them paint.
void pin_checklist(void);

// Whether row i (table entry i) is ticked.
bool row_ticked(int i);
