// The spotlight's key and its end.
#include "mirror/screen_mode_rules.h"

SpotlightPress press_spotlight(bool on, bool front_mirrored)
{
    if (on)
        return SPOTLIGHT_ENDS;
    return front_mirrored ? SPOTLIGHT_STARTS : SPOTLIGHT_REFUSED;
}

bool spotlight_holds(bool listed, bool ticked, bool minimised)
{
    return listed && ticked && !minimised;
}
