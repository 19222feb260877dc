// The overlays' decisions, on plain values: where the toggle button goes for the foreground
// window, and the size at which the wallpaper picture is shown.
#pragma once
#include "base/geometry.h"

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
};

enum ButtonMove {
    BUTTON_STAYS,
    BUTTON_PARKED,   // 1 x 1 at the screen's top-left corner, topmost
    BUTTON_ON_WINDOW // 30 x 20, 140 pixels left of the window's right edge, on top
};

struct ButtonPlacement {
    ButtonMove move;
    Box box;
};

// The button never follows the program's own windows, its mirrors or the desktop's shell
// window. On a maximised window, whose frame hangs over the screen edge, it moves 4 pixels in
// and 6 down to stay inside the caption.
ButtonPlacement place_for_foreground(const ForegroundView &fore);

// The picture covers the monitor's width and a fixed 1280 : 700 proportion of it, whatever
// its own proportions. Divided first, then multiplied, in double precision: 1792 gives 979.
struct PictureSize {
    int width;
    int height;
};
PictureSize wallpaper_picture_size(int monitor_width);
