// The mirrors in the main loop: started before the catalogue, pumped, placed over the external
// monitor and shown (exactly the ticked ones) on every iteration, released at exit.
#pragma once
#include "base/win32.h"

enum {
    BTN_STATE_ON = 1014,   // to the button: the foreground window's mirror is shown
    BTN_STATE_OFF = 1015   // it is not
};

// Chooses how mirrors get their picture (the settings, the compositor) and makes the marker window.
void start_mirrors(void);

// Fetches and dispatches one message of each mirror of the entries 0 .. win_count, the entry just
// past the catalogue included, then what has reached the marker window.
void pump_mirrors(void);

// Moves every catalogued mirror to its target's rectangle on the external monitor, cut to
// that monitor, and tells the button the foreground window's state. Returns the entry of the
// foreground window, or -1 when it is not catalogued.
int place_mirrors(void);

// Shows the mirrors of ticked, non-minimised targets without activating them; hides the rest.
// Then puts the marker over the foreground window's mirror where that shows a thumbnail, and the
// pop-ups of the windows whose mirrors show over the external monitor.
void update_mirror_visibility(void);

// The spotlight key: ends the spotlight wherever it is pressed, or puts it on the window in front
// when that window's mirror is meant to show (its mirror alone then fills the external monitor);
// over any other window it is refused. Each is traced.
void press_spotlight_key(void);
bool spotlight_on(void);

// The program's windows that the audience sees, as they should stand, the lowest first: the shown window
// mirrors in their windows' order, the pop-up mirrors, the marker. Returns how many, at most max.
int audience_windows(HWND *out, int max);

// Releases what the compositor holds for the mirrors: at exit.
void release_mirrors(void);
