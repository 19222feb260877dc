// The toggle button: a 30 x 20 topmost window that follows the foreground window, shows
// whether that window is mirrored, and ticks or unticks it with one click.
#pragma once
#include "base/win32.h"
#include "mirror/placement_rules.h"

// Registers the class and creates the button, hidden, loading its two faces. A click sends rows_window
// WM_COMMAND with the row of the window in front.
void create_button(HWND rows_window);

// The button, or null when it could not be made.
HWND button_window(void);

// Moves the button onto the window in front (class_name: its class), without taking the keyboard; parks it for
// a minimised one; leaves it for the program's own windows and the desktop.
void follow_foreground(HWND fore, const char *class_name);

// Parks the button 1 x 1 at the screen's top-left corner, topmost or at the bottom.
void park_button(HWND insert_after);

// What the placement found of the window in front: its entry, the row a click toggles (-1: not catalogued,
// the button keeps the last one), and the face to show for it. Once a pass; parks the button at the bottom
// when the list has become empty since the last.
void button_follows(int fore_entry, ButtonFace face);
