// Where the audience's screen is, on plain values: the external monitor or a window of the program
// ([DISPLAY] AUDIENCE), the window's client size ([DISPLAY] AUDIENCE_SIZE), and the surface the audience's
// windows are placed on with where the main monitor's picture lands on it.
#pragma once
#include "base/geometry.h"

// [DISPLAY] AUDIENCE: "monitor" (the default, also empty or missing) or "window", in any case, blanks around
// it dropped. Anything else reads as monitor, and the function returns false so that it can be reported.
enum AudienceKind { AUDIENCE_MONITOR, AUDIENCE_WINDOW };
bool read_audience_setting(const char *value, AudienceKind *kind);

// The window's client size: [DISPLAY] AUDIENCE_SIZE as WIDTHxHEIGHT ("1280x720", the default, also empty or
// missing), from 320x180 to 3840x2160, blanks around the numbers allowed. Anything else reads as the default,
// and the function returns false so that it can be reported.
struct SurfaceSize {
    int width;
    int height;
};
enum {
    SURFACE_WIDTH_BY_DEFAULT = 1280,
    SURFACE_HEIGHT_BY_DEFAULT = 720,
    SURFACE_MIN_WIDTH = 320,
    SURFACE_MIN_HEIGHT = 180,
    SURFACE_MAX_WIDTH = 3840,
    SURFACE_MAX_HEIGHT = 2160
};
bool read_audience_size(const char *value, SurfaceSize *size);

// A client area as the presenter left it, as a surface: never less than one pixel each way (a window sized to
// nothing still has a picture, of one pixel).
SurfaceSize surface_size(int client_width, int client_height);

// The surface the rooms place the audience's windows on, in the coordinates they are placed in, and where the
// main monitor's picture lands on it. On the monitor: the external monitor's area, 1:1 or fitted as [DISPLAY]
// MATCH says (scale). In the window: its client area from (0, 0), the main monitor always fitted with its
// proportions kept and centred, whatever MATCH says: the window has its own size, no mode to match.
struct AudienceScreen {
    MonitorArea area;
    Mapping mapping;
};
AudienceScreen audience_screen(AudienceKind kind, bool scale, const MonitorArea &main, const MonitorArea &ext,
                               SurfaceSize client);
