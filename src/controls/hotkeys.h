// The presenter's system-wide keys: one ticks or unticks the window in front, one blanks the
// audience's screen, one puts the window in front in the spotlight, one zooms the audience's picture.
// Read from the settings and registered for the main thread at start, handled as the main loop pumps,
// released at exit.
#pragma once

// Registers the keys that the settings give (Ctrl+Alt+F9, F10, F11 and F8 when they say nothing);
// a key that cannot be read or that another program holds is traced and left off.
void register_hotkeys(void);

// Handles the presses since the last pass: the toggle goes to the checklist as the row of the
// window in front, the blank as the blank's menu command, the spotlight and the zoom to the mirrors.
void pump_hotkeys(void);

void release_hotkeys(void);
