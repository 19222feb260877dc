// Pop-up mirrors: the menus, lists and tooltips that the windows shown on the external monitor open,
// each in a mirror of its own above the window mirrors, from a pool made at start.
#pragma once
#include "base/win32.h"
#include "popups/popup_rules.h"

// Reads [MIRROR] POPUPS and makes the pool's windows, hidden.
void start_popups(void);

// Shows, at their places on the external monitor, the pop-ups that follow these windows (the ticked
// windows whose mirrors show in this pass), each mapped as its window is, front-most on top; hides
// the rest. With no target it reads nothing at all.
void follow_popups(const PopupTarget *targets, const Mapping *mappings, int count);

// The pop-up mirrors shown, the back-most first, at most max; returns how many.
int popup_mirrors_shown(HWND *out, int max);

// Dispatches what has reached the pool's windows, without waiting: they have no timer.
void pump_popups(void);
