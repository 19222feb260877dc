// The pointer marker's decisions, on plain values: the red disc over a thumbnail mirror, and its box in a
// copying mirror, which depends on whether the window draws its own caption.
#pragma once
#include "base/geometry.h"

// The red disc's diameter at 96 DPI; it follows the DPI of the monitor the mirror stands on.
enum { DISC_SIZE = 20 };

// The red disc over a thumbnail mirror: disc_size across, centred on the pointer's place on the external
// monitor (a thumbnail mirror is a bare popup, whose disc is centred), cut to the mirror, which the
// thumbnail covers whole. Shown only while the switch is on and the foreground window's mirror
// shows a thumbnail; disc is in the overlay window's own coordinates.
struct MarkerOverlay {
    bool shown;
    Box box;
    ScreenRect disc;
};
MarkerOverlay plan_marker_overlay(bool switch_on, bool fore_thumbnail_shown, ScreenPoint cursor,
                                  const Mapping &mapping, const Box &mirror_box, int disc_size);

// A target whose class contains "Chrome_WidgetWin_" draws its own caption: its mirror is a
// bare popup and its pointer disc is centred on the pointer.
bool is_chrome_class(const char *class_name);

// The red disc's bounding box in a copying mirror's client coordinates, disc_size across. At 1:1 it
// follows the target: cursor is in screen coordinates, normal_origin the target's normal-position
// origin, used only when the target is not maximised; a framed mirror's disc is lifted to match its
// caption (centred 10 pixels left of and 30 above the pointer). At any other scale the disc is centred
// on the pointer's place on the external monitor; client_origin is where the mirror's client area
// starts there.
ScreenRect marker_box(const Mapping &m, bool maximised, bool chrome_class, ScreenPoint cursor,
                      ScreenPoint normal_origin, ScreenPoint client_origin, int disc_size);
