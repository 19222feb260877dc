// The pointer marker over a thumbnail mirror, which the mirror itself cannot paint (the
// thumbnail covers it): a small red disc window that takes no clicks and never the keyboard.
#pragma once
#include "base/win32.h"
#include "mirror/mirror_rules.h"

// Registers the class and creates the window, hidden, owned by the helper owner.
void create_marker_overlay(void);

// Shows the disc where planned, above every mirror, or hides it.
void place_marker_overlay(const MarkerOverlay &plan);

// The disc's window while it shows, else null.
HWND marker_window_shown(void);

// Dispatches what has reached the window, without waiting: it has no timer.
void pump_marker_overlay(void);
