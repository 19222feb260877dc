// The mirrors in the main loop: started before the catalogue, pumped, placed over the external monitor and
// shown (exactly the ticked ones) on every pass, stacked for the curtain, released at exit.
#pragma once
#include "base/win32.h"
#include "mirror/placement_rules.h"

// What the main loop captured on this pass.
struct AudiencePass {
    HWND fore;               // the window in front (hwFore), or null
    POINT cursor;            // the pointer (cursor_pos)
    bool fore_is_control;    // the window in front is the toggle button: mirrors stay where they are
};

// What the placement found of the window in front: its entry (-1 when it is not catalogued), and the face the
// toggle button is to show for it.
struct PlacementResult {
    int fore_entry;
    ButtonFace face;
};

// Chooses how mirrors get their picture (the settings, the compositor), makes the pop-up mirrors' pool and
// the marker window.
void start_mirrors(void);

// Fetches and dispatches one message of each shown mirror, then what has reached the marker and the pop-ups.
void pump_mirrors(void);

// Moves every catalogued mirror to its target's rectangle on the external monitor, cut to that monitor.
PlacementResult place_mirrors(const AudiencePass &pass);

// Shows the mirrors of ticked targets that the user can see, without activating them; hides the rest. Then
// puts the marker over the foreground window's mirror where that shows a thumbnail, and the pop-ups of the
// windows whose mirrors show over the external monitor.
void update_mirror_visibility(void);

// The program's windows that the audience sees, as they should stand, the lowest first: the shown window
// mirrors in their windows' order, the pop-up mirrors, the marker. Returns how many, at most max.
int audience_windows(HWND *out, int max);

// Releases what the compositor holds for the mirrors: at exit.
void release_mirrors(void);

// Where entry `index`'s mirror stands while it shows: false while it is hidden.
bool shown_mirror_box(int index, Box *box);
