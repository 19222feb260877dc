// The toggle button: a 30 x 20 topmost window that follows the foreground window, shows
// whether that window is mirrored, and ticks or unticks it with one click.
#pragma once
#include "app/win32.h"

// Registers the class and creates the button, loading its two faces. Null on failure.
HWND create_button(HINSTANCE instance);

LRESULT CALLBACK button_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Moves the button to the top-right corner of the foreground window described by left, top
// and width, or parks it when that window is minimised.
void place_button(int left, int top, int width);
