// The checklist's window menu: the three switches and the blank at its top, the monitors below them.
#pragma once
#include "base/win32.h"

enum {
    ID_MOUSE_LIMIT = 1012,
    ID_MOUSE_POINTER = 1020,
    ID_WALLPAPER = 1021,
    ID_BLANK = 1022,
    ID_PREVIEW = 1023,
    ID_AUDIENCE_WINDOW = 1024,
    ID_MONITORS = 1040  // the monitors' separator; monitor n is ID_MONITORS + n
};

// Puts the three switch items, the blank and the preview at the top of the window's menu, and the monitors
// below them.
void add_menu_items(HWND window);

// The check mark of an item that shows whether something is on: the blank, the preview.
void mark_menu_item(HWND window, UINT id, bool on);

// Every such check mark as things stand: at the start, after each pick, and as the menu opens (the preview
// also closes by its own close button).
void mark_menu_items(HWND window);

// Lists in the window menu the monitors the last set-up found, other than the main one (number, size and
// place), with a check on the audience's; picking one makes it the audience's. After every set-up.
void list_monitors_in_menu(HWND window);

// A pick in the window menu: a switch or the blank turned over and traced, or a monitor made the audience's.
// False for the menu's own items, which the system handles.
bool on_menu_command(HWND window, WPARAM command);
