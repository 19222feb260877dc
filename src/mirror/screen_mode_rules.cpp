// The spotlight's and the zoom's keys, and the spotlight's end.
#include "mirror/screen_mode_rules.h"

ScreenModes spotlight_key_pressed(const ScreenModes &now, bool front_mirrored)
{
    ScreenModes next = {!now.spotlight && front_mirrored, false};
    return next;
}

ScreenModes zoom_key_pressed(const ScreenModes &now)
{
    ScreenModes next = {false, !now.zoom};
    return next;
}

bool spotlight_holds(bool listed, bool ticked, bool minimised)
{
    return listed && ticked && !minimised;
}
