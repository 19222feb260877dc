// The toggle button: a 30 x 20 topmost window that follows the foreground window, shows
// whether that window is mirrored, and ticks or unticks it with one click.
#pragma once
#include "base/win32.h"
#include "overlay/overlay_rules.h"

// Registers the class and creates the button, hidden, loading its two faces. Null on failure.
HWND create_button(HINSTANCE instance);

LRESULT CALLBACK button_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Moves the button as decided for the foreground window, without taking the keyboard.
void place_button(const ButtonPlacement &placement);

// Parks the button 1 x 1 at the screen's top-left corner, topmost or at the bottom.
void park_button(HWND insert_after);

// The catalogue entry of the last catalogued foreground window: the row a click toggles.
void button_follows_entry(int index);
