// Mirror windows: each copies its target's whole window image, frame and caption included.
#pragma once
#include "app/state.h"

// Creates the mirror for entry win_num: its own class and a hidden window, both named
// "Mirror<win_num>". Returns null when the class or the window cannot be created.
HWND create_mirror(void);

LRESULT CALLBACK mirror_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Draws the red disc for the cursor at (x, y), screen coordinates, with the brush selected
// in dc, placed for the entry's target window.
void draw_pointer_marker(HDC dc, const WinEntry &entry, int x, int y);
