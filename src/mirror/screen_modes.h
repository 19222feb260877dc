// The audience's screen as a whole: blank (the wallpaper alone, no mirror shows), or one window in the
// spotlight (its mirror alone, fitted to the external monitor).
#pragma once
#include "base/win32.h"

bool audience_blank(void);
void set_audience_blank(bool on);

// The spotlight key: ends the spotlight wherever it is pressed, or puts it on the window in front when that
// window's mirror is meant to show; over any other window it is refused. Each is traced.
void press_spotlight_key(void);

// The window in the spotlight, or null.
HWND spotlit_window(void);

// The spotlight ends by itself when its window closes, is minimised or unticked, or leaves the list.
void check_spotlight(void);
