// The checklist window: one checkbox row per catalogued window, its window menu, and the catalogue's clock.
#pragma once
#include "base/win32.h"

// Registers the class and creates the window, whose creation builds the catalogue and makes the mirrors.
// Returns null when either fails.
HWND create_checklist(void);

// The window, once made; the program ends when it closes.
HWND checklist_window(void);

// Keeps the checklist at the top left, as tall as its rows at its monitor's DPI. When it has to change
// size, its rows are painted again at once: a window system may give the resized window a new surface
// (Wine does) whose rows would otherwise stay black until something else made them paint.
void pin_checklist(void);
