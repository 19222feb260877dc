// Every iteration: mirrors over the external monitor, and exactly the ticked ones shown.
#pragma once

enum {
    BTN_STATE_ON = 1014,   // the foreground window's mirror is shown
    BTN_STATE_OFF = 1015   // it is not
};

// Moves every catalogued mirror to its target's rectangle on the external monitor, keeps
// fore_index on the foreground window's entry and tells the button that entry's state.
void place_mirrors(void);

// Shows the mirrors of ticked, non-minimised targets without activating them; hides the rest.
void update_mirror_visibility(void);
