// The overlays' decisions, on plain values: where the toggle button goes for the foreground
// window, and the size at which the wallpaper picture is shown.
#pragma once
#include "base/geometry.h"

// The button's size at 96 DPI; it follows the DPI of the monitor it stands on.
enum { BUTTON_WIDTH = 30, BUTTON_HEIGHT = 20 };

// What the main loop sees of the foreground window.
struct ForegroundView {
    bool none;           // there is no foreground window
    bool program_window; // the button, the checklist, the wallpaper or the desktop
    const char *class_name;
    bool minimised;
    bool maximised;
    bool rect_known;
    ScreenRect rect;
    bool caption_buttons_known;  // the compositor gave the bounds of the window's caption buttons
    ScreenRect caption_buttons;  // in the window's coordinates: its rectangle's top left is (0, 0)
    unsigned dpi;                // of the monitor the button stands on
};

enum ButtonMove {
    BUTTON_STAYS,
    BUTTON_PARKED,   // 1 x 1 at the screen's top-left corner, topmost
    BUTTON_ON_WINDOW // on the window's caption, on top
};

struct ButtonPlacement {
    ButtonMove move;
    Box box;
};

// The button never follows the program's own windows, its mirrors or the desktop's shell window.
// Where the compositor gives the caption buttons' bounds (and they lie inside the window), the button
// stands left of them with a small gap, centred in their height, and no taller than they are: a click
// meant for Minimise must never tick a window. Elsewhere it stands 140 pixels left of the window's
// right edge at its top, and on a maximised window, whose frame hangs over the screen edge, 4 pixels
// further in and 6 down. Its size is 30 x 20 at 96 DPI, scaled to the DPI.
ButtonPlacement place_for_foreground(const ForegroundView &fore);

// [DISPLAY] CURTAIN: "no" (the default, also empty or missing: the wallpaper at the bottom of the
// external monitor's windows) or "yes" (the wallpaper above every window that is not the program's);
// any other value reads as no, and the function returns false so that it can be reported.
bool read_curtain_setting(const char *value, bool *on);

// A window lies on the external monitor when any part of it does. The desktop's own windows (the shell's
// "Progman" and "WorkerW", which span every monitor) are part of no picture anyone picks.
bool lies_on(const ScreenRect &window, const MonitorArea &monitor);
bool is_desktop_class(const char *class_name);

// A window that the Z order puts above the wallpaper, front to back.
struct AboveWallpaper {
    WindowId window;
    bool ours;         // one of the program's windows
    bool on_external;  // lies on the external monitor (for a window that is not ours)
};

// The curtain holds when no window that is not ours and lies on the external monitor stands above the
// wallpaper, and the audience's windows (ours_bottom_up: the mirrors, the pop-up mirrors, the marker, as
// they should stand, the lowest first) all stand above it in that order. Other windows of ours (the
// button, hidden mirrors) may stand anywhere.
bool curtain_holds(const AboveWallpaper *above, int above_count, const WindowId *ours_bottom_up, int ours_count);

// The picture covers the monitor's width and a fixed 1280 : 700 proportion of it, whatever
// its own proportions. Divided first, then multiplied, in double precision: 1792 gives 979.
struct PictureSize {
    int width;
    int height;
};
PictureSize wallpaper_picture_size(int monitor_width);
