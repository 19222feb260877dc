// The pointer marker: a red disc where the pointer is, in the mirror of the window in front, while its switch
// is on. A mirror that copies draws it into its copy; over a thumbnail, which covers the
// mirror whole, it is a small click-through window of its own that never takes the keyboard.
#pragma once
#include "base/geometry.h"
#include "base/win32.h"

bool marker_switch_on(void);
void set_marker_switch(bool on);

// Registers the class and creates the disc's window, hidden, owned by the helpers' owner.
void create_marker_overlay(void);

// This pass's window in front (hwFore, may be null) and pointer (cursor_pos), as the main loop captured them:
// the copies draw the disc from them until the next pass.
void marker_sees(HWND fore, POINT cursor);

// Into a copying mirror being painted, with the switch on: the disc for the pointer, when the mirror's target
// is the window in front, put where the mirror's mapping takes it.
void paint_marker(HWND mirror, HWND target, const Mapping &mapping);
// The same disc into any device context: a copying mirror asked to print itself.
void print_marker(HDC dc, HWND mirror, HWND target, const Mapping &mapping);

// The disc over the mirror of the window in front where that mirror shows a thumbnail (fore_mirror: null when
// the window in front has no mirror; box and mapping: where and how that mirror was put), above every mirror;
// else hidden.
void place_marker(HWND fore_mirror, const Box &box, const Mapping &mapping);

// The disc's window while it shows, else null.
HWND marker_window_shown(void);

// Dispatches what has reached the window, without waiting: it has no timer.
void pump_marker_overlay(void);
