// Decisions of the display set-up that need no platform: which monitor is which, the common
// resolution, the area mirrors use without an external monitor, how the monitors are matched and
// whether modes change.
#pragma once
#include "base/geometry.h"

// The main monitor is the one whose rectangle starts at the virtual screen's origin.
bool is_main_monitor(int left, int top);

// The narrower monitor's width and height; on equal widths the external monitor's. Heights are
// never compared.
struct Resolution {
    int width;
    int height;
};
Resolution choose_common_resolution(const MonitorArea &main_area, const MonitorArea &ext_area);

// With a single monitor the mirrors go to an area of its size just left of it, on no screen.
MonitorArea off_screen_area(const MonitorArea &main_area);

// How a window and its mirror are made to match ([DISPLAY] MATCH): both monitors set to the
// narrower one's resolution (the default, also for an empty or missing value), or no mode ever
// changed and the main monitor's picture scaled to fit the external one. Any other value reads as
// resolution, and read_display_match returns false so that it can be reported.
enum DisplayMatch { MATCH_RESOLUTION, MATCH_SCALE };
bool read_display_match(const char *value, DisplayMatch *match);

// Modes are changed only when matching by resolution, and only when a main and an external
// monitor were both found: with one monitor there is nothing to match, and with none the device
// names would be empty, which the platform takes as the primary display.
bool should_change_display_modes(int monitor_count, DisplayMatch match);
