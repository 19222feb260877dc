// Every iteration: mirrors over the external monitor, and exactly the ticked ones shown.
#pragma once

enum {
    BTN_STATE_ON = 1014,   // to the button: the foreground window's mirror is shown
    BTN_STATE_OFF = 1015   // it is not
};

// Moves every catalogued mirror to its target's rectangle on the external monitor, cut to
// that monitor, and tells the button the foreground window's state. Returns the entry of the
// foreground window, or -1 when it is not catalogued.
int place_mirrors(void);

// Shows the mirrors of ticked, non-minimised targets without activating them; hides the rest.
void update_mirror_visibility(void);
