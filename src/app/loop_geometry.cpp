// Checklist height and the button anchor.
#include "app/loop_geometry.h"

int checklist_height(int catalogue_size)
{
    return (int)((catalogue_size + 1) * 31.0);
}

ButtonAnchor button_anchor(bool minimised, bool maximised, const ScreenRect &r)
{
    ButtonAnchor a;
    if (minimised) {
        a.left = 0;
        a.top = 0;
        a.width = 1;
    } else if (maximised) {
        // A maximised frame hangs over the screen edge; keep the button inside the caption.
        a.left = r.left;
        a.top = r.top + 6;
        a.width = (r.right - r.left) - 4;
    } else {
        a.left = r.left;
        a.top = r.top;
        a.width = r.right - r.left;
    }
    return a;
}
