// The preview's decisions, on plain values: the setting, where the window first stands, where the audience's
// picture lies in it, where a place on the external monitor lies in that picture, how it is kept off the
// external monitor, its status line, and which parts of the external monitor a refresh reads.
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

enum {
    PREVIEW_MOST_PLACES = 64,        // places told apart; with more, every refresh reads the whole monitor
    PREVIEW_WHOLE_EVERY_MS = 2000,   // a whole read at least this often, whatever changed unseen
    PREVIEW_SETTLE_MS = 1000         // whole reads for this long after the scene changes, while the screen settles
};

// What the preview shows and where on the external monitor pixels may change between refreshes: the places
// of the windows there (the shown mirrors, their pop-ups, the marker, windows of others) in screen
// coordinates; the wallpaper between them changes only with the scene.
struct PreviewScene {
    MonitorArea ext;
    bool blank, spotlight, zoom, curtain, wallpaper;
    unsigned not_responding;  // one bit for each catalogue entry marked as not answering
    int place_count;          // may exceed PREVIEW_MOST_PLACES: only that many are kept
    Box places[PREVIEW_MOST_PLACES];
};

// The same monitor, the same modes and marks: what a pass can tell without reading the places.
bool same_modes(const PreviewScene &a, const PreviewScene &b);

// The same modes and marks, and the same places in the same order.
bool same_scene(const PreviewScene &a, const PreviewScene &b);

// How long ago the scene last changed before this refresh, and the last whole read; whether a picture was read
// at all since the preview opened.
struct PreviewClock {
    bool have_picture;
    unsigned since_change_ms;
    unsigned since_whole_ms;
};

// What a refresh reads: the whole external monitor, or these boxes of it (screen coordinates, cut to it).
struct PreviewRead {
    bool whole;
    int count;
    Box boxes[PREVIEW_MOST_PLACES];
};

// The whole monitor with no picture yet, on a change of the scene and for PREVIEW_SETTLE_MS after it (an
// uncovered part is painted anew only after the change: a single read could catch it half done), every
// PREVIEW_WHOLE_EVERY_MS, with more places than are told apart, and where the places together cover half the
// monitor or more (one read is then cheaper than several); otherwise only the places, cut to the monitor.
PreviewRead plan_preview_read(const PreviewScene &before, const PreviewScene &now, const PreviewClock &clock);
