// Decisions about mirrors that need no platform: their names, styles, geometry, the
// pointer marker's box and the owner substitution for two browser classes.
#pragma once
#include "app/geometry.h"

// Window style of a mirror, chosen by its target's class: a bare popup for classes that
// contain "Chrome_WidgetWin_" (they draw their own caption), a framed window otherwise.
enum : unsigned long {
    MIRROR_STYLE_CREATED = 0x00C40080UL,
    MIRROR_STYLE_CHROME = 0x80880000UL,
    MIRROR_STYLE_FRAMED = 0x00C40000UL
};
bool is_chrome_class(const char *class_name);
unsigned long mirror_style_for_class(const char *class_name);

// A mirror stands at its target's window rectangle moved by the external monitor's origin.
Box mirror_box(const ScreenRect &target, int ext_x, int ext_y);

// The red disc's bounding box in the mirror's client coordinates. (x, y) is the cursor in
// screen coordinates; (normal_left, normal_top) the target's normal-position origin, used
// only when the target is not maximised.
ScreenRect marker_box(bool maximised, bool chrome_class, int x, int y, int normal_left, int normal_top);

// The two owner steps, each on the whole class name.
bool takes_owner_chrome(const char *class_name);
bool takes_owner_mozilla(const char *class_name);
