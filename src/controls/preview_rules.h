// The preview's decisions, on plain values: the setting, where the window first stands, where the audience's
// picture lies in it, where a place on the external monitor lies in that picture, how it is kept off the
// external monitor, and its status line.
#pragma once
#include "base/geometry.h"

enum {
    PREVIEW_WIDTH = 320,      // the picture's width at 96 DPI
    STATUS_HEIGHT = 20,       // the status line's height at 96 DPI
    PREVIEW_EVERY_MS = 170    // a picture this often: with the main loop's turns, about five and a half a second
};

// [PREVIEW] SHOW: "no" (the default, also empty or missing) or "yes"; any other value reads as no, and the
// function returns false so that it can be reported.
bool read_preview_setting(const char *value, bool *show);

// Where the preview first stands: a picture PREVIEW_WIDTH wide (scaled to the DPI) and as high as the external
// monitor's proportions ask, the status line below it, the frame (frame_width, frame_height: the window's
// borders and caption at that DPI) around them, at the main monitor's top-right corner.
Box preview_place(const MonitorArea &main, const MonitorArea &ext, unsigned dpi, int frame_width, int frame_height);

// The picture in a client area of this size above the status line: the external monitor fitted with its
// proportions kept, centred.
Box preview_picture(int client_width, int client_height, int status_height, const MonitorArea &ext);

// A box on the external monitor (virtual-screen coordinates) in the picture, cut to the picture.
ScreenRect in_picture(const Box &on_ext, const MonitorArea &ext, const Box &picture);

// A preview that reaches onto the external monitor would show the audience itself, and itself again inside:
// it goes back onto the main monitor, as near as it can, no larger than it. False when it may stay.
bool keep_off_external(const Box &window, const MonitorArea &main, const MonitorArea &ext, Box *moved);

// The status line: the audience's monitor ("Monitor 2: 1920 × 1080"; number 0: there is none; AUDIENCE_IN_WINDOW:
// the audience's window, "Audience window: 1280 × 720", ext its client area) and what is on.
enum { AUDIENCE_IN_WINDOW = -1 };
void preview_status(char *out, int size, int monitor_number, const MonitorArea &ext, bool blank, bool spotlight,
                    bool zoom, bool curtain);
